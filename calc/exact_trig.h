#pragma once

// Intervals of a chosen precision for the decisions the certified doubles leave open where
// an angle is not a multiple of 15°: the sine and cosine of an angle in degrees, as typed,
// between binary fractions of that many bits, and the arithmetic of the closed forms on them
// (Precise). By Niven's theorem such an angle has an irrational sine and cosine (but at 30°,
// 90°, 150°, and 60°, 120° for the cosine), so a comparison of them with rationals is strict
// and intervals narrow enough decide it; the caller caps the precision.

#include "exact_arithmetic.h"

#include <cstdint>
#include <optional>

namespace calc::exact
{

// π and sin, cos of an angle of `degrees`, 0 ≤ degrees ≤ 180, to about `bits` bits.
Interval PiInterval(unsigned bits);
struct IntervalSinCos {
    Interval sin;
    Interval cos;
};
IntervalSinCos SinCosDegrees(const Rational &degrees, unsigned bits);

// An interval value of the closed forms. Whole numbers are made with the precision of the
// innermost PrecisionScope.
class Precise
{
public:
    Precise() = default;            // nothing known
    Precise(std::int64_t value);    // NOLINT(google-explicit-constructor)
    Precise(const Rational &value); // NOLINT(google-explicit-constructor)
    explicit Precise(Interval value) : value_(std::move(value)) {}

    const Interval &Value() const { return value_; }
    std::optional<int> Sign() const;
    double Approximate() const;

    friend Precise operator+(const Precise &x, const Precise &y)
    {
        return Precise(x.value_ + y.value_);
    }
    friend Precise operator-(const Precise &x, const Precise &y)
    {
        return Precise(x.value_ - y.value_);
    }
    friend Precise operator*(const Precise &x, const Precise &y)
    {
        return Precise(x.value_ * y.value_);
    }
    friend Precise operator/(const Precise &x, const Precise &y)
    {
        return Precise(x.value_ / y.value_);
    }
    Precise operator-() const { return Precise(0) - *this; }
    friend Precise Sqrt(const Precise &x) { return Precise(Root(x.value_)); }

private:
    Interval value_;
};

// The precision of the whole numbers made while it lives.
class PrecisionScope
{
public:
    explicit PrecisionScope(unsigned bits);
    ~PrecisionScope();
    PrecisionScope(const PrecisionScope &) = delete;
    PrecisionScope &operator=(const PrecisionScope &) = delete;

private:
    unsigned before_;
};

} // namespace calc::exact
