#include "numbers.h"

#include "numeral.h"

#include <fast_float/fast_float.h>

#include <algorithm>
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

std::optional<std::uint64_t> ReadWhole(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace calc
