#pragma once

// The exercises with a triangle, of each kind and level, and the lengths they are written
// with: in thousandths, so that every length has at most three digits after the separator.
//
//   level 1   small whole numbers or one decimal, from triangles chosen for their
//             bisectors: every bisector (for medians, at least one) has a short exact form
//             whose whole numbers are at most 100 (right, 60° and 120° triangles, isosceles
//             ones; for altitudes, those of triangles of whole sides up to 20, such as 6,
//             4,8 and 3 of the sides 4, 5, 8: some eighty shapes)
//   level 2   short decimals whose sides and area have exact forms, and for sides and
//             altitudes the bisectors too
//   level 3   longer decimals, obtuse and needle-like triangles, made from the seed
//
// At levels 1 and 2 the report of every task gives each value as its exact value rounded,
// never its formula's digits beside a round value (9,99999999999999 for a side 10): each
// candidate is solved through the core, in the order it is written in, and those whose
// report differs are left out. A list takes each shape once before any twice.

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
    std::size_t index = 0;  // its place among its pool's candidates
};

// The candidates for the problems of one kind at level 1 or 2, in a fixed order, and which
// of them are problems with the answers the level promises. Each is solved through the
// core the first time it is asked about, not before, so that a short list solves few.
class Pool
{
public:
    Pool(calc::InputMode mode, int level, std::vector<Problem> candidates);

    const std::vector<Problem> &Candidates() const { return candidates_; }

    // Whether a candidate has the answers the level promises: every side and the area an
    // exact form, the bisectors theirs (level 1: short ones), and none of the report's
    // values the digits of its formula rather than its exact value rounded (heights 6 2,8 2,1
    // give the side 10 as 9,99999999999999: right to within 1e-10, but a class would take
    // the answer for a wrong one).
    bool Fits(const Problem &candidate);

    // The same of a candidate's lengths in another order, in which the report's digits may
    // be other ones (not kept).
    bool FitsInOrder(const Triple &lengths) const;

    // How many candidates fit: counted in order until `needed` do, so at least `needed`
    // where that many do, and all of them where fewer do.
    std::size_t Count(std::size_t needed);

private:
    calc::InputMode mode_;
    int level_;
    std::vector<Problem> candidates_;
    std::vector<signed char> fits_; // 1 or 0; −1 not yet solved
    std::size_t counted_ = 0;       // Count has gone over the candidates before this one,
    std::size_t fitting_ = 0;       // and found these
};

// The pool of a kind and level (1 or 2), made once.
Pool &Problems(calc::InputMode mode, int level);

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
