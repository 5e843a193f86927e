#pragma once

#include <array>

namespace calc
{

// The kind of the three lengths the user enters.
enum class InputMode : short {
    Heights = 0, // ha, hb, hc: the altitudes from A, B and C
    Sides = 1,   // a = BC, b = AC, c = AB
    Medians = 2, // ma, mb, mc: the medians from A, B and C
};

// A solved triangle ABC. Index 0, 1, 2 stands for A, B, C: side 0 is a = BC, opposite A;
// bisector 0 is the internal bisector from A to BC.
struct Triangle {
    std::array<double, 3> sides{};
    double area = 0;
    std::array<double, 3> bisectors{};

    bool operator==(const Triangle &) const = default;
};

// What became of an entered triple.
enum class Outcome {
    Solved,     // the triangle is there
    Rejected,   // no triangle has these lengths
    OutOfRange, // there is one, but a length or the area does not fit a double
};

struct Solution {
    InputMode mode = InputMode::Heights;
    Outcome outcome = Outcome::Rejected;
    Triangle triangle{}; // when solved

    bool operator==(const Solution &) const = default;
};

// Solves the triangle of three lengths of one kind.
//
// Sides and medians are refused when one value is at least the sum of the other two
// (InputsRejected); a triple it lets pass has three strictly positive values. Altitudes
// are refused when one is not finite or not positive, or when their reciprocals fail the
// strict triangle inequality: the altitudes of a real triangle need not satisfy it
// themselves (4, 5 and 10 belong to one), but their reciprocals, proportional to the
// sides, always do.
//
// Every formula is evaluated in one fixed order, so that the digits are reproducible to
// the last one; the work is done on the lengths scaled by a power of two, which is exact,
// so that far larger and smaller triangles than the formulas' intermediate values allow
// still get their exact digits.
Solution Solve(InputMode mode, std::array<double, 3> lengths);

// True when one value is at least the sum of the other two, the sums and comparisons in
// double arithmetic exactly as written.
bool InputsRejected(double x1, double x2, double x3);

// The area of the triangle with sides a, b, c, by Heron's formula.
double HeronArea(double a, double b, double c);

// The internal bisectors of the triangle with sides a, b, c, from A, B and C.
std::array<double, 3> Bisectors(double a, double b, double c);

// A square root that treats a radicand rounding has pushed below zero as zero.
double RootOrZero(double radicand);

} // namespace calc
