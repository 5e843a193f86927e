#pragma once

// The formulas of the Office Math writer (omml.cpp), which lays the worked solution out in
// paragraphs around them.

#include "solution.h"
#include "walk.h"

#include <string>
#include <string_view>

namespace solution
{

// A line of a step: `e` after `lead` (none for a left-hand side), as <m:oMath> elements
// between which the line may wrap.
void AppendOmmlLine(std::string &out, Lead lead, const Expression &e,
                    std::string_view decimalSeparator);

// `e` after `lead` as one <m:oMath> element, which does not wrap.
void AppendOmmlWhole(std::string &out, Lead lead, const Expression &e,
                     std::string_view decimalSeparator);

} // namespace solution
