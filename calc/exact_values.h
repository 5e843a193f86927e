#pragma once

// Every named value of a triangle (quantity.h) worked out from the lengths exactly as
// typed: as a number (exact_arithmetic.h), in the form a student writes (exact_form.h), and
// as fifteen correctly rounded digits; and for the report's exact path, the nearest double.
//
// The values follow the school's routes: altitudes through the sides' whole-number ratio
// and Heron's formula in k (and the identity 1/S² = P1·P2·P3·P4 beside it), medians through
// side = (2/3)·√(2m² + 2m'² − m₀²) and the medians' own triangle, and each bisector through
// the segments its foot cuts the opposite side into. Each value is worked out when it is
// first asked for, from the values it needs: the report's exact path asks for a few, the
// worked solution for most.

#include "exact_form.h"
#include "exact_rounding.h"
#include "quantity.h"

#include <array>
#include <optional>
#include <vector>

namespace calc::exact
{

// One value exactly.
struct Exact {
    // The value, where it is rational or the root of a rational (for the medians' values
    // made of unlike roots it is not: Shape::None). Of lengths of extreme size the core
    // works with lengths scaled by a power of ten (Values::Scaled): the value is then of
    // those, and has no form.
    Quadratic value;
    std::optional<Surd> form; // n√r/d, where it is short enough to write
    Digits digits;            // the value rounded to fifteen significant digits, once
};

class Values
{
public:
    // The values of a triangle of three lengths of one kind. Those of a triple without a
    // triangle are asked only for what its refusal is about (the givens, the reciprocals,
    // the ratio, the sums of two, the medians' radicands).
    Values(InputMode mode, const std::array<Decimal, 3> &lengths);

    InputMode Mode() const { return mode_; }

    // False when the lengths differ in size by more than 700 orders of magnitude: a side,
    // a bisector or the area is then beyond the range of doubles, and nothing else here
    // is worked out.
    bool Comparable() const { return comparable_; }

    // Whether the lengths were scaled by a power of ten (they are beyond 10^±400): the
    // values then have no exact form, only digits.
    bool Scaled() const { return scale_ != 0; }

    // The value, its form and its digits. A value that cannot be worked out (the
    // reciprocal of a zero) has Shape::None and no digits.
    const Exact &Of(Named value) const;
    const Exact &Of(Quantity quantity, int index = 0) const { return Of({quantity, index}); }

    // The value alone, its form alone, or its digits alone: each is worked out only when
    // it is asked for (the report's exact path needs no form, a formula no digits of a value
    // that has one).
    const Quadratic &ValueOf(Named value) const;
    const std::optional<Surd> &FormOf(Named value) const;
    const Digits &DigitsOf(Named value) const;

    // The value rounded to the nearest double, and whether it lies in the range of normal
    // doubles.
    Rounded Nearest(Named value) const;

private:
    struct Entry {
        Exact exact;
        bool valued = false;
        bool digitsMade = false;
        bool formMade = false;
    };
    Entry &At(Named value) const;
    Quadratic Make(Named value) const;
    Quadratic Ratio(Quantity part, int index) const;
    // The approximation of a value that is not known exactly, with about `bits` bits.
    Interval Approximate(Named value, unsigned bits) const;
    std::int64_t Exponent(Named value) const; // of the value's power of ten, when scaled

    InputMode mode_;
    std::array<Rational, 3> x_; // the lengths, times 10^−scale
    std::array<bool, 3> positive_{};
    bool comparable_ = true;
    std::int64_t scale_ = 0;
    mutable std::array<Entry, kQuantitySlots> entries_;
    mutable std::vector<std::optional<Interval>> approximations_;
    mutable unsigned approximationBits_ = 0;
};

} // namespace calc::exact
