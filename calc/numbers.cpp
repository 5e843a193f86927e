#include "numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace calc
{
namespace
{

// Walks the input text, skipping the characters that never count: spaces, tabs and
// line feeds, wherever they stand.
class Scanner
{
public:
    explicit Scanner(std::string_view text) : text_(text) { Skip(); }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Next()
    {
        ++pos_;
        Skip();
    }
    bool Take(char wanted)
    {
        if (Peek() != wanted)
            return false;
        Next();
        return true;
    }

private:
    void Skip()
    {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A non-negative integer in base 2^bits (hexadecimal or octal), correctly rounded. The
// leading digits are kept exactly in 61 to 64 bits; those after them only count as a
// whole, as one sticky bit below the rounding position of a double's 53, which is all
// round-to-nearest needs of them.
template<typename DigitValue>
double PowerOfTwoRadixValue(Scanner &in, DigitValue digitValue, int bits)
{
    std::uint64_t kept = 0;
    bool sticky = false;
    int dropped = 0; // digits after the kept ones, counted until the value is surely infinite
    for (int digit = digitValue(in.Peek()); digit >= 0; in.Next(), digit = digitValue(in.Peek())) {
        if ((kept >> (64 - bits)) == 0) {
            kept = kept << bits | static_cast<std::uint64_t>(digit);
        } else {
            sticky = sticky || digit != 0;
            dropped = std::min(dropped + 1, 1100); // 2^(3 * 1100) is far beyond the range
        }
    }
    return std::ldexp(static_cast<double>(kept | (sticky ? 1 : 0)), dropped * bits);
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int OctalDigitValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Reads a run of exponent digits, saturating far beyond any exponent that matters.
std::int64_t TakeExponentDigits(Scanner &in)
{
    std::int64_t value = 0;
    for (; IsDigit(in.Peek()); in.Next())
        value = std::min<std::int64_t>(value * 10 + (in.Peek() - '0'), 1'000'000'000);
    return value;
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

// The decimal form: digits with at most one ".", then an optional exponent.
double DecimalValue(Scanner &in)
{
    const bool negative = in.Peek() == '-';
    if (!in.Take('-'))
        in.Take('+');

    // The value is 0.<significant digits> x 10^exponent, written out for fast_float.
    char numeral[2 + kMaxSignificantDigits + 1 + 24];
    numeral[0] = '0';
    numeral[1] = '.';
    std::size_t end = 2;
    bool dropped = false;
    std::int64_t exponent = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;; in.Next()) {
        const char c = in.Peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            anyDigit = true;
            if (c == '0' && end == 2) {
                exponent -= seenPoint ? 1 : 0; // a leading zero after the point
                continue;
            }
            exponent += seenPoint ? 0 : 1;
            if (end - 2 < kMaxSignificantDigits)
                numeral[end++] = c;
            else
                dropped = dropped || c != '0';
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;

    const char e = in.Peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.Next();
        const bool negativeExponent = in.Peek() == '-';
        if (!in.Take('-'))
            in.Take('+');
        // Without digits the letter is not part of the number, and nothing follows it
        // that could be, so the text read so far stands either way.
        const std::int64_t digits = TakeExponentDigits(in);
        exponent += negativeExponent ? -digits : digits;
    }

    if (dropped)
        numeral[end++] = '1';
    while (end > 2 && numeral[end - 1] == '0')
        --end;
    double magnitude = 0;
    if (end == 2 || exponent < -324) {
        magnitude = 0;
    } else if (exponent > 310) {
        magnitude = kInfinity;
    } else {
        numeral[end++] = 'e';
        end = AppendInteger(numeral, end, exponent);
        const auto read = fast_float::from_chars(numeral, numeral + end, magnitude,
                                                 fast_float::chars_format::scientific);
        if (read.ec != std::errc())
            magnitude = exponent > 0 ? kInfinity : 0;
    }
    return negative ? -magnitude : magnitude;
}

// A positive number rounded to fifteen significant digits: the digits without trailing
// zeros, and the decimal exponent of the first.
struct FifteenDigits {
    char digits[15];
    std::size_t count = 0;
    int exponent = 0;
};

// Exact in every case: {fmt}'s digit generation for a given precision (Grisu, falling
// back to Dragon4's exact big-integer arithmetic), without its text layout.
FifteenDigits RoundedByPrecision(double magnitude)
{
    fmt::memory_buffer digits;
    fmt::detail::float_specs specs{};
    specs.format = fmt::detail::float_format::exp;
    const int exponent = fmt::detail::format_float(magnitude, 15, specs, digits);
    FifteenDigits result; // trailing zeros are already dropped
    result.count = std::min(digits.size(), sizeof result.digits);
    std::copy_n(digits.begin(), result.count, result.digits);
    result.exponent = exponent + static_cast<int>(result.count) - 1;
    return result;
}

// significand x 10^exponent with a significand of at most fifteen digits.
FifteenDigits FromInteger(std::uint64_t significand, int exponent)
{
    while (significand % 10 == 0) {
        significand /= 10;
        ++exponent;
    }
    FifteenDigits result;
    for (std::uint64_t rest = significand; rest != 0; rest /= 10)
        ++result.count;
    for (std::size_t i = result.count; i-- > 0; significand /= 10)
        result.digits[i] = static_cast<char>('0' + significand % 10);
    result.exponent = exponent + static_cast<int>(result.count) - 1;
    return result;
}

// The fast way, from the shortest decimal D that reads back as the value v (Dragonbox,
// inside {fmt}). For a normal double |v - D| is at most half a unit in the last place,
// at most v * 2^-53; in units of the fifteenth digit of v's decade, [10^e, 10^(e+1)),
// that is below 10^(e+1) * 2^-53 / 10^(e-14) = 10^15 / 2^53 < 0.111, and v and D share
// the decade (D would be the power of ten between them). So with at most fifteen digits,
// D lies on the grid of fifteen-digit numbers within less than half a step of v and is
// v rounded; with sixteen or seventeen, v and D round alike when D's digits beyond the
// fifteenth are more than 0.111 away from the halfway point: v lies on D's side of it.
// Otherwise, and for subnormals, whose ulp is large relative to them, the slow way.
FifteenDigits RoundToFifteenDigits(double magnitude)
{
    if (magnitude < DBL_MIN)
        return RoundedByPrecision(magnitude);
    const auto shortest = fmt::detail::dragonbox::to_decimal(magnitude);
    std::uint64_t significand = shortest.significand;
    int exponent = shortest.exponent;
    if (significand >= 1'000'000'000'000'000) { // sixteen or seventeen digits
        const bool seventeen = significand >= 10'000'000'000'000'000;
        const std::uint64_t scale = seventeen ? 100 : 10;
        // The digits beyond the fifteenth, in hundredths of the fifteenth digit.
        const std::uint64_t beyond = significand % scale * (seventeen ? 1 : 10);
        if (beyond > 38 && beyond < 62)
            return RoundedByPrecision(magnitude);
        significand = significand / scale + (beyond >= 62 ? 1 : 0);
        exponent += seventeen ? 2 : 1;
    }
    return FromInteger(significand, exponent);
}

} // namespace

double ReadNumber(std::string_view text)
{
    Scanner in(text);
    if (in.Take('&')) {
        if (in.Take('H') || in.Take('h'))
            return PowerOfTwoRadixValue(in, HexDigitValue, 4);
        if (in.Take('O') || in.Take('o'))
            return PowerOfTwoRadixValue(in, OctalDigitValue, 3);
        return 0;
    }
    return DecimalValue(in);
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
    if (value < 0)
        out += '-';
    const FifteenDigits rounded = RoundToFifteenDigits(std::fabs(value));
    const char *digits = rounded.digits;
    const std::size_t count = rounded.count;
    const int exponent = rounded.exponent;

    const std::string_view significant(digits, count);
    const auto fraction = [&](std::size_t from) {
        if (from < count) {
            out += decimalSeparator;
            out += significant.substr(from);
        }
    };
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        fraction(1);
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            out += static_cast<char>('0' + magnitude / 100);
        out += static_cast<char>('0' + magnitude / 10 % 10);
        out += static_cast<char>('0' + magnitude % 10);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        out += significant.substr(0, integerDigits);
        if (count < integerDigits)
            out.append(integerDigits - count, '0');
        fraction(integerDigits);
    } else {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significant;
    }
}

std::string NumberText(double value, std::string_view decimalSeparator)
{
    std::string text;
    AppendNumberText(text, value, decimalSeparator);
    return text;
}

} // namespace calc
