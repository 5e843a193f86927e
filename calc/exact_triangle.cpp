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
    Integer n = numerator(q);
    Integer d = denominator(q);
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

ExactTriangle::ExactTriangle(InputMode mode, const std::array<Decimal, 3> &lengths)
{
    const auto [smallest, largest] =
        std::minmax({lengths[0].Magnitude(), lengths[1].Magnitude(), lengths[2].Magnitude()});
    if (largest - smallest > kMaxSpread) {
        comparable_ = false;
        return;
    }
    if (smallest < -kUnscaledMagnitude || largest > kUnscaledMagnitude)
        scale_ = largest;
    std::array<Rational, 3> x;
    for (std::size_t i = 0; i < 3; ++i)
        x[i] = ToRational(lengths[i], -scale_);
    switch (mode) {
    case InputMode::Heights:
        FromHeights(x);
        break;
    case InputMode::Sides:
        FromSides(x);
        break;
    case InputMode::Medians:
        FromMedians(x);
        break;
    }
}

void ExactTriangle::Set(Quantity quantity, int index, Kind kind, Rational rational, int degree)
{
    entries_.at(Slot({quantity, index})) = {kind, std::move(rational), degree};
}

// Heron's formula on the sides themselves: p, p − a, p − b, p − c and S² are rational.
void ExactTriangle::FromSides(const std::array<Rational, 3> &x)
{
    const Rational p = (x[0] + x[1] + x[2]) / 2;
    Set(Quantity::Heron, 0, Kind::Value, p);
    Rational areaSquared = p;
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Rational &a = x[u], &b = x[(u + 1) % 3], &c = x[(u + 2) % 3];
        Set(Quantity::Side, i, Kind::Value, a);
        Set(Quantity::Heron, i + 1, Kind::Value, p - a);
        areaSquared *= p - a;
        // l_a² = bc((b + c)² − a²) / (b + c)²
        const Rational sum = b + c;
        Set(Quantity::Bisector, i, Kind::Square, b * c * (sum * sum - a * a) / (sum * sum));
    }
    Set(Quantity::Area, 0, Kind::Square, areaSquared, 2);
}

// With r = 1/h: 1/S² = P1 · P2 · P3 · P4 and a = 2S·r_a, so that every square is rational.
void ExactTriangle::FromHeights(const std::array<Rational, 3> &x)
{
    std::array<Rational, 3> r;
    for (std::size_t i = 0; i < 3; ++i) {
        r[i] = 1 / x[i];
        Set(Quantity::Reciprocal, static_cast<int>(i), Kind::Value, r[i], -1);
    }
    const std::array<Rational, 4> factors = {r[0] + r[1] + r[2], r[0] + r[1] - r[2],
                                             r[0] - r[1] + r[2], -r[0] + r[1] + r[2]};
    Rational inverse = 1;
    for (int i = 0; i < 4; ++i) {
        Set(Quantity::Factor, i, Kind::Value, factors[static_cast<std::size_t>(i)], -1);
        inverse *= factors[static_cast<std::size_t>(i)];
    }
    Set(Quantity::InverseAreaSquared, 0, Kind::Value, inverse, -4);
    const Rational areaSquared = 1 / inverse;
    Set(Quantity::Area, 0, Kind::Square, areaSquared, 2);
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Rational &ra = r[u], &rb = r[(u + 1) % 3], &rc = r[(u + 2) % 3];
        Set(Quantity::Side, i, Kind::Square, 4 * areaSquared * ra * ra);
        const Rational sum = rb + rc;
        Set(Quantity::Bisector, i, Kind::Square,
            4 * areaSquared * rb * rc * (sum * sum - ra * ra) / (sum * sum));
    }
}

// side = (2/3)·√(2m² + 2m'² − m₀²): the squares of the sides are rational, and so is S²
// (16S² = 2(a²b² + b²c² + c²a²) − a⁴ − b⁴ − c⁴). A bisector's square
// l_a² = bc((b + c)² − a²)/(b + c)² is rational when bc is; p and p − a are sums of roots.
void ExactTriangle::FromMedians(const std::array<Rational, 3> &x)
{
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Rational &m0 = x[u], &m = x[(u + 1) % 3], &m1 = x[(u + 2) % 3];
        const Rational rootSquared = 2 * m * m + 2 * m1 * m1 - m0 * m0;
        Set(Quantity::MedianRoot, i, Kind::Square, rootSquared);
        squares_[u] = rootSquared * 4 / 9;
        Set(Quantity::Side, i, Kind::Square, squares_[u]);
    }
    const Rational &a2 = squares_[0], &b2 = squares_[1], &c2 = squares_[2];
    const Rational areaSquared =
        (2 * (a2 * b2 + b2 * c2 + c2 * a2) - (a2 * a2 + b2 * b2 + c2 * c2)) / 16;
    Set(Quantity::Area, 0, Kind::Square, areaSquared, 2);
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Rational &aa = squares_[u], &bb = squares_[(u + 1) % 3], &cc = squares_[(u + 2) % 3];
        const Rational product = bb * cc;
        if (IsSquare(product)) {
            const Rational bc = ExactRoot(product);
            const Rational sum = bb + cc + 2 * bc;
            Set(Quantity::Bisector, i, Kind::Square, bc * (sum - aa) / sum);
        } else {
            Set(Quantity::Bisector, i, Kind::Later, 0);
        }
    }
    for (int i = 0; i < 4; ++i)
        Set(Quantity::Heron, i, Kind::Later, 0);
}

