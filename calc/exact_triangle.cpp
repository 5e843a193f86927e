#include "exact_triangle.h"

#include "exact_form.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

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

std::int64_t Bits(const Integer &n)
{
    return static_cast<std::int64_t>(msb(n));
}

bool IsSquare(const Integer &n)
{
    const Integer root = RootFloor(n);
    return root * root == n;
}

bool IsSquare(const Rational &q)
{
    return IsSquare(numerator(q)) && IsSquare(denominator(q));
}

Rational ExactRoot(const Rational &q)
{
    return {RootFloor(numerator(q)), RootFloor(denominator(q))};
}

} // namespace

Rounded RoundToDouble(const Rational &q, bool root, std::int64_t exponent)
{
    if (q <= 0)
        return {};
    return RoundToDouble(numerator(q), denominator(q), root, exponent);
}

Rounded RoundToDouble(Integer n, Integer d, bool root, std::int64_t exponent)
{
    if (n <= 0 || d <= 0)
        return {}; // (an estimate of a value far below the range can come out as 0)
    // The value lies within a factor of 4 of 2^estimate: far outside the range, stop here.
    const std::int64_t power = root ? 2 * exponent : exponent;
    const double estimate =
        (static_cast<double>(Bits(n) - Bits(d)) + static_cast<double>(power) * 3.3219280948873623) /
        (root ? 2 : 1);
    if (estimate > 1030)
        return {HUGE_VAL, false};
    if (estimate < -1030)
        return {0, false};
    if (power > 0)
        n *= PowerOfTen(power);
    else if (power < 0)
        d *= PowerOfTen(-power);

    // An integer of 55 to 58 bits below the value times 2^shift, and whether anything
    // was left over: enough to round to 53 bits, ties to even.
    const std::int64_t difference = Bits(n) - Bits(d);
    const std::int64_t shift = 57 - (root ? difference / 2 : difference);
    const auto up = static_cast<unsigned>(std::max<std::int64_t>(root ? 2 * shift : shift, 0));
    const auto down = static_cast<unsigned>(std::max<std::int64_t>(root ? -2 * shift : -shift, 0));
    Integer quotient, remainder;
    divide_qr(Integer(n << up), Integer(d << down), quotient, remainder);
    Integer kept = root ? RootFloor(quotient) : quotient;
    const bool sticky = remainder != 0 || (root && kept * kept != quotient);

    const std::int64_t dropped = Bits(kept) + 1 - 53;
    std::int64_t scale = -shift;
    if (dropped > 0) {
        const auto bits = static_cast<unsigned>(dropped);
        const Integer rest = kept & ((Integer(1) << bits) - 1);
        const Integer half = Integer(1) << (bits - 1);
        kept >>= bits;
        scale += dropped;
        if (rest > half || (rest == half && (sticky || bit_test(kept, 0))))
            ++kept;
    }
    const double value =
        std::ldexp(static_cast<double>(kept.convert_to<std::uint64_t>()), static_cast<int>(scale));
    return {value, value >= DBL_MIN && value <= DBL_MAX};
}

std::string ReciprocalForm(const Decimal &length)
{
    if (length.sign <= 0 || length.Magnitude() < -kUnscaledMagnitude ||
        length.Magnitude() > kUnscaledMagnitude)
        return {};
    return RationalText(1 / ToRational(length));
}

ExactTriangle::ExactTriangle(InputMode mode, const std::array<Decimal, 3> &lengths) : mode_(mode)
{
    const auto [smallest, largest] =
        std::minmax({lengths[0].Magnitude(), lengths[1].Magnitude(), lengths[2].Magnitude()});
    if (largest - smallest > kMaxSpread) {
        comparable_ = false;
        return;
    }
    if (smallest < -kUnscaledMagnitude || largest > kUnscaledMagnitude)
        scale_ = largest;
    for (std::size_t i = 0; i < 3; ++i)
        x_[i] = ToRational(lengths[i], -scale_);
}

ExactTriangle::Entry ExactTriangle::Of(Kind kind, Rational rational, int degree)
{
    return {.kind = kind, .rational = std::move(rational), .fixed = {}, .degree = degree};
}

// Each value is worked out when it is first asked for, from the values it needs: most
// triangles that come here need only one or two of them.
const ExactTriangle::Entry &ExactTriangle::At(Named value)
{
    Entry &entry = entries_.at(Slot(value));
    if (!entry.made) {
        switch (mode_) {
        case InputMode::Heights:
            MakeForHeights(value, entry);
            break;
        case InputMode::Sides:
            MakeForSides(value, entry);
            break;
        case InputMode::Medians:
            MakeForMedians(value, entry);
            break;
        }
        entry.made = true;
    }
    return entry;
}

const Rational &ExactTriangle::Exact(Quantity quantity, int index)
{
    return At({quantity, index}).rational;
}

