#pragma once

// The exact values that the report lists after "Точни стойности:" (calc::AppendExactValues),
// as formulas for the MathML writer: the page shows them under the figure as it shows the
// worked solution.

#include "solution.h"

#include <string_view>

namespace solution
{

// The exact values of a solution, a chain each, "BC = 2√73/3 ≈ 5,69600249687835", with the
// report's labels and in its order; no formulas where the report lists none.
Step ExactValues(const calc::Solution &solution, std::string_view decimalSeparator = ".");

} // namespace solution
