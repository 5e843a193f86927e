#include "search_equations.h"

// Two givens of one kind are often nearly equal, or nearly in a fixed ratio, near an edge
// of the shapes: a needle's two long sides, its two medians from the long sides, a flat
// triangle's perimeter and twice its long side; a median and the altitude of its vertex
// nearly everywhere. The ratio of the two then carries the shape in its last digits, and
// the interval enclosures of the two, though tight each, bound their ratio only loosely.
// Their difference, however, is a product of the primitives itself (at 2R = 1, with i, j,
// k the vertices in the order A, B, C):
//   side_j − side_k = 2 sin(θ_i/2) sin((θ_j − θ_k)/2), side_j + side_k = 2 cos(θ_i/2) cos(…),
//   P − 2 side_i = 4 cos(θ_i/2) sin(θ_j/2) sin(θ_k/2), P = 4 cos(θ_i/2) cos(θ_j/2) cos(θ_k/2),
//   m_j² − m_k² = ¾ (side_k² − side_j²), m_i² − h_i² = sin²((θ_j − θ_k)/2) cos²(…),
//   m_i² − l_i² = sin²(θ_i/2) sin²((θ_j − θ_k)/2) (cos²(…) + sin θ_j sin θ_k) / cos²(…),
// so the ratio is solved as that difference over one of them, which is as tight as any
// product. h_j / h_k = side_k / side_j is the sides' ratio.

namespace calc::search
{
namespace
{

using enum Primitive;

struct Pair {
    const ElementInfo *top = nullptr; // the given raised to +1 in the ratio's squares
    const ElementInfo *bottom = nullptr;
    Interval upper, lower; // their values
};

Equation With(const Equation &ratio, std::initializer_list<std::pair<std::size_t, int>> power,
              const Interval &value)
{
    Equation equation = ratio;
    equation.power = {};
    for (const auto &[primitive, exponent] : power)
        equation.power[primitive] += exponent;
    equation.value = value;
    return equation;
}

std::size_t Third(int u, int v)
{
    return static_cast<std::size_t>(3 - u - v);
}

// (side_u − side_v) / (side_u + side_v) = value.
Equation SidesApart(const Equation &ratio, int u, int v, const Interval &value)
{
    const std::size_t i = Third(u, v);
    const double sign = static_cast<std::size_t>(u) == (i + 1) % 3 ? 1.0 : -1.0;
    return With(ratio,
                {{Index(HalfSin, i), 1},
                 {Index(DifferenceSin, i), 1},
                 {Index(HalfCos, i), -1},
                 {Index(DifferenceCos, i), -1}},
                value * sign);
}

} // namespace

Equation AsDifference(const std::array<Given, 3> &given, Equation ratio)
{
    Pair pair;
    for (std::size_t k = 0; k < 3; ++k) {
        const int power = ratio.of[k];
        const Interval value(given[k].lower, given[k].upper);
        if (power == 1 && pair.top == nullptr) {
            pair.top = &Info(given[k].element);
            pair.upper = value;
        } else if (power == -1 && pair.bottom == nullptr) {
            pair.bottom = &Info(given[k].element);
            pair.lower = value;
        } else if (power != 0) {
            return ratio;
        }
    }
    if (pair.top == nullptr || pair.bottom == nullptr)
        return ratio;
    const ElementInfo &top = *pair.top, &bottom = *pair.bottom;
    const Interval &p = pair.upper, &q = pair.lower; // the ratio is (p / q)²
    const auto vertex = [](const ElementInfo &info) {
        return static_cast<std::size_t>(info.vertex);
    };
    if (top.kind == bottom.kind && top.vertex != bottom.vertex) {
        switch (top.kind) {
        case ElementKind::Side:
            return SidesApart(ratio, top.vertex, bottom.vertex, (p - q) / (p + q));
        case ElementKind::Altitude: // h_u / h_v = side_v / side_u
            return SidesApart(ratio, top.vertex, bottom.vertex, (q - p) / (p + q));
        case ElementKind::Median: { // (m_u² − m_v²) / m_v² = −3 sin(θ_i/2) D_i cos(θ_i/2) E_i
            const std::size_t i = Third(top.vertex, bottom.vertex);
            const double sign = vertex(top) == (i + 1) % 3 ? -3.0 : 3.0;
            return With(ratio,
                        {{Index(HalfSin, i), 1},
                         {Index(DifferenceSin, i), 1},
                         {Index(HalfCos, i), 1},
                         {Index(DifferenceCos, i), 1},
                         {Index(Median, vertex(bottom)), -1}},
                        (Square(p) / Square(q) - 1.0) / sign);
        }
        default:
            return ratio;
        }
    }
    const bool perimeter = top.kind == ElementKind::Perimeter && bottom.kind == ElementKind::Side;
    if (perimeter || (bottom.kind == ElementKind::Perimeter && top.kind == ElementKind::Side)) {
        // (P − 2 side_i) / P = tan(θ_j/2) tan(θ_k/2).
        const std::size_t i = vertex(perimeter ? bottom : top);
        const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
        const Interval value = perimeter ? 1.0 - 2.0 * q / p : 1.0 - 2.0 * p / q;
        return With(ratio,
                    {{Index(HalfSin, j), 1},
                     {Index(HalfSin, k), 1},
                     {Index(HalfCos, j), -1},
                     {Index(HalfCos, k), -1}},
                    value);
    }
    // A median and the altitude or the bisector of its vertex: (m_i² − x²) / x² = m² / x² − 1,
    // over h_i² = 16 Π sin²(θ/2) cos²(θ/2) of the other two vertices (which is l_i² times
    // cos²((θ_j − θ_k)/2)).
    const bool median = top.kind == ElementKind::Median;
    const ElementInfo &other = median ? bottom : top;
    if ((median || bottom.kind == ElementKind::Median) && top.vertex == bottom.vertex &&
        (other.kind == ElementKind::Altitude || other.kind == ElementKind::Bisector)) {
        const std::size_t i = vertex(top);
        const Interval excess = median ? Square(p) / Square(q) - 1.0 : Square(q) / Square(p) - 1.0;
        Equation equation =
            other.kind == ElementKind::Altitude
                ? With(ratio, {{Index(DifferenceSin, i), 2}, {Index(DifferenceCos, i), 2}},
                       excess * 16.0)
                : With(ratio,
                       {{Index(HalfSin, i), 2}, {Index(DifferenceSin, i), 2}, {Index(Gap, i), 1}},
                       excess * 16.0);
        const Product height = ElementProduct(ElementOf(ElementKind::Altitude, other.vertex));
        for (std::size_t n = 0; n < kPrimitives; ++n)
            equation.power[n] -= height.power[n];
        return equation;
    }
    return ratio;
}

} // namespace calc::search
