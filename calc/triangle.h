#pragma once

#include <array>
#include <optional>
#include <string>

namespace calc
{

// The kind of the three lengths the user enters.
enum class InputMode : short {
    Heights = 0, // ha, hb, hc: the altitudes from A, B and C
    Sides = 1,   // a = BC, b = AC, c = AB
    Medians = 2, // ma, mb, mc: the medians from A, B and C
};

// A solved triangle ABC. Index 0, 1, 2 stands for A, B, C: side 0 is a = BC, opposite A;
// bisector 0 is the internal bisector from A to BC.
struct Triangle {
    std::array<double, 3> sides{};
    double area = 0;
    std::array<double, 3> bisectors{};

    bool operator==(const Triangle &) const = default;
};

// The values the formulas pass through on the way from the given lengths to the
// triangle, for a solution worked step by step.
struct Derivation {
    // Altitudes: the reciprocals 1/ha, 1/hb, 1/hc; the four factors of
    // 1/S² = P1 · P2 · P3 · P4, P1 = 1/ha + 1/hb + 1/hc and P2, P3, P4 with the sign of
    // 1/hc, 1/hb, 1/ha turned; and 1/S² itself.
    std::array<double, 3> reciprocals{};
    std::array<double, 4> factors{};
    double inverseAreaSquared = 0;
    // Medians: the roots r = √(2m² + 2m'² − m₀²) of side = 2r/3, for a, b and c.
    std::array<double, 3> medianRoots{};
    // Heron's formula S = √(p(p − a)(p − b)(p − c)): p, p − a, p − b and p − c.
    std::array<double, 4> heron{};
    // Altitudes and medians: the given lengths worked out again from the sides and the area
    // found, h_a = 2S/a and m_a = √(2b² + 2c² − a²)/2, as a student checks a solution.
    std::array<double, 3> check{};

    bool operator==(const Derivation &) const = default;
};

// The exact values of a solution, written n√r/d in lowest terms with r square-free
// ("4√10/3", "√3", "12/5", "8"), for each value whose square is rational and whose text
// is at most 40 characters; empty for the others. Made only when asked for.
struct ExactForms {
    std::array<std::string, 3> sides;
    std::string area;
    std::array<std::string, 3> bisectors;
    // The same for the values of the derivation.
    std::array<std::string, 3> reciprocals;
    std::array<std::string, 4> factors;
    std::string inverseAreaSquared;
    std::array<std::string, 3> medianRoots;
    std::array<std::string, 4> heron;

    bool operator==(const ExactForms &) const = default;
};

// What became of an entered triple.
enum class Outcome {
    Solved,     // the triangle is there
    Rejected,   // no triangle has these lengths
    OutOfRange, // there is one, but a length or the area does not fit a double
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
    // When solved; for altitudes refused as Exceeds or Equals, the reciprocals the refusal
    // is about (those that are normal doubles), and their exact forms when asked for.
    Derivation derivation{};
    std::optional<ExactForms> exact{}; // when asked for: when solved, or as above

    bool operator==(const Solution &) const = default;
};

struct SolveOptions {
    bool exactForms = false; // make Solution::exact
};

// Solves the triangle of three lengths of one kind, the doubles taken as the exact
// values they are.
//
// Sides and medians are refused when one is at least the sum of the other two; altitudes
// when one is not positive, or when their reciprocals fail the strict triangle inequality:
// the altitudes of a real triangle need not satisfy it themselves (4, 5 and 10 belong to
// one), but their reciprocals, proportional to the sides, always do. The refusal is decided
// on the exact values, however close to degenerate the triple is.
//
// Each value is that of its formula evaluated in double arithmetic in one fixed order, so
// that the digits are reproducible to the last one, wherever that result is within 1e-10
// of the exact value; elsewhere (needle-thin and nearly degenerate triangles, values the
// formulas' intermediate results cannot hold) it is the exact value correctly rounded.
// The triangle is OutOfRange where a side, a bisector or the area is not a normal double.
Solution Solve(InputMode mode, std::array<double, 3> lengths, const SolveOptions &options = {});

// True when one value is at least the sum of the other two, the sums and comparisons in
// double arithmetic exactly as written (the test a double-only calculation would make).
bool InputsRejected(double x1, double x2, double x3);

// The area of the triangle with sides a, b, c, by Heron's formula.
double HeronArea(double a, double b, double c);

// The internal bisectors of the triangle with sides a, b, c, from A, B and C.
std::array<double, 3> Bisectors(double a, double b, double c);

// A square root that treats a radicand rounding has pushed below zero as zero.
double RootOrZero(double radicand);

} // namespace calc
