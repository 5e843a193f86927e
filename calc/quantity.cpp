#include "quantity.h"

#include <array>

namespace calc
{
namespace
{

constexpr Named kResults[] = {
    {Quantity::Side, 0},     {Quantity::Side, 1},     {Quantity::Side, 2},     {Quantity::Area, 0},
    {Quantity::Bisector, 0}, {Quantity::Bisector, 1}, {Quantity::Bisector, 2},
};

template<std::size_t N>
constexpr std::array<Named, 7 + N> WithResults(const std::array<Named, N> &derivation)
{
    std::array<Named, 7 + N> all{};
    for (std::size_t i = 0; i < 7; ++i)
        all[i] = kResults[i];
    for (std::size_t i = 0; i < N; ++i)
        all[7 + i] = derivation[i];
    return all;
}

constexpr std::array<Named, 4> kHeron = {
    {{Quantity::Heron, 0}, {Quantity::Heron, 1}, {Quantity::Heron, 2}, {Quantity::Heron, 3}}};

constexpr auto kHeightsValues = WithResults(std::array<Named, 8>{{
    {Quantity::Reciprocal, 0},
    {Quantity::Reciprocal, 1},
    {Quantity::Reciprocal, 2},
    {Quantity::Factor, 0},
    {Quantity::Factor, 1},
    {Quantity::Factor, 2},
    {Quantity::Factor, 3},
    {Quantity::InverseAreaSquared, 0},
}});
constexpr auto kSidesValues = WithResults(kHeron);
constexpr auto kMediansValues = WithResults(std::array<Named, 7>{{
    {Quantity::MedianRoot, 0},
    {Quantity::MedianRoot, 1},
    {Quantity::MedianRoot, 2},
    kHeron[0],
    kHeron[1],
    kHeron[2],
    kHeron[3],
}});

} // namespace

std::span<const Named> ValuesOf(InputMode mode)
{
    switch (mode) {
    case InputMode::Heights:
        return kHeightsValues;
    case InputMode::Sides:
        return kSidesValues;
    case InputMode::Medians:
        break;
    }
    return kMediansValues;
}

} // namespace calc
