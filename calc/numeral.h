#pragma once

// How an input text is read as a number, shared by the reader of doubles (numbers.cpp)
// and the exact reader (exact_number.cpp), so that both see the same number in a text.

#include "utf8.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace calc::numeral
{

// Walks the input text, skipping the characters that never count: spaces (a tab and
// Unicode's other spaces too, calc::SpaceLength) and line feeds, wherever they stand, and
// a byte order mark at the start, which an editor or a pasted text may bring.
class Scanner
{
public:
    explicit Scanner(std::string_view text) : text_(text)
    {
        if (text_.starts_with(kByteOrderMark))
            pos_ = kByteOrderMark.size();
        Skip();
    }

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
    // Takes a run of characters that stand together, such as a multi-byte separator.
    bool Take(std::string_view wanted)
    {
        if (wanted.empty() || text_.substr(pos_, wanted.size()) != wanted)
            return false;
        pos_ += wanted.size() - 1;
        Next();
        return true;
    }

private:
    void Skip()
    {
        while (pos_ < text_.size()) {
            if (text_[pos_] == '\n') {
                ++pos_;
            } else if (const std::size_t space = SpaceLength(text_.substr(pos_)); space > 0) {
                pos_ += space;
            } else {
                break;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

inline int OctalDigitValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Whether a locale's decimal separator can stand for "." without changing what else reads
// as a number: not a digit, sign, letter, space (of any kind, which the reading passes
// over) or "&", nor "." itself.
inline bool UsableSeparator(std::string_view separator)
{
    if (separator.empty() || separator == "." || SpaceLength(separator) > 0)
        return false;
    const auto first = static_cast<unsigned char>(separator.front());
    const bool alphanumeric = (first >= '0' && first <= '9') || (first >= 'A' && first <= 'Z') ||
                              (first >= 'a' && first <= 'z');
    return !alphanumeric && first > ' ' && first != '+' && first != '-' && first != '&';
}

// The radix of a text that starts with &H or &O (either case), in bits per digit, with
// the prefix taken; 0 for a decimal text, with nothing taken; -1 for "&" followed by
// anything else, which reads as 0.
inline int TakeRadixPrefix(Scanner &in)
{
    if (!in.Take('&'))
        return 0;
    if (in.Take('H') || in.Take('h'))
        return 4;
    if (in.Take('O') || in.Take('o'))
        return 3;
    return -1;
}

// The digits of a hexadecimal or octal integer, one at a time, until the first character
// that is not one. Returns how many there are from the first nonzero one on: the number's
// significant digits.
template<typename Digit> std::int64_t ScanRadixDigits(Scanner &in, int bits, Digit digit)
{
    const auto value = bits == 4 ? HexDigitValue : OctalDigitValue;
    std::int64_t significant = 0;
    for (int d = value(in.Peek()); d >= 0; in.Next(), d = value(in.Peek())) {
        significant += significant > 0 || d != 0 ? 1 : 0;
        digit(d);
    }
    return significant;
}

// What the decimal form of a text holds: ±0.d₁d₂d₃… × 10^exponent, the significant digits
// d₁ ≠ 0, d₂, … having gone one by one to the caller. Without any digit the text has no
// number (and reads as 0).
struct DecimalForm {
    bool negative = false;
    bool anyDigit = false;
    std::int64_t exponent = 0;
    // How long the number is: its significant digits up to the last nonzero one (zeros
    // after it only scale it), and the digits of its written exponent after their leading
    // zeros.
    std::int64_t significantDigits = 0;
    int exponentDigits = 0;
};

// A written exponent of more digits than this saturates at kExponentLimit; with nine or
// fewer, it is read exactly.
inline constexpr int kExactExponentDigits = 9;
inline constexpr std::int64_t kExponentLimit = 1'000'000'000;

// Reads the decimal form: an optional sign, digits with at most one separator (".", ","
// or `separator`, which UsableSeparator has allowed or is empty), then an optional exponent
// (E, e, D or d, an optional sign, at least one digit). Each significant digit goes to
// `keep`, from the first nonzero one on, trailing zeros included.
template<typename Keep> DecimalForm ScanDecimal(Scanner &in, std::string_view separator, Keep keep)
{
    DecimalForm form;
    form.negative = in.Peek() == '-';
    if (!in.Take('-'))
        in.Take('+');
    bool seenPoint = false;
    bool significant = false;
    std::int64_t kept = 0;
    while (true) {
        const char c = in.Peek();
        if (!IsDigit(c)) {
            if (seenPoint || !(in.Take('.') || in.Take(',') || in.Take(separator)))
                break;
            seenPoint = true;
            continue;
        }
        in.Next();
        form.anyDigit = true;
        if (c == '0' && !significant) {
            form.exponent -= seenPoint ? 1 : 0; // a leading zero after the point
            continue;
        }
        significant = true;
        form.exponent += seenPoint ? 0 : 1;
        ++kept;
        form.significantDigits = c != '0' ? kept : form.significantDigits;
        keep(c);
    }
    if (!form.anyDigit)
        return form;

    const char e = in.Peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.Next();
        const bool negativeExponent = in.Peek() == '-';
        if (!in.Take('-'))
            in.Take('+');
        // Without digits the letter is not part of the number, and nothing follows it
        // that could be, so the text read so far stands either way.
        std::int64_t digits = 0;
        for (; IsDigit(in.Peek()); in.Next()) {
            digits = std::min<std::int64_t>(digits * 10 + (in.Peek() - '0'), kExponentLimit);
            form.exponentDigits += form.exponentDigits > 0 || in.Peek() != '0' ? 1 : 0;
            form.exponentDigits = std::min(form.exponentDigits, kExactExponentDigits + 1);
        }
        form.exponent += negativeExponent ? -digits : digits;
    }
    return form;
}

} // namespace calc::numeral
