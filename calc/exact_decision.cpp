#include "exact_decision.h"

#include <utility>

namespace calc::exact
{

// Sizes decide where they differ enough; where they do not, the exponents of the values
// compared differ by no more than their digits do, and the values are written out.
int SignOfExcess(const Decimal &x, Decimal y, Decimal z)
{
    if (Compare(y, z) < 0)
        std::swap(y, z); // y ≥ z
    if (x.Magnitude() >= y.Magnitude() + 2)
        return 1; // x ≥ 10^(m + 2) > 2 · 10^(m + 1) > y + z
    if (y.Magnitude() >= x.Magnitude() + 1)
        return -1; // y > x
    Integer xs = x.significand, ys = y.significand;
    const std::int64_t exponent = std::min(x.exponent, y.exponent);
    xs *= PowerOfTen(x.exponent - exponent);
    ys *= PowerOfTen(y.exponent - exponent);
    if (xs <= ys)
        return -1;
    return Compare(MakeDecimal(1, xs - ys, exponent), z);
}

Decision Decide(InputMode mode, const std::array<Decimal, 3> &lengths)
{
    for (int i = 0; i < 3; ++i)
        if (lengths[static_cast<std::size_t>(i)].sign <= 0)
            return {Refusal::NotPositive, i};
    for (int i = 0; i < 3; ++i) {
        const Decimal &x = lengths[static_cast<std::size_t>(i)];
        const Decimal &y = lengths[static_cast<std::size_t>((i + 1) % 3)];
        const Decimal &z = lengths[static_cast<std::size_t>((i + 2) % 3)];
        // For altitudes: 1/x ≥ 1/y + 1/z exactly when y·z ≥ x·z + x·y.
        const int sign = mode == InputMode::Heights
                             ? SignOfExcess(Times(y, z), Times(x, z), Times(x, y))
                             : SignOfExcess(x, y, z);
        if (sign > 0)
            return {Refusal::Exceeds, i};
        if (sign == 0)
            return {Refusal::Equals, i};
    }
    return {};
}

} // namespace calc::exact
