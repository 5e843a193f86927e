#pragma once

// The triangle chapter: a triangle from any three of its elements (elements.h), every
// triangle that fits, exact where it can be.
//
//   givens.h          the three givens read from `name=value` words, problems as values
//   chapter.h         Solve: every triangle with the givens, or why there is none, or what
//                     is left free when infinitely many fit
//   chapter_plan.h    which way a triple is solved: the identities that bind some triples,
//                     the closed forms, the steps that reduce a triple to one of them
//   chapter_routes.h  the closed forms themselves, in any arithmetic (internal)
//   chapter_values.h  the nineteen elements of a triangle from its sides, and its types
//   chapter_report.h  the report of a solution, and its exact values
//   ball.h, exact_surds.h, exact_trig.h   the arithmetic: certified doubles of doubles,
//                     sums of unlike roots, sin and cos in intervals of any precision
//   search.h          the certified numeric search, for every triple without a closed form
//
// A triple with a closed form (three sides, two sides and the angle between them, …; the
// table in chapter_plan.h) is solved by its school formulas, with every decision (how many
// triangles, a refusal) made on the values as typed: by certified arithmetic of 106 bits
// where it is clear, exactly (rational lengths, angles that are multiples of 15°) where it is
// not, and by intervals of rising precision for other angles, which end by Niven's theorem;
// past a generous precision the solve says it cannot decide, rather than guess. A triple
// without one goes to the search. Each triangle's values are then worked out from its sides
// (chapter_values.h), each printed with its exact value's digits, correctly rounded.

