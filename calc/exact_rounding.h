#pragma once

// Exact values rounded once: to the nearest double, and to the significant digits the
// program prints (fifteen in the report), each straight from the exact value; a double's
// own digits are rounded here too where nothing quicker can tell them (DigitsOf).

#include "exact.h"
#include "numbers.h"

#include <cstdint>

namespace calc::exact
{

// A value rounded to the nearest double; in range when the exact value itself lies within
// the normal doubles, [DBL_MIN, DBL_MAX] (the nearest double of a value just beyond
// DBL_MAX is DBL_MAX, and that of one just below DBL_MIN is DBL_MIN: neither is in range).
struct Rounded {
    double value = 0;
    bool inRange = false;
};

// √q, or q, times 10^exponent, rounded to the nearest double, ties to even; q = n/d > 0.
Rounded RoundToDouble(const Rational &q, bool root, std::int64_t exponent = 0);
Rounded RoundToDouble(Integer n, Integer d, bool root, std::int64_t exponent = 0);

// ±√q, or q, times 10^exponent, rounded to `significant` significant digits (1 to
// kMostDigits; the report's fifteen unless told), ties to even; `exact` when the digits are
// the value. The sign is that of q, or `negative` for a root.
Digits RoundToDigits(const Rational &q, bool root, std::int64_t exponent = 0, bool negative = false,
                     int significant = kMostDigits);

} // namespace calc::exact
