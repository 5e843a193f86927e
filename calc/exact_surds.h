#pragma once

// Exact values of a triangle given by rational lengths and angles that are whole multiples of
// 15°: sums of unlike square roots with rational coefficients (RootSum: 35√3/4, (√6 + √2)/4,
// 74 − 35√3), and square roots of such sums where they have none of that form (Radical:
// √(74 − 35√3), the side of a = 5, b = 7, γ = 30°).
//
// Square roots of whole numbers of different square classes (no product of two of them a
// square) are linearly independent over the rationals: a RootSum is zero exactly when each
// of its coefficients is, so equality is exact, and the sign of one that is not zero is
// found by intervals of rising precision, which end. Division rationalises the divisor by its
// conjugates, one root at a time. The square root of a sum p + q√d is denested to √u ± √v
// when p² − q²d is the square of a rational, as sin 15° = √((2 − √3)/4) = (√6 − √2)/4 is.

#include "exact_arithmetic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace calc::exact
{

class RootSum
{
public:
    // c·√r: r ≥ 1 whole, square-free where that could be found; r = 1 is the rational part.
    struct Term {
        Rational coefficient;
        Integer radicand;
    };

    RootSum() = default;
    RootSum(const Rational &value);                // NOLINT(google-explicit-constructor)
    RootSum(std::int64_t value);                   // NOLINT(google-explicit-constructor)
    static RootSum RootOf(const Rational &square); // √square, square ≥ 0

    // The terms, ordered by their radicands, none of coefficient zero.
    const std::vector<Term> &Terms() const { return terms_; }
    bool IsZero() const { return terms_.empty(); }
    // The value when it is rational.
    std::optional<Rational> AsRational() const;
    // −1, 0 or 1, exactly.
    int Sign() const;

    friend RootSum operator+(const RootSum &x, const RootSum &y);
    friend RootSum operator-(const RootSum &x, const RootSum &y);
    friend RootSum operator*(const RootSum &x, const RootSum &y);
    // x / y for y ≠ 0 (zero for y = 0: the callers decide the sign first).
    friend RootSum operator/(const RootSum &x, const RootSum &y);
    RootSum operator-() const;
    friend bool operator==(const RootSum &x, const RootSum &y) { return (x - y).IsZero(); }

    // The value between two binary fractions of about `bits` bits.
    Interval Enclose(unsigned bits) const;

private:
    void Add(Rational coefficient, Integer radicand);

    std::vector<Term> terms_;
};

// √x, x ≥ 0, where it is a RootSum: a rational's root, or a sum p + q√d denested.
std::optional<RootSum> SquareRootOf(const RootSum &x);

// factor · √radicand, the radicand positive and without a root of its own (1 for none); or
// nothing known, where a value is not of this form (a sum of two such with radicands whose
// quotient has no root, a root of one with a radicand).
class Radical
{
public:
    Radical() = default;                                            // nothing known
    Radical(const RootSum &value) : known_(true), factor_(value) {} // NOLINT
    Radical(std::int64_t value) : Radical(RootSum(value)) {}        // NOLINT
    // factor·√radicand for radicand > 0, brought to its simplest form.
    static Radical Of(const RootSum &factor, const RootSum &radicand);

    bool Known() const { return known_; }
    bool HasRoot() const { return known_ && !radicand_.AsRational(); }
    const RootSum &Factor() const { return factor_; }
    const RootSum &Radicand() const { return radicand_; }
    // The value when it has no root.
    std::optional<RootSum> AsRootSum() const;
    // The square of the value, a RootSum.
    RootSum Squared() const { return factor_ * factor_ * radicand_; }
    std::optional<int> Sign() const;

    friend Radical operator+(const Radical &x, const Radical &y);
    friend Radical operator-(const Radical &x, const Radical &y);
    friend Radical operator*(const Radical &x, const Radical &y);
    friend Radical operator/(const Radical &x, const Radical &y);
    Radical operator-() const;
    friend Radical Sqrt(const Radical &x);

    Interval Enclose(unsigned bits) const;

private:
    bool known_ = false;
    RootSum factor_;
    RootSum radicand_ = RootSum(1);
};

// sin and cos of an angle of whole degrees that are a multiple of 15, 0° to 180°.
struct ExactSinCos {
    RootSum sin;
    RootSum cos;
};
std::optional<ExactSinCos> SpecialSinCos(const Rational &degrees);

// The angle of 0° to 180° whose cosine it is, when that is a multiple of 15°.
std::optional<int> SpecialAngle(const RootSum &cosine);

// As a student writes them: "35√3/4", "(√6 + √2)/4", "74 − 35√3", "√(74 − 35√3)",
// "3√(2 + √2)/2".
std::string RootSumText(const RootSum &value);
std::string RadicalText(const Radical &value);

} // namespace calc::exact
