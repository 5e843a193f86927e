#include "exact_arithmetic.h"

#include <algorithm>

namespace calc::exact
{
namespace
{

std::int64_t Bits(const Integer &n)
{
    return n == 0 ? 0 : static_cast<std::int64_t>(msb(abs(n))) + 1;
}

// ⌊a/b⌋ and ⌈a/b⌉ for b > 0 (cpp_int's division truncates towards zero).
Integer FloorDivide(const Integer &a, const Integer &b)
{
    Integer quotient, remainder;
    divide_qr(a, b, quotient, remainder);
    return remainder < 0 ? Integer(quotient - 1) : quotient;
}

Integer CeilDivide(const Integer &a, const Integer &b)
{
    Integer quotient, remainder;
    divide_qr(a, b, quotient, remainder);
    return remainder > 0 ? Integer(quotient + 1) : quotient;
}

// a · 2^shift rounded down or up, for either sign of shift.
Integer FloorShift(const Integer &a, std::int64_t shift)
{
    if (shift >= 0)
        return a << static_cast<unsigned>(shift);
    return FloorDivide(a, Integer(1) << static_cast<unsigned>(-shift));
}

Integer CeilShift(const Integer &a, std::int64_t shift)
{
    if (shift >= 0)
        return a << static_cast<unsigned>(shift);
    return CeilDivide(a, Integer(1) << static_cast<unsigned>(-shift));
}

Integer CeilRoot(const Integer &n)
{
    Integer root = RootFloor(n);
    return root * root < n ? Integer(root + 1) : root;
}

int SignOf(const Rational &q)
{
    return q > 0 ? 1 : q < 0 ? -1 : 0;
}

} // namespace

bool IsSquare(const Integer &n)
{
    if (n < 0)
        return false;
    // A square's residues: most other numbers are told by their remainders modulo 64, 63,
    // 65 and 11 (all but about one in a hundred), before the root is taken.
    const auto low = static_cast<unsigned>(static_cast<std::uint64_t>(n & 63U));
    if (((0x0202021202030213ULL >> low) & 1U) == 0)
        return false;
    const auto residue = static_cast<std::uint64_t>(n % 45045U); // 63 · 65 · 11
    const auto isResidue = [residue](unsigned modulus) {
        const std::uint64_t r = residue % modulus;
        for (std::uint64_t x = 0; x < modulus; ++x)
            if (x * x % modulus == r)
                return true;
        return false;
    };
    if (!isResidue(63) || !isResidue(65) || !isResidue(11))
        return false;
    const Integer root = RootFloor(n);
    return root * root == n;
}

bool IsSquare(const Rational &q)
{
    return IsSquare(numerator(q)) && IsSquare(denominator(q));
}

Quadratic Quadratic::RootOf(const Rational &square, int sign)
{
    if (square == 0 || sign == 0)
        return Quadratic(0);
    if (square < 0)
        return {};
    if (IsSquare(square)) {
        const Rational root(RootFloor(numerator(square)), RootFloor(denominator(square)));
        return Quadratic(sign < 0 ? Rational(-root) : root);
    }
    Quadratic root;
    root.shape_ = Shape::Root;
    root.sign_ = sign < 0 ? -1 : 1;
    root.number_ = square;
    return root;
}

int Quadratic::Sign() const
{
    return shape_ == Shape::Root ? sign_ : SignOf(number_);
}

Quadratic Quadratic::operator-() const
{
    Quadratic negated = *this;
    if (shape_ == Shape::Root)
        negated.sign_ = -sign_;
    else
        negated.number_ = -number_;
    return negated;
}

Quadratic operator+(const Quadratic &x, const Quadratic &y)
{
    using Shape = Quadratic::Shape;
    if (!x.Known() || !y.Known())
        return {};
    if (y.Sign() == 0)
        return x;
    if (x.Sign() == 0)
        return y;
    if (x.ShapeOf() == Shape::Quotient && y.ShapeOf() == Shape::Quotient)
        return Quadratic(Rational(x.Number() + y.Number()));
    if (x.ShapeOf() != y.ShapeOf())
        return {}; // a rational and an irrational root
    // s√A + t√B = √A · (s + t√(B/A)), known when AB is a square.
    const Rational product = x.Number() * y.Number();
    if (!IsSquare(product))
        return {};
    const Rational ratio =
        Rational(RootFloor(numerator(product)), RootFloor(denominator(product))) / x.Number();
    const Rational factor = x.Sign() + y.Sign() * ratio;
    return Quadratic::RootOf(x.Number() * factor * factor, SignOf(factor));
}

Quadratic operator-(const Quadratic &x, const Quadratic &y)
{
    return x + -y;
}

Quadratic operator*(const Quadratic &x, const Quadratic &y)
{
    using Shape = Quadratic::Shape;
    if (!x.Known() || !y.Known())
        return {};
    if (x.ShapeOf() == Shape::Quotient && y.ShapeOf() == Shape::Quotient)
        return Quadratic(Rational(x.Number() * y.Number()));
    if (x.Sign() == 0 || y.Sign() == 0)
        return Quadratic(0);
    return Quadratic::RootOf(x.Squared() * y.Squared(), x.Sign() * y.Sign());
}

Quadratic operator/(const Quadratic &x, const Quadratic &y)
{
    using Shape = Quadratic::Shape;
    if (!x.Known() || !y.Known() || y.Sign() == 0)
        return {};
    if (x.ShapeOf() == Shape::Quotient && y.ShapeOf() == Shape::Quotient)
        return Quadratic(Rational(x.Number() / y.Number()));
    if (x.Sign() == 0)
        return Quadratic(0);
    return Quadratic::RootOf(x.Squared() / y.Squared(), x.Sign() * y.Sign());
}

Quadratic Root(const Quadratic &x)
{
    if (x.ShapeOf() != Quadratic::Shape::Quotient)
        return {};
    return Quadratic::RootOf(x.Number());
}

Interval::Interval(Integer lower, Integer upper, std::int64_t exponent, unsigned bits)
    : lower_(std::move(lower)), upper_(std::move(upper)), exponent_(exponent), bits_(bits),
      known_(true)
{
    Trim();
}

// Keeps `bits` significant bits (and two more) of the larger end, rounding outward.
void Interval::Trim()
{
    const std::int64_t excess =
        std::max(Bits(lower_), Bits(upper_)) - static_cast<std::int64_t>(bits_) - 2;
    if (excess <= 0)
        return;
    lower_ = FloorShift(lower_, -excess);
    upper_ = CeilShift(upper_, -excess);
    exponent_ += excess;
}

Interval Interval::Of(const Quadratic &known, unsigned bits)
{
    if (!known.Known())
        return {};
    const Integer &n = numerator(known.Number());
    const Integer &d = denominator(known.Number());
    const auto wanted = static_cast<std::int64_t>(bits) + 2;
    if (known.ShapeOf() == Quadratic::Shape::Quotient) {
        // n/d · 2^shift has about `wanted` bits.
        const std::int64_t shift = wanted - (Bits(n) - Bits(d));
        const Integer scaled = FloorShift(n, std::max<std::int64_t>(shift, 0));
        const Integer divisor = FloorShift(d, std::max<std::int64_t>(-shift, 0));
        return {FloorDivide(scaled, divisor), CeilDivide(scaled, divisor), -shift, bits};
    }
    // √(n/d) · 2^shift, the shift taken twice inside the root: ⌊√⌊q⌋⌋ below it, that plus
    // one above.
    const std::int64_t shift = wanted - (Bits(n) - Bits(d)) / 2;
    const Integer scaled = FloorShift(n, std::max<std::int64_t>(2 * shift, 0));
    const Integer divisor = FloorShift(d, std::max<std::int64_t>(-2 * shift, 0));
    Integer lower = RootFloor(FloorDivide(scaled, divisor));
    Integer upper = lower + 1;
    if (known.Sign() < 0) {
        std::swap(lower, upper);
        lower = -lower;
        upper = -upper;
    }
    return {std::move(lower), std::move(upper), -shift, bits};
}

Interval Interval::Between(const Rational &lower, const Rational &upper, unsigned bits)
{
    const Interval low = Of(Quadratic(lower), bits);
    const Interval high = Of(Quadratic(upper), bits);
    const std::int64_t exponent = std::min(low.exponent_, high.exponent_);
    return {low.lower_ << static_cast<unsigned>(low.exponent_ - exponent),
            high.upper_ << static_cast<unsigned>(high.exponent_ - exponent), exponent, bits};
}

Interval operator+(const Interval &x, const Interval &y)
{
    if (!x.known_ || !y.known_)
        return {};
    const std::int64_t exponent = std::min(x.exponent_, y.exponent_);
    const auto aligned = [exponent](const Integer &n, std::int64_t e) {
        return n << static_cast<unsigned>(e - exponent);
    };
    return {aligned(x.lower_, x.exponent_) + aligned(y.lower_, y.exponent_),
            aligned(x.upper_, x.exponent_) + aligned(y.upper_, y.exponent_), exponent,
            std::max(x.bits_, y.bits_)};
}

Interval operator-(const Interval &x, const Interval &y)
{
    if (!y.known_)
        return {};
    Interval negated = y;
    negated.lower_ = -y.upper_;
    negated.upper_ = -y.lower_;
    return x + negated;
}

Interval operator*(const Interval &x, const Interval &y)
{
    if (!x.known_ || !y.known_)
        return {};
    const Integer products[] = {x.lower_ * y.lower_, x.lower_ * y.upper_, x.upper_ * y.lower_,
                                x.upper_ * y.upper_};
    const auto [low, high] = std::minmax_element(std::begin(products), std::end(products));
    return {*low, *high, x.exponent_ + y.exponent_, std::max(x.bits_, y.bits_)};
}

Interval operator/(const Interval &x, const Interval &y)
{
    if (!x.known_ || !y.known_ || (y.lower_ <= 0 && y.upper_ >= 0))
        return {};
    // x/y = (−x)/(−y): the divisor made positive.
    const bool negative = y.upper_ < 0;
    const Integer dl = negative ? Integer(-y.upper_) : y.lower_;
    const Integer du = negative ? Integer(-y.lower_) : y.upper_;
    Integer xl = negative ? Integer(-x.upper_) : x.lower_;
    Integer xu = negative ? Integer(-x.lower_) : x.upper_;
    // The numerators shifted so that the quotients have about `bits` bits.
    const unsigned bits = std::max(x.bits_, y.bits_);
    const std::int64_t shift = std::max<std::int64_t>(
        static_cast<std::int64_t>(bits) + 4 + Bits(du) - std::max(Bits(xl), Bits(xu)), 0);
    xl <<= static_cast<unsigned>(shift);
    xu <<= static_cast<unsigned>(shift);
    const Integer low[] = {FloorDivide(xl, dl), FloorDivide(xl, du), FloorDivide(xu, dl),
                           FloorDivide(xu, du)};
    const Integer high[] = {CeilDivide(xl, dl), CeilDivide(xl, du), CeilDivide(xu, dl),
                            CeilDivide(xu, du)};
    return {*std::min_element(std::begin(low), std::end(low)),
            *std::max_element(std::begin(high), std::end(high)), x.exponent_ - y.exponent_ - shift,
            bits};
}

Interval Root(const Interval &x)
{
    if (!x.known_ || x.upper_ < 0)
        return {};
    Integer lower = x.lower_ < 0 ? Integer(0) : x.lower_;
    Integer upper = x.upper_;
    std::int64_t exponent = x.exponent_;
    // An even exponent, and enough bits under the root for `bits` above it.
    std::int64_t shift =
        std::max<std::int64_t>(2 * (static_cast<std::int64_t>(x.bits_) + 2) - Bits(upper), 0);
    if ((exponent - shift) % 2 != 0)
        ++shift;
    lower <<= static_cast<unsigned>(shift);
    upper <<= static_cast<unsigned>(shift);
    exponent -= shift;
    return {RootFloor(lower), CeilRoot(upper), exponent / 2, x.bits_};
}

Rational Interval::Lower() const
{
    return exponent_ >= 0 ? Rational(lower_ << static_cast<unsigned>(exponent_))
                          : Rational(lower_, Integer(1) << static_cast<unsigned>(-exponent_));
}

Rational Interval::Upper() const
{
    return exponent_ >= 0 ? Rational(upper_ << static_cast<unsigned>(exponent_))
                          : Rational(upper_, Integer(1) << static_cast<unsigned>(-exponent_));
}

} // namespace calc::exact
