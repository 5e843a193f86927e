#pragma once

// The page's part "Триъгълник по три елемента": a disclosure after the window, as the
// teacher's part is, so that it is no stop of the window's own tab order, where a triangle is
// given by any three of its elements (calc/elements.h), each chosen from the list of them
// and typed as a value. given_entry.cpp solves it in WebAssembly and given.js shows every
// triangle there is, with its report, its figure and its exact values, or why there is none.

#include <QString>

namespace web
{

// The part's HTML: the three choosers (a, b and γ chosen first), the values, the button and
// the places of the result, of its announcement and of the worked solution.
QString GivenHtml();

} // namespace web
