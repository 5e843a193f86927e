#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc
{

// The longest numbers the calculation takes: at most this many significant digits (from
// the first nonzero digit to the last; for &H and &O, from the first nonzero digit on),
// and a written exponent of at most this many digits (leading zeros not counted). Within
// them every triple is decided exactly and answered in milliseconds; the exact arithmetic
// that some triples need grows with the square of the digits, so longer numbers are
// refused (Outcome::TooLong) rather than left to run for seconds or hours.
inline constexpr int kMaxDigits = 200;
inline constexpr int kMaxExponentDigits = 9;

// A number as ReadNumber reads it (below), and whether it is within those bounds.
struct BoundedNumber {
    double value = 0;
    bool withinBounds = true;
};
BoundedNumber ReadBoundedNumber(std::string_view text, std::string_view decimalSeparator = ".");

// Reads the number at the start of an input text: spaces, tabs and line feeds are
// ignored wherever they stand; then the longest prefix that forms a number is read: an
// optional sign, decimal digits with at most one decimal separator, and an optional
// exponent (E, e, D or d, an optional sign, at least one digit); or &H / &O (either case)
// followed by a non-negative hexadecimal or octal integer. The rest of the text is
// ignored, and text without a leading number reads as 0.
//
// "." and "," are decimal separators under every locale, so that "3,5" is 3.5 wherever it
// was typed (a worksheet from a Bulgarian machine read under C, an English browser); so
// is `decimalSeparator`, the user's locale's, when it is another character, so that a
// number reads back as the program prints it. A locale separator that could be part of a
// number (a digit, a sign, a letter, a space) is not taken. One separator at most: the
// second ends the number ("1,5.2" is 1.5).
//
// The result is correctly rounded whatever the number of digits; a numeral beyond the
// double range reads as an infinity of its sign, one too small for it as zero.
double ReadNumber(std::string_view text, std::string_view decimalSeparator = ".");

// The most significant digits a double is written with: fifteen, as many as every double
// keeps on its way to decimal and back.
inline constexpr int kMostDigits = 15;

// A value's significant digits without trailing zeros (none for zero), the decimal
// exponent of the first, and the sign; `exact` when they give the value back: for a value
// known exactly (exact_values.h), when they are it; for a double (DigitsOf), when they read
// back as it.
struct Digits {
    char digits[17] = {};
    std::size_t count = 0;
    std::int64_t exponent = 0;
    bool negative = false;
    bool exact = false;

    // The same number: the same digits, exponent and sign (whatever `exact` says).
    bool operator==(const Digits &other) const
    {
        return std::string_view(digits, count) == std::string_view(other.digits, other.count) &&
               exponent == other.exponent && negative == other.negative;
    }
};

// A double rounded to `significant` significant digits (1 to kMostDigits, a number beyond
// taken as the nearest of them), correctly rounded, ties to even, with its sign. Zero has no
// digits and is exact; a value that is not a finite number has none either and is not.
Digits DigitsOf(double value, int significant = kMostDigits);

// How a number's digits are laid out as text: the decimal separator, the decimal exponents
// (of the first significant digit) from which on, and below which, the number is written in
// exponent form, "1.5E-07", "6E+200", and the significant digits a double is rounded to
// (DigitsOf). The report's are -4, 15 and 15 (NumberText, below); a figure's labels, of four
// digits, take -4, 4 and 4.
struct Layout {
    std::string_view decimalSeparator = ".";
    std::int64_t exponentBelow = -4;
    std::int64_t exponentFrom = 15;
    int significantDigits = kMostDigits;
};

// The one writer of a number's digits: `significand` the significant digits (the first not
// zero; none for zero, which is "0"), `exponent` the decimal exponent of the first, laid out
// by `layout`, without trailing zeros or a bare separator; an exponent form has at least two
// digits after its sign.
void AppendDigits(std::string &out, std::string_view significand, std::int64_t exponent,
                  bool negative, const Layout &layout);
void AppendDigits(std::string &out, const Digits &digits, const Layout &layout);

// The digits as NumberText writes a number (below).
void AppendDigits(std::string &out, const Digits &digits, std::string_view decimalSeparator = ".");

// Writes a number for the report: at most 15 significant digits, correctly rounded,
// without trailing zeros or a bare separator; exponent form ("1.5E-07", "6E+200") when
// the rounded value's decimal exponent is below -4 or at least 15. Negative zero is "0".
// The decimal separator is the caller's (the user's locale's in every front end).
std::string NumberText(double value, std::string_view decimalSeparator = ".");

// NumberText appended to `out`.
void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator = ".");

// A double as `layout` lays it out: its digits rounded to the layout's significant digits
// (DigitsOf), "0" for zero (negative zero too), and "NaN", "Inf" or "-Inf" for what is not
// a finite number.
void AppendNumberText(std::string &out, double value, const Layout &layout);

// A whole number written in decimal digits and nothing else (no sign, no blank), as the
// command line's counts and seeds are; nothing when the text is not one or the number
// does not fit 64 bits.
std::optional<std::uint64_t> ReadWhole(std::string_view text);

} // namespace calc
