#include "triangle.h"

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

namespace
{

// 1/S² = P1 · P2 · P3 · P4 over the reciprocals of the altitudes, then side = 2S / altitude.
std::optional<double> FromHeights(TriangleState &t, double ha, double hb, double hc)
{
    const double p1 = (1 / ha + 1 / hb) + 1 / hc;
    const double p2 = (1 / ha + 1 / hb) - 1 / hc;
    const double p3 = (1 / ha - 1 / hb) + 1 / hc;
    const double p4 = ((-1) / ha + 1 / hb) + 1 / hc;
    // The reciprocals of a triangle's altitudes form a triangle themselves.
    if (!(p2 > 0 && p3 > 0 && p4 > 0))
        return std::nullopt;
    const double s = 1 / std::sqrt(((p1 * p2) * p3) * p4);
    t.a = (s + s) / ha;
    t.b = (s + s) / hb;
    t.c = (s + s) / hc;
    return s;
}

// side = (2/3) · sqrt(2m² + 2m'² − m₀²), m₀ being the median to that side.
double SideFromMedians(double m0, double m, double mPrime)
{
    const double r = RootOrZero(((2 * m) * m + (2 * mPrime) * mPrime) - m0 * m0);
    return (r + r) / 3;
}

// l = sqrt(x·y − x·y·z² / (x + y)²): the bisector meeting side z between sides x and y.
// (Products and sums of two doubles do not depend on the order of their operands.)
double Bisector(double x, double y, double z)
{
    return RootOrZero(x * y - (((x * y) * z) * z) / ((x + y) * (x + y)));
}

} // namespace

std::optional<double> ReconstructSides(TriangleState &state, double x1, double x2, double x3)
{
    switch (state.mode) {
    case InputMode::Heights:
        return FromHeights(state, x1, x2, x3);
    case InputMode::Sides:
        state.a = x1;
        state.b = x2;
        state.c = x3;
        return HeronArea(state);
    case InputMode::Medians:
        state.a = SideFromMedians(x1, x2, x3);
        state.b = SideFromMedians(x2, x1, x3);
        state.c = SideFromMedians(x3, x1, x2);
        return HeronArea(state);
    }
    return std::nullopt;
}

double HeronArea(const TriangleState &state)
{
    const double a = state.a, b = state.b, c = state.c;
    const double p = ((a + b) + c) / 2;
    return RootOrZero(((p * (p - a)) * (p - b)) * (p - c));
}

void ComputeBisectors(TriangleState &state)
{
    const double a = state.a, b = state.b, c = state.c;
    state.Yg_a = Bisector(b, c, a);
    state.Yg_b = Bisector(a, c, b);
    state.Yg_c = Bisector(a, b, c);
}

} // namespace calc
