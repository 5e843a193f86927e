#pragma once

// The shapes of triangles, as the certified search (search.h) covers them, and the
// elements of a shape, as functions that stay tight up to the shapes' edges.
//
// A shape is its angles. Six charts cover them, one for each order of the vertices by
// their angles: the largest angle X = π − t, the smallest Y = t·s, the third Z = t(1 − s),
// with t in [0, 2π/3] and s in [0, 1/2] (the chart owns the shapes with X ≥ Z ≥ Y). The
// degenerate triangles are the chart's edges t = 0 (a flat triangle, X = 180°) and s = 0 (a
// needle, Y = 0°), and near them a double keeps t and s, and so every small angle, to its
// full relative precision. The scale is that of the circumscribed circle, 2R = 1, so that a
// side is the sine of its angle.
//
// Near an edge, most elements vanish: a needle's short side, its altitudes, its area. Each
// element is therefore kept factored, t^i·s^j × a rest that stays away from zero, and a
// ratio of two elements cancels their powers exactly instead of dividing zero by zero: the
// ratio is then as tight at the edge as anywhere. Every element is a product of the half
// angles' sines and cosines, sin((θ_j − θ_k)/2) and cos((θ_j − θ_k)/2), whose factored forms
// each chart writes from its t and s, and of two sums of such products with positive terms
// (a median's square, and its excess over the bisector's); the elements are kept squared,
// which needs no square root.

