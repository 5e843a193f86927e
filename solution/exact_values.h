#pragma once

// The exact values that the report lists after "Точни стойности:" (calc::AppendExactValues),
// as formulas for the MathML writer: the page shows them under the figure as it shows the
// worked solution.

#include "solution.h"

namespace solution
{

// An exact value of the core as a formula. The one place that reads the core's exact forms.
Expression ExactValue(const std::string &form);

// The exact values of a solution, a chain each, "BC = 2√73/3", with the report's labels and
// in its order; no formulas where the report lists none.
Step ExactValues(const calc::Solution &solution);

} // namespace solution
