#include "ball.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

// The error-free transformations below need each product and sum rounded on its own: this
// file is built with -ffp-contract=off (CMakeLists.txt), so that no compiler fuses them.

namespace calc
{
namespace
{

// What one double-double operation rounds away, at most, relative to its result (its
// proven bounds are a few u², u = 2^-53; this is 64 u²), and a radius's own rounding.
constexpr double kRounding = 0x1p-100;
constexpr double kUp = 1 + 0x1p-50;
// Below the smallest normal double, rounding is absolute: this covers it.
constexpr double kTiny = 0x1p-1060;

double Up(double x)
{
    return x * kUp + kTiny;
}

DoubleDouble TwoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

DoubleDouble QuickTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

void Split(double a, double &hi, double &lo)
{
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double t = kSplitter * a;
    hi = t - (t - a);
    lo = a - hi;
}

DoubleDouble TwoProduct(double a, double b)
{
    const double p = a * b;
    double ah = 0, al = 0, bh = 0, bl = 0;
    Split(a, ah, al);
    Split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DoubleDouble Add(const DoubleDouble &a, const DoubleDouble &b)
{
    DoubleDouble s = TwoSum(a.hi, b.hi);
    const DoubleDouble t = TwoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = QuickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return QuickTwoSum(s.hi, s.lo);
}

DoubleDouble Negated(const DoubleDouble &a)
{
    return {-a.hi, -a.lo};
}

DoubleDouble Sub(const DoubleDouble &a, const DoubleDouble &b)
{
    return Add(a, Negated(b));
}

DoubleDouble Mul(const DoubleDouble &a, const DoubleDouble &b)
{
    DoubleDouble p = TwoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return QuickTwoSum(p.hi, p.lo);
}

DoubleDouble MulDouble(const DoubleDouble &a, double b)
{
    DoubleDouble p = TwoProduct(a.hi, b);
    p.lo += a.lo * b;
    return QuickTwoSum(p.hi, p.lo);
}

DoubleDouble Div(const DoubleDouble &a, const DoubleDouble &b)
{
    const double q1 = a.hi / b.hi;
    DoubleDouble r = Sub(a, MulDouble(b, q1));
    const double q2 = r.hi / b.hi;
    r = Sub(r, MulDouble(b, q2));
    const double q3 = r.hi / b.hi;
    return Add(QuickTwoSum(q1, q2), {q3, 0});
}

DoubleDouble SquareRoot(const DoubleDouble &a)
{
    if (a.hi <= 0)
        return {};
    const double x = 1 / std::sqrt(a.hi);
    const double ax = a.hi * x;
    return TwoSum(ax, Sub(a, TwoProduct(ax, ax)).hi * (x * 0.5));
}

double Magnitude(const DoubleDouble &a)
{
    return std::fabs(a.hi) + std::fabs(a.lo);
}

// π to 107 bits.
constexpr DoubleDouble kPi{3.141592653589793116, 1.224646799147353207e-16};

// π/180 and 180/π, once.
const DoubleDouble &RadiansPerDegree()
{
    static const DoubleDouble value = Div(kPi, {180, 0});
    return value;
}
const DoubleDouble &DegreesPerRadian()
{
    static const DoubleDouble value = Div({180, 0}, kPi);
    return value;
}

// The Taylor coefficients of sin t, (−1)^k/(2k + 1)!, to 106 bits.
constexpr int kSineTerms = 15;
const std::array<DoubleDouble, kSineTerms> &SineCoefficients()
{
    static const std::array<DoubleDouble, kSineTerms> coefficients = [] {
        std::array<DoubleDouble, kSineTerms> c{};
        DoubleDouble factorial{1, 0};
        for (int k = 0; k < kSineTerms; ++k) {
            if (k > 0)
                factorial = MulDouble(factorial, static_cast<double>((2 * k) * (2 * k + 1)));
            const DoubleDouble inverse = Div({1, 0}, factorial);
            c[static_cast<std::size_t>(k)] = k % 2 == 0 ? inverse : Negated(inverse);
        }
        return c;
    }();
    return coefficients;
}

// sin t for |t| ≤ π/4 by its Taylor series to t²⁹/29! (below 2^-110), to within |t|·2^-95.
DoubleDouble SinSeries(const DoubleDouble &t)
{
    const std::array<DoubleDouble, kSineTerms> &c = SineCoefficients();
    const DoubleDouble t2 = Mul(t, t);
    DoubleDouble sum = c[kSineTerms - 1];
    for (std::size_t k = kSineTerms - 1; k-- > 0;)
        sum = Add(Mul(sum, t2), c[k]);
    return Mul(sum, t);
}

// cos t = √(1 − sin² t), for |t| ≤ π/4, where it is at least √2/2.
DoubleDouble CosFromSin(const DoubleDouble &sin)
{
    return SquareRoot(Sub({1, 0}, Mul(sin, sin)));
}

// 10^k for |k| ≤ 400, to within 2^-96 of it relatively: by squaring, once for all.
constexpr int kMostPower = 400;
DoubleDouble PowerOfTen(int k)
{
    static const std::array<DoubleDouble, 2 *kMostPower + 1> powers = [] {
        std::array<DoubleDouble, 2 * kMostPower + 1> table{};
        for (int n = -kMostPower; n <= kMostPower; ++n) {
            DoubleDouble power{1, 0};
            DoubleDouble base{10, 0};
            for (auto m = static_cast<unsigned>(n < 0 ? -n : n); m != 0; m >>= 1) {
                if ((m & 1U) != 0)
                    power = Mul(power, base);
                base = Mul(base, base);
            }
            const int index = n + kMostPower;
            table[static_cast<std::size_t>(index)] = n < 0 ? Div({1, 0}, power) : power;
        }
        return table;
    }();
    const int index = std::clamp(k, -kMostPower, kMostPower) + kMostPower;
    return powers[static_cast<std::size_t>(index)];
}

// 10^0 … 10^22, each exact as a double.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A whole number below 2^63 exactly.
DoubleDouble Whole(std::int64_t n)
{
    const auto hi = static_cast<double>(n);
    // |n − hi| < 2^10: exact as a double, whatever way hi was rounded.
    const auto rest = static_cast<double>(n - static_cast<std::int64_t>(hi));
    return QuickTwoSum(hi, rest);
}

// The fifteen digits of `d` (below 10¹⁵), the first at `exponent`, trailing zeros dropped.
Digits WholeDigits(std::uint64_t d, std::int64_t exponent)
{
    Digits digits;
    for (std::size_t i = 15; i-- > 0; d /= 10)
        digits.digits[i] = static_cast<char>('0' + d % 10);
    digits.count = 15;
    while (digits.count > 0 && digits.digits[digits.count - 1] == '0')
        --digits.count;
    digits.exponent = exponent;
    return digits;
}

} // namespace

Ball Ball::Of(DoubleDouble mid, double radius)
{
    Ball ball;
    ball.mid_ = mid;
    ball.radius_ = radius;
    return ball;
}

Ball Ball::Unknown()
{
    return {};
}

bool Ball::Known() const
{
    return std::isfinite(mid_.hi) && std::isfinite(mid_.lo) && std::isfinite(radius_);
}

double Ball::Lower() const
{
    const double v = mid_.hi + mid_.lo;
    return (v - radius_) - std::fabs(v) * 0x1p-52 - kTiny;
}

double Ball::Upper() const
{
    const double v = mid_.hi + mid_.lo;
    return (v + radius_) + std::fabs(v) * 0x1p-52 + kTiny;
}

std::optional<int> Ball::Sign() const
{
    if (!Known())
        return std::nullopt;
    if (mid_.hi == 0 && mid_.lo == 0 && radius_ == 0)
        return 0;
    if (std::fabs(mid_.hi) > Up(radius_ + std::fabs(mid_.lo)))
        return mid_.hi > 0 ? 1 : -1;
    return std::nullopt;
}

bool Ball::Within(double relative) const
{
    return Known() && radius_ <= relative * std::fabs(mid_.hi);
}

namespace
{
// Whether a ball is a double exactly: the sum and the product of two such are exact in two.
bool Plain(const DoubleDouble &mid, double radius)
{
    return radius == 0 && mid.lo == 0;
}
} // namespace

Ball operator+(const Ball &x, const Ball &y)
{
    if (Plain(x.mid_, x.radius_) && Plain(y.mid_, y.radius_)) {
        const DoubleDouble sum = TwoSum(x.mid_.hi, y.mid_.hi);
        if (std::isfinite(sum.hi))
            return Ball::Of(sum, 0);
    }
    const DoubleDouble mid = Add(x.mid_, y.mid_);
    return Ball::Of(mid, Up(x.radius_ + y.radius_ + Magnitude(mid) * kRounding));
}

Ball operator-(const Ball &x, const Ball &y)
{
    return x + -y;
}

Ball operator*(const Ball &x, const Ball &y)
{
    if (Plain(x.mid_, x.radius_) && Plain(y.mid_, y.radius_)) {
        const DoubleDouble product = TwoProduct(x.mid_.hi, y.mid_.hi);
        // (exact while the rounding error is no subnormal)
        if (std::isfinite(product.hi) && (product.hi == 0 ? x.mid_.hi == 0 || y.mid_.hi == 0
                                                          : std::fabs(product.hi) >= 0x1p-960))
            return Ball::Of(product, 0);
    }
    const DoubleDouble mid = Mul(x.mid_, y.mid_);
    const double radius = Magnitude(x.mid_) * y.radius_ + Magnitude(y.mid_) * x.radius_ +
                          x.radius_ * y.radius_ + Magnitude(mid) * kRounding;
    return Ball::Of(mid, Up(radius));
}

Ball operator/(const Ball &x, const Ball &y)
{
    const double low = std::fabs(y.mid_.hi) - Up(std::fabs(y.mid_.lo));
    const double distance = (low - y.radius_) / kUp; // from zero, rounded down
    if (!y.Known() || !(distance > 0))
        return Ball::Unknown();
    const DoubleDouble mid = Div(x.mid_, y.mid_);
    // |x/y − xm/ym| ≤ (|xm|·ry + |ym|·rx) / (|ym|·(|ym| − ry))
    const double spread = Up(Magnitude(x.mid_) * y.radius_ + Magnitude(y.mid_) * x.radius_);
    return Ball::Of(mid, Up(Up(spread / (low * distance)) + Magnitude(mid) * kRounding));
}

Ball Sqrt(const Ball &x)
{
    const double upper = x.Upper();
    if (!x.Known() || upper < 0)
        return Ball::Unknown();
    const double lower = x.Lower();
    if (lower <= 0) { // the ball reaches zero: [0, √upper]
        const double half = Up(std::sqrt(upper)) / 2;
        return Ball::Of({half, 0}, Up(half));
    }
    const DoubleDouble mid = SquareRoot(x.mid_);
    // |√x − √xm| = |x − xm| / (√x + √xm)
    const double below = (std::sqrt(lower) + std::sqrt(x.mid_.hi)) / kUp / kUp;
    return Ball::Of(mid, Up(Up(x.radius_ / below) + Magnitude(mid) * kRounding));
}

SinCos SinCosDegrees(const Ball &degrees)
{
    if (!degrees.Known())
        return {Ball::Unknown(), Ball::Unknown()};
    // Brought to [0°, 45°]: sin(180° − x) = sin x, cos(180° − x) = −cos x, and from
    // 45° on the sine and the cosine of 90° − x.
    DoubleDouble x = degrees.Mid();
    const bool obtuse = x.hi > 90;
    if (obtuse)
        x = Sub({180, 0}, x);
    const bool swapped = x.hi > 45;
    if (swapped)
        x = Sub({90, 0}, x);
    const DoubleDouble t = Mul(x, RadiansPerDegree());
    DoubleDouble sin = SinSeries(t);
    DoubleDouble cos = CosFromSin(sin);
    if (swapped)
        std::swap(sin, cos);
    if (obtuse)
        cos = Negated(cos);
    // A change of the angle changes both by at most its size in radians.
    const double spread = Up(degrees.Radius() * (kPi.hi / 180));
    return {Ball::Of(sin, Up(spread + Magnitude(sin) * 0x1p-92)),
            Ball::Of(cos, Up(spread + Magnitude(cos) * 0x1p-92))};
}

Ball AtanDegrees(const Ball &x)
{
    if (!x.Known() || x.Value() < 0)
        return Ball::Unknown();
    // atan x = 90° − atan(1/x) above 1; below it, one Newton step on tan a = y from the
    // double's atan doubles its 53 bits: a₁ = a₀ − (sin a₀ − y·cos a₀)·cos a₀.
    const bool inverted = x.Value() > 1;
    const DoubleDouble y = inverted ? Div({1, 0}, x.Mid()) : x.Mid();
    const double a0 = std::atan(y.hi);
    const DoubleDouble sin = SinSeries({a0, 0});
    const DoubleDouble cos = CosFromSin(sin);
    const DoubleDouble a1 = Sub({a0, 0}, Mul(Sub(sin, Mul(y, cos)), cos));
    DoubleDouble angle = Mul(a1, DegreesPerRadian());
    if (inverted)
        angle = Sub({90, 0}, angle);
    // d atan x / dx = 1/(1 + x²); the step's error is below 2·(2^-51·a₀)².
    const double lower = std::max(x.Lower(), 0.0);
    const double spread = Up(x.Radius() * (180 / kPi.hi) * kUp / (1 + lower * lower));
    const double step = Up(Up(std::fabs(a0) * 57.3) * 0x1p-90);
    return Ball::Of(angle, Up(spread + step + Magnitude(angle) * 0x1p-92));
}

std::optional<Digits> CertainDigits(const Ball &value)
{
    if (!value.Known() || !(value.Lower() > 0))
        return std::nullopt;
    // The ball scaled into [10^14, 10^15): the digits are ⌊x + 1/2⌋, decided where x + 1/2
    // lies clear of a whole number (a tie) by more than the ball and the scaling's rounding.
    auto exponent = static_cast<int>(std::floor(std::log10(value.Value())));
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (exponent < -290 || exponent > 290)
            return std::nullopt;
        const DoubleDouble scale = PowerOfTen(14 - exponent);
        const DoubleDouble scaled = Mul(value.Mid(), scale);
        if (scaled.hi < 1e14) {
            --exponent;
            continue;
        }
        if (scaled.hi >= 1e15) {
            ++exponent;
            continue;
        }
        const DoubleDouble half = Add(scaled, {0.5, 0});
        double whole = std::floor(half.hi);
        if (whole == half.hi && half.lo < 0)
            whole -= 1;
        const double rest = Add(half, {-whole, 0}).hi; // in [0, 1)
        const double margin =
            Up(Up(value.Radius() * Magnitude(scale)) + Magnitude(scaled) * 0x1p-92);
        if (!(rest > margin && rest < 1 - margin))
            return std::nullopt;
        auto d = static_cast<std::uint64_t>(whole);
        if (d == 1'000'000'000'000'000U) {
            d = 100'000'000'000'000U;
            ++exponent;
        }
        return WholeDigits(d, exponent);
    }
    return std::nullopt;
}

Ball DecimalBall(std::int64_t significand, int exponent)
{
    if (exponent < -400 || exponent > 400)
        return Ball::Unknown();
    const DoubleDouble m = Whole(significand);
    if (exponent == 0)
        return Ball::Of(m, 0);
    if (exponent > 0 && exponent <= 22) {
        const DoubleDouble mid = MulDouble(m, kExactPowers[exponent]);
        return Ball::Of(mid, Up(Magnitude(mid) * kRounding));
    }
    const DoubleDouble mid = Mul(m, PowerOfTen(exponent));
    return Ball::Of(mid, Up(Magnitude(mid) * 0x1p-92));
}

} // namespace calc
