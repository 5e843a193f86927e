#include "numbers.h"

#include "numeral.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace calc
{
namespace
{

constexpr double kInfinity = std::numeric_limits<double>::infinity();

static_assert(kMaxExponentDigits == numeral::kExactExponentDigits,
              "the calculation takes only exponents that are read exactly");

// A non-negative integer in base 2^bits (hexadecimal or octal), correctly rounded. The
// leading digits are kept exactly in 61 to 64 bits; those after them only count as a
// whole, as one sticky bit below the rounding position of a double's 53, which is all
// round-to-nearest needs of them. `withinBounds`, where given, tells whether the number
// is one the calculation takes (kMaxDigits).
double PowerOfTwoRadixValue(numeral::Scanner &in, int bits, bool *withinBounds = nullptr)
{
    std::uint64_t kept = 0;
    bool sticky = false;
    int dropped = 0; // digits after the kept ones, counted until the value is surely infinite
    const std::int64_t significant = numeral::ScanRadixDigits(in, bits, [&](int digit) {
        if ((kept >> (64 - bits)) == 0) {
            kept = kept << bits | static_cast<std::uint64_t>(digit);
        } else {
            sticky = sticky || digit != 0;
            dropped = std::min(dropped + 1, 1100); // 2^(3 * 1100) is far beyond the range
        }
    });
    if (withinBounds != nullptr)
        *withinBounds = significant <= kMaxDigits;
    return std::ldexp(static_cast<double>(kept | (sticky ? 1 : 0)), dropped * bits);
}

// Writes a signed integer in decimal at numeral[end]; returns the new end.
std::size_t AppendInteger(char *numeral, std::size_t end, std::int64_t value)
{
    if (value < 0) {
        numeral[end++] = '-';
        value = -value;
    }
    char reversed[20];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        numeral[end++] = reversed[--count];
    return end;
}

// Decimal digits beyond the 768th can only tell whether the value lies above a halfway
// point between two doubles, never on it, so the rest is kept as one nonzero digit.
constexpr std::size_t kMaxSignificantDigits = 768;

// The decimal form: digits with at most one separator, then an optional exponent; and,
// where asked, whether the number is one the calculation takes (kMaxDigits,
// kMaxExponentDigits).
double DecimalValue(numeral::Scanner &in, std::string_view separator, bool *withinBounds = nullptr)
{
    // The value is 0.<significant digits> x 10^exponent, written out for fast_float.
    char numeral[2 + kMaxSignificantDigits + 1 + 24];
    numeral[0] = '0';
    numeral[1] = '.';
    std::size_t end = 2;
    bool dropped = false;
    const numeral::DecimalForm form = numeral::ScanDecimal(in, separator, [&](char c) {
        if (end - 2 < kMaxSignificantDigits)
            numeral[end++] = c;
        else
            dropped = dropped || c != '0';
    });
    if (withinBounds != nullptr)
        *withinBounds =
            form.significantDigits <= kMaxDigits && form.exponentDigits <= kMaxExponentDigits;
    if (!form.anyDigit)
        return 0;

    if (dropped)
        numeral[end++] = '1';
    while (end > 2 && numeral[end - 1] == '0')
        --end;
    double magnitude = 0;
    if (end == 2 || form.exponent < -324) {
        magnitude = 0;
    } else if (form.exponent > 310) {
        magnitude = kInfinity;
    } else {
        numeral[end++] = 'e';
        end = AppendInteger(numeral, end, form.exponent);
        const auto read = fast_float::from_chars(numeral, numeral + end, magnitude,
                                                 fast_float::chars_format::scientific);
        if (read.ec != std::errc())
            magnitude = form.exponent > 0 ? kInfinity : 0;
    }
    return form.negative ? -magnitude : magnitude;
}

using FifteenDigits = Digits;

// Reads {fmt}'s text of a positive double, fixed or exponent form, as significant digits
// (at most seventeen, trailing zeros dropped) and the decimal exponent of the first.
FifteenDigits ParseFormatted(const char *text, const char *end)
{
    FifteenDigits result;
    int integerDigits = 0;
    bool point = false;
    bool leading = true;
    const char *c = text;
    for (; c != end && *c != 'e'; ++c) {
        if (*c == '.') {
            point = true;
            continue;
        }
        if (leading && *c == '0') {
            integerDigits -= point ? 1 : 0;
            continue;
        }
        leading = false;
        integerDigits += point ? 0 : 1;
        if (result.count < sizeof result.digits)
            result.digits[result.count++] = *c;
    }
    int exponent = 0;
    if (c != end) {
        const bool negative = c[1] == '-';
        for (c += 2; c != end; ++c)
            exponent = exponent * 10 + (*c - '0');
        exponent = negative ? -exponent : exponent;
    }
    while (result.count > 0 && result.digits[result.count - 1] == '0')
        --result.count;
    result.exponent = exponent + integerDigits - 1;
    return result;
}

// Exact in every case: {fmt}'s correctly rounded text for a given precision.
FifteenDigits RoundedByPrecision(double magnitude)
{
    char text[32];
    const char *end = fmt::format_to(text, FMT_COMPILE("{:.14e}"), magnitude);
    return ParseFormatted(text, end);
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

// The powers of ten that are doubles exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The quickest way, for magnitudes from 1E-08 to below 1E+15, which covers most lengths:
// v · 10^k, with k the power that brings it into [10^14, 10^15), is computed exactly as
// a pair of doubles and rounded to the nearest integer, whose digits are v's fifteen.
// False when v is outside that range or too close to halfway between two integers for
// the rounding of the pair's sum to tell.
bool RoundedExactly(double magnitude, FifteenDigits &result)
{
    if (!(magnitude >= 1e-8 && magnitude < 1e15))
        return false;
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    // log10(v) lies in [(b - 1) · log10(2), b · log10(2)); the decade is found exactly below.
    int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    ExactProduct scaled{};
    for (int attempt = 0;; ++attempt) {
        const int k = 14 - exponent;
        if (attempt == 3 || k < 0 || k > 22)
            return false;
        scaled = Multiply(magnitude, kPowersOfTen[k]);
        if (scaled.hi < 1e14 || (scaled.hi == 1e14 && scaled.lo < 0))
            --exponent;
        else if (scaled.hi > 1e15 || (scaled.hi == 1e15 && scaled.lo >= 0))
            ++exponent;
        else
            break;
    }
    // hi < 2^50: adding and taking away 2^52 rounds it to an integer, half to even.
    const double integer = (scaled.hi + 0x1p52) - 0x1p52;
    const double fraction = (scaled.hi - integer) + scaled.lo;
    if (std::fabs(std::fabs(fraction) - 0.5) < 0x1p-30)
        return false;
    auto value = static_cast<std::uint64_t>(integer);
    if (fraction > 0.5)
        ++value;
    else if (fraction < -0.5)
        --value;
    if (value == 1'000'000'000'000'000) {
        value /= 10;
        ++exponent;
    }
    for (std::size_t i = 15; i-- > 0; value /= 10)
        result.digits[i] = static_cast<char>('0' + value % 10);
    result.count = 15;
    while (result.digits[result.count - 1] == '0')
        --result.count;
    result.exponent = exponent;
    return true;
}

// Otherwise the next quickest way, from the shortest decimal D that reads back as the value v
// ({fmt}'s default format, Dragonbox). For a normal double |v - D| is at most half a unit in the
// last place, at most v * 2^-53; in units of the fifteenth digit of v's decade,
// [10^e, 10^(e+1)), that is below 10^(e+1) * 2^-53 / 10^(e-14) = 10^15 / 2^53 < 0.111,
// and v and D share the decade (D would be the power of ten between them). So with at
// most fifteen digits, D lies on the grid of fifteen-digit numbers within less than half
// a step of v and is v rounded; with sixteen or seventeen, v and D round alike when D's
// digits beyond the fifteenth are more than 0.111 away from the halfway point: v lies on
// D's side of it. Otherwise, and for subnormals, whose ulp is large relative to them,
// the slow way.
FifteenDigits RoundToFifteenDigits(double magnitude)
{
    FifteenDigits result;
    if (RoundedExactly(magnitude, result))
        return result;
    if (magnitude < DBL_MIN)
        return RoundedByPrecision(magnitude);
    char text[32];
    const char *end = fmt::format_to(text, FMT_COMPILE("{}"), magnitude);
    FifteenDigits shortest = ParseFormatted(text, end);
    if (shortest.count <= 15)
        return shortest;
    // The digits beyond the fifteenth, in hundredths of the fifteenth digit.
    const int beyond =
        (shortest.digits[15] - '0') * 10 + (shortest.count > 16 ? shortest.digits[16] - '0' : 0);
    if (beyond > 38 && beyond < 62)
        return RoundedByPrecision(magnitude);
    shortest.count = 15;
    if (beyond >= 62) { // round up, carrying through nines
        std::size_t i = 15;
        while (i > 0 && shortest.digits[i - 1] == '9')
            --i;
        if (i == 0) {
            shortest.digits[0] = '1';
            shortest.count = 1;
            ++shortest.exponent;
            return shortest;
        }
        ++shortest.digits[i - 1];
        shortest.count = i;
    }
    while (shortest.count > 0 && shortest.digits[shortest.count - 1] == '0')
        --shortest.count;
    return shortest;
}

} // namespace

BoundedNumber ReadBoundedNumber(std::string_view text, std::string_view decimalSeparator)
{
    BoundedNumber number;
    numeral::Scanner in(text);
    const int radixBits = numeral::TakeRadixPrefix(in);
    if (radixBits > 0)
        number.value = PowerOfTwoRadixValue(in, radixBits, &number.withinBounds);
    else if (radixBits == 0)
        number.value =
            DecimalValue(in, numeral::UsableSeparator(decimalSeparator) ? decimalSeparator : "",
                         &number.withinBounds);
    return number;
}

double ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    numeral::Scanner in(text);
    const int radixBits = numeral::TakeRadixPrefix(in);
    if (radixBits != 0)
        return radixBits > 0 ? PowerOfTwoRadixValue(in, radixBits) : 0;
    return DecimalValue(in, numeral::UsableSeparator(decimalSeparator) ? decimalSeparator : "");
}

Digits FifteenDigitsOf(double magnitude)
{
    return RoundToFifteenDigits(magnitude);
}

void AppendDigits(std::string &out, std::string_view significand, std::int64_t exponent,
                  bool negative, const Layout &layout)
{
    if (significand.empty()) {
        out += '0';
        return;
    }
    if (negative)
        out += '-';
    const std::size_t count = significand.size();
    const auto fraction = [&](std::size_t from) {
        if (from < count) {
            out += layout.decimalSeparator;
            out += significand.substr(from);
        }
    };
    if (exponent < layout.exponentBelow || exponent >= layout.exponentFrom) {
        out += significand.front();
        fraction(1);
        out += exponent < 0 ? "E-" : "E+";
        // At least two digits, as many as there are beyond.
        const std::uint64_t magnitude = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                                     : static_cast<std::uint64_t>(exponent);
        char reversed[20];
        std::size_t n = 0;
        for (std::uint64_t m = magnitude; m != 0 || n < 2; m /= 10)
            reversed[n++] = static_cast<char>('0' + m % 10);
        while (n > 0)
            out += reversed[--n];
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        out += significand.substr(0, integerDigits);
        if (count < integerDigits)
            out.append(integerDigits - count, '0');
        fraction(integerDigits);
    } else {
        out += '0';
        out += layout.decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significand;
    }
}

void AppendDigits(std::string &out, const Digits &digits, const Layout &layout)
{
    AppendDigits(out, std::string_view(digits.digits, digits.count), digits.exponent,
                 digits.negative, layout);
}

void AppendDigits(std::string &out, const Digits &digits, std::string_view decimalSeparator)
{
    AppendDigits(out, digits, Layout{.decimalSeparator = decimalSeparator});
}

void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator)
{
    if (value == 0) {
        out += '0'; // negative zero too
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf";
        return;
    }
    Digits rounded = RoundToFifteenDigits(std::fabs(value));
    rounded.negative = value < 0;
    AppendDigits(out, rounded, decimalSeparator);
}

std::string NumberText(double value, std::string_view decimalSeparator)
{
    std::string text;
    AppendNumberText(text, value, decimalSeparator);
    return text;
}

std::optional<std::uint64_t> ReadWhole(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace calc