// Fixed-point arithmetic for the medians' values that are sums of roots: integers that count
// units of 2^−bits, truncating each result.
class FixedPoint
{
public:
    // Enough bits for 160 correct ones in the smallest of `values` (all positive).
    explicit FixedPoint(std::initializer_list<const Rational *> values)
    {
        std::int64_t smallest = 0;
        for (const Rational *value : values)
            smallest = std::min(smallest, Bits(numerator(*value)) - Bits(denominator(*value)));
        bits_ = static_cast<unsigned>(192 - smallest);
    }

    Integer From(const Rational &q) const { return (numerator(q) << bits_) / denominator(q); }
    Rational ToRational(const Integer &x) const { return {x, Integer(1) << bits_}; }
    Integer Times(const Integer &x, const Integer &y) const { return (x * y) >> bits_; }
    Integer Over(const Integer &x, const Integer &y) const { return (x << bits_) / y; }
    Integer Root(const Integer &x) const { return RootFloor(Integer(x << bits_)); }

private:
    unsigned bits_ = 0;
};

// The medians' values that are sums of roots, to 150 bits or more, in forms without
// cancellation: (b + c)² − a² = 2bc + (b² + c² − a²) where that sum is positive, and
// 16S² / (2bc − (b² + c² − a²)) where it is not.
void ExactTriangle::EstimateMedianValues()
{
    const Rational areaSquared16 = 16 * entries_[Slot({Quantity::Area})].rational;
    const FixedPoint fixed({&squares_[0], &squares_[1], &squares_[2], &areaSquared16});
    std::array<Integer, 3> squares, sides;
    for (std::size_t i = 0; i < 3; ++i) {
        squares[i] = fixed.From(squares_[i]);
        sides[i] = fixed.Root(squares[i]);
    }
    const Integer area16 = fixed.From(areaSquared16);
    const Integer perimeter = sides[0] + sides[1] + sides[2];
    Set(Quantity::Heron, 0, Kind::Estimate, fixed.ToRational(perimeter) / 2);
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const std::size_t j = (u + 1) % 3, k = (u + 2) % 3;
        const Integer bc = fixed.Times(sides[j], sides[k]);
        const Rational excess = squares_[j] + squares_[k] - squares_[u];
        const Integer t = excess >= 0 ? Integer(2 * bc + fixed.From(excess))
                                      : fixed.Over(area16, 2 * bc + fixed.From(-excess));
        Set(Quantity::Heron, i + 1, Kind::Estimate, fixed.ToRational(fixed.Over(t, 2 * perimeter)));
        if (entries_[Slot({Quantity::Bisector, i})].kind == Kind::Later)
            Set(Quantity::Bisector, i, Kind::Estimate,
                fixed.ToRational(
                    fixed.Root(fixed.Over(fixed.Times(bc, t), squares[j] + squares[k] + 2 * bc))));
    }
}

Rounded ExactTriangle::Value(Named value)
{
    if (entries_.at(Slot(value)).kind == Kind::Later)
        EstimateMedianValues();
    const Entry &entry = entries_[Slot(value)];
    const std::int64_t exponent = entry.degree * scale_;
    switch (entry.kind) {
    case Kind::Value:
    case Kind::Estimate:
        return RoundToDouble(entry.rational, false, exponent);
    case Kind::Square:
        return RoundToDouble(entry.rational, true, exponent);
    case Kind::None:
    case Kind::Later:
        break;
    }
    return {};
}

std::string ExactTriangle::Form(Named value) const
{
    const Entry &entry = entries_.at(Slot(value));
    if (!comparable_ || scale_ != 0)
        return {};
    if (entry.kind == Kind::Value)
        return RationalText(entry.rational);
    if (entry.kind == Kind::Square)
        return RootText(entry.rational);
    return {};
}

} // namespace calc::exact
