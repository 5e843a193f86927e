#include "exact_values.h"

#include <algorithm>
#include <cfloat>
#include <numeric>

namespace calc::exact
{
namespace
{

// Lengths further apart in size than this many orders of magnitude make a triangle one
// of whose sides, bisectors or area is beyond the range of doubles: the ratio of two
// normal doubles is below 10^617, and the longest side is within a small factor of the
// largest length, the shortest bisector of the smallest (for medians, 4S/(b + c) bounds
// the bisector of the largest angle, and S ≤ (2/3) · m_min · m_max).
constexpr std::int64_t kMaxSpread = 700;

// Lengths within this many orders of magnitude of 1 are taken as they are; beyond, they
// are scaled (the exact forms of such values would be far longer than 40 characters).
constexpr std::int64_t kUnscaledMagnitude = 400;

// The approximations start with enough bits for fifteen digits and a wide margin, and take
// four times as many while their ends round to different digits (a value made of nearly
// cancelling terms), up to a bound no triangle of the lengths the reader takes comes near.
constexpr unsigned kFirstBits = 128;
constexpr unsigned kMostBits = 1U << 18;

// The formula of each value, once, over numbers of type T: exact values (Quadratic) or
// approximations (Interval). `at` gives the other values, `constant` the number n/d.
template<typename T, typename At, typename Constant>
T Formula(InputMode mode, Named value, const At &at, const Constant &constant)
{
    const int i = value.index, j = Next(i), k = Next(i, 2);
    const auto of = [&at](Quantity quantity, int index = 0) { return at(Named{quantity, index}); };
    // The sides the bisectors are worked out on: for altitudes the ratio's, in k.
    const auto side = [&of, mode](int n) {
        return of(mode == InputMode::Heights ? Quantity::Ratio : Quantity::Side, n);
    };
    // The triangle Heron's formula is taken of.
    const auto base = [&of, mode](int n) {
        return of(mode == InputMode::Heights ? Quantity::Ratio : Quantity::Given, n);
    };
    switch (value.quantity) {
    case Quantity::Side:
        if (mode == InputMode::Heights)
            return of(Quantity::Ratio, i) * of(Quantity::Scale);
        if (mode == InputMode::Sides)
            return of(Quantity::Given, i);
        return constant(2, 3) * Root(of(Quantity::MedianRadicand, i));
    case Quantity::Area:
        if (mode == InputMode::Heights)
            return of(Quantity::AltitudeArea) * of(Quantity::Scale);
        if (mode == InputMode::Sides)
            return of(Quantity::HeronArea);
        return constant(4, 3) * of(Quantity::HeronArea);
    case Quantity::Bisector:
        if (mode == InputMode::Heights)
            return of(Quantity::BaseBisector, i) * of(Quantity::Scale);
        return of(Quantity::BaseBisector, i);
    case Quantity::BaseBisector:
        return Root(of(Quantity::BisectorSquare, i));
    case Quantity::Reciprocal:
        return constant(1, 1) / of(Quantity::Given, i);
    case Quantity::BaseSum:
        return base(j) + base(k);
    case Quantity::Perimeter:
        return base(0) + base(1) + base(2);
    case Quantity::HalfPerimeter:
        return of(Quantity::Perimeter) / constant(2, 1);
    case Quantity::HeronDifference:
        return of(Quantity::HalfPerimeter) - base(i);
    case Quantity::HeronSquare:
        return of(Quantity::HalfPerimeter) * of(Quantity::HeronDifference, 0) *
               of(Quantity::HeronDifference, 1) * of(Quantity::HeronDifference, 2);
    case Quantity::HeronArea:
        return Root(of(Quantity::HeronSquare));
    case Quantity::AltitudeArea:
        return of(Quantity::Ratio, 0) * of(Quantity::Given, 0) / constant(2, 1);
    case Quantity::Scale:
        return of(Quantity::AltitudeArea) / of(Quantity::HeronArea);
    case Quantity::Factor: {
        const auto &signs = kFactorSigns.at(static_cast<std::size_t>(i));
        const auto term = [&](int n) {
            return constant(signs.at(static_cast<std::size_t>(n)), 1) * of(Quantity::Reciprocal, n);
        };
        return term(0) + term(1) + term(2);
    }
    case Quantity::InverseAreaSquared:
        return of(Quantity::Factor, 0) * of(Quantity::Factor, 1) * of(Quantity::Factor, 2) *
               of(Quantity::Factor, 3);
    case Quantity::MedianRadicand: {
        const T m = of(Quantity::Given, i), mj = of(Quantity::Given, j),
                mk = of(Quantity::Given, k);
        return constant(2, 1) * mj * mj + constant(2, 1) * mk * mk - m * m;
    }
    case Quantity::CheckRadicand:
        return constant(2, 1) * of(Quantity::SideSquare, j) +
               constant(2, 1) * of(Quantity::SideSquare, k) - of(Quantity::SideSquare, i);
    case Quantity::SideSquare:
        return side(i) * side(i);
    case Quantity::AdjacentSum:
        return side(j) + side(k);
    case Quantity::AdjacentSumSquare:
        return of(Quantity::AdjacentSum, i) * of(Quantity::AdjacentSum, i);
    case Quantity::NearProduct:
        return side(i) * side(k);
    case Quantity::FarProduct:
        return side(i) * side(j);
    case Quantity::NearSegment:
        return of(Quantity::NearProduct, i) / of(Quantity::AdjacentSum, i);
    case Quantity::FarSegment:
        return of(Quantity::FarProduct, i) / of(Quantity::AdjacentSum, i);
    case Quantity::AdjacentProduct:
        return side(j) * side(k);
    case Quantity::SegmentProduct:
        return of(Quantity::NearSegment, i) * of(Quantity::FarSegment, i);
    case Quantity::BisectorSquare:
        return of(Quantity::AdjacentProduct, i) - of(Quantity::SegmentProduct, i);
    case Quantity::FormulaNumerator:
        return of(Quantity::AdjacentProduct, i) * of(Quantity::SideSquare, i);
    case Quantity::CosineNumerator:
        return of(Quantity::SideSquare, j) + of(Quantity::SideSquare, k) -
               of(Quantity::SideSquare, i);
    case Quantity::Cosine:
        return of(Quantity::CosineNumerator, i) /
               (constant(2, 1) * of(Quantity::AdjacentProduct, i));
    case Quantity::SineSquare:
        return constant(1, 1) - of(Quantity::Cosine, i) * of(Quantity::Cosine, i);
    case Quantity::Sine:
        return Root(of(Quantity::SineSquare, i));
    case Quantity::BisectorRadicand:
        return of(Quantity::AdjacentProduct, i) * of(Quantity::HalfPerimeter) *
               of(Quantity::HeronDifference, i);
    case Quantity::BisectorRoot:
        return Root(of(Quantity::BisectorRadicand, i));
    case Quantity::MedianRoot:
        return Root(of(Quantity::MedianRadicand, i));
    case Quantity::Given:
    case Quantity::Ratio:
    case Quantity::CommonNumerator:
    case Quantity::CommonDenominator:
        break; // (read, or whole numbers of the ratio's)
    }
    return T();
}

} // namespace

Values::Values(InputMode mode, const std::array<Decimal, 3> &lengths) : mode_(mode)
{
    std::array<std::int64_t, 3> magnitudes{};
    for (std::size_t i = 0; i < 3; ++i) {
        positive_[i] = lengths[i].sign > 0;
        magnitudes[i] = lengths[i].sign != 0 ? lengths[i].Magnitude() : 0;
    }
    const auto [smallest, largest] = std::minmax_element(magnitudes.begin(), magnitudes.end());
    if (*largest - *smallest > kMaxSpread) {
        comparable_ = false;
        return;
    }
    if (*smallest < -kUnscaledMagnitude || *largest > kUnscaledMagnitude)
        scale_ = *largest;
    for (std::size_t i = 0; i < 3; ++i)
        x_[i] = ToRational(lengths[i], -scale_);
}

Values::Entry &Values::At(Named value) const
{
    return entries_.at(Slot(value));
}

const Quadratic &Values::ValueOf(Named value) const
{
    Entry &entry = At(value);
    if (!entry.valued) {
        entry.exact.value = comparable_ ? Make(value) : Quadratic();
        entry.valued = true;
    }
    return entry.exact.value;
}

// The sides' ratio a : b : c = 1/h_a : 1/h_b : 1/h_c in coprime whole numbers (`part`
// Ratio); on the way, the reciprocals' least common denominator M (CommonDenominator) and
// their numerators over it (CommonNumerator).
Quadratic Values::Ratio(Quantity part, int index) const
{
    if (!std::all_of(positive_.begin(), positive_.end(), [](bool p) { return p; }))
        return {};
    std::array<Rational, 3> reciprocals;
    Integer multiple = 1;
    for (std::size_t i = 0; i < 3; ++i) {
        reciprocals[i] = 1 / x_[i];
        multiple = lcm(multiple, denominator(reciprocals[i]));
    }
    if (part == Quantity::CommonDenominator)
        return Quadratic(Rational(multiple));
    Integer divisor = 0;
    for (const Rational &r : reciprocals)
        divisor = gcd(divisor, Integer(numerator(r) * (multiple / denominator(r))));
    const Rational &r = reciprocals[static_cast<std::size_t>(index)];
    const Integer over = numerator(r) * (multiple / denominator(r));
    return Quadratic(Rational(part == Quantity::CommonNumerator ? over : over / divisor));
}

Quadratic Values::Make(Named value) const
{
    if (!Has(mode_, value.quantity))
        return {};
    if (value.quantity == Quantity::Given)
        return Quadratic(x_.at(static_cast<std::size_t>(value.index)));
    if (value.quantity == Quantity::Ratio || value.quantity == Quantity::CommonNumerator ||
        value.quantity == Quantity::CommonDenominator)
        return Ratio(value.quantity, value.index);
    return Formula<Quadratic>(
        mode_, value, [this](Named other) { return ValueOf(other); },
        [](int n, int d) { return Quadratic(Rational(n, d)); });
}

Interval Values::Approximate(Named value, unsigned bits) const
{
    if (approximationBits_ != bits) {
        approximations_.assign(kQuantitySlots, std::nullopt);
        approximationBits_ = bits;
    }
    std::optional<Interval> &approximation = approximations_[Slot(value)];
    if (approximation)
        return *approximation;
    const Quadratic &known = ValueOf(value);
    if (known.Known())
        approximation = Interval::Of(known, bits);
    else
        approximation = Formula<Interval>(
            mode_, value, [this, bits](Named other) { return Approximate(other, bits); },
            [bits](int n, int d) { return Interval::Of(Quadratic(Rational(n, d)), bits); });
    return *approximation;
}

std::int64_t Values::Exponent(Named value) const
{
    return Degree(mode_, value.quantity) * scale_;
}

const Digits &Values::DigitsOf(Named value) const
{
    Entry &entry = At(value);
    if (entry.digitsMade)
        return entry.exact.digits;
    entry.digitsMade = true;
    const Quadratic &known = ValueOf(value);
    const std::int64_t exponent = Exponent(value);
    Digits &digits = entry.exact.digits;
    if (known.ShapeOf() == Quadratic::Shape::Quotient) {
        digits = RoundToDigits(known.Number(), false, exponent);
    } else if (known.ShapeOf() == Quadratic::Shape::Root) {
        digits = RoundToDigits(known.Number(), true, exponent, known.Sign() < 0);
    } else if (comparable_) {
        for (unsigned bits = kFirstBits; bits <= kMostBits; bits *= 4) {
            const Interval approximation = Approximate(value, bits);
            if (!approximation.Known())
                continue;
            digits = RoundToDigits(approximation.Lower(), false, exponent);
            if (digits == RoundToDigits(approximation.Upper(), false, exponent))
                break;
        }
    }
    return digits;
}

const std::optional<Surd> &Values::FormOf(Named value) const
{
    Entry &entry = At(value);
    if (!entry.formMade) {
        entry.formMade = true;
        if (!Scaled())
            entry.exact.form = exact::FormOf(ValueOf(value));
    }
    return entry.exact.form;
}

const Exact &Values::Of(Named value) const
{
    DigitsOf(value);
    FormOf(value);
    return At(value).exact;
}

Rounded Values::Nearest(Named value) const
{
    const Quadratic &known = ValueOf(value);
    const std::int64_t exponent = Exponent(value);
    if (known.Known())
        return known.Sign() > 0 ? RoundToDouble(known.Number(),
                                                known.ShapeOf() == Quadratic::Shape::Root, exponent)
                                : Rounded{};
    if (!comparable_)
        return {};
    Rounded lower;
    for (unsigned bits = kFirstBits; bits <= kMostBits; bits *= 4) {
        const Interval approximation = Approximate(value, bits);
        if (!approximation.Known())
            continue;
        const Rational low = approximation.Lower(), high = approximation.Upper();
        if (high <= 0)
            return {};
        lower = low > 0 ? RoundToDouble(low, false, exponent) : Rounded{};
        const Rounded upper = RoundToDouble(high, false, exponent);
        if (low > 0 && lower.value == upper.value && lower.inRange == upper.inRange)
            return lower;
    }
    return lower;
}

} // namespace calc::exact
