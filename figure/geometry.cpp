#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace figure
{
namespace
{

// Heron's formula in the arrangement that stays accurate for needle-thin triangles:
// x >= y >= z, each difference taken where it is exact or small. The factors' roots are
// multiplied, not the factors, whose product would underflow for a side as short as
// 1e-200 of the others.
double StableArea(double x, double y, double z)
{
    const double small = z - (x - y);
    if (!(small > 0))
        return 0;
    return std::sqrt(x + (y + z)) * std::sqrt(small) * std::sqrt(z + (x - y)) *
           std::sqrt(x + (y - z)) / 4;
}

Point Between(Point p, Point q, double t)
{
    return {p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t};
}

// The foot of the perpendicular from p to the line through q and r, by way of the line's
// unit direction, so that a side too short for its squared length to be a double still
// gives a point; q itself when q and r coincide.
Point Projection(Point p, Point q, Point r)
{
    const double length = std::hypot(r.x - q.x, r.y - q.y);
    if (length == 0)
        return q;
    const double ux = (r.x - q.x) / length, uy = (r.y - q.y) / length;
    const double t = (p.x - q.x) * ux + (p.y - q.y) * uy;
    return {q.x + t * ux, q.y + t * uy};
}

} // namespace

Placement PlaceTriangle(const std::array<double, 3> &sides)
{
    Placement placement;
    const double longest = std::max({sides[0], sides[1], sides[2]});
    placement.base = sides[2] == longest ? 2 : sides[0] == longest ? 0 : 1;
    std::frexp(longest, &placement.exponent);

    // The base runs from vertex p to vertex r; q is the apex. u = |pq|, v = |rq|.
    std::array<double, 3> s{};
    for (std::size_t i = 0; i < 3; ++i)
        s[i] = std::ldexp(sides[i], -placement.exponent);
    const std::size_t q = placement.base, p = (q + 1) % 3, r = (q + 2) % 3;
    const double length = s[q], u = s[r], v = s[p];

    // The apex's distance along the base from each end, by the law of cosines written
    // without cancellation (the base is the longest side), taken from the nearer end.
    const double fromP = ((length - v) * (length + v) + u * u) / (2 * length);
    const double fromR = ((length - u) * (length + u) + v * v) / (2 * length);
    const double x = std::clamp(u <= v ? fromP : length - fromR, 0.0, length);
    const double height = 2 * StableArea(length, std::max(u, v), std::min(u, v)) / length;

    auto &vertex = placement.vertices;
    vertex[p] = {0, 0};
    vertex[r] = {length, 0};
    vertex[q] = {x, height};

    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
        // The bisector from vertex i meets side jk at the point that divides it as the
        // adjacent sides: |j foot| / |foot k| = |ij| / |ik| = sides[k] / sides[j].
        placement.bisectorFeet[i] = Between(vertex[j], vertex[k], s[k] / (s[k] + s[j]));
        placement.altitudeFeet[i] = Projection(vertex[i], vertex[j], vertex[k]);
        placement.medianFeet[i] = Between(vertex[j], vertex[k], 0.5);
    }
    return placement;
}

} // namespace figure
