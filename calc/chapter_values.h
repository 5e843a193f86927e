#pragma once

// The nineteen elements of a triangle from its three sides, and its types, for the chapter's
// solve (chapter.h).
//
// The values are certified balls (ball.h) by stable formulas: each angle by Kahan's half-angle
// formula, tan(α/2) = √((p − b)(p − c)/(p(p − a))), never an arccosine of a value rounding may
// have pushed past ±1; the area by Kahan's Heron on the sorted sides; the bisectors by
// l_a² = bc((b + c)² − a²)/(b + c)². Each is printed with the digits of its exact value,
// correctly rounded, where the ball decides them, and else from its exact form.
//
// The exact forms (ExactValues) follow the same formulas on exact sides: a side √(74 − 35√3),
// an area 35√3/4, a cosine 1/2 (γ = 60°); a value not of those forms (a sum of two sides with
// unlike roots under roots) has none.

#include "ball.h"
#include "chapter.h"
#include "exact_surds.h"

#include <array>
#include <optional>
#include <vector>

namespace calc::chapter
{

// Every element of the triangle of sides `sides`, the angles in degrees.
std::array<Ball, kElementCount> ElementBalls(const std::array<Ball, 3> &sides);

// A value the route passed through (SolvedTriangle::route), exactly.
struct ExactRouteValue {
    RouteValue value;
    int index = 0;
    exact::Radical number;
};

// The exact values of a triangle: each length and the area, and of each angle its cosine;
// nothing known where a value has no such form.
struct ExactTriangle {
    std::array<exact::Radical, kElementCount> values;
    // The angles that are whole multiples of 15°, in degrees.
    std::array<std::optional<int>, 3> special;
    // The route's values, in the order of SolvedTriangle::route.
    std::vector<ExactRouteValue> route;
};

struct ExactValues {
    std::vector<ExactTriangle> triangles; // in the order of Solution::triangles
};

// One element of the triangle of the exact sides: of an angle, its cosine.
exact::Radical ExactElement(Element element, const std::array<exact::Radical, 3> &sides);

ExactTriangle ExactElements(const std::array<exact::Radical, 3> &sides);

// The fifteen digits of a known exact value, correctly rounded (none for one that is not
// positive).
std::optional<Digits> ExactDigits(const exact::Radical &value);

// A value as the report prints it: the ball's certain digits, else `exact`'s, else the
// double's own.
Number NumberOf(const Ball &value, const exact::Radical *exact = nullptr);

} // namespace calc::chapter
