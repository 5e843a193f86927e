#pragma once

// What the core returns for a triple: the kind of its lengths, what became of it and, for a
// triangle, its sides, area and bisectors, each a double with the digits the report prints
// (calculate.h makes them).

#include "numbers.h"

#include <array>
#include <memory>

namespace calc
{
namespace exact
{
class Values;
}
struct Named;

// The kind of the three lengths the user enters.
enum class InputMode : short {
    Heights = 0, // ha, hb, hc: the altitudes from A, B and C
    Sides = 1,   // a = BC, b = AC, c = AB
    Medians = 2, // ma, mb, mc: the medians from A, B and C
};

// A value of the report: the double, and the fifteen digits the report prints of it.
// A value the double formulas could not vouch for is worked out exactly; its digits are
// then rounded once, from the exact value, and may differ from the double's in the last.
struct Number {
    double value = 0;
    Digits digits{}; // none (count 0): those of `value`

    bool operator==(const Number &) const = default;
};

// A solved triangle ABC. Index 0, 1, 2 stands for A, B, C: side 0 is a = BC, opposite A;
// bisector 0 is the internal bisector from A to BC.
struct Triangle {
    std::array<Number, 3> sides{};
    Number area{};
    std::array<Number, 3> bisectors{};

    // The field of a result (kResults, quantity.h): side i, the area, bisector i. Any other
    // value has none: std::out_of_range (an abort where there are no exceptions).
    Number &At(Named value);
    const Number &At(Named value) const;

    // The sides' doubles alone, for the geometry.
    std::array<double, 3> Sides() const { return {sides[0].value, sides[1].value, sides[2].value}; }

    bool operator==(const Triangle &) const = default;
};

// What became of an entered triple.
enum class Outcome {
    Solved,     // the triangle is there
    Rejected,   // no triangle has these lengths
    OutOfRange, // there is one, but a length or the area does not fit a double
    TooLong,    // a length is written longer than the calculation takes (numbers.h), the
                // first such one `Solution::refused`; nothing is decided
};

// Why a triple has no triangle, about the value `Solution::refused`.
enum class Refusal {
    None,
    NotPositive, // it is zero or negative
    Exceeds,     // it (for altitudes, its reciprocal) is more than the other two together
    Equals,      // it (for altitudes, its reciprocal) is exactly the other two together
};

struct Solution {
    InputMode mode = InputMode::Heights;
    Outcome outcome = Outcome::Rejected;
    // The three lengths as read (the doubles nearest to what was typed).
    std::array<double, 3> given{};
    Refusal refusal = Refusal::None;
    int refused = -1;    // 0, 1 or 2 when refused
    Triangle triangle{}; // when solved
    // Every named value of the solution exactly (quantity.h, exact_values.h), when asked
    // for: of a solved triangle, and of a refused one the values its refusal is about.
    std::shared_ptr<const exact::Values> exact{};

    // Equal outcomes and values; the exact values, made from the same lengths, count by
    // whether they are there.
    bool operator==(const Solution &other) const
    {
        return mode == other.mode && outcome == other.outcome && given == other.given &&
               refusal == other.refusal && refused == other.refused && triangle == other.triangle &&
               (exact == nullptr) == (other.exact == nullptr);
    }
};

struct SolveOptions {
    bool exactValues = false; // make Solution::exact
};

} // namespace calc
