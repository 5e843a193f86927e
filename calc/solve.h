#pragma once

// How Calculate solves a triple: decided and worked out in doubles where rounding cannot
// change the outcome or the digits, and from the exact lengths as typed where it could,
// which are read only then.

#include "exact.h"
#include "triangle.h"

#include <array>
#include <functional>

namespace calc
{

// The three lengths exactly; asked for only where doubles do not suffice.
using ExactLengths = std::function<std::array<exact::Decimal, 3>()>;

// Solves the triangle of `given` (the lengths as doubles), whose exact values `exact`
// yields.
Solution SolveWith(InputMode mode, const std::array<double, 3> &given, const SolveOptions &options,
                   const ExactLengths &exact);

} // namespace calc
