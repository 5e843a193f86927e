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

Rational PowerOfTwo(int exponent)
{
    return exponent >= 0 ? Rational(Integer(1) << static_cast<unsigned>(exponent))
                         : Rational(Integer(1), Integer(1) << static_cast<unsigned>(-exponent));
}

// The bound of an interval's distance from zero.
Rational Magnitude(const Interval &x)
{
    const Rational lower = x.Lower();
    const Rational upper = x.Upper();
    return std::max(abs(lower), abs(upper));
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
    const Interval square = t * t;
    // sin t = t − t³/3! + …, to below 2^-(bits + 8), the rest bounded by the last term.
    const Rational small = PowerOfTwo(-static_cast<int>(bits) - 8);
    Interval term = t;
    Interval sum = t;
    for (int k = 1; Magnitude(term) > small; ++k) {
        term = term * square /
               Interval::Of(Quadratic(2 * static_cast<std::int64_t>(k) *
                                      (2 * static_cast<std::int64_t>(k) + 1)),
                            working);
        sum = k % 2 != 0 ? sum - term : sum + term;
    }
    sum = sum + Interval::Between(-small, small, working);
    Interval sin = sum;
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