#include "elements.h"
#include "givens.h"
#include "triangle.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace calc::chapter
{

// The identities that bind three elements: given those three, either no triangle fits (the
// identity fails) or infinitely many do.
enum class Identity : std::uint8_t {
    None,
    AngleSum,      // α + β + γ = 180°
    SineLaw,       // a = 2R·sin α
    AltitudeArea,  // S = a·h_a/2
    InradiusArea,  // S = r·P/2 (and r ≤ P/(6√3), equality for the equilateral one)
    AltitudeSine,  // h_a = b·sin γ = c·sin β
    IsoscelesFeet, // h_a = l_a = m_a, only where b = c
    SidesArea,     // S = b·c·sin α/2: of four elements, a step's, never a triple's
    Thales,        // α = 90° and m_a = a/2, whatever b and c are
};

// The closed forms a triple is solved by, each in its own labels (chapter_plan.h).
enum class RouteKind : std::uint8_t {
    None,
    ThreeSides,             // a, b, c
    ThreeAltitudes,         // h_a, h_b, h_c
    ThreeMedians,           // m_a, m_b, m_c
    SideAngleSide,          // b, c, α
    SideSideAngle,          // a, b, α: 0, 1 or 2
    TwoAngles,              // α, β and any other: the similar triangle scaled
    SideAltitudeAngle,      // a, h_a, α: 0, 1 or 2
    SideAnglePerimeter,     // a, α, P: 0, 1 or 2
    SideAngleInradius,      // a, α, r: 0, 1 or 2
    SideAngleMedian,        // a, α, m_a: 0, 1 or 2
    TwoSidesMedian,         // a, b, m_c
    SidesMedianToOne,       // a, b, m_a
    AltitudeBisectorAngle,  // h_a, l_a, α: 0, 1 or 2
    SideAltitudeMedian,     // a, h_a, m_a: 0, 1 or 2
    AltitudeBisectorMedian, // h_a, l_a, m_a: the order of their feet, then the search
    Identity,               // three elements of an identity
    Search,                 // no closed form: the certified search
};

// A step that reduces a triple to a closed form: an element found from two of the triple by
// an identity (`from[1]` is the one it replaces), e.g. sin γ = h_b/a gives γ for h_b. A step
// that finds an angle from its sine has two branches, the acute and the obtuse angle.
struct Step {
    Identity identity = Identity::None;
    Element found = Element::SideA;
    std::array<Element, 2> from{};
    Element third = Element::SideA; // the identity's third element, when it has one
    bool bySine = false;            // the angle found from its sine: two branches
};

// The way a triple is solved: the steps, then the closed form on the elements `slots`, in the
// route's order (SideSideAngle: a, b, α; TwoAngles: α, β, then the other).
struct Route {
    RouteKind kind = RouteKind::None;
    std::vector<Step> steps;
    std::array<Element, 3> slots{};
    Identity identity = Identity::None; // of RouteKind::Identity
};

// A value a route passes through on the way to a triangle, for its worked solution.
enum class RouteValue : std::uint8_t {
    FoundSine,      // the sine of an angle found by a step, per step (index)
    FoundLength,    // a length found by a step, per step
    ThirdAngleSine, // TwoAngles: sin of the third angle, sin(α + β)
    Scale,          // TwoAngles: the given element over that of the triangle of sides sin α …
    SideSquare,     // the square of the side a closed form finds (c² = a² + b² − 2ab·cos γ)
    Discriminant,   // SideSideAngle: a² − b²·sin² α; a, α and another: (b − c)²
    ProductOfSides, // a, α and another: b·c
    HalfDifference, // AltitudeBisectorAngle: the angle between h_a and l_a, its cosine
    FootDistance,   // SideAltitudeMedian: from the foot of the altitude to the midpoint
};

struct RouteNumber {
    RouteValue value;
    int index = 0;
    Number number;
};

// Why no triangle fits.
enum class Reason : std::uint8_t {
    None,
    NotPositive,     // `about[0]`, a length or the area, is not positive
    AngleRange,      // the angle `about[0]` is not between 0° and 180°
    AngleSum,        // the angles `about[0]`, `about[1]` (and `about[2]`) sum to 180° or more
    SideTooLong,     // the side `about[0]` is at least the other two together
    SineAboveOne,    // sin `about[0]` would be more than 1 (from `about[1]`, `about[2]`)
    AltitudeTooLong, // the altitude `about[0]` is more than the others allow
    BisectorTooLong, // the bisector `about[0]` is more than the others allow
    MedianBound,     // the median `about[0]` is too long or too short for the sides
    InradiusTooLong, // r is more than P/(6√3), the equilateral triangle's
    Bound,           // `about[0]` cannot be so long or so short with the others
    FeetOrder,       // l_a is not between h_a and m_a
    Reciprocals,     // the altitudes' reciprocals form no triangle
    Medians,         // the medians form no triangle
    Contradiction,   // the identity `identity` of the three fails
    OutOfRange,      // a value does not fit a double
    Undecided,       // the comparison the count depends on needs more precision than taken
    Unproven,        // the search could not decide (it met a limit)
    NoneFound,       // the search proved that no triangle has the givens
};

struct Refusal {
    Reason reason = Reason::None;
    std::array<Element, 3> about{};
    int count = 0; // of `about`
    Identity identity = Identity::None;
};

// How the count and the values were found.
enum class Decision : std::uint8_t {
    Exact,   // closed forms on rational lengths and angles that are multiples of 15°
    Numeric, // closed forms with other angles: certified intervals
    Search,  // the certified search
};

enum class Count : std::uint8_t { None, Finite, Infinite };

enum class AngleType : std::uint8_t { Acute, Right, Obtuse };
enum class SideType : std::uint8_t { Equilateral, Isosceles, Scalene };

struct SolvedTriangle {
    // Every element, as the report prints it (angles in degrees).
    std::array<Number, kElementCount> values{};
    AngleType angles = AngleType::Acute;
    int angleVertex = -1; // of the right or obtuse angle
    SideType sides = SideType::Scalene;
    // Of an isosceles triangle, the vertex between the equal sides.
    int apex = -1;
    // The triangle it is the mirror image of (the same with two vertices exchanged), or −1.
    int mirrorOf = -1;
    std::vector<RouteNumber> route;

    const Number &Of(Element element) const { return values[static_cast<std::size_t>(element)]; }
    std::array<double, 3> Sides() const
    {
        return {values[0].value, values[1].value, values[2].value};
    }
};

struct ExactValues; // chapter_values.h

struct Solution {
    std::array<Given, 3> givens{};
    Count count = Count::None;
    Decision decision = Decision::Exact;
    bool proven = true; // of the search: the triangles are all there are
    std::vector<SolvedTriangle> triangles;
    Refusal refusal;
    // Of infinitely many: the identity they share, and the element left free.
    Identity family = Identity::None;
    Route route;
    // The search's work: the parts of the shapes it looked at, and its deepest subdivision.
    std::size_t boxes = 0;
    int depth = 0;
    // The exact values of each triangle, when asked for and known (chapter_values.h).
    std::shared_ptr<const ExactValues> exact;
};

struct Options {
    bool exactValues = false;
};

// Every triangle with the three givens (their elements differ).
Solution Solve(const std::array<Given, 3> &givens, const Options &options = {});

// The way a triple of elements is solved, whatever their values.
const Route &RouteOf(const std::array<Element, 3> &elements);

} // namespace calc::chapter
