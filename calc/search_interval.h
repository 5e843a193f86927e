#pragma once

// Interval arithmetic for the certified search (search.h): Boost.Interval's intervals of
// doubles, with a rounding that needs no control of the floating-point unit, and the few
// functions of the triangle's half angles, cos x and sin x / x, enclosed rigorously.
//
// Rounding: each bound of an operation is computed as the plain double operation rounds
// it to nearest, then moved one double outward (below for a lower bound, above for an
// upper one). The exact result lies within half a unit in the last place of the rounded
// one, so the moved bound encloses it. Switching the processor's rounding mode, Boost's
// default, would be tighter by that one double, but WebAssembly has no rounding modes
// (it rounds to nearest, always), and a compiler that does not know about the mode
// switches may move or fold operations across them; the outward step is the same on
// every platform, so the native program and the page's core prove and print the same.
//
// The functions are their Taylor series, evaluated by Horner's rule with a running bound
// of its rounding errors, not the C library's cos and sin, whose accuracy is promised by
// no standard and differs between the two platforms' libraries.

// Boost.Interval's parts but the one for the processor's rounding modes, which does not
// build for WebAssembly, and the transcendental functions, which need it.
#include <boost/numeric/interval/arith.hpp>
#include <boost/numeric/interval/arith2.hpp>
#include <boost/numeric/interval/checking.hpp>
#include <boost/numeric/interval/compare.hpp>
#include <boost/numeric/interval/interval.hpp>
#include <boost/numeric/interval/policies.hpp>
#include <boost/numeric/interval/rounded_arith.hpp>
#include <boost/numeric/interval/utility.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace calc::search
{

// The double next below x, and next above (an infinity or a NaN stays as it is, except
// that the largest finite double lies below +∞ and above −∞).
inline double Below(double x)
{
    if (x != x || x == -std::numeric_limits<double>::infinity())
        return x;
    if (x == 0)
        return -std::numeric_limits<double>::denorm_min();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    bits = x > 0 ? bits - 1 : bits + 1;
    double next = 0;
    std::memcpy(&next, &bits, sizeof next);
    return next;
}

inline double Above(double x)
{
    return -Below(-x);
}

namespace detail
{
// Boost.Interval's rounding policy: the operation rounded to nearest, one double outward.
struct OutwardRounding : boost::numeric::interval_lib::rounded_arith_exact<double> {
    static double add_down(double x, double y) { return Below(x + y); }
    static double add_up(double x, double y) { return Above(x + y); }
    static double sub_down(double x, double y) { return Below(x - y); }
    static double sub_up(double x, double y) { return Above(x - y); }
    static double mul_down(double x, double y) { return Below(x * y); }
    static double mul_up(double x, double y) { return Above(x * y); }
    static double div_down(double x, double y) { return Below(x / y); }
    static double div_up(double x, double y) { return Above(x / y); }
    static double sqrt_down(double x) { return x > 0 ? Below(std::sqrt(x)) : 0.0; }
    static double sqrt_up(double x) { return Above(std::sqrt(x)); }
};
} // namespace detail

using Interval = boost::numeric::interval<
    double, boost::numeric::interval_lib::policies<
                boost::numeric::interval_lib::save_state_nothing<detail::OutwardRounding>,
                boost::numeric::interval_lib::checking_base<double>>>;

// π and 180/π, enclosed.
inline Interval Pi()
{
    return {3.141592653589793, 3.1415926535897936};
}

inline Interval DegreesPerRadian()
{
    return Interval(180.0) / Pi();
}

inline bool InInterior(const Interval &inner, const Interval &outer)
{
    return inner.lower() > outer.lower() && inner.upper() < outer.upper();
}

// A power with a whole exponent ≥ 0, by squaring; for every number type of the search.
template<typename T> T Power(const T &base, int exponent)
{
    if (exponent == 1)
        return base;
    if (exponent == 0)
        return base * 0.0 + 1.0;
    T half = Power(base, exponent / 2);
    half = half * half;
    return exponent % 2 == 0 ? half : half * base;
}

inline Interval Power(const Interval &base, int exponent)
{
    if (exponent == 1)
        return base;
    if (exponent == 2)
        return boost::numeric::square(base);
    return boost::numeric::pow(base, exponent);
}

namespace series
{

// The Taylor coefficients in y² of cos y, of sin y / y and of (sin y / y − cos y) / y²,
// each the double nearest to the exact rational (the factorials are exact as far as they
// matter), far enough that for |y| ≤ 3 the first term left out is below 1e-20.
inline constexpr std::size_t kTerms = 16;
using Coefficients = std::array<double, kTerms + 1>;

constexpr Coefficients Make(int offset, bool slope)
{
    // c_i = (−1)^i / (2i + offset)!, times (2i + 2) for the slope's factor.
    Coefficients c{};
    double factorial = 1;
    for (int k = 2; k <= offset; ++k)
        factorial *= k;
    for (std::size_t i = 0; i <= kTerms; ++i) {
        const auto n = static_cast<int>(i);
        if (n > 0)
            factorial *= static_cast<double>((2 * n + offset - 1) * (2 * n + offset));
        const double sign = n % 2 == 0 ? 1.0 : -1.0;
        c[i] = sign * (slope ? 2.0 * (n + 1) : 1.0) / factorial;
    }
    return c;
}

inline constexpr Coefficients kCos = Make(0, false);
inline constexpr Coefficients kSinc = Make(1, false);
inline constexpr Coefficients kSlope = Make(3, true);

// cos y, sin y / y and g(y) at a point |y| ≤ 3, enclosed: each series by Horner's rule in
// y², as far as the first term left out is negligible, and one bound on the three for
// their rounding. For a series Σ c_i x^i with |c_i| at most cos's, the rounding of Horner's
// rule is at most u·(2μ) to first order, where its running bound μ (Higham, Accuracy and
// Stability of Numerical Algorithms, algorithm 5.1) is at most Σ (i + 1)|c_i| x^i of cos's;
// the coefficients' own rounding adds u/2 · Σ |c_i| x^i, and that of x = y², u/2 · Σ i |c_i|
// x^i. The bound doubles the sum for the second-order terms, and adds the first term left
// out, twice: the series alternate, with terms that decrease for x ≤ 9.
struct Trig {
    Interval cos, sinc, slope;
};

inline Trig EnclosedAt(double y)
{
    constexpr double kUnit = std::numeric_limits<double>::epsilon() / 2;
    constexpr double kNegligible = 0x1p-64;
    const double x = y * y;
    std::size_t terms = 1;
    double omitted = std::fabs(kCos[1]) * x;
    for (double power = x; terms < kTerms && omitted > kNegligible; ++terms) {
        power *= x;
        omitted = std::fabs(kCos[terms + 1]) * power;
    }
    const std::size_t last = terms - 1;
    double cos = kCos[last], sinc = kSinc[last], slope = kSlope[last];
    double magnitude = std::fabs(kCos[last]);                          // Σ |c_i| x^i
    double spread = static_cast<double>(last) * std::fabs(kCos[last]); // Σ i |c_i| x^i
    for (std::size_t i = last; i-- > 0;) {
        cos = x * cos + kCos[i];
        sinc = x * sinc + kSinc[i];
        slope = x * slope + kSlope[i];
        magnitude = x * magnitude + std::fabs(kCos[i]);
        spread = x * spread + static_cast<double>(i) * std::fabs(kCos[i]);
    }
    const double bound = Above(kUnit * 6 * (magnitude + spread) + 2 * omitted +
                               std::numeric_limits<double>::denorm_min());
    const auto enclosed = [&](double value) {
        return Interval(Below(value - bound), Above(value + bound));
    };
    return {enclosed(cos), enclosed(sinc), enclosed(slope)};
}

} // namespace series

// cos y, sin y / y and the slope's factor g(y) = (sin y / y − cos y) / y², so that
// d/dy (sin y / y) = −y g(y), over an interval within [−3, 3]: all three are even and
// decrease with |y| there, so their ranges are their values at the largest and at the
// smallest |y|.
inline series::Trig CosSinc(const Interval &y)
{
    const double nearest =
        boost::numeric::zero_in(y) ? 0.0 : std::min(std::fabs(y.lower()), std::fabs(y.upper()));
    const double farthest = std::max(std::fabs(y.lower()), std::fabs(y.upper()));
    if (!(farthest <= 3)) {
        const Interval unknown(-std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::infinity());
        return {Interval(-1.0, 1.0), Interval(-1.0, 1.0), unknown};
    }
    const series::Trig near = series::EnclosedAt(nearest);
    const series::Trig far = nearest == farthest ? near : series::EnclosedAt(farthest);
    const auto range = [](const Interval &low, const Interval &high) {
        return Interval(low.lower(), high.upper());
    };
    return {intersect(range(far.cos, near.cos), Interval(-1.0, 1.0)),
            intersect(range(far.sinc, near.sinc), Interval(-1.0, 1.0)),
            range(far.slope, near.slope)};
}

} // namespace calc::search
