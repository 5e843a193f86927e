#pragma once

// The values of a triangle worked out from exact lengths: each side, the area, each
// bisector and the values of the derivation, as rationals or square roots of rationals
// (a few values of the medians' triangle, sums of such roots, to 190 bits), correctly
// rounded to doubles and written in exact form.

#include "exact.h"
#include "quantity.h"
#include "triangle.h"

#include <array>
#include <string>

namespace calc::exact
{

// A value rounded to the nearest double; not in range when that is not a normal double.
struct Rounded {
    double value = 0;
    bool inRange = false;
};

class ExactTriangle
{
public:
    // The triangle of three lengths of one kind, which Decide has let pass.
    ExactTriangle(InputMode mode, const std::array<Decimal, 3> &lengths);

    // False when the lengths differ in size by more than 700 orders of magnitude: a side,
    // a bisector or the area is then beyond the range of doubles, and nothing else here
    // is worked out.
    bool Comparable() const { return comparable_; }

    // The value correctly rounded to a double (for the values that are neither rational
    // nor the root of a rational, rounded from 190 correct bits).
    Rounded Value(Named value);

    // The exact form n√r/d, or empty (see ExactForms).
    std::string Form(Named value);

private:
    enum class Kind {
        None,     // not a value of this kind of solution
        Value,    // `rational` is the value
        Square,   // `rational` is its square
        Estimate, // `fixed` is an approximation of the value, in units of 2^−fixedBits_
    };
    struct Entry {
        Kind kind = Kind::None;
        Rational rational;
        Integer fixed;
        int degree = 1; // the value scales with the lengths to this power
        bool made = false;
    };
    static Entry Of(Kind kind, Rational rational, int degree = 1);
    const Entry &At(Named value);
    const Rational &Exact(Quantity quantity, int index);
    void MakeForSides(Named value, Entry &entry);
    void MakeForHeights(Named value, Entry &entry);
    void MakeForMedians(Named value, Entry &entry);
    void EstimateMedianValue(Named value, Entry &entry);
    bool SquareIsRational(Named value);

    InputMode mode_;
    std::array<Rational, 3> x_; // the lengths, times 10^−scale
    std::array<Entry, kQuantitySlots> entries_;
    bool comparable_ = true;
    std::int64_t scale_ = 0; // the lengths were taken times 10^−scale
    // Medians: for the values that are sums of roots, the squares of the sides, the sides
    // and their sum in fixed point, made with the first of them.
    unsigned fixedBits_ = 0;
    std::array<Integer, 3> fixedSquares_, fixedSides_;
    Integer fixedPerimeter_, fixedArea16_;
};

// The exact form of 1/length, for a positive length within the sizes whose forms are
// written (ExactForms); empty for the others.
std::string ReciprocalForm(const Decimal &length);

// √q, or q, times 10^exponent, rounded to the nearest double, ties to even; q = n/d > 0.
Rounded RoundToDouble(const Rational &q, bool root, std::int64_t exponent = 0);
Rounded RoundToDouble(Integer n, Integer d, bool root, std::int64_t exponent = 0);

} // namespace calc::exact
