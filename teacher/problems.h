#pragma once

// The exercises with a triangle, of each kind and level, and the lengths they are written
// with: in thousandths, so that every length has at most three digits after the separator.
//
//   level 1   small whole numbers or one decimal, from triangles chosen for their
//             bisectors: every bisector (for medians, at least one) has a short exact form
//             whose whole numbers are at most 100 (right, 60° and 120° triangles, isosceles
//             ones, Heronian triangles whose altitudes are short decimals: 7, 15, 20 with
//             the altitudes 12, 5,6 and 4,2)
//   level 2   short decimals whose sides and area have exact forms, and for sides and
//             altitudes the bisectors too
//   level 3   longer decimals, obtuse and needle-like triangles, made from the seed

#include "random.h"
#include "triangle.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teacher
{

using Units = std::int64_t; // a length in thousandths
using Triple = std::array<Units, 3>;

inline constexpr Units kUnit = 1000;

struct Problem {
    Triple lengths;
    bool isosceles = false; // two of the lengths are equal
};

// The problems of levels 1 and 2, each with the answers its level promises, in a fixed
// order; made once per kind and level.
const std::vector<Problem> &Problems(calc::InputMode mode, int level);

// A problem of level 3, made from `random`: a triangle that is obtuse or a needle (its
// longest side at least five times its shortest), its lengths with two or three decimals.
Problem HardProblem(calc::InputMode mode, Random &random);

// A length as typed: "12", "5,6", "0,125"; the lengths are written so only at the end,
// into the list, and never read back.
std::string Text(Units length, std::string_view separator);

// The double nearest to a length: the one the core reads in its text.
double Nearest(Units length);

// The core's solution of a triple, with its exact values, from the lengths themselves.
calc::Solution Solve(calc::InputMode mode, const Triple &lengths);

// A set of triples, each once whatever the order of its lengths.
class Distinct
{
public:
    bool Add(Triple t);

private:
    std::vector<Triple> seen_; // sorted
};

} // namespace teacher
