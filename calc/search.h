#pragma once

// Every triangle that has three given elements, found by a certified search over the
// triangle's shape: the shapes are subdivided, and a part is left out only where interval
// arithmetic proves that no triangle in it has the elements; a part that is kept is narrowed
// by Krawczyk's test, which proves that it holds exactly one. So the triangles found are all
// there are, each to within 1e-12 of its sides' lengths (or as precisely as the givens fix
// it, which its enclosure says), and their count is proven, not sampled. The combinations
// that have closed forms are solved by those (chapter.h); this is the way for every other
// one, and a second way for those. It needs nothing but the elements' table (elements.h).
//
// The pieces: intervals that round outward the same on every platform, with cos and
// sin x / x of their own (search_interval.h), and dual numbers over them for Jacobians
// (search_dual.h); the shapes in six charts and every element as a product of the shape's
// functions that stays tight at the degenerate triangles (search_shape.h); the givens as
// two equations in a chart's coordinates, with the ratios of nearly equal givens written
// as their differences (search_equations.h, search_differences.cpp); the tests on a box
// (search_krawczyk.h); and the subdivision, the budget and the merging of the solutions
// (search.cpp). What stays undecided is said (Doubt), never counted.

#include "elements.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace calc::search
{

// A given element: its value lies in [lower, upper] (a length, an area, or an angle in
// degrees): the exact typed value, enclosed by the doubles on either side of it.
struct Given {
    Element element;
    double lower = 0;
    double upper = 0;
};

// A triangle found: its sides a, b, c, each within 1e-12 of the triangle's, relatively;
// and enclosures of them, which hold the sides of the triangle of every value of the
// givens within their enclosures (the sides are their midpoints).
struct Found {
    std::array<double, 3> sides{};
    std::array<double, 3> lower{};
    std::array<double, 3> upper{};
};

// Why a search stayed unproven.
enum class Doubt : std::uint8_t {
    None,
    NoSize,  // no given fixes the triangle's size (three angles)
    Invalid, // a given is not a finite enclosure of a positive number, or two are so far
             // apart that their ratio is beyond the doubles
    Budget,  // the search met its limit of boxes before it had decided every part
    Edge,    // a part at the edge of the shapes stayed undecided: the givens may fit a
             // degenerate triangle (flat, or a needle) exactly, or come too close to one
    Cluster, // a part inside stayed undecided at the finest subdivision: the givens lie
             // on the edge between one and two triangles (a tangency), or fit a continuum
};

enum class Status {
    Proven,   // the triangles are every triangle with the elements
    Unproven, // the search could not decide some part of the shapes (it met a limit):
              // the triangles are those it proved, there may be more
};

struct Result {
    Status status = Status::Unproven;
    std::vector<Found> triangles;
    // What the search did: the parts of the shapes it looked at, and the deepest
    // subdivision it needed.
    std::size_t boxes = 0;
    int depth = 0;
    // What it proved: the parts that hold no triangle with the givens, the parts that
    // Krawczyk's test proved to hold exactly one (a triangle may be proven in several),
    // the parts left undecided, and why it is unproven.
    std::size_t excluded = 0;
    std::size_t proofs = 0;
    std::size_t undecided = 0;
    Doubt doubt = Doubt::None;
};

// Every triangle with the three elements given.
Result Find(const std::array<Given, 3> &given);

} // namespace calc::search
