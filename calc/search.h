#pragma once

// Every triangle that has three given elements, found by a certified search over the
// triangle's shape: the shapes are subdivided, and a part is left out only where interval
// arithmetic proves that no triangle in it has the elements; a part that is kept is narrowed
// by Newton's method and Krawczyk's test, which proves that it holds exactly one. So the
// triangles found are all there are, each to within 1e-12 of its sides' lengths, and their
// count is proven, not sampled. The combinations that have closed forms are solved by
// those (chapter.h); this is the way for every other one, and a second way for those.

#include "elements.h"

#include <array>
#include <cstddef>
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

// A triangle found: its sides a, b, c, each within 1e-12 of the triangle's, relatively.
struct Found {
    std::array<double, 3> sides{};
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
};

// Every triangle with the three elements given.
Result Find(const std::array<Given, 3> &given);

} // namespace calc::search
