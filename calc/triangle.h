#pragma once

#include "triangle_state.h"

#include <optional>

namespace calc
{

// True when the entered triple is refused: one value is at least the sum of the other
// two. The same test serves every input kind (for altitudes too, on the values
// themselves). A triple it lets pass has three strictly positive values.
bool InputsRejected(double x1, double x2, double x3);

// Turns an accepted triple of the state's input kind into the sides a, b, c, written
// into the state, and returns the area. For altitudes whose reciprocals fail the strict
// triangle inequality there is no triangle: nothing is returned and the sides are left
// unspecified.
std::optional<double> ReconstructSides(TriangleState &state, double x1, double x2, double x3);

// The area of the triangle with the state's sides, by Heron's formula.
double HeronArea(const TriangleState &state);

// The three internal bisectors of the triangle with the state's sides, written into the
// state's Yg_a, Yg_b and Yg_c.
void ComputeBisectors(TriangleState &state);

// A square root that treats a radicand rounding has pushed below zero as zero.
double RootOrZero(double radicand);

} // namespace calc
