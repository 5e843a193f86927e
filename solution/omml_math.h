#pragma once

// The formulas of the Office Math writer (omml.cpp), which lays the worked solution out in
// paragraphs around them.

#include "solution.h"

#include <string>
#include <string_view>

namespace solution
{

// The sign a relation is written with: "=", "≈", "<" or ">".
std::string_view Sign(Relation relation);

// A line of a step: `e` after the sign `before` (none for a left-hand side), as <m:oMath>
// elements between which the line may wrap.
void AppendOmmlLine(std::string &out, std::string_view before, const Expression &e);

// `e` after the sign `before` as one <m:oMath> element, which does not wrap.
void AppendOmmlWhole(std::string &out, std::string_view before, const Expression &e);

} // namespace solution
