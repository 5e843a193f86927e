// The digits of a double, rounded to a given number of significant digits: three routes,
// from the quickest to the surest, each taking the digits as numbers and none printing
// text to read it back.
#include "exact_rounding.h"
#include "numbers.h"

#include <fmt/format.h>

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace calc
{
namespace
{

// The powers of ten that are doubles exactly, and those that fit 64 bits.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kWholePowersOfTen[] = {1,
                                               10,
                                               100,
                                               1'000,
                                               10'000,
                                               100'000,
                                               1'000'000,
                                               10'000'000,
                                               100'000'000,
                                               1'000'000'000,
                                               10'000'000'000,
                                               100'000'000'000,
                                               1'000'000'000'000,
                                               10'000'000'000'000,
                                               100'000'000'000'000,
                                               1'000'000'000'000'000,
                                               10'000'000'000'000'000,
                                               100'000'000'000'000'000};

// The least magnitude the quickest way takes for n significant digits, 10^(n − 23): its
// power of ten k = n − 1 − (the decimal exponent) is at most 22.
constexpr double kLeastScaled[] = {0,     1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16,
                                   1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,  1e-8};

// Writes the `count` digits of `value` (which has that many, the first not zero) as the
// result's, without trailing zeros.
void SetDigits(Digits &result, std::uint64_t value, int count)
{
    for (auto i = static_cast<std::size_t>(count); i-- > 0; value /= 10)
        result.digits[i] = static_cast<char>('0' + value % 10);
    result.count = static_cast<std::size_t>(count);
    while (result.count > 0 && result.digits[result.count - 1] == '0')
        --result.count;
}

// x · y exactly, as the rounded product and its error: hi + lo = x · y. For products far
// from the ends of the double range (Dekker's algorithm where there is no fused multiply-add).
struct ExactProduct {
    double hi;
    double lo;
};

ExactProduct Multiply(double x, double y)
{
    const double hi = x * y;
#ifdef FP_FAST_FMA
    return {hi, std::fma(x, y, -hi)};
#else
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const auto split = [](double v, double &high, double &low) {
        const double t = kSplitter * v;
        high = t - (t - v);
        low = v - high;
    };
    double xh = 0, xl = 0, yh = 0, yl = 0;
    split(x, xh, xl);
    split(y, yh, yl);
    return {hi, ((xh * yh - hi) + xh * yl + xl * yh) + xl * yl};
#endif
}

// The quickest way, for magnitudes from 10^(n − 23) to below 10^n, which covers most
// lengths: v · 10^k, with k the power that brings it into [10^(n − 1), 10^n), is computed
// exactly as a pair of doubles and rounded to the nearest integer, whose digits are v's n.
// Whether they read back as v is one division: the integer (below 2^53) and 10^k are
// doubles exactly, so their quotient is the double nearest to the digits. False when v is
// outside that range or too close to halfway between two integers for the rounding of the
// pair's sum to tell.
bool RoundedExactly(double magnitude, int significant, bool readBack, Digits &result)
{
    const auto n = static_cast<std::size_t>(significant);
    if (!(magnitude >= kLeastScaled[n] && magnitude < kPowersOfTen[n]))
        return false;
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    // log10(v) lies in [(b - 1) · log10(2), b · log10(2)); the decade is found exactly below.
    int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    const double least = kPowersOfTen[n - 1], bound = kPowersOfTen[n];
    ExactProduct scaled{};
    int k = 0;
    for (int attempt = 0;; ++attempt) {
        k = significant - 1 - exponent;
        if (attempt == 3 || k < 0 || k > 22)
            return false;
        scaled = Multiply(magnitude, kPowersOfTen[k]);
        if (scaled.hi < least || (scaled.hi == least && scaled.lo < 0))
            --exponent;
        else if (scaled.hi > bound || (scaled.hi == bound && scaled.lo >= 0))
            ++exponent;
        else
            break;
    }
    // hi < 10^15 < 2^50: adding and taking away 2^52 rounds it to an integer, half to even.
    const double integer = (scaled.hi + 0x1p52) - 0x1p52;
    const double fraction = (scaled.hi - integer) + scaled.lo;
    if (std::fabs(std::fabs(fraction) - 0.5) < 0x1p-30)
        return false;
    auto value = static_cast<std::uint64_t>(integer);
    if (fraction > 0.5)
        ++value;
    else if (fraction < -0.5)
        --value;
    if (readBack)
        result.exact = static_cast<double>(value) / kPowersOfTen[k] == magnitude;
    if (value == kWholePowersOfTen[n]) {
        value /= 10;
        ++exponent;
    }
    SetDigits(result, value, significant);
    result.exponent = exponent;
    return true;
}

// Otherwise the next quickest way, from the shortest decimal D that reads back as the value v
// ({fmt}'s Dragonbox). For a normal double |v - D| is at most half a unit in the last place,
// at most v * 2^-53; in units of the nth digit of v's decade, [10^e, 10^(e+1)), that is
// below 10^(e+1) * 2^-53 / 10^(e-n+1) = 10^n / 2^53, below 0.111 for n up to fifteen, and v
// and D share the decade (D would be the power of ten between them). So with at most n
// digits, D lies on the grid of n-digit numbers within less than half a step of v and is v
// rounded, the one n-digit number that reads back as v; with more, v and D round alike
// when D's digits beyond the nth are more than 0.111 of a step away from the halfway point
// (v lies on D's side of it), and no n digits read back as v. Otherwise, and for
// subnormals, whose ulp is large relative to them, the slow way.
bool RoundedFromShortest(double magnitude, int significant, Digits &result)
{
    if (magnitude < DBL_MIN)
        return false;
    const auto shortest = fmt::detail::dragonbox::to_decimal(magnitude);
    std::uint64_t value = shortest.significand;
    int count = 1;
    while (count < 17 && value >= kWholePowersOfTen[count])
        ++count;
    result.exponent = shortest.exponent + count - 1;
    if (count <= significant) {
        SetDigits(result, value, count);
        result.exact = true;
        return true;
    }
    // The digits beyond the nth, against the unit of the nth.
    const std::uint64_t unit = kWholePowersOfTen[count - significant];
    const std::uint64_t beyond = value % unit;
    if (beyond * 100 > unit * 38 && beyond * 100 < unit * 62)
        return false;
    value /= unit;
    if (beyond * 100 >= unit * 62 && ++value == kWholePowersOfTen[significant]) {
        value /= 10;
        ++result.exponent;
    }
    SetDigits(result, value, significant);
    result.exact = false;
    return true;
}

// The surest way: the double's exact value, an integer times a power of ten, divided
// down to n digits, ties to even. Whether they read back as it is whether its shortest
// decimal has at most n digits (as above; for a subnormal, whose neighbours are evenly
// spaced, the nearest n digits read back whenever any do).
Digits RoundedFromExactValue(double magnitude, int significant, bool readBack)
{
    const exact::Decimal value = exact::ExactValue(magnitude);
    Digits result = exact::RoundToDigits(exact::Rational(value.significand), false, value.exponent,
                                         false, significant);
    if (readBack) {
        std::uint64_t shortest = fmt::detail::dragonbox::to_decimal(magnitude).significand;
        int count = 0;
        for (; shortest != 0; shortest /= 10)
            count += count > 0 || shortest % 10 != 0 ? 1 : 0;
        result.exact = count <= significant;
    }
    return result;
}

// A positive finite double rounded to `significant` digits, 1 to kMostDigits; `readBack`
// asks for `exact`.
Digits Rounded(double magnitude, int significant, bool readBack)
{
    Digits result;
    if (RoundedExactly(magnitude, significant, readBack, result) ||
        RoundedFromShortest(magnitude, significant, result))
        return result;
    return RoundedFromExactValue(magnitude, significant, readBack);
}

int Significant(int digits)
{
    return digits < 1 ? 1 : digits > kMostDigits ? kMostDigits : digits;
}

} // namespace

Digits DigitsOf(double value, int significant)
{
    if (value == 0 || !std::isfinite(value))
        return {.exact = value == 0};
    Digits digits = Rounded(std::fabs(value), Significant(significant), true);
    digits.negative = value < 0;
    return digits;
}

void AppendNumberText(std::string &out, double value, const Layout &layout)
{
    if (value == 0) {
        out += '0'; // negative zero too
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf";
        return;
    }
    Digits rounded = Rounded(std::fabs(value), Significant(layout.significantDigits), false);
    rounded.negative = value < 0;
    AppendDigits(out, rounded, layout);
}

void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator)
{
    AppendNumberText(out, value, Layout{.decimalSeparator = decimalSeparator});
}

std::string NumberText(double value, std::string_view decimalSeparator)
{
    std::string text;
    AppendNumberText(text, value, decimalSeparator);
    return text;
}

} // namespace calc
