#pragma once

// The names of the three lengths the user gives, as the window labels its input boxes and
// the answer key heads the data of a triple.

namespace calc
{

// The labels of each kind, in the order of InputMode (UTF-8).
inline constexpr const char *kInputLabels[3][3] = {
    {"Височина AH (ha):", "Височина BG (hb):", "Височина CE (hc):"},
    {"Страна BC (a):", "Страна AC (b):", "Страна AB (c):"},
    {"Медиана AK (ma):", "Медиана BM (mb):", "Медиана CN (mc):"},
};

} // namespace calc
