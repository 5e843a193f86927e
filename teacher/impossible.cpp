#include "impossible.h"

#include <cmath>

namespace teacher
{
namespace
{

using calc::InputMode;

// A whole length from `least` to `most` units, in thousandths.
Units Whole(Random &random, Units least, Units most)
{
    return kUnit *
           (least + static_cast<Units>(random.Below(static_cast<std::size_t>(most - least + 1))));
}

// Whether the doubles nearest to a and b add up to other than the double nearest to a + b.
bool SumRoundsAway(Units a, Units b)
{
    return Nearest(a) + Nearest(b) != Nearest(a + b);
}

// Decimals a and b, of one decimal at level 1 and two above, whose sum rounds away.
std::pair<Units, Units> DecimalPair(int level, Random &random)
{
    const Units step = level == 1 ? 100 : 10;
    while (true) {
        const Units a = step * (1 + static_cast<Units>(random.Below(level == 1 ? 49 : 499)));
        const Units b = step * (1 + static_cast<Units>(random.Below(level == 1 ? 49 : 499)));
        if (a % kUnit != 0 && b % kUnit != 0 && SumRoundsAway(a, b))
            return {a, b};
    }
}

// Altitudes whose reciprocals fail: 1/h = 1/p + 1/q for h = pq/(p + q).
Triple Reciprocals(Flaw flaw, int level, Random &random)
{
    while (true) {
        Units p = 0, q = 0;
        if (flaw == Flaw::DecimalSum) { // p and q with one decimal, h too: 0,3 0,6 0,2
            p = 100 * (1 + static_cast<Units>(random.Below(40)));
            q = 100 * (1 + static_cast<Units>(random.Below(40)));
        } else {
            p = Whole(random, 2, level == 1 ? 12 : 20);
            q = Whole(random, 2, level == 1 ? 12 : 20);
        }
        const Units product = p * q; // in millionths
        const Units step = flaw == Flaw::DecimalSum ? 100 : (level == 1 ? 100 : 10);
        if (product % ((p + q) * step) != 0)
            continue;
        const Units h = product / (p + q);
        if (h < 100)
            continue;
        if (flaw == Flaw::TooLong) // 1/h more than 1/p + 1/q: h less, by a half
            return {p, q, h / 2 - h / 2 % step};
        return {p, q, h};
    }
}

} // namespace

const std::vector<Flaw> &Flaws(InputMode mode)
{
    static const std::vector<Flaw> kLengths = {Flaw::Equal, Flaw::TooLong, Flaw::DecimalSum};
    static const std::vector<Flaw> kMedians = {Flaw::Equal, Flaw::TooLong, Flaw::DecimalSum,
                                               Flaw::NegativeSquare};
    return mode == InputMode::Medians ? kMedians : kLengths;
}

Triple Impossible(InputMode mode, Flaw flaw, int level, Random &random)
{
    if (mode == InputMode::Heights)
        return Reciprocals(flaw, level, random);
    const Units most = level == 1 ? 12 : 20;
    switch (flaw) {
    case Flaw::Equal: {
        const Units a = Whole(random, 1, most), b = Whole(random, 1, most);
        return {a, b, a + b};
    }
    case Flaw::DecimalSum: {
        const auto [a, b] = DecimalPair(level, random);
        return {a, b, a + b};
    }
    case Flaw::TooLong:
        while (true) {
            const Units a = Whole(random, 1, most), b = Whole(random, 1, most);
            if (mode != InputMode::Medians)
                return {a, b, a + b + Whole(random, 1, most / 2)};
            // Medians beyond a + b, the side's radicand positive all the same: below
            // √(2a² + 2b²).
            const Units m = a + b + kUnit;
            const double x = static_cast<double>(a), y = static_cast<double>(b);
            if (static_cast<double>(m) * static_cast<double>(m) < 2 * x * x + 2 * y * y)
                return {a, b, m};
        }
    case Flaw::NegativeSquare: {
        const Units a = Whole(random, 1, most / 2), b = Whole(random, 1, most / 2);
        const double root = std::sqrt(2.0 * static_cast<double>(a) * static_cast<double>(a) +
                                      2.0 * static_cast<double>(b) * static_cast<double>(b));
        const Units c =
            kUnit * (static_cast<Units>(root) / kUnit + 1 + static_cast<Units>(random.Below(3)));
        return {a, b, c};
    }
    }
    return {};
}

} // namespace teacher
