#include "search_krawczyk.h"

#include <cmath>
#include <limits>

namespace calc::search
{
namespace
{

using boost::numeric::median;
using boost::numeric::width;

// The linearised equations' residuals and their gradients on a box, and their residuals
// at a point.
std::vector<Dual<Interval>> Linearised(const System &system, const Chart &chart, const Box &box)
{
    const Shape<Dual<Interval>> shape =
        ShapeAt(chart, Variable(box.t, 0), Variable(box.s, 1), system.medians);
    std::vector<Dual<Interval>> residuals;
    for (const Equation &equation : system.linearised)
        residuals.push_back(Residual(equation, chart, shape));
    return residuals;
}

std::vector<Interval> ResidualsAt(const System &system, const Chart &chart, double t, double s)
{
    const Shape<Interval> shape = ShapeAt(chart, Interval(t), Interval(s), system.medians);
    std::vector<Interval> residuals;
    for (const Equation &equation : system.linearised)
        residuals.push_back(Residual(equation, chart, shape));
    return residuals;
}

// Krawczyk's operator of a pair of the equations, intersected with the box: each
// coordinate's interval, or empty; and whether it lies inside the box.
struct Operator {
    std::array<Interval, 2> narrowed;
    bool inside = false;
    bool known = false;
};

Operator Apply(const std::array<Interval, 2> &x, const std::array<double, 2> &m,
               const std::array<Interval, 2> &residual,
               const std::array<std::array<Interval, 2>, 2> &j)
{
    Operator result;
    const double j00 = median(j[0][0]), j01 = median(j[0][1]);
    const double j10 = median(j[1][0]), j11 = median(j[1][1]);
    const double determinant = j00 * j11 - j01 * j10;
    if (!std::isfinite(determinant) || determinant == 0)
        return result;
    const std::array<std::array<double, 2>, 2> y{
        {{j11 / determinant, -j01 / determinant}, {-j10 / determinant, j00 / determinant}}};
    result.inside = true;
    for (std::size_t i = 0; i < 2; ++i) {
        Interval k = m[i] - (y[i][0] * residual[0] + y[i][1] * residual[1]);
        for (std::size_t c = 0; c < 2; ++c) {
            const Interval identity(i == c ? 1.0 : 0.0);
            k += (identity - (y[i][0] * j[0][c] + y[i][1] * j[1][c])) * (x[c] - m[c]);
        }
        if (!(k.lower() <= k.upper())) // a NaN: nothing is known
            return result;
        result.narrowed[i] = intersect(k, x[i]);
        result.inside = result.inside && InInterior(k, x[i]);
    }
    result.known = true;
    return result;
}

bool Empty(const Interval &x)
{
    return boost::numeric::empty(x);
}

} // namespace

bool Excluded(const System &system, std::size_t chart, const Box &box)
{
    const Shape<Interval> shape = ShapeAt(kCharts[chart], box.t, box.s, system.medians);
    const auto excludes = [&](const Equation &equation) {
        return !boost::numeric::zero_in(Residual(equation, kCharts[chart], shape));
    };
    return excludes(system.solved[0]) || excludes(system.solved[1]) ||
           std::any_of(system.excluding[chart].begin(), system.excluding[chart].end(), excludes);
}

Krawczyk KrawczykTest(const System &system, std::size_t chart, const Box &proof, const Box &box)
{
    const std::array<Interval, 2> x{proof.t, proof.s};
    const std::array<Interval, 2> inner{box.t, box.s};
    const std::array<double, 2> m{median(proof.t), median(proof.s)};
    const std::vector<Dual<Interval>> linear = Linearised(system, kCharts[chart], proof);
    const std::vector<Interval> residual = ResidualsAt(system, kCharts[chart], m[0], m[1]);
    Krawczyk result{Verdict::Unknown, proof, 0};
    // The mean value form on the box, F(m) + J·(X − m); and the coordinate along which the
    // equations vary most across the box, each relative to its whole variation.
    double largest = -1;
    result.blurred = {true, true};
    for (std::size_t e = 0; e < linear.size(); ++e) {
        Interval value = residual[e];
        std::array<double, 2> smear{};
        for (std::size_t c = 0; c < 2; ++c) {
            value += linear[e].slope[c] * (inner[c] - m[c]);
            smear[c] = boost::numeric::norm(linear[e].slope[c]) * width(inner[c]);
        }
        if (!boost::numeric::zero_in(value))
            return {Verdict::None, proof, 0};
        const double total = smear[0] + smear[1];
        for (std::size_t c = 0; c < 2; ++c)
            if (!(width(residual[e]) * 4 >= smear[c]))
                result.blurred[c] = false;
        for (int c = 0; c < 2; ++c)
            if (total > 0 && smear[static_cast<std::size_t>(c)] / total > largest) {
                largest = smear[static_cast<std::size_t>(c)] / total;
                result.split = c;
            }
    }
    // Every pair: each operator holds every solution in the box, so their intersection does.
    std::array<Interval, 2> narrowed = x;
    for (std::size_t a = 0; a < linear.size(); ++a)
        for (std::size_t b = a + 1; b < linear.size(); ++b) {
            const Operator k =
                Apply(x, m, {residual[a], residual[b]}, {linear[a].slope, linear[b].slope});
            if (!k.known)
                continue;
            for (std::size_t i = 0; i < 2; ++i) {
                narrowed[i] = intersect(narrowed[i], k.narrowed[i]);
                if (Empty(narrowed[i]))
                    return {Verdict::None, proof, result.split};
            }
            if (k.inside)
                result.verdict = Verdict::One;
        }
    result.narrowed = {narrowed[0], narrowed[1]};
    return result;
}

Box Narrowed(const System &system, std::size_t chart, Box box)
{
    // Krawczyk's operator contracts a box around its one solution ever faster as the box
    // shrinks, until rounding stops it. Where it contracts slowly, the box is halved: the
    // half that the test proves to hold a solution, or the other when it proves that one
    // empty, holds the box's one solution.
    for (int step = 0; step < 200; ++step) {
        const Krawczyk test = KrawczykTest(system, chart, box, box);
        if (test.verdict == Verdict::None)
            break; // cannot happen to a box with a solution, but rounding is not proven
        const Box next = test.narrowed;
        const bool fast = width(next.t) < 0.5 * width(box.t) || width(next.s) < 0.5 * width(box.s);
        const bool shrinks =
            width(next.t) < 0.99 * width(box.t) || width(next.s) < 0.99 * width(box.s);
        box = next;
        if (fast)
            continue;
        const bool alongT = width(box.t) / kLargestT >= width(box.s) / kLargestS;
        const Interval &x = alongT ? box.t : box.s;
        const double middle = median(x);
        const std::array<Box, 2> halves =
            alongT ? std::array<Box, 2>{Box{Interval(x.lower(), middle), box.s},
                                        Box{Interval(middle, x.upper()), box.s}}
                   : std::array<Box, 2>{Box{box.t, Interval(x.lower(), middle)},
                                        Box{box.t, Interval(middle, x.upper())}};
        bool halved = false;
        for (std::size_t h = 0; h < 2 && !halved; ++h) {
            const Verdict verdict = KrawczykTest(system, chart, halves[h], halves[h]).verdict;
            if (verdict != Verdict::Unknown) {
                box = halves[verdict == Verdict::One ? h : 1 - h];
                halved = true;
            }
        }
        if (!halved && !shrinks)
            break;
    }
    return box;
}

std::array<Interval, 3> Angles(const Chart &chart, const Box &box)
{
    std::array<Interval, 3> angle{};
    const Interval smallest = box.t * box.s;
    angle[static_cast<std::size_t>(chart.vertex[0])] = Pi() - box.t;
    angle[static_cast<std::size_t>(chart.vertex[1])] = smallest;
    angle[static_cast<std::size_t>(chart.vertex[2])] = box.t - smallest;
    return angle;
}

std::array<Interval, 3> Sides(const System &system, const Chart &chart, const Box &box)
{
    const Shape<Interval> shape = ShapeAt(chart, box.t, box.s, system.medians);
    const double infinity = std::numeric_limits<double>::infinity();
    std::array<Interval, 3> sides{};
    sides.fill(Interval(-infinity, infinity));
    // Each side from each given length (or the area): side² / given², or side² / S, whose
    // powers are even; the shape box is less certain in some directions than in others,
    // and each given sees it from another.
    for (const Given &reference : system.given) {
        const ElementInfo &info = Info(reference.element);
        if (info.kind == ElementKind::Angle)
            continue;
        if (info.kind == ElementKind::Side) { // a given side is known best as it is given
            auto &side = sides[static_cast<std::size_t>(info.vertex)];
            const Interval given(reference.lower * system.scale, reference.upper * system.scale);
            const Interval both = intersect(side, given);
            side = Empty(both) ? given : both;
        }
        const Product over = ElementProduct(reference.element);
        const bool area = info.degree == 2;
        const Interval value(reference.lower, reference.upper);
        for (std::size_t i = 0; i < 3; ++i) {
            const Product side = ElementProduct(ElementOf(ElementKind::Side, static_cast<int>(i)));
            Powers power = side.power;
            for (std::size_t p = 0; p < kPrimitives; ++p)
                power[p] -= area ? over.power[p] / 2 : over.power[p];
            const std::array<Interval, 2> fraction = Fraction(power, shape);
            const Interval constant = area ? side.constant / sqrt(Interval(over.constant))
                                           : Interval(side.constant / over.constant);
            const Interval length =
                sqrt(fraction[0] / fraction[1] * constant * (area ? value : Square(value))) *
                system.scale;
            const Interval both = intersect(sides[i], length);
            if (!Empty(both)) // disjoint only if rounding is not what it is proven to be
                sides[i] = both;
        }
    }
    return sides;
}

} // namespace calc::search
