#pragma once

// Exact numbers under the core: the lengths exactly as typed, and the arithmetic that
// decides what doubles cannot decide on their own.
//
// A typed length such as 0.1 is not a double; the double nearest to it is a little more
// or less. The core works in doubles where that cannot change what is printed, and turns
// here where it could: a triple within rounding distance of a degenerate triangle, a
// needle whose formulas cancel their own digits away, a number beyond the range of
// doubles. A Decimal is a typed number exactly (its digits and a power of ten, which may
// be far beyond the range of doubles); the solution's values are then rationals or their
// square roots, computed with Boost.Multiprecision's integers and rationals.
//
//   exact.h              Decimal: reading a text exactly, comparing, multiplying
//   exact_decision.h     which triples have a triangle, decided exactly
//   exact_arithmetic.h   rationals and their roots exactly, other values between bounds
//   exact_values.h       every named value of a solution from exact lengths
//   exact_rounding.h     an exact value rounded once, to a double or to digits (and a
//                        double's own digits where nothing quicker can tell them)
//   exact_form.h         a value whose square is rational written as n√r/d
//   exact_surds.h        sums of unlike square roots and roots of them, for triangles of
//                        rational lengths and angles that are multiples of 15°
//   exact_trig.h         sin and cos of any angle between bounds of a chosen precision

// cpp_int.hpp includes <iostream> for stream operators that the core never uses. With
// libstdc++ that header also gives every file that includes it a static initializer of
// the standard streams, which would construct cin, cout and cerr and their locale at every
// start of the command line (0.7 ms, and 1.3 MB of the locale's code linked in). The
// operators need only <istream> and <ostream>; <iostream>'s own part is left out.
#include <istream>
#include <ostream>
#if defined(__GLIBCXX__) && !defined(_GLIBCXX_IOSTREAM)
#define _GLIBCXX_IOSTREAM 1 // NOLINT(bugprone-reserved-identifier,readability-identifier-naming)
#include <boost/multiprecision/cpp_int.hpp>
#undef _GLIBCXX_IOSTREAM
#else
#include <boost/multiprecision/cpp_int.hpp>
#endif

#include <cstdint>
#include <string_view>

namespace calc::exact
{

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

// sign · significand · 10^exponent, exactly.
struct Decimal {
    int sign = 0; // −1, 0 or 1
    Integer significand;
    std::int64_t exponent = 0;
    std::int64_t digits = 0; // of the significand, in decimal

    // ⌊log10 |value|⌋, for a value that is not zero.
    std::int64_t Magnitude() const { return digits - 1 + exponent; }
};

// The number ReadNumber reads in `text` (numbers.h), exactly as typed. Digits beyond the
// 32768th count only as one nonzero digit after the last kept, and a written exponent of
// more than nine digits as 10^9: neither is in a number the calculation takes
// (kMaxDigits, kMaxExponentDigits).
Decimal ReadExactNumber(std::string_view text, std::string_view decimalSeparator = ".");

// A double's value exactly.
Decimal ExactValue(double value);

// ⌊√n⌋ for n ≥ 0, by Newton's iteration from the square root of its leading bits.
Integer RootFloor(const Integer &n);

// 10^n, n ≥ 0.
Integer PowerOfTen(std::int64_t n);

// A Decimal from its sign, significand (positive unless the sign is 0) and exponent.
Decimal MakeDecimal(int sign, Integer significand, std::int64_t exponent);

// x · y.
Decimal Times(const Decimal &x, const Decimal &y);

// The sign of x − y.
int Compare(const Decimal &x, const Decimal &y);

// value · 10^shift as a rational (the exponent after the shift must be of a size that can
// be written out: the caller has brought the values near 1).
Rational ToRational(const Decimal &value, std::int64_t shift = 0);

} // namespace calc::exact