// Heron's formula on the sides themselves: p, p − a, p − b, p − c and S² are rational;
// l_a² = bc((b + c)² − a²) / (b + c)².
void ExactTriangle::MakeForSides(Named value, Entry &entry)
{
    const auto i = static_cast<std::size_t>(value.index);
    const Rational &a = x_[i % 3], &b = x_[(i + 1) % 3], &c = x_[(i + 2) % 3];
    switch (value.quantity) {
    case Quantity::Side:
        entry = Of(Kind::Value, a);
        break;
    case Quantity::Heron:
        entry = Of(Kind::Value, i == 0 ? Rational((x_[0] + x_[1] + x_[2]) / 2)
                                       : Rational(Exact(Quantity::Heron, 0) - x_[i - 1]));
        break;
    case Quantity::Area:
        entry = Of(Kind::Square,
                   Exact(Quantity::Heron, 0) * Exact(Quantity::Heron, 1) *
                       Exact(Quantity::Heron, 2) * Exact(Quantity::Heron, 3),
                   2);
        break;
    case Quantity::Bisector: {
        const Rational sum = b + c;
        entry = Of(Kind::Square, b * c * (sum * sum - a * a) / (sum * sum));
        break;
    }
    default:
        break;
    }
}

// With r = 1/h: 1/S² = P1 · P2 · P3 · P4 and a = 2S·r_a, so that every square is rational.
void ExactTriangle::MakeForHeights(Named value, Entry &entry)
{
    const int i = value.index;
    const auto r = [this](int k) -> const Rational & { return Exact(Quantity::Reciprocal, k % 3); };
    switch (value.quantity) {
    case Quantity::Reciprocal:
        entry = Of(Kind::Value, 1 / x_[static_cast<std::size_t>(i)], -1);
        break;
    case Quantity::Factor: { // P1 = r_a + r_b + r_c; P2, P3, P4 turn the sign of r_c, r_b, r_a
        Rational factor = r(0) + r(1) + r(2);
        if (i > 0)
            factor -= 2 * r(3 - i);
        entry = Of(Kind::Value, factor, -1);
        break;
    }
    case Quantity::InverseAreaSquared:
        entry = Of(Kind::Value,
                   Exact(Quantity::Factor, 0) * Exact(Quantity::Factor, 1) *
                       Exact(Quantity::Factor, 2) * Exact(Quantity::Factor, 3),
                   -4);
        break;
    case Quantity::Area:
        entry = Of(Kind::Square, 1 / Exact(Quantity::InverseAreaSquared, 0), 2);
        break;
    case Quantity::Side:
        entry = Of(Kind::Square, 4 * Exact(Quantity::Area, 0) * r(i) * r(i));
        break;
    case Quantity::Bisector: {
        const Rational sum = r(i + 1) + r(i + 2);
        entry = Of(Kind::Square, 4 * Exact(Quantity::Area, 0) * r(i + 1) * r(i + 2) *
                                     (sum * sum - r(i) * r(i)) / (sum * sum));
        break;
    }
    default:
        break;
    }
}

// side = (2/3)·√(2m² + 2m'² − m₀²): the squares of the sides are rational, and so is S²
// (16S² = 2(a²b² + b²c² + c²a²) − a⁴ − b⁴ − c⁴). A bisector's square
// l_a² = bc((b + c)² − a²)/(b + c)² is rational when bc is; p and p − a are sums of roots.
void ExactTriangle::MakeForMedians(Named value, Entry &entry)
{
    const auto i = static_cast<std::size_t>(value.index);
    const auto square = [this](std::size_t k) -> const Rational & {
        return Exact(Quantity::Side, static_cast<int>(k % 3));
    };
    switch (value.quantity) {
    case Quantity::MedianRoot: {
        const Rational &m0 = x_[i], &m = x_[(i + 1) % 3], &m1 = x_[(i + 2) % 3];
        entry = Of(Kind::Square, 2 * m * m + 2 * m1 * m1 - m0 * m0);
        break;
    }
    case Quantity::Side:
        entry = Of(Kind::Square, Exact(Quantity::MedianRoot, value.index) * 4 / 9);
        break;
    case Quantity::Area: {
        const Rational &a2 = square(0), &b2 = square(1), &c2 = square(2);
        entry = Of(Kind::Square,
                   (2 * (a2 * b2 + b2 * c2 + c2 * a2) - (a2 * a2 + b2 * b2 + c2 * c2)) / 16, 2);
        break;
    }
    case Quantity::Bisector: {
        if (!SquareIsRational(value)) {
            EstimateMedianValue(value, entry);
            break;
        }
        const Rational bc = ExactRoot(square(i + 1) * square(i + 2));
        const Rational sum = square(i + 1) + square(i + 2) + 2 * bc;
        entry = Of(Kind::Square, bc * (sum - square(i)) / sum);
        break;
    }
    case Quantity::Heron:
        EstimateMedianValue(value, entry);
        break;
    default:
        break;
    }
}

// Fixed-point arithmetic for the medians' values that are sums of roots: integers that count
// units of 2^−bits, truncating each result.
class FixedPoint
{
public:
    explicit FixedPoint(unsigned bits) : bits_(bits) {}

