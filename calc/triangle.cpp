#include "triangle.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

// Every formula below is evaluated in the order written, with the grouping shown, so that
// the printed digits are reproducible to the last one.

namespace calc
{

bool InputsRejected(double x1, double x2, double x3)
{
    return x1 >= x2 + x3 || x2 >= x1 + x3 || x3 >= x1 + x2;
}

double RootOrZero(double radicand)
{
    return radicand > 0 ? std::sqrt(radicand) : 0.0;
}

double HeronArea(double a, double b, double c)
{
    const double p = ((a + b) + c) / 2;
    return RootOrZero(((p * (p - a)) * (p - b)) * (p - c));
}

namespace
{

// l = sqrt(x·y − x·y·z² / (x + y)²): the bisector meeting side z between sides x and y.
// (Products and sums of two doubles do not depend on the order of their operands.)
double Bisector(double x, double y, double z)
{
    return RootOrZero(x * y - (((x * y) * z) * z) / ((x + y) * (x + y)));
}

// side = (2/3) · sqrt(2m² + 2m'² − m₀²), m₀ being the median to that side.
double SideFromMedians(double m0, double m, double mPrime)
{
    const double r = RootOrZero(((2 * m) * m + (2 * mPrime) * mPrime) - m0 * m0);
    return (r + r) / 3;
}

bool Normal(double value)
{
    return std::isfinite(value) && std::fabs(value) >= DBL_MIN;
}

// value · 2^exponent; false when that leaves the range of normal doubles (overflow, or a
// nonzero value below DBL_MIN).
bool ScaleBack(double &value, int exponent)
{
    const double scaled = std::ldexp(value, exponent);
    if (value != 0 && !Normal(scaled))
        return false;
    value = scaled;
    return true;
}

bool ScaleBack(Triangle &t, int exponent)
{
    for (double *length :
         {&t.sides[0], &t.sides[1], &t.sides[2], &t.bisectors[0], &t.bisectors[1], &t.bisectors[2]})
        if (!ScaleBack(*length, exponent))
            return false;
    return ScaleBack(t.area, 2 * exponent);
}

// Sides and medians, scaled so that the largest is in [0.5, 1): every intermediate value
// of the formulas then stays in range for all but needle-thin triangles.
Solution FromSidesOrMedians(InputMode mode, std::array<double, 3> x)
{
    Solution solution{.mode = mode, .outcome = Outcome::Rejected, .triangle = {}};
    if (InputsRejected(x[0], x[1], x[2]))
        return solution;
    int exponent = 0;
    std::frexp(std::max({x[0], x[1], x[2]}), &exponent);
    for (double &v : x)
        v = std::ldexp(v, -exponent);

    Triangle &t = solution.triangle;
    if (mode == InputMode::Sides)
        t.sides = x;
    else
        t.sides = {SideFromMedians(x[0], x[1], x[2]), SideFromMedians(x[1], x[0], x[2]),
                   SideFromMedians(x[2], x[0], x[1])};
    t.area = HeronArea(t.sides[0], t.sides[1], t.sides[2]);
    t.bisectors = Bisectors(t.sides[0], t.sides[1], t.sides[2]);
    solution.outcome = ScaleBack(t, exponent) ? Outcome::Solved : Outcome::OutOfRange;
    return solution;
}

// A product kept as a significand in [0.5, 1) and a power of two, so that it neither
// overflows nor underflows. Where the plain product of doubles stays normal, the
// significand rounds exactly as that product does.
struct ScaledProduct {
    double significand = 0.5;
    int exponent = 1;

    void Multiply(double factor)
    {
        int factorExponent = 0;
        int carry = 0;
        significand = std::frexp(significand * std::frexp(factor, &factorExponent), &carry);
        exponent += factorExponent + carry;
    }
};

// An altitude triple whose largest and smallest differ by more than this many powers of
// two is too thin a needle for the bisector formulas: their squares leave the range.
constexpr int kMaxAltitudeSpread = 900;

// 1/S² = P1 · P2 · P3 · P4 over the reciprocals of the altitudes, then side = 2S / altitude.
// The altitudes are scaled so that the smallest is in [0.5, 1): their reciprocals are then
// at most 2, and the product is kept with its own power of two.
Solution FromHeights(std::array<double, 3> x)
{
    Solution solution{.mode = InputMode::Heights, .outcome = Outcome::Rejected, .triangle = {}};
    for (double v : x)
        if (!(std::isfinite(v) && v > 0))
            return solution;
    int exponent = 0;
    std::frexp(std::min({x[0], x[1], x[2]}), &exponent);
    int largest = 0;
    std::frexp(std::max({x[0], x[1], x[2]}), &largest);
    for (double &v : x)
        v = std::ldexp(v, -exponent);

    const double ra = 1 / x[0], rb = 1 / x[1], rc = 1 / x[2];
    const double p1 = (ra + rb) + rc;
    const double p2 = (ra + rb) - rc;
    const double p3 = (ra - rb) + rc;
    const double p4 = ((-1) / x[0] + rb) + rc;
    // The reciprocals of a triangle's altitudes form a triangle themselves.
    if (!(p2 > 0 && p3 > 0 && p4 > 0))
        return solution;
    solution.outcome = Outcome::OutOfRange;
    if (largest - exponent > kMaxAltitudeSpread)
        return solution;

    ScaledProduct product;
    for (double p : {p1, p2, p3, p4})
        product.Multiply(p);
    // S = 1 / sqrt(product) = s · 2^k, with the square root taken of an even power of two.
    if (product.exponent % 2 != 0) {
        product.significand *= 2;
        --product.exponent;
    }
    const double s = 1 / std::sqrt(product.significand);
    const int k = -product.exponent / 2;

    Triangle &t = solution.triangle;
    t.sides = {(s + s) / x[0], (s + s) / x[1], (s + s) / x[2]};
    t.bisectors = Bisectors(t.sides[0], t.sides[1], t.sides[2]);
    // The sides and bisectors above lack the factor 2^k, the area 2^(2k); all of them the
    // altitudes' scale.
    t.area = std::ldexp(s, -k);
    if (!ScaleBack(t, k + exponent))
        return solution;
    solution.outcome = Outcome::Solved;
    return solution;
}

} // namespace

std::array<double, 3> Bisectors(double a, double b, double c)
{
    return {Bisector(b, c, a), Bisector(a, c, b), Bisector(a, b, c)};
}

Solution Solve(InputMode mode, std::array<double, 3> lengths)
{
    for (double v : lengths)
        if (!std::isfinite(v))
            return {.mode = mode, .outcome = Outcome::Rejected, .triangle = {}};
    switch (mode) {
    case InputMode::Heights:
        return FromHeights(lengths);
    case InputMode::Sides:
    case InputMode::Medians:
        return FromSidesOrMedians(mode, lengths);
    }
    return {.mode = mode, .outcome = Outcome::Rejected, .triangle = {}};
}

} // namespace calc
