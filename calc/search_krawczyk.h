#pragma once

// The tests of the certified search (search.h) on a box of a chart's shapes: whether
// interval arithmetic leaves the box out, and Krawczyk's test, which proves that a box
// holds no solution of the two solved equations or exactly one; and the narrowing of a
// proven box to the double's precision.

#include "search_equations.h"

namespace calc::search
{

// A box of a chart: t and s.
struct Box {
    Interval t, s;
};

// Whether some equation's residual is nonzero on the whole box: no shape in it fits.
bool Excluded(const System &system, std::size_t chart, const Box &box);

enum class Verdict {
    None, // no solution in the box
    One,  // exactly one
    Unknown,
};

struct Krawczyk {
    Verdict verdict = Verdict::Unknown;
    Box narrowed; // the box's part that holds every solution in it
    int split;    // the coordinate to subdivide along (0 for t, 1 for s), if undecided
    // For t and for s, whether the rounding of the equations at the midpoint is as large as
    // their variation along it across the box: a box cut along it would be no clearer.
    std::array<bool, 2> blurred{};
};

// Krawczyk's operator K(X) = m − Y·F(m) + (I − Y·J(X))·(X − m), with m the box's
// midpoint, J the Jacobian of the solved equations, Y the inverse of J's midpoint: every
// solution in X lies in K(X); K(X) inside X's interior proves that X holds exactly one.
// The givens are intervals, so that this holds for every value of them. The test is on
// the proof box, which holds the box; the box itself is left out also when the mean value
// form F(m) + J·(X − m) of some equation leaves it out.
Krawczyk KrawczykTest(const System &system, std::size_t chart, const Box &proof, const Box &box);

// The box proven to hold one solution, narrowed by the same operator until it shrinks no
// more.
Box Narrowed(const System &system, std::size_t chart, Box box);

// The triangle's angles in radians, and its sides, on a box of shapes.
std::array<Interval, 3> Angles(const Chart &chart, const Box &box);
std::array<Interval, 3> Sides(const System &system, const Chart &chart, const Box &box);

} // namespace calc::search
