#pragma once

// The names the figure gives to the elements of triangle ABC; index 0, 1, 2 stands for A,
// B, C as in calc::Triangle. The vertices, the sides and the given elements are named in the
// core's table of words (calc/kinds.h); the bisectors' names and ids, and the SVG classes and
// ids of everything, are the figure's own.

#include "kinds.h"

#include <array>
#include <string_view>

namespace figure
{

using calc::kSideNames;
using calc::kVertexNames;
inline constexpr std::string_view kBisectorNames[3] = {"Yg_a", "Yg_b", "Yg_c"};
inline constexpr std::string_view kBisectorIds[3] = {"bisector-a", "bisector-b", "bisector-c"};
inline constexpr std::string_view kBisectorFootIds[3] = {"L_a", "L_b", "L_c"};

// The SVG's class and ids of the given elements of each kind of lengths, and the classes of
// their feet, whose ids are their names (calc::KindWords::feet); none for sides, which are
// the triangle's own.
struct GivenNames {
    calc::InputMode mode;
    std::string_view lineClass;
    std::array<std::string_view, 3> lineIds;
    std::string_view footClass;
};

inline constexpr std::array<GivenNames, 3> kGivenNames = {{
    {calc::InputMode::Heights,
     "altitude",
     {"altitude-a", "altitude-b", "altitude-c"},
     "foot altitude-foot"},
    {calc::InputMode::Sides, "", {}, ""},
    {calc::InputMode::Medians, "median", {"median-a", "median-b", "median-c"}, "foot median-foot"},
}};

inline const GivenNames &GivenNamesOf(calc::InputMode mode)
{
    return kGivenNames.at(static_cast<std::size_t>(mode));
}

static_assert(kGivenNames[0].mode == calc::InputMode::Heights &&
                  kGivenNames[1].mode == calc::InputMode::Sides &&
                  kGivenNames[2].mode == calc::InputMode::Medians,
              "the table is in the order of InputMode");

} // namespace figure
