#pragma once

// The report of a triangle given by three of its elements (chapter.h), as the command line
// prints it, with the decimal separator and line end of the caller (ReportStyle):
//
//   Два триъгълника, решени точно:          how many, and how they were found
//   Триъгълник 1:                           (a heading each, for two or more)
//   a = 1,5                                 every element, in the table's order; angles
//   …                                       in degrees with "°"
//   тъпоъгълен, разностранен                its types
//   симетричен на триъгълник 1              (the mirror image of an earlier one)
//
// Of none, "Некоректни данни!" and the reason in words on the next line; of infinitely
// many, what is left free. `exact` adds after each triangle the exact values of the
// elements not given ("c = √39 ≈ 6,2449979983984", "cos γ = 1/2, γ = 60°").
//
// The words are those of one table here (the reasons, the identities, the types), which the
// worked solution and the page read too.

#include "chapter.h"
#include "report.h"

#include <string>
#include <string_view>

namespace calc::chapter
{

inline constexpr std::string_view kTriangleHeading = "Триъгълник ";
inline constexpr std::string_view kAngleTypes[] = {"остроъгълен", "правоъгълен", "тъпоъгълен"};
inline constexpr std::string_view kSideTypes[] = {"равностранен", "равнобедрен", "разностранен"};

void AppendReport(std::string &out, const Solution &solution, const ReportStyle &style = {},
                  bool exact = false);

// The parts of that report, for a front end that shows each triangle apart (the page): the
// lines of triangle `index` (its elements, its types, whose mirror image it is), without
// its heading; the exact values of its elements not given, after kExactHeading (nothing
// when none are known); and, for triangles without exact values, the line that says why
// (empty when they have them, or when there is no triangle).
void AppendTriangle(std::string &out, const Solution &solution, std::size_t index,
                    const ReportStyle &style = {});
void AppendTriangleExact(std::string &out, const Solution &solution, std::size_t index,
                         const ReportStyle &style = {});
std::string_view NoExactValues(const Solution &solution);

// The first line: "Един триъгълник, решен точно:", "Некоректни данни!", …, without its end.
std::string Headline(const Solution &solution);

// Why there is no triangle (a sentence), or what infinitely many leave free; empty for a
// solution with triangles.
std::string Explanation(const Solution &solution);

// The types of a triangle: "остроъгълен, разностранен".
std::string TypeText(const SolvedTriangle &triangle);

// An identity written with the elements it binds: "a = 2R·sin α".
std::string IdentityText(Identity identity, const std::array<Element, 3> &elements);

} // namespace calc::chapter
