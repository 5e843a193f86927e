#include "exact_rounding.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace calc::exact
{
namespace
{

std::int64_t Bits(const Integer &n)
{
    return static_cast<std::int64_t>(msb(n));
}

// Whether √(n/d), or n/d, lies within [DBL_MIN, DBL_MAX]: asked only of a value whose
// nearest double is one of the two ends.
bool WithinNormalDoubles(const Integer &n, const Integer &d, bool root)
{
    const Integer largest = (Integer(1) << 53) - 1; // DBL_MAX = largest · 2^971
    const Integer most = root ? Integer((largest * largest) << 1942) : Integer(largest << 971);
    const unsigned least = root ? 2044U : 1022U; // DBL_MIN = 2^−1022
    return n <= d * most && Integer(n << least) >= d;
}

// log2 of n > 0, to about 53 bits.
double Log2(const Integer &n)
{
    const std::int64_t bits = Bits(n) + 1;
    const std::int64_t drop = std::max<std::int64_t>(bits - 60, 0);
    const auto top =
        static_cast<double>(static_cast<std::uint64_t>(n >> static_cast<unsigned>(drop)));
    return std::log2(top) + static_cast<double>(drop);
}

// ⌊log10 x⌋ for x = √(n/d) or n/d, give or take one (where x is all but a power of ten).
std::int64_t DecadeEstimate(const Integer &n, const Integer &d, bool root)
{
    const double log2 = Log2(n) - Log2(d);
    return static_cast<std::int64_t>(std::floor(log2 * 0.30102999566398120 / (root ? 2 : 1)));
}

} // namespace

Rounded RoundToDouble(const Rational &q, bool root, std::int64_t exponent)
{
    if (q <= 0)
        return {};
    return RoundToDouble(numerator(q), denominator(q), root, exponent);
}

Rounded RoundToDouble(Integer n, Integer d, bool root, std::int64_t exponent)
{
    if (n <= 0 || d <= 0)
        return {}; // (an estimate of a value far below the range can come out as 0)
    // The value lies within a factor of 4 of 2^estimate: far outside the range, stop here.
    const std::int64_t power = root ? 2 * exponent : exponent;
    const double estimate =
        (static_cast<double>(Bits(n) - Bits(d)) + static_cast<double>(power) * 3.3219280948873623) /
        (root ? 2 : 1);
    if (estimate > 1030)
        return {HUGE_VAL, false};
    if (estimate < -1030)
        return {0, false};
    if (power > 0)
        n *= PowerOfTen(power);
    else if (power < 0)
        d *= PowerOfTen(-power);

    // An integer of 55 to 58 bits below the value times 2^shift, and whether anything
    // was left over: enough to round to 53 bits, ties to even.
    const std::int64_t difference = Bits(n) - Bits(d);
    const std::int64_t shift = 57 - (root ? difference / 2 : difference);
    const auto up = static_cast<unsigned>(std::max<std::int64_t>(root ? 2 * shift : shift, 0));
    const auto down = static_cast<unsigned>(std::max<std::int64_t>(root ? -2 * shift : -shift, 0));
    Integer quotient, remainder;
    divide_qr(Integer(n << up), Integer(d << down), quotient, remainder);
    Integer kept = root ? RootFloor(quotient) : quotient;
    const bool sticky = remainder != 0 || (root && kept * kept != quotient);

    const std::int64_t dropped = Bits(kept) + 1 - 53;
    std::int64_t scale = -shift;
    if (dropped > 0) {
        const auto bits = static_cast<unsigned>(dropped);
        const Integer rest = kept & ((Integer(1) << bits) - 1);
        const Integer half = Integer(1) << (bits - 1);
        kept >>= bits;
        scale += dropped;
        if (rest > half || (rest == half && (sticky || bit_test(kept, 0))))
            ++kept;
    }
    const double value =
        std::ldexp(static_cast<double>(kept.convert_to<std::uint64_t>()), static_cast<int>(scale));
    const bool edge = value == DBL_MAX || value == DBL_MIN;
    return {value,
            value >= DBL_MIN && value <= DBL_MAX && (!edge || WithinNormalDoubles(n, d, root))};
}

Digits RoundToDigits(const Rational &q, bool root, std::int64_t exponent, bool negative,
                     int significant)
{
    Digits result;
    if (q == 0) {
        result.exact = true;
        return result;
    }
    result.negative = root ? negative : q < 0;
    const Integer n = abs(numerator(q));
    const Integer &d = denominator(q);
    const Integer low = PowerOfTen(significant - 1), high = PowerOfTen(significant);
    std::int64_t decade = DecadeEstimate(n, d, root);
    Integer value, remainder, divisor;
    for (;;) {
        // value = ⌊x · 10^(n − 1 − decade)⌋, x without its power of ten, n the significant
        // digits; in [10^(n − 1), 10^n) once the decade is right.
        const std::int64_t s = significant - 1 - decade;
        const std::int64_t power = root ? 2 * s : s;
        const Integer scaled = power > 0 ? Integer(n * PowerOfTen(power)) : n;
        divisor = power < 0 ? Integer(d * PowerOfTen(-power)) : d;
        divide_qr(scaled, divisor, value, remainder);
        if (root) {
            const Integer square = value;
            value = RootFloor(square);
            // x · 10^s − value, compared with 1/2 below: (2·value + 1)² against 4·x²·10^2s.
            remainder = 4 * scaled - (2 * value + 1) * (2 * value + 1) * divisor;
            const bool exact = value * value * divisor == scaled;
            if (value >= low && value < high) {
                result.exact = exact;
                if (remainder > 0 || (remainder == 0 && bit_test(value, 0)))
                    ++value;
                break;
            }
        } else if (value >= low && value < high) {
            result.exact = remainder == 0;
            const Integer twice = 2 * remainder;
            if (twice > divisor || (twice == divisor && bit_test(value, 0)))
                ++value;
            break;
        }
        decade += value < low ? -1 : 1;
    }
    if (value == high) {
        value = low;
        ++decade;
    }
    auto digits = value.convert_to<std::uint64_t>();
    for (auto i = static_cast<std::size_t>(significant); i-- > 0; digits /= 10)
        result.digits[i] = static_cast<char>('0' + digits % 10);
    result.count = static_cast<std::size_t>(significant);
    while (result.count > 0 && result.digits[result.count - 1] == '0')
        --result.count;
    result.exponent = decade + exponent;
    return result;
}

} // namespace calc::exact
