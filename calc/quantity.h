#pragma once

// The named values of a solution, in one table: the results the report prints (the sides,
// the area, the bisectors) and every value the worked solution passes through on the way
// from the given lengths to them. Each has a place (Slot) among all of them, how many there
// are of it (a side each for a, b, c), which kinds of given lengths have it, and how it
// scales with the lengths (its degree). A new value is one row here and one formula in the
// exact evaluation (exact_values.cpp).
//
// Index i of a value stands for A, B, C: side i is opposite vertex i, bisector i starts at
// it. Of the bisector from vertex i, j = i + 1 and k = i + 2 (mod 3) name the other two
// vertices: its foot L on side i cuts it into the segment next to j, a_i·a_k/(a_j + a_k)
// ("near"), and the one next to k, a_i·a_j/(a_j + a_k) ("far").

#include "triangle.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace calc
{

enum class Quantity : std::uint8_t {
    // The results.
    Side,     // a, b, c
    Area,     // S
    Bisector, // l_a, l_b, l_c (Yg_a …)
    // The given lengths, exactly as typed.
    Given,
    // Altitudes: 1/h_a …, and the sides' ratio a : b : c = 1/h_a : 1/h_b : 1/h_c in
    // coprime whole numbers, so that a = x_a·k …
    Reciprocal,
    Ratio,
    // Heron's formula on the base triangle: the sides for sides, the medians for medians
    // (whose own triangle has 3/4 of the area), the ratio for altitudes (the area in k²).
    BaseSum,         // x_j + x_k: a refusal's "the other two together"
    Perimeter,       // x_a + x_b + x_c
    HalfPerimeter,   // p
    HeronDifference, // p − x_i
    HeronSquare,     // p(p − x_a)(p − x_b)(p − x_c)
    HeronArea,       // its root
    // Altitudes: S = a·h_a/2 = (x_a·h_a/2)·k gives k = (x_a·h_a/2)/S₁, S₁ the ratio's area.
    AltitudeArea, // x_a·h_a/2
    Scale,        // k
    // Altitudes, the second route: 1/S² = P1·P2·P3·P4, P1 = 1/h_a + 1/h_b + 1/h_c, and P2,
    // P3, P4 with the sign of 1/h_c, 1/h_b, 1/h_a turned (kFactorSigns).
    Factor,
    InverseAreaSquared,
    // Medians: side = (2/3)·√(2m_j² + 2m_k² − m_i²), the radicand; and back, the check
    // 2a_j² + 2a_k² − a_i² = 4m_i².
    MedianRadicand,
    CheckRadicand,
    SideSquare, // a²
    // The bisector from vertex i, of the base triangle for altitudes (in k, the sides' ratio
    // taken as the sides), of the triangle itself for the others.
    AdjacentSum,       // a_j + a_k
    AdjacentSumSquare, // (a_j + a_k)²
    NearProduct,       // a_i·a_k
    FarProduct,        // a_i·a_j
    NearSegment,       // a_i·a_k/(a_j + a_k)
    FarSegment,        // a_i·a_j/(a_j + a_k)
    AdjacentProduct,   // a_j·a_k
    SegmentProduct,    // near · far
    BisectorSquare,    // l² = a_j·a_k − near · far
    FormulaNumerator,  // a_j·a_k·a_i², of l² = a_j·a_k − a_j·a_k·a_i²/(a_j + a_k)²
    BaseBisector,      // √l²: for altitudes the bisector is this times k
    // The checks by a second route. Sides: the area as (1/2)·a_j·a_k·sin of the angle
    // between them, its cosine by the law of cosines; sides and altitudes: the bisector as
    // l = 2√(a_j·a_k·p(p − a_i))/(a_j + a_k), on the base triangle.
    CosineNumerator,  // a_j² + a_k² − a_i²
    Cosine,           // of the angle at vertex i: that over 2a_j·a_k
    SineSquare,       // 1 − cos²
    Sine,             // its root
    BisectorRadicand, // a_j·a_k·p(p − a_i)
    BisectorRoot,     // its root
    // Altitudes: the reciprocals over their least common denominator, 1/h_i = N_i/M, on the
    // way to the ratio N_a : N_b : N_c in coprime whole numbers.
    CommonNumerator,   // N_i
    CommonDenominator, // M
    // Medians: √(2m_j² + 2m_k² − m_i²), its square factor taken out.
    MedianRoot,
};

inline constexpr std::size_t kQuantities = static_cast<std::size_t>(Quantity::MedianRoot) + 1;

struct Named {
    Quantity quantity;
    int index = 0;

    bool operator==(const Named &) const = default;
};

// Which kinds of given lengths have a value, as a bit per InputMode.
inline constexpr unsigned kHeightsOnly = 1U << 0;
inline constexpr unsigned kSidesOnly = 1U << 1;
inline constexpr unsigned kMediansOnly = 1U << 2;
inline constexpr unsigned kEveryKind = 7U;

struct QuantityInfo {
    Quantity quantity;
    int count;      // indices 0 … count − 1
    unsigned kinds; // bits of InputMode
    // The value scales with the lengths to this power; for the base triangle's values, with
    // the base's (none for the ratio of altitudes) to it.
    int degree;
    bool ofBase = false;
};

inline constexpr std::array<QuantityInfo, kQuantities> kQuantityTable = {{
    {Quantity::Side, 3, kEveryKind, 1},
    {Quantity::Area, 1, kEveryKind, 2},
    {Quantity::Bisector, 3, kEveryKind, 1},
    {Quantity::Given, 3, kEveryKind, 1},
    {Quantity::Reciprocal, 3, kHeightsOnly, -1},
    {Quantity::Ratio, 3, kHeightsOnly, 0},
    {Quantity::BaseSum, 3, kEveryKind, 1, true},
    {Quantity::Perimeter, 1, kEveryKind, 1, true},
    {Quantity::HalfPerimeter, 1, kEveryKind, 1, true},
    {Quantity::HeronDifference, 3, kEveryKind, 1, true},
    {Quantity::HeronSquare, 1, kEveryKind, 4, true},
    {Quantity::HeronArea, 1, kEveryKind, 2, true},
    {Quantity::AltitudeArea, 1, kHeightsOnly, 1},
    {Quantity::Scale, 1, kHeightsOnly, 1},
    {Quantity::Factor, 4, kHeightsOnly, -1},
    {Quantity::InverseAreaSquared, 1, kHeightsOnly, -4},
    {Quantity::MedianRadicand, 3, kMediansOnly, 2},
    {Quantity::CheckRadicand, 3, kMediansOnly, 2},
    {Quantity::SideSquare, 3, kEveryKind, 2, true},
    {Quantity::AdjacentSum, 3, kEveryKind, 1, true},
    {Quantity::AdjacentSumSquare, 3, kEveryKind, 2, true},
    {Quantity::NearProduct, 3, kEveryKind, 2, true},
    {Quantity::FarProduct, 3, kEveryKind, 2, true},
    {Quantity::NearSegment, 3, kEveryKind, 1, true},
    {Quantity::FarSegment, 3, kEveryKind, 1, true},
    {Quantity::AdjacentProduct, 3, kEveryKind, 2, true},
    {Quantity::SegmentProduct, 3, kEveryKind, 2, true},
    {Quantity::BisectorSquare, 3, kEveryKind, 2, true},
    {Quantity::FormulaNumerator, 3, kEveryKind, 4, true},
    {Quantity::BaseBisector, 3, kEveryKind, 1, true},
    {Quantity::CosineNumerator, 3, kSidesOnly, 2},
    {Quantity::Cosine, 3, kSidesOnly, 0},
    {Quantity::SineSquare, 3, kSidesOnly, 0},
    {Quantity::Sine, 3, kSidesOnly, 0},
    {Quantity::BisectorRadicand, 3, kHeightsOnly | kSidesOnly, 4, true},
    {Quantity::BisectorRoot, 3, kHeightsOnly | kSidesOnly, 2, true},
    {Quantity::CommonNumerator, 3, kHeightsOnly, 0},
    {Quantity::CommonDenominator, 1, kHeightsOnly, 0},
    {Quantity::MedianRoot, 3, kMediansOnly, 1},
}};

inline constexpr const QuantityInfo &Info(Quantity quantity)
{
    return kQuantityTable[static_cast<std::size_t>(quantity)];
}

namespace detail
{
constexpr bool InOrder()
{
    for (std::size_t q = 0; q < kQuantities; ++q)
        if (static_cast<std::size_t>(kQuantityTable[q].quantity) != q)
            return false;
    return true;
}
static_assert(InOrder(), "the table is in the order of Quantity");

constexpr std::array<std::size_t, kQuantities + 1> FirstSlots()
{
    std::array<std::size_t, kQuantities + 1> first{};
    for (std::size_t q = 0; q < kQuantities; ++q)
        first[q + 1] = first[q] + static_cast<std::size_t>(kQuantityTable[q].count);
    return first;
}
inline constexpr std::array<std::size_t, kQuantities + 1> kFirstSlots = FirstSlots();
} // namespace detail

// A place for each value of every kind of solution.
inline constexpr std::size_t kQuantitySlots = detail::kFirstSlots[kQuantities];

inline constexpr std::size_t Slot(Named value)
{
    return detail::kFirstSlots[static_cast<std::size_t>(value.quantity)] +
           static_cast<std::size_t>(value.index);
}

// Whether a solution of the kind has the value.
inline constexpr bool Has(InputMode mode, Quantity quantity)
{
    return (Info(quantity).kinds >> static_cast<unsigned>(mode) & 1U) != 0;
}

// Its degree for the kind.
inline constexpr int Degree(InputMode mode, Quantity quantity)
{
    const QuantityInfo &info = Info(quantity);
    return info.ofBase && mode == InputMode::Heights ? 0 : info.degree;
}

// The results, which the report prints and which decide whether a triangle is in range.
inline constexpr std::array<Named, 7> kResults = {{{Quantity::Side, 0},
                                                   {Quantity::Side, 1},
                                                   {Quantity::Side, 2},
                                                   {Quantity::Area, 0},
                                                   {Quantity::Bisector, 0},
                                                   {Quantity::Bisector, 1},
                                                   {Quantity::Bisector, 2}}};

// Heron's formula over the altitudes, 1/S² = P1·P2·P3·P4 (Quantity::Factor): the sign of
// each reciprocal 1/h_a, 1/h_b, 1/h_c in each factor. P1 adds all three; P2, P3 and P4 turn
// the sign of 1/h_c, 1/h_b and 1/h_a. Every route that writes or works out the factors reads
// them here.
inline constexpr std::array<std::array<int, 3>, 4> kFactorSigns = {
    {{1, 1, 1}, {1, 1, -1}, {1, -1, 1}, {-1, 1, 1}}};

// The other two vertices of vertex i, in order: j = i + 1, k = i + 2.
inline constexpr int Next(int i, int step = 1)
{
    return (i + step) % 3;
}

} // namespace calc
