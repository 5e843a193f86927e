#pragma once

// The values of a solution by name: each side, the area, each bisector and each value of
// the derivation, so that the double formulas, the exact values and the Solution they
// fill can be walked side by side.

#include "triangle.h"

#include <cstddef>
#include <span>
#include <string>

namespace calc
{

enum class Quantity {
    Side,               // index 0, 1, 2
    Area,               // index 0
    Bisector,           // index 0, 1, 2
    Reciprocal,         // altitudes: index 0, 1, 2
    Factor,             // altitudes: P1 … P4, index 0 … 3
    InverseAreaSquared, // altitudes: index 0
    MedianRoot,         // medians: index 0, 1, 2
    Heron,              // sides and medians: p, p − a, p − b, p − c, index 0 … 3
};

struct Named {
    Quantity quantity;
    int index = 0;
};

// A place for each value of every kind of solution.
inline constexpr std::size_t kQuantitySlots = 22;
inline std::size_t Slot(Named value)
{
    constexpr std::size_t kFirst[] = {0, 3, 4, 7, 10, 14, 15, 18};
    return kFirst[static_cast<std::size_t>(value.quantity)] + static_cast<std::size_t>(value.index);
}

// The values a solution of a kind has, the results first.
std::span<const Named> ValuesOf(InputMode mode);

// A result: a side, the area or a bisector; it decides whether the triangle is in range.
inline bool IsResult(Named value)
{
    return value.quantity == Quantity::Side || value.quantity == Quantity::Area ||
           value.quantity == Quantity::Bisector;
}

// The place of a value among the members that Triangle and Derivation name: `results`
// has the sides, the area and the bisectors, `derivation` the rest.
template<typename Results, typename Derived>
auto &Place(Results &results, Derived &derivation, Named value)
{
    const auto i = static_cast<std::size_t>(value.index);
    switch (value.quantity) {
    case Quantity::Side:
        return results.sides[i];
    case Quantity::Area:
        return results.area;
    case Quantity::Bisector:
        return results.bisectors[i];
    case Quantity::Reciprocal:
        return derivation.reciprocals[i];
    case Quantity::Factor:
        return derivation.factors[i];
    case Quantity::InverseAreaSquared:
        return derivation.inverseAreaSquared;
    case Quantity::MedianRoot:
        return derivation.medianRoots[i];
    case Quantity::Heron:
        break;
    }
    return derivation.heron[i];
}

inline double &ValueIn(Solution &solution, Named value)
{
    return Place(solution.triangle, solution.derivation, value);
}

inline std::string &FormIn(ExactForms &forms, Named value)
{
    return Place(forms, forms, value);
}

} // namespace calc
