#include "numbers.h"

#include <charconv>
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
bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}
bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Collects the digits the predicate accepts, dropping leading zeros.
template<typename Pred> std::string TakeDigits(Scanner &in, Pred isDigit)
{
    std::string digits;
    for (; isDigit(in.Peek()); in.Next()) {
        if (!digits.empty() || in.Peek() != '0')
            digits += in.Peek();
    }
    return digits;
}

// A non-negative hexadecimal integer, correctly rounded.
double HexValue(const std::string &digits)
{
    if (digits.empty())
        return 0;
    if (digits.size() > 256) // at least 16^256 = 2^1024
        return kInfinity;
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::hex);
    return ec == std::errc() ? value : kInfinity;
}

// A non-negative octal integer: regrouped into hexadecimal digits, four octal digits
// (12 bits) to three hexadecimal ones.
double OctalValue(std::string digits)
{
    if (digits.size() > 342) // at least 8^342 > 2^1024
        return kInfinity;
    digits.insert(0, (4 - digits.size() % 4) % 4, '0');
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < digits.size(); i += 4) {
        unsigned group = 0;
        for (std::size_t k = 0; k < 4; ++k)
            group = group * 8 + static_cast<unsigned>(digits[i + k] - '0');
        hex += kHex[group >> 8];
        hex += kHex[(group >> 4) & 15];
        hex += kHex[group & 15];
    }
    return HexValue(hex.substr(std::min(hex.find_first_not_of('0'), hex.size())));
}

// Reads a run of exponent digits, saturating far beyond any exponent that matters.
std::int64_t TakeExponentDigits(Scanner &in)
{
    std::int64_t value = 0;
    for (; IsDigit(in.Peek()); in.Next())
        value = std::min<std::int64_t>(value * 10 + (in.Peek() - '0'), 1'000'000'000);
    return value;
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

    // The value is 0.<significant digits> x 10^exponent, written out for from_chars.
    char numeral[2 + kMaxSignificantDigits + 1 + 24] = {'0', '.'};
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
        end = static_cast<std::size_t>(
            std::to_chars(numeral + end, numeral + sizeof numeral, exponent).ptr - numeral);
        auto [ptr, ec] =
            std::from_chars(numeral, numeral + end, magnitude, std::chars_format::scientific);
        if (ec != std::errc())
            magnitude = exponent > 0 ? kInfinity : 0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace

double ReadNumber(std::string_view text)
{
    Scanner in(text);
    if (in.Take('&')) {
        if (in.Take('H') || in.Take('h'))
            return HexValue(TakeDigits(in, IsHexDigit));
        if (in.Take('O') || in.Take('o'))
            return OctalValue(TakeDigits(in, IsOctalDigit));
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

    // Fifteen significant digits, correctly rounded: [-]d.dddddddddddddde[+-]x
    char buffer[32];
    const char *end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    const char *first = buffer;
    if (*first == '-') {
        out += '-';
        ++first;
    }
    char digits[15];
    std::size_t count = 0;
    const char *p = first;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);

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
        if (magnitude < 10)
            out += '0';
        char exponentDigits[4];
        out.append(exponentDigits,
                   std::to_chars(exponentDigits, exponentDigits + 4, magnitude).ptr);
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