#include "elements.h"
#include "search_dual.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace calc::search
{

// t^power[0] · s^power[1] · rest.
template<typename T> struct Factored {
    std::array<int, 2> power{};
    T rest{};
};

template<typename T> Factored<T> operator*(const Factored<T> &a, const Factored<T> &b)
{
    return {{a.power[0] + b.power[0], a.power[1] + b.power[1]}, a.rest * b.rest};
}
template<typename T> Factored<T> operator/(const Factored<T> &a, const Factored<T> &b)
{
    return {{a.power[0] - b.power[0], a.power[1] - b.power[1]}, a.rest / b.rest};
}
template<typename T> Factored<T> operator*(const Factored<T> &a, double c)
{
    return {a.power, a.rest * c};
}
template<typename T> Factored<T> Square(const Factored<T> &a)
{
    return {{2 * a.power[0], 2 * a.power[1]}, Square(a.rest)};
}

// t^i · s^j for i, j ≥ 0.
template<typename T> T Monomial(const std::array<int, 2> &power, const std::array<T, 2> &coordinate)
{
    if (power[1] == 0)
        return Power(coordinate[0], power[0]);
    if (power[0] == 0)
        return Power(coordinate[1], power[1]);
    return Power(coordinate[0], power[0]) * Power(coordinate[1], power[1]);
}

template<typename T>
Factored<T> Sum(const Factored<T> &a, const Factored<T> &b, const std::array<T, 2> &coordinate)
{
    const std::array<int, 2> common{std::min(a.power[0], b.power[0]),
                                    std::min(a.power[1], b.power[1])};
    const std::array<int, 2> ofA{a.power[0] - common[0], a.power[1] - common[1]};
    const std::array<int, 2> ofB{b.power[0] - common[0], b.power[1] - common[1]};
    return {common, Monomial(ofA, coordinate) * a.rest + Monomial(ofB, coordinate) * b.rest};
}

// A chart: the vertices (0, 1, 2 for A, B, C) with the largest, the smallest and the
// third angle.
struct Chart {
    std::array<int, 3> vertex;
};

inline constexpr std::array<Chart, 6> kCharts = {{
    {{0, 1, 2}},
    {{0, 2, 1}},
    {{1, 0, 2}},
    {{1, 2, 0}},
    {{2, 0, 1}},
    {{2, 1, 0}},
}};

// The chart's domain: t ∈ [0, 2π/3], s ∈ [0, 1/2].
inline constexpr double kLargestT = 2.0943951023931957; // just above 2π/3
inline constexpr double kLargestS = 0.5;

// The functions of a shape that every element is a product of, by vertex i = A, B, C (j
// and k the two after it in that order): sin(θ_i/2), cos(θ_i/2), sin((θ_j − θ_k)/2),
// cos((θ_j − θ_k)/2), and the median's square at 2R = 1, the altitude's
// square and that of half the distance between the feet of the altitude and the median,
// h_i = sin θ_j sin θ_k and |b² − c²| / 2a = |sin(θ_j − θ_k)| / 2:
// m_i² = sin² θ_j sin² θ_k + sin²((θ_j − θ_k)/2) cos²((θ_j − θ_k)/2); and with it the
// sum cos²((θ_j − θ_k)/2) + sin θ_j sin θ_k, by which the median's square exceeds the
// bisector's: m_i² − l_i² = sin²(θ_i/2) sin²((θ_j − θ_k)/2) (that sum) / cos²((θ_j − θ_k)/2).
enum class Primitive : std::size_t {
    HalfSin,
    HalfCos,
    DifferenceSin,
    DifferenceCos,
    Median,
    Gap,
};
inline constexpr std::size_t kPrimitives = 18;
using Powers = std::array<int, kPrimitives>;

constexpr std::size_t Index(Primitive primitive, std::size_t vertex)
{
    return 3 * static_cast<std::size_t>(primitive) + vertex;
}

template<typename T> struct Shape {
    std::array<T, 2> coordinate; // t, s
    std::array<Factored<T>, kPrimitives> primitive;
};

// The medians' squares only of the vertices in the mask (bit i for vertex i): the others
// are left out, as what needs none of them.
template<typename T>
Shape<T> ShapeAt(const Chart &chart, const T &t, const T &s, unsigned medians = 7)
{
    const auto x = static_cast<std::size_t>(chart.vertex[0]);
    const auto y = static_cast<std::size_t>(chart.vertex[1]);
    const auto z = static_cast<std::size_t>(chart.vertex[2]);
    const T half = t * 0.5;
    const T oneMinusS = 1.0 - s;
    const T halfY = half * s;                // Y/2
    const T halfZ = half * oneMinusS;        // Z/2
    const T spread = half * (1.0 - s * 2.0); // (Z − Y)/2
    const T farther = half * (2.0 - s);      // (X − Z)/2 = π/2 − farther
    const T nearer = half * (s + 1.0);       // (X − Y)/2 = π/2 − nearer
    const auto ofHalf = CosSinc(half), ofY = CosSinc(halfY), ofZ = CosSinc(halfZ);
    const auto ofSpread = CosSinc(spread), ofFarther = CosSinc(farther);
    const auto ofNearer = CosSinc(nearer);
    Shape<T> shape{};
    shape.coordinate = {t, s};
    auto &p = shape.primitive;
    using enum Primitive;
    p[Index(HalfSin, x)] = {{0, 0}, ofHalf.cos};
    p[Index(HalfCos, x)] = {{1, 0}, ofHalf.sinc * 0.5};
    p[Index(HalfSin, y)] = {{1, 1}, ofY.sinc * 0.5};
    p[Index(HalfCos, y)] = {{0, 0}, ofY.cos};
    p[Index(HalfSin, z)] = {{1, 0}, ofZ.sinc * (oneMinusS * 0.5)};
    p[Index(HalfCos, z)] = {{0, 0}, ofZ.cos};
    // sin((θ_j − θ_k)/2) for j, k the vertices after i in the order A, B, C: its sign
    // depends on whether the chart's X, Y, Z are in that order.
    const double sign = (x + 1) % 3 == y ? 1.0 : -1.0;
    p[Index(DifferenceSin, x)] = {{1, 0}, ofSpread.sinc * ((1.0 - s * 2.0) * (-0.5 * sign))};
    p[Index(DifferenceCos, x)] = {{0, 0}, ofSpread.cos};
    p[Index(DifferenceSin, y)] = {{0, 0}, ofFarther.cos * -sign};
    p[Index(DifferenceCos, y)] = {{1, 0}, ofFarther.sinc * ((2.0 - s) * 0.5)};
    p[Index(DifferenceSin, z)] = {{0, 0}, ofNearer.cos * sign};
    p[Index(DifferenceCos, z)] = {{1, 0}, ofNearer.sinc * ((s + 1.0) * 0.5)};
    for (std::size_t i = 0; i < 3; ++i) {
        if ((medians >> i & 1U) == 0)
            continue;
        const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
        const auto sinOf = [&](std::size_t v) {
            return p[Index(HalfSin, v)] * p[Index(HalfCos, v)] * 2.0;
        };
        p[Index(Median, i)] =
            Sum(Square(sinOf(j) * sinOf(k)),
                Square(p[Index(DifferenceSin, i)] * p[Index(DifferenceCos, i)]), shape.coordinate);
        p[Index(Gap, i)] =
            Sum(Square(p[Index(DifferenceCos, i)]), sinOf(j) * sinOf(k), shape.coordinate);
    }
    return shape;
}

// The square of an element that is not an angle, at 2R = 1: constant × Π primitive^power.
struct Product {
    double constant = 1;
    Powers power{};
};

constexpr Product ElementProduct(Element element)
{
    const ElementInfo &info = Info(element);
    const auto i = static_cast<std::size_t>(info.vertex < 0 ? 0 : info.vertex);
    const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
    Product product;
    auto &power = product.power;
    const auto sines = [&](std::size_t v) { // sin² θ_v = 4 sin²(θ_v/2) cos²(θ_v/2)
        product.constant *= 4;
        power[Index(Primitive::HalfSin, v)] += 2;
        power[Index(Primitive::HalfCos, v)] += 2;
    };
    switch (info.kind) {
    case ElementKind::Side:
        sines(i);
        break;
    case ElementKind::Altitude: // h_a = b sin γ = sin β sin γ
        sines(j);
        sines(k);
        break;
    case ElementKind::Median:
        power[Index(Primitive::Median, i)] = 1;
        break;
    case ElementKind::Bisector: // l_a = sin β sin γ / cos((β − γ)/2)
        sines(j);
        sines(k);
        power[Index(Primitive::DifferenceCos, i)] = -2;
        break;
    case ElementKind::Inradius: // r = 4R sin(α/2) sin(β/2) sin(γ/2)
        product.constant = 4;
        for (std::size_t v = 0; v < 3; ++v)
            power[Index(Primitive::HalfSin, v)] = 2;
        break;
    case ElementKind::Circumradius:
        product.constant = 0.25;
        break;
    case ElementKind::Area: // S = r·p, p = 4R cos(α/2) cos(β/2) cos(γ/2)
        product.constant = 16;
        for (std::size_t v = 0; v < 3; ++v)
            power[Index(Primitive::HalfSin, v)] = power[Index(Primitive::HalfCos, v)] = 2;
        break;
    case ElementKind::Perimeter:
        product.constant = 16;
        for (std::size_t v = 0; v < 3; ++v)
            power[Index(Primitive::HalfCos, v)] = 2;
        break;
    case ElementKind::Angle:
        break;
    }
    return product;
}

// The powers of t and s of Π primitive^power in a chart.
template<typename T> std::array<int, 2> NetPower(const Powers &power, const Shape<T> &shape)
{
    std::array<int, 2> net{};
    for (std::size_t p = 0; p < kPrimitives; ++p)
        for (std::size_t c = 0; c < 2; ++c)
            net[c] += power[p] * shape.primitive[p].power[c];
    return net;
}

// Π primitive^power as a numerator and a denominator, each primitive's rest used once and
// the powers of t and s cancelled.
template<typename T> std::array<T, 2> Fraction(const Powers &power, const Shape<T> &shape)
{
    const std::array<int, 2> net = NetPower(power, shape);
    T numerator = Monomial({std::max(net[0], 0), std::max(net[1], 0)}, shape.coordinate);
    T denominator = Monomial({std::max(-net[0], 0), std::max(-net[1], 0)}, shape.coordinate);
    for (std::size_t p = 0; p < kPrimitives; ++p) {
        if (power[p] > 0)
            numerator = numerator * Power(shape.primitive[p].rest, power[p]);
        else if (power[p] < 0)
            denominator = denominator * Power(shape.primitive[p].rest, -power[p]);
    }
    return {numerator, denominator};
}

} // namespace calc::search
