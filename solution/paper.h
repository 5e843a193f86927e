#pragma once

// What the writer of a solution's HTML (mathml.cpp) asks of the estimate of its size
// (paper_height.cpp): the heights of the units a page may break between, and how wide a
// formula is, its numbers laid out with `decimalSeparator`.

#include "solution.h"

#include <cstddef>
#include <string_view>

namespace solution
{

// The height in em of the pair of steps of `part` that begins with step `first`, or of
// that step alone, across the column, where it is the part's last.
double PairHeight(const Part &part, std::size_t first, const Column &column,
                  std::string_view decimalSeparator);

// The width in em of a formula on one line.
double Width(const Expression &e, std::string_view decimalSeparator);

// The height in em of a part's title, with the space above it.
double TitleHeight(const Part &part, const Column &column);

} // namespace solution
