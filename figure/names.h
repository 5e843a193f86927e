#pragma once

// The names the figure gives to the elements of triangle ABC; index 0, 1, 2 stands for A,
// B, C as in calc::Triangle. The vertices, the sides and the given elements are named in the
// core's table of words (calc/kinds.h); the bisectors' names and ids are the figure's own.

#include "kinds.h"

#include <string_view>

namespace figure
{

using calc::kSideNames;
using calc::kVertexNames;
inline constexpr std::string_view kBisectorNames[3] = {"Yg_a", "Yg_b", "Yg_c"};
inline constexpr std::string_view kBisectorIds[3] = {"bisector-a", "bisector-b", "bisector-c"};
inline constexpr std::string_view kBisectorFootIds[3] = {"L_a", "L_b", "L_c"};

} // namespace figure
