#pragma once

// Arithmetic on the solution's values exactly, and on approximations that know their error.
//
// Every value of a triangle given by rational lengths is a rational, the square root of a
// rational, or (for medians, whose sides are such roots with different radicands) a sum of
// unlike roots and what is made of it. Quadratic keeps the first two exactly (its Shape); the
// third it cannot hold, and says so (Shape::None), and such a value is then approximated: an
// Interval holds it between two binary fractions that round outward, so that the digits
// it is printed with are known to be right once both ends round alike.

#include "exact.h"

#include <cstdint>

namespace calc::exact
{

class Quadratic
{
public:
    // What the value is, and so what Number() holds.
    enum class Shape : std::uint8_t {
        None,     // not of this form: only approximations are known
        Quotient, // Number() is the value, a rational
        Root,     // the value is Sign() · √Number(), Number() > 0 not the square of a rational
    };

    Quadratic() = default;
    Quadratic(const Rational &value) : shape_(Shape::Quotient), number_(value) {} // NOLINT
    Quadratic(std::int64_t value) : shape_(Shape::Quotient), number_(value) {}    // NOLINT

    // √square for square ≥ 0: rational where the square is the square of a rational.
    static Quadratic RootOf(const Rational &square, int sign = 1);

    Shape ShapeOf() const { return shape_; }
    bool Known() const { return shape_ != Shape::None; }
    // −1, 0 or 1.
    int Sign() const;
    // Rational: the value; Root: its square.
    const Rational &Number() const { return number_; }
    // The square of the value, for a known one.
    Rational Squared() const { return shape_ == Shape::Root ? number_ : number_ * number_; }

    friend Quadratic operator+(const Quadratic &x, const Quadratic &y);
    friend Quadratic operator-(const Quadratic &x, const Quadratic &y);
    friend Quadratic operator*(const Quadratic &x, const Quadratic &y);
    friend Quadratic operator/(const Quadratic &x, const Quadratic &y);
    Quadratic operator-() const;

private:
    Shape shape_ = Shape::None;
    int sign_ = 0; // of a Root
    Rational number_;
};

// √x of a value x ≥ 0: known when x is rational.
Quadratic Root(const Quadratic &x);

// A real number between lower · 2^exponent and upper · 2^exponent, lower ≤ upper, with
// about `bits` significant bits at each end. Every operation rounds its ends outward, so
// the exact result of exact operands always lies within.
class Interval
{
public:
    Interval() = default;
    // The rational (or √rational) value between its two nearest binary fractions of `bits`.
    static Interval Of(const Quadratic &known, unsigned bits);
    // The interval from `lower` to `upper` (lower ≤ upper), its ends rounded outward.
    static Interval Between(const Rational &lower, const Rational &upper, unsigned bits);

    friend Interval operator+(const Interval &x, const Interval &y);
    friend Interval operator-(const Interval &x, const Interval &y);
    friend Interval operator*(const Interval &x, const Interval &y);
    friend Interval operator/(const Interval &x, const Interval &y);
    friend Interval Root(const Interval &x);

    // Whether the interval is usable: false once a division by an interval around zero, or
    // a root of a negative one, left nothing known.
    bool Known() const { return known_; }
    // The ends as rationals.
    Rational Lower() const;
    Rational Upper() const;

private:
    Interval(Integer lower, Integer upper, std::int64_t exponent, unsigned bits);
    void Trim();

    Integer lower_, upper_;
    std::int64_t exponent_ = 0;
    unsigned bits_ = 0;
    bool known_ = false;
};

// Whether a rational is the square of one, and if so, its root.
bool IsSquare(const Integer &n);
bool IsSquare(const Rational &q);

} // namespace calc::exact
