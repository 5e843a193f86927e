#pragma once

// The names the figure and its texts give to the elements of triangle ABC; index 0, 1, 2
// stands for A, B, C as in calc::Triangle.

#include "triangle.h"

#include <string_view>

namespace figure
{

inline constexpr std::string_view kVertexNames[3] = {"A", "B", "C"};
// The sides opposite A, B and C.
inline constexpr std::string_view kSideNames[3] = {"BC", "AC", "AB"};
inline constexpr std::string_view kBisectorNames[3] = {"Yg_a", "Yg_b", "Yg_c"};
inline constexpr std::string_view kBisectorIds[3] = {"bisector-a", "bisector-b", "bisector-c"};
inline constexpr std::string_view kBisectorFootIds[3] = {"L_a", "L_b", "L_c"};

// What the user gave: the given elements as segments from a vertex to its foot, and their
// feet. Sides have no segments and no feet of their own.
struct GivenNames {
    std::string_view segments[3]; // "AH", ...; empty for sides
    std::string_view feet[3];     // "H", ...; empty for sides
    std::string_view kind;        // the segments' class in the SVG
    std::string_view ids[3];      // and their ids
};

inline constexpr GivenNames kHeightNames{
    {"AH", "BG", "CE"}, {"H", "G", "E"}, "altitude", {"altitude-a", "altitude-b", "altitude-c"}};
inline constexpr GivenNames kSideNamesGiven{{}, {}, {}, {}};
inline constexpr GivenNames kMedianNames{
    {"AK", "BM", "CN"}, {"K", "M", "N"}, "median", {"median-a", "median-b", "median-c"}};

inline const GivenNames &Given(calc::InputMode mode)
{
    switch (mode) {
    case calc::InputMode::Heights:
        return kHeightNames;
    case calc::InputMode::Medians:
        return kMedianNames;
    case calc::InputMode::Sides:
        break;
    }
    return kSideNamesGiven;
}

} // namespace figure
