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
// A number goes to text only at the end: its digits are values (Digits, numbers.h), of a
// double correctly rounded to as many as asked (DigitsOf) or of an exact value
// (exact_values.h), and one writer lays them out as a Layout says, the report's fifteen
// digits as the figure's four.
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

// The work behind "Изчисли", and the core's one entry: reads the three input texts of one
// kind with ReadNumber ("." and `decimalSeparator` both count as the decimal separator) and
// solves them on the numbers exactly as typed: 0.1, 0.2 and 0.3 are refused as sides,
// whatever the doubles nearest to them add up to. A text longer than the calculation
// takes (kMaxDigits, kMaxExponentDigits) makes the solution TooLong.
//
// Sides and medians are refused when one is at least the sum of the other two; altitudes
// when one is not positive, or when their reciprocals fail the strict triangle inequality:
// the altitudes of a real triangle need not satisfy it themselves (4, 5 and 10 belong to
// one), but their reciprocals, proportional to the sides, always do. The refusal is decided
// on the exact values, however close to degenerate the triple is.
//
// Each value is that of its formula evaluated in double arithmetic in one fixed order, so
// that the digits are reproducible to the last one, wherever that result is within 1e-10
// of the exact value; elsewhere (needle-thin and nearly degenerate triangles, values the
// formulas' intermediate results cannot hold) it is the exact value correctly rounded.
// The triangle is OutOfRange where a side, a bisector or the area is not a normal double.
Solution Calculate(InputMode mode, const std::array<std::string_view, 3> &inputs,
                   std::string_view decimalSeparator = ".", const SolveOptions &options = {});

// The same for lengths that are doubles already, each taken as the exact value it is: the
// chapter's triangles, found as sides, are drawn and described through it.
Solution Solve(InputMode mode, const std::array<double, 3> &lengths,
               const SolveOptions &options = {});

} // namespace calc
