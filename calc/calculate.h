#pragma once

// The calculation core: everything the program knows of triangles, as functions of values.
//
// Of a triangle ABC the user knows three altitudes, three sides or three medians, as
// three texts typed into the input boxes. Calculate reads them (numbers.h), refuses the
// triples no triangle has, and solves the others (triangle.h): the sides, the area and
// the three internal angle bisectors. The report (report.h) is the text the program shows
// for that solution, with the decimal separator and line end of whoever shows it.
//
// A number goes to text only at the end: its digits are values (Digits, numbers.h), of a
// double correctly rounded to as many as asked (DigitsOf) or of an exact value
// (exact_values.h), and one writer lays them out as a Layout says, the report's fifteen
// digits as the figure's four.
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
