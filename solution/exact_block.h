#pragma once

// The exact values that the report lists after "Точни стойности:" (calc::AppendExactValues),
// as formulas for the MathML writer: the page shows them under the figure as it shows the
// worked solution.

#include "solution.h"

#include <vector>

namespace solution
{

// The exact values of a solution, a chain each, "BC = 2√73/3 ≈ 5,69600249687835", named as
// the report's labels name them and in its order, then the report's own digits where they
// differ, of values with a form or without (calc::ReportDigitsNote), as a step of a note
// alone; no steps where the report lists neither.
std::vector<Step> ExactValues(const calc::Solution &solution);

} // namespace solution
