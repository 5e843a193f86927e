#pragma once

// The worked solution of a triangle given by three of its elements (calc/chapter.h), as a
// teacher writes it, in the same formula trees and parts as the three kinds' (solution.h),
// so that every writer there (the plain text, the MathML, the Office Math) lays it out.
//
//   the route     how the closed form finds the sides: the law of cosines (two sides and
//                 the angle between them), the ambiguous case (two sides and an angle
//                 opposite one of them: the discriminant, and why 0, 1 or 2 triangles), the
//                 third angle and the law of sines (two angles), the medians' formula; the
//                 sines and lengths its steps find from an identity first
//   the search    for a triple without a closed form: the equations in the sides that were
//                 solved, and what the certified search proved (how many triangles, that
//                 the count is proven or not, the accuracy and the work it took); no steps
//                 it did not take
//   each triangle the angles by the law of cosines, p and S by Heron, r = S/p and
//                 R = abc/(4S), under "Триъгълник 1:" … where there are two or more
//
// Every number is one the solve returned: the triangle's values and the route's
// (SolvedTriangle::route), exact where the solve was asked for its exact values
// (calc::chapter::Options::exactValues) and has them, else their digits, rounded (≈). A
// refused triple, or one of infinitely many triangles, gets the core's sentence as a note.

#include "chapter.h"
#include "solution.h"

namespace solution
{

WorkedSolution WorkChapter(const calc::chapter::Solution &solution);

} // namespace solution