    // Enough bits for 192 correct ones in the smallest of `values` (all positive).
    static unsigned BitsFor(std::initializer_list<const Rational *> values)
    {
        std::int64_t smallest = 0;
        for (const Rational *value : values)
            smallest = std::min(smallest, Bits(numerator(*value)) - Bits(denominator(*value)));
        return static_cast<unsigned>(192 - smallest);
    }

    Integer From(const Rational &q) const { return (numerator(q) << bits_) / denominator(q); }
    Integer Times(const Integer &x, const Integer &y) const { return (x * y) >> bits_; }
    Integer Over(const Integer &x, const Integer &y) const { return (x << bits_) / y; }
    Integer Root(const Integer &x) const { return RootFloor(Integer(x << bits_)); }

private:
    unsigned bits_;
};

// A medians' value that is a sum of roots, to 150 bits or more, in a form without
// cancellation: p = (a + b + c)/2; p − a = ((b + c)² − a²) / (2(a + b + c)), and
// l_a² = bc((b + c)² − a²) / (b + c)², where (b + c)² − a² = 2bc + (b² + c² − a²) when
// that sum is positive, and 16S² / (2bc − (b² + c² − a²)) when it is not.
void ExactTriangle::EstimateMedianValue(Named value, Entry &entry)
{
    if (fixedBits_ == 0) {
        const Rational areaSquared16 = 16 * Exact(Quantity::Area, 0);
        fixedBits_ = FixedPoint::BitsFor({&Exact(Quantity::Side, 0), &Exact(Quantity::Side, 1),
                                          &Exact(Quantity::Side, 2), &areaSquared16});
        const FixedPoint fixed(fixedBits_);
        for (int k = 0; k < 3; ++k) {
            const auto u = static_cast<std::size_t>(k);
            fixedSquares_[u] = fixed.From(Exact(Quantity::Side, k));
            fixedSides_[u] = fixed.Root(fixedSquares_[u]);
        }
        fixedPerimeter_ = fixedSides_[0] + fixedSides_[1] + fixedSides_[2];
        fixedArea16_ = fixed.From(areaSquared16);
    }
    const FixedPoint fixed(fixedBits_);
    entry.kind = Kind::Estimate;
    if (value.quantity == Quantity::Heron && value.index == 0) {
        entry.fixed = fixedPerimeter_ >> 1;
        return;
    }
    const int a = value.quantity == Quantity::Heron ? value.index - 1 : value.index;
    const int b = (a + 1) % 3, c = (a + 2) % 3;
    const auto j = static_cast<std::size_t>(b), k = static_cast<std::size_t>(c);
    const Integer bc = fixed.Times(fixedSides_[j], fixedSides_[k]);
    const Rational excess =
        Exact(Quantity::Side, b) + Exact(Quantity::Side, c) - Exact(Quantity::Side, a);
    const Integer t = excess >= 0 ? Integer(2 * bc + fixed.From(excess))
                                  : fixed.Over(fixedArea16_, 2 * bc + fixed.From(-excess));
    if (value.quantity == Quantity::Heron)
        entry.fixed = fixed.Over(t, 2 * fixedPerimeter_);
    else
        entry.fixed = fixed.Root(
            fixed.Over(fixed.Times(bc, t), fixedSquares_[j] + fixedSquares_[k] + 2 * bc));
}

Rounded ExactTriangle::Value(Named value)
{
    const Entry &entry = At(value);
    const std::int64_t exponent = entry.degree * scale_;
    switch (entry.kind) {
    case Kind::Estimate:
        return RoundToDouble(entry.fixed, Integer(1) << fixedBits_, false, exponent);
    case Kind::Value:
        return RoundToDouble(entry.rational, false, exponent);
    case Kind::Square:
        return RoundToDouble(entry.rational, true, exponent);
    case Kind::None:
        break;
    }
    return {};
}

// Whether the value's square is rational, told before the value is worked out: for
// medians, p and p − a are sums of roots, and so is a bisector's square when bc is.
bool ExactTriangle::SquareIsRational(Named value)
{
    if (mode_ != InputMode::Medians)
        return true;
    if (value.quantity == Quantity::Heron)
        return false;
    if (value.quantity != Quantity::Bisector)
        return true;
    const auto i = static_cast<std::size_t>(value.index);
    return IsSquare(Exact(Quantity::Side, static_cast<int>((i + 1) % 3)) *
                    Exact(Quantity::Side, static_cast<int>((i + 2) % 3)));
}

std::string ExactTriangle::Form(Named value)
{
    // No exact form is worth the estimate of a sum of roots, which has none.
    if (!comparable_ || scale_ != 0 || !SquareIsRational(value))
        return {};
    const Entry &entry = At(value);
    if (entry.kind == Kind::Value)
        return RationalText(entry.rational);
    if (entry.kind == Kind::Square)
        return RootText(entry.rational);
    return {};
}

} // namespace calc::exact
