#pragma once

// The calculation core: everything the program knows of triangles, as functions of values.
//
// Of a triangle ABC the user knows three altitudes, three sides or three medians, as
// three texts typed into the input boxes. Calculate reads them (numbers.h), refuses the
// triples no triangle has, and solves the others (triangle.h): the sides, the area and
// the three internal angle bisectors. The report (report.h) is the text the program shows
// for that solution, with the decimal separator and line end of whoever shows it. Of a
// triangle given by any three of its elements (elements.h), the certified search (search.h)
// finds every triangle that has them, and proves their count.
//
// A triangle can also be given by any three of its elements (elements.h), name=value
// (givens.h): chapter.h solves it, every triangle that fits, exact where it can be, and
// chapter_report.h is its report; the command line's --given uses them.
//
// The core knows nothing of windows, pages or terminals and depends on no GUI toolkit.
// The window and the web page reach it through the behaviour model (model/), the command
// line directly; all of them show the same digits.

#include "numbers.h"
#include "report.h"
#include "triangle.h"

#include <array>
#include <string_view>

namespace calc
{

// The work behind "Изчисли": reads the three input texts of one kind with ReadNumber
// ("." and `decimalSeparator` both count as the decimal separator) and solves them as
// Solve does, on the numbers exactly as typed: 0.1, 0.2 and 0.3 are refused as sides,
// whatever the doubles nearest to them add up to. A text longer than the calculation
// takes (kMaxDigits, kMaxExponentDigits) makes the solution TooLong.
Solution Calculate(InputMode mode, const std::array<std::string_view, 3> &inputs,
                   std::string_view decimalSeparator = ".", const SolveOptions &options = {});

} // namespace calc
