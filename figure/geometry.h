#pragma once

// Where the points of a solved triangle lie: the vertices, and the feet of its bisectors,
// altitudes and medians, in a plane with y pointing up.
//
// The longest side lies on the x axis, from (0, 0) to (its length, 0), with the third
// vertex above it; A, B and C follow each other counterclockwise. With the sides
// 3, 4, 5 that is the usual picture: AB at the bottom, A on the left, C at the top. The
// longest side's ends have acute angles, so the third vertex stands above the base.
// When two sides share the greatest length, AB goes to the bottom before BC, and BC
// before AC.

#include "painter.h"

#include <array>
#include <cstddef>

namespace figure
{

struct Placement {
    // A, B, C. The coordinates are in units of 2^exponent lengths of the triangle, so that
    // the longest side is between 0.5 and 1 whatever its size (1e-100 or 1e100).
    std::array<Point, 3> vertices;
    int exponent = 0;
    std::size_t base = 2; // the side on the x axis: 0 for a = BC, 1 for b = AC, 2 for c = AB
    // Each from the vertex of the same index to the opposite side (or its line).
    std::array<Point, 3> bisectorFeet; // dividing the side as the adjacent sides
    std::array<Point, 3> altitudeFeet; // H on BC, G on AC, E on AB
    std::array<Point, 3> medianFeet;   // K, M, N: the midpoints
};

// The triangle with sides a = BC, b = AC, c = AB, all positive and finite. Sides that
// rounding has pushed out of the triangle inequality give a flat triangle.
Placement PlaceTriangle(const std::array<double, 3> &sides);

} // namespace figure
