#pragma once

// Certified arithmetic in about 32 significant digits: the fast way a triangle by three of
// its elements is solved and its values printed.
//
// A Ball is a midpoint of two doubles (their sum carries 106 bits, "double-double") and a
// radius: every operation widens the radius by what it rounds away, so that the exact result
// of exact operands always lies within mid ± radius. A comparison is then decided when the
// ball lies on one side of zero, and fifteen digits are those of the exact value, correctly
// rounded, when both ends of the ball round to them (CertainDigits): a value that is exactly
// 10 prints as 10, never as 9.99999999999999. What a ball cannot decide (a value that is zero,
// a value at a rounding tie) goes to the exact arithmetic or to intervals of more bits.
//
// The operations are those of the triangle's formulas: + − × ÷, the square root, sin and cos
// of an angle in degrees, and atan in degrees.

#include "numbers.h"

#include <limits>
#include <optional>

namespace calc
{

// hi + lo, |lo| ≤ ulp(hi)/2.
struct DoubleDouble {
    double hi = 0;
    double lo = 0;
};

class Ball
{
public:
    Ball() = default; // nothing known (Unknown)
    // A double exactly.
    Ball(double value) : mid_{value, 0}, radius_(0) {} // NOLINT(google-explicit-constructor)
    static Ball Of(DoubleDouble mid, double radius);
    // A ball of nothing known: the result of a division by a ball around zero, a root of a
    // negative one, or an overflow. Every operation on it gives it again.
    static Ball Unknown();

    bool Known() const;
    const DoubleDouble &Mid() const { return mid_; }
    double Radius() const { return radius_; }
    // The nearest double to the midpoint.
    double Value() const { return mid_.hi; }
    // Bounds of the ball, rounded outward to doubles.
    double Lower() const;
    double Upper() const;
    // The sign of every value in the ball; none when it holds zero or is unknown.
    std::optional<int> Sign() const;
    // Whether the ball lies within `relative` of its midpoint's size.
    bool Within(double relative) const;

    friend Ball operator+(const Ball &x, const Ball &y);
    friend Ball operator-(const Ball &x, const Ball &y);
    friend Ball operator*(const Ball &x, const Ball &y);
    friend Ball operator/(const Ball &x, const Ball &y);
    Ball operator-() const { return Of({-mid_.hi, -mid_.lo}, radius_); }
    // √x, for a ball that may reach a little below zero where x itself is not negative.
    friend Ball Sqrt(const Ball &x);

private:
    DoubleDouble mid_{std::numeric_limits<double>::quiet_NaN(), 0};
    double radius_ = std::numeric_limits<double>::infinity();
};

// sin and cos of an angle in degrees, 0 ≤ angle ≤ 180.
struct SinCos {
    Ball sin;
    Ball cos;
};
SinCos SinCosDegrees(const Ball &degrees);

// atan x in degrees, x ≥ 0.
Ball AtanDegrees(const Ball &x);

// The fifteen significant digits of every value in a positive ball, correctly rounded, as
// NumberText would write them; none when the ball reaches across a rounding boundary.
std::optional<Digits> CertainDigits(const Ball &value);

// m · 10^exponent for m < 10^18, as a ball.
Ball DecimalBall(std::int64_t significand, int exponent);

} // namespace calc
