#pragma once

// The formulas of the solution, each evaluated in the order written, with the grouping
// shown, so that the printed digits are reproducible to the last one. They take doubles,
// or Tracked doubles (tracked.h), which round the same and bound their own error.

#include "tracked.h"

#include <cmath>

namespace calc
{

// A square root that treats a radicand rounding has pushed below zero as zero (for
// doubles; Tracked has its own).
inline double RootOrZero(double radicand)
{
    return radicand > 0 ? std::sqrt(radicand) : 0.0;
}

namespace formulas
{

// l = √(x·y − x·y·z² / (x + y)²): the bisector meeting side z between sides x and y.
// (Products and sums of two doubles do not depend on the order of their operands.)
template<typename T> T Bisector(const T &x, const T &y, const T &z)
{
    return RootOrZero(x * y - (((x * y) * z) * z) / ((x + y) * (x + y)));
}

// r = √(2m² + 2m'² − m₀²), m₀ being the median to a side; the side is then 2r/3, (r + r)/3.
template<typename T> T MedianRoot(const T &m0, const T &m, const T &mPrime)
{
    return RootOrZero(((2 * m) * m + (2 * mPrime) * mPrime) - m0 * m0);
}

// Heron's formula, S = √(p(p − a)(p − b)(p − c)), with p = (a + b + c)/2.
template<typename T> struct HeronTerms {
    T p, pa, pb, pc, area;
};

template<typename T> HeronTerms<T> Heron(const T &a, const T &b, const T &c)
{
    const T p = ((a + b) + c) / 2;
    const T pa = p - a, pb = p - b, pc = p - c;
    return {p, pa, pb, pc, RootOrZero(((p * pa) * pb) * pc)};
}

} // namespace formulas
} // namespace calc
