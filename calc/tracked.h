#pragma once

// A double that carries a bound on its own error, so that the program knows when the
// digits of a formula evaluated in double arithmetic can be printed as they are.
//
// Each operation computes its value exactly as the plain double operation does (the same
// rounding, so the digits are those of the formula as written), and bounds the distance
// of the result from the exact result of the exact operands: the bounds of the operands
// carried through the operation, plus the operation's own rounding (at most one unit
// in the last place, and the smallest subnormal where the result underflows). The bound is
// rigorous, not an estimate; subtraction of nearly equal values, the only operation that
// can make a small error large relative to its result, shows up as a large bound, and a
// value that rounding has pushed through zero, or out of the range of doubles, has an
// infinite or undefined one.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace calc
{

struct Tracked {
    double value = 0;
    double bound = 0; // |value − exact| ≤ bound

    static constexpr double kUnknown = std::numeric_limits<double>::infinity();

    // A number read from text: the double nearest to it.
    static Tracked Rounded(double value) { return {value, Rounding(value)}; }

    // The error of one operation whose result is `value`, with room for the rounding of
    // the bounds themselves.
    static double Rounding(double value) { return DBL_EPSILON * std::fabs(value) + DBL_TRUE_MIN; }

    // Whether the value is a normal double within `relative` of the exact one.
    bool Within(double relative) const
    {
        const double magnitude = std::fabs(value);
        return magnitude >= DBL_MIN && magnitude <= DBL_MAX && bound <= relative * magnitude;
    }
};

inline Tracked operator+(const Tracked &x, const Tracked &y)
{
    const double value = x.value + y.value;
    return {value, x.bound + y.bound + Tracked::Rounding(value)};
}

inline Tracked operator-(const Tracked &x, const Tracked &y)
{
    const double value = x.value - y.value;
    return {value, x.bound + y.bound + Tracked::Rounding(value)};
}

// Negation is exact.
inline Tracked operator-(const Tracked &x)
{
    return {-x.value, x.bound};
}

inline Tracked operator*(const Tracked &x, const Tracked &y)
{
    const double value = x.value * y.value;
    return {value, std::fabs(x.value) * y.bound + std::fabs(y.value) * x.bound + x.bound * y.bound +
                       Tracked::Rounding(value)};
}

// |x/y − X/Y| ≤ (|x/y| · ey + ex) / (|y| − ey) while |y| > ey.
inline Tracked operator/(const Tracked &x, const Tracked &y)
{
    const double value = x.value / y.value;
    const double room = std::fabs(y.value) - y.bound;
    return {value, room > 0
                       ? (std::fabs(value) * y.bound + x.bound) / room + Tracked::Rounding(value)
                       : Tracked::kUnknown};
}

// Exact constants (2, 3, −1) take part as they are.
inline Tracked operator*(double constant, const Tracked &x)
{
    return Tracked{constant, 0} * x;
}
inline Tracked operator/(const Tracked &x, double constant)
{
    return x / Tracked{constant, 0};
}
inline Tracked operator/(double constant, const Tracked &x)
{
    return Tracked{constant, 0} / x;
}

// A square root that treats a radicand rounding has pushed below zero as zero (and then
// knows nothing of its error): |√x − √X| = |x − X| / (√x + √X) ≤ ex / √x while X ≥ 0.
inline Tracked RootOrZero(const Tracked &x)
{
    if (!(x.value > x.bound))
        return {x.value > 0 ? std::sqrt(x.value) : 0.0, Tracked::kUnknown};
    const double value = std::sqrt(x.value);
    return {value, x.bound / value + Tracked::Rounding(value)};
}

// x · 2^exponent, as std::ldexp rounds it: a product with a power of two that is itself a
// normal double rounds the same, and costs a multiplication.
inline double TimesPowerOfTwo(double x, int exponent)
{
    if (exponent < DBL_MIN_EXP - 1 || exponent >= DBL_MAX_EXP)
        return std::ldexp(x, exponent);
    const std::uint64_t bits = static_cast<std::uint64_t>(exponent + 1023) << 52;
    double power = 0;
    std::memcpy(&power, &bits, sizeof power); // 2^exponent
    return x * power;
}

// Scaling by a power of two, exact where the result stays normal.
inline Tracked Scaled(const Tracked &x, int exponent)
{
    return {TimesPowerOfTwo(x.value, exponent), TimesPowerOfTwo(x.bound, exponent) + DBL_TRUE_MIN};
}

} // namespace calc
