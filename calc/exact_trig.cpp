#include "exact_trig.h"

namespace calc::exact
{
namespace
{

thread_local unsigned currentBits = 128;

// atan(1/n) · 2^precision, rounded down term by term: within `terms` of it.
Integer ArctanOfInverse(unsigned n, unsigned precision, unsigned &terms)
{
    const Integer square = Integer(n) * n;
    Integer power = (Integer(1) << precision) / n; // 2^p / n^(2k+1)
    Integer sum = 0;
    terms = 0;
    for (unsigned k = 0; power != 0; ++k, ++terms) {
        const Integer term = power / (2 * k + 1);
        sum += k % 2 == 0 ? term : Integer(-term);
        power /= square;
    }
    return sum;
}

// sin(t / 2^precision) · 2^precision for 0 ≤ t ≤ 2^precision (t ≤ 1 rad) by its series,
// every product and quotient rounded down: a term's rounding never grows (the factors are
// below 1), so each term is within 3 units of its true value, and the first term the
// rounding leaves at 0 bounds what is left of the series.
Integer FixedSine(const Integer &t, unsigned precision)
{
    const Integer square = (t * t) >> precision;
    Integer term = t;
    Integer sum = t;
    for (unsigned k = 1; term != 0; ++k) {
        term = ((term * square) >> precision) / (Integer(2 * k) * (2 * k + 1));
        sum = k % 2 != 0 ? Integer(sum - term) : Integer(sum + term);
    }
    return sum;
}

// The bound of FixedSine's error in units of 2^-precision: 3 for each of its terms (at most
// one for every bit of precision) and 3 for the rest of the series.
Integer SineError(unsigned precision)
{
    return Integer(3) * (precision + 2);
}
} // namespace

Interval PiInterval(unsigned bits)
{
    // Machin: π = 16·atan(1/5) − 4·atan(1/239), each term within one unit of 2^-precision.
    const unsigned precision = bits + 16;
    unsigned terms5 = 0, terms239 = 0;
    const Integer fifth = ArctanOfInverse(5, precision, terms5);
    const Integer inverse239 = ArctanOfInverse(239, precision, terms239);
    const Integer pi = 16 * fifth - 4 * inverse239;
    const Integer error = 16 * (terms5 + 1) + 4 * (terms239 + 1);
    const Integer scale = Integer(1) << precision;
    return Interval::Between(Rational(pi - error, scale), Rational(pi + error, scale), bits);
}

IntervalSinCos SinCosDegrees(const Rational &degrees, unsigned bits)
{
    // Brought to [0°, 45°], as the certified doubles do (ball.cpp).
    Rational x = degrees;
    const bool obtuse = x > 90;
    if (obtuse)
        x = 180 - x;
    const bool swapped = x > 45;
    if (swapped)
        x = 90 - x;
    const unsigned working = bits + 16;
    const Interval t = PiInterval(working) * Interval::Of(Quadratic(Rational(x / 180)), working);
    // sin t, summed in fixed point at 2^-precision from the interval's lower end: sin is
    // increasing on [0, π/4] with a slope of at most 1, so the upper end adds the width.
    const unsigned precision = working + 16;
    const Integer one = Integer(1) << precision;
    const Rational lower = t.Lower(), upper = t.Upper();
    const Integer low =
        lower > 0 ? Integer(numerator(lower) * one / denominator(lower)) : Integer(0);
    const Integer high = (numerator(upper) * one + denominator(upper) - 1) / denominator(upper);
    const Integer sine = FixedSine(low, precision);
    const Integer error = SineError(precision);
    Interval sin = Interval::Between(Rational(sine - error, one),
                                     Rational(sine + (high - low) + error, one), working);
    Interval cos = Root(Interval::Of(Quadratic(1), working) - sin * sin);
    if (swapped)
        std::swap(sin, cos);
    if (obtuse)
        cos = Interval::Of(Quadratic(0), working) - cos;
    return {sin, cos};
}

Precise::Precise(std::int64_t value) : value_(Interval::Of(Quadratic(value), currentBits)) {}

Precise::Precise(const Rational &value) : value_(Interval::Of(Quadratic(value), currentBits)) {}

std::optional<int> Precise::Sign() const
{
    if (!value_.Known())
        return std::nullopt;
    const Rational lower = value_.Lower();
    if (lower > 0)
        return 1;
    const Rational upper = value_.Upper();
    if (upper < 0)
        return -1;
    if (lower == 0 && upper == 0)
        return 0;
    return std::nullopt;
}

double Precise::Approximate() const
{
    if (!value_.Known())
        return 0;
    return Rational((value_.Lower() + value_.Upper()) / 2).convert_to<double>();
}

PrecisionScope::PrecisionScope(unsigned bits) : before_(currentBits)
{
    currentBits = bits;
}

PrecisionScope::~PrecisionScope()
{
    currentBits = before_;
}

} // namespace calc::exact
