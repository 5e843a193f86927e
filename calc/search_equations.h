#pragma once

// The three given elements made into equations on the shapes (search_shape.h), for the
// certified search (search.h).
//
// The size of a triangle drops out: a given angle is an equation of the shape by itself,
// and two given lengths (or a length and the area) are one through their ratio, weighed
// by the elements' degrees. So three givens that fix a triangle give two equations in the
// chart's two coordinates, which the search solves; the size then follows from the givens.
// A ratio is written as the difference numerator − value × denominator of products of the
// shape's functions, with the powers of t and s that are left after the two sides' powers
// cancel: it stays finite at the chart's edges and vanishes there only where the ratio has
// no limit, at the corner t = s = 0 (and, for a median, where it vanishes with the
// triangle). Near that corner a box is left out by other consequences of the givens,
// products of their powers chosen for each chart so that they tend to zero, to infinity or
// to a limit there. Three lengths give three ratios, any two of which are equivalent; the
// search linearises all three (where one pair is ill-conditioned, another is not).

#include "search.h"
#include "search_shape.h"

#include <array>
#include <optional>
#include <vector>

namespace calc::search
{

struct Equation {
    // An angle: the angle at `vertex` (0, 1, 2) is `value` degrees, and 180° − `value` is
    // `supplement`. A ratio: the product over the givens of (the given's square)^of, which
    // is the product over the shape's primitives of primitive^power, is `value`.
    bool angle = false;
    int vertex = 0;
    std::array<int, 3> of{};
    Powers power{};
    Interval value;
    Interval supplement;
};

struct System {
    std::array<Given, 3> given{}; // lengths divided by scale, the area by its square
    double scale = 1;             // a power of two
    int reference = 0;            // the given that fixes the size: a length or the area
    unsigned medians = 0;         // the medians among the givens, a bit for each vertex
    std::array<Equation, 2> solved;
    // The equations Krawczyk's test linearises: the two solved and, of three lengths (or
    // a length and the area), the third ratio, which any two of them imply. Any two of
    // these are an equivalent pair: where the solved pair is ill-conditioned, another
    // may not be.
    std::vector<Equation> linearised;
    std::array<std::vector<Equation>, kCharts.size()> excluding;
};

// The equations of the givens; or why there are none (no given fixes the size, or a given
// is not a finite enclosure of a positive number).
struct Setup {
    std::optional<System> system;
    Doubt doubt = Doubt::None;
};
Setup MakeSystem(const std::array<Given, 3> &given);

// A ratio of two givens whose difference is a product of the primitives, rewritten as
// that difference over one of them (search_differences.cpp); another equation as it is.
Equation AsDifference(const std::array<Given, 3> &given, Equation ratio);

// The equation's residual, zero where the shape fits it.
template<typename T> T Residual(const Equation &equation, const Chart &chart, const Shape<T> &shape)
{
    const T &t = shape.coordinate[0];
    const T &s = shape.coordinate[1];
    if (equation.angle) {
        const Interval perRadian = DegreesPerRadian();
        if (equation.vertex == chart.vertex[0]) // π − t
            return equation.supplement - t * perRadian;
        const T angle = equation.vertex == chart.vertex[1] ? t * s : t - t * s;
        return angle * perRadian - equation.value;
    }
    const std::array<T, 2> fraction = Fraction(equation.power, shape);
    return fraction[0] - equation.value * fraction[1];
}

} // namespace calc::search
