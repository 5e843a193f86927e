#pragma once

// Which triples of exact lengths belong to a triangle. Sides and medians do when each is
// less than the sum of the other two; altitudes when their reciprocals are (the sides are
// proportional to them). Decided on the values as typed, however far apart their sizes.

#include "exact.h"
#include "triangle.h"

#include <array>

namespace calc::exact
{

struct Decision {
    Refusal refusal = Refusal::None;
    int index = -1; // the value the refusal is about
};

Decision Decide(InputMode mode, const std::array<Decimal, 3> &lengths);

// The sign of x − (y + z), for positive x, y and z.
int SignOfExcess(const Decimal &x, Decimal y, Decimal z);

} // namespace calc::exact
