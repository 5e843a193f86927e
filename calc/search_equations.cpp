#include "search_equations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace calc::search
{
namespace
{

bool IsAngle(const Given &given)
{
    return Info(given.element).kind == ElementKind::Angle;
}

int Degree(const Given &given)
{
    return Info(given.element).degree;
}

// The equation Π over the givens of (the given's square)^power = the same of their values.
Equation Ratio(const std::array<Given, 3> &given, std::array<int, 3> power)
{
    const int divisor = std::gcd(std::gcd(power[0], power[1]), power[2]);
    for (int &p : power)
        p /= divisor;
    Equation equation;
    equation.of = power;
    Interval numerator(1.0), denominator(1.0);
    for (std::size_t k = 0; k < 3; ++k) {
        if (power[k] == 0)
            continue;
        const Product product = ElementProduct(given[k].element);
        for (std::size_t p = 0; p < kPrimitives; ++p)
            equation.power[p] += power[k] * product.power[p];
        const Interval square = Square(Interval(given[k].lower, given[k].upper)) / product.constant;
        if (power[k] > 0)
            numerator = numerator * Power(square, power[k]);
        else
            denominator = denominator * Power(square, -power[k]);
    }
    equation.value = numerator / denominator;
    return AsDifference(given, equation);
}

bool Proportional(const std::array<int, 3> &a, const std::array<int, 3> &b)
{
    // a × b = 0, for vectors of whole numbers.
    return a[0] * b[1] == a[1] * b[0] && a[1] * b[2] == a[2] * b[1] && a[0] * b[2] == a[2] * b[0];
}

// The ratios of the three givens' squares, products of their whole powers up to 3 whose
// degrees sum to zero, other than those solved.
std::vector<std::array<int, 3>> Candidates(const System &system)
{
    std::vector<std::array<int, 3>> found;
    for (int p = -3; p <= 3; ++p)
        for (int q = -3; q <= 3; ++q)
            for (int r = -3; r <= 3; ++r) {
                const std::array<int, 3> power{p, q, r};
                const int first = p != 0 ? p : (q != 0 ? q : r);
                if (first <= 0 || std::gcd(std::gcd(p, q), r) != 1)
                    continue;
                if (p * Degree(system.given[0]) + q * Degree(system.given[1]) +
                        r * Degree(system.given[2]) !=
                    0)
                    continue;
                if (Proportional(power, system.solved[0].of) ||
                    Proportional(power, system.solved[1].of))
                    continue;
                found.push_back(power);
            }
    return found;
}

// For a chart, the consequences that decide the boxes at its corner t = s = 0: the ratio
// that the solved equations leave out, and the two simplest products whose powers of t
// and s left over have one sign (the product tends to zero or to infinity there) or are
// none (it tends to a limit).
std::vector<Equation> Excluding(const System &system, const Chart &chart,
                                const std::vector<std::array<int, 3>> &candidates)
{
    const Shape<Interval> shape = ShapeAt(chart, Interval(1.0), Interval(0.25), system.medians);
    struct Ranked {
        int rank;
        std::array<int, 3> power;
    };
    std::vector<Ranked> ranked;
    for (const std::array<int, 3> &power : candidates) {
        const std::array<int, 2> net = NetPower(Ratio(system.given, power).power, shape);
        const bool oneSign = (net[0] >= 0 && net[1] >= 0) || (net[0] <= 0 && net[1] <= 0);
        const int size = std::abs(power[0]) + std::abs(power[1]) + std::abs(power[2]);
        const bool pairwise = std::count(power.begin(), power.end(), 0) == 1 &&
                              std::abs(power[0] + power[1] + power[2]) <= 1;
        if (pairwise)
            ranked.push_back({0, power});
        else if (oneSign)
            ranked.push_back({(net == std::array<int, 2>{} ? 100 : 10) + size, power});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked &a, const Ranked &b) { return a.rank < b.rank; });
    std::vector<Equation> equations;
    for (std::size_t i = 0; i < ranked.size() && i < 3; ++i)
        equations.push_back(Ratio(system.given, ranked[i].power));
    return equations;
}

// Sides and medians are three sides: their squares are linear in the sides' squares,
// 4 m_a² = 2b² + 2c² − a², and so the sides' squares are linear in theirs, by Cramer's
// rule with whole coefficients, each given used once. Near a needle or a flat triangle
// the medians are nearly those of the degenerate one, and only such a mixture shows how
// far from it the triangle is. No sides when no triangle has the givens: the first
// side's enclosure is [0, 0] then, or [−1, 0] when it is not known whether one has.
std::optional<std::array<Given, 3>> SidesOfMedians(const std::array<Given, 3> &given)
{
    std::array<std::array<int, 3>, 3> row{}; // row · (a², b², c²) = value
    std::array<Interval, 3> value{};
    bool median = false;
    for (std::size_t k = 0; k < 3; ++k) {
        const ElementInfo &info = Info(given[k].element);
        const auto i = static_cast<std::size_t>(info.vertex);
        const Interval square = Square(Interval(given[k].lower, given[k].upper));
        if (info.kind == ElementKind::Side) {
            row[k][i] = 1;
            value[k] = square;
        } else if (info.kind == ElementKind::Median) {
            row[k] = {2, 2, 2};
            row[k][i] = -1;
            value[k] = square * 4.0;
            median = true;
        } else {
            return std::nullopt;
        }
    }
    const auto minor = [&](std::size_t r, std::size_t c) { // of row r, column c left out
        const std::size_t r0 = r == 0 ? 1 : 0, r1 = r == 2 ? 1 : 2;
        const std::size_t c0 = c == 0 ? 1 : 0, c1 = c == 2 ? 1 : 2;
        return row[r0][c0] * row[r1][c1] - row[r0][c1] * row[r1][c0];
    };
    const int determinant =
        row[0][0] * minor(0, 0) - row[0][1] * minor(0, 1) + row[0][2] * minor(0, 2);
    if (!median || determinant == 0)
        return std::nullopt;
    std::array<Given, 3> sides{};
    for (std::size_t i = 0; i < 3; ++i) {
        Interval sum(0.0);
        for (std::size_t k = 0; k < 3; ++k) {
            const int cofactor = ((i + k) % 2 == 0 ? 1 : -1) * minor(k, i);
            sum += static_cast<double>(cofactor) * value[k];
        }
        const Interval square = sum / static_cast<double>(determinant);
        if (square.lower() <= 0) {
            sides.front() = {Element::SideA, square.upper() <= 0 ? 0.0 : -1.0, 0.0};
            return sides;
        }
        sides[i] = {ElementOf(ElementKind::Side, static_cast<int>(i)), sqrt(square).lower(),
                    sqrt(square).upper()};
    }
    // Whether the sides make a triangle is the search's to decide, as for any sides.
    return sides;
}

bool Enclosure(const Given &given)
{
    return std::isfinite(given.lower) && std::isfinite(given.upper) && given.lower > 0 &&
           given.lower <= given.upper;
}

} // namespace

Setup MakeSystem(const std::array<Given, 3> &original)
{
    if (!std::all_of(original.begin(), original.end(), Enclosure))
        return {std::nullopt, Doubt::Invalid};
    const std::optional<std::array<Given, 3>> sides = SidesOfMedians(original);
    if (sides && sides->front().upper == 0)
        return {std::nullopt, sides->front().lower == 0 ? Doubt::None : Doubt::Edge};
    const std::array<Given, 3> &given = sides ? *sides : original;
    const auto lengthOfDegree = [&](int degree) {
        return std::find_if(given.begin(), given.end(),
                            [&](const Given &g) { return !IsAngle(g) && Degree(g) == degree; });
    };
    auto reference = lengthOfDegree(1);
    if (reference == given.end())
        reference = lengthOfDegree(2);
    if (reference == given.end())
        return {std::nullopt, Doubt::NoSize};

    System system;
    system.reference = static_cast<int>(reference - given.begin());
    // Lengths near 1: divided by a power of two near the reference's, exactly.
    const int degree = Degree(*reference);
    const double size = degree == 1 ? reference->upper : std::sqrt(reference->upper);
    const int exponent = std::ilogb(size);
    system.scale = std::ldexp(1.0, exponent);
    for (std::size_t k = 0; k < 3; ++k) {
        system.given[k] = given[k];
        if (!IsAngle(given[k])) {
            const int by = -exponent * Degree(given[k]);
            system.given[k].lower = std::ldexp(given[k].lower, by);
            system.given[k].upper = std::ldexp(given[k].upper, by);
        }
    }

    std::vector<Equation> equations;
    const auto r = static_cast<std::size_t>(system.reference);
    for (std::size_t k = 0; k < 3; ++k) {
        if (IsAngle(given[k])) {
            Equation angle;
            angle.angle = true;
            angle.vertex = Info(given[k].element).vertex;
            angle.value = Interval(given[k].lower, given[k].upper);
            angle.supplement = Interval(180.0) - angle.value;
            equations.push_back(angle);
        } else if (k != r) {
            std::array<int, 3> power{};
            power[k] = degree;
            power[r] = -Degree(given[k]);
            equations.push_back(Ratio(system.given, power));
        }
    }
    system.solved = {equations[0], equations[1]};
    for (const Given &g : given)
        if (Info(g.element).kind == ElementKind::Median)
            system.medians |= 1U << Info(g.element).vertex;
    system.linearised = {equations[0], equations[1]};
    if (std::none_of(given.begin(), given.end(), IsAngle)) {
        std::array<int, 3> third{};
        const std::size_t i = (r + 1) % 3, j = (r + 2) % 3;
        third[i] = Degree(given[j]);
        third[j] = -Degree(given[i]);
        system.linearised.push_back(Ratio(system.given, third));
        const std::vector<std::array<int, 3>> candidates = Candidates(system);
        for (std::size_t c = 0; c < kCharts.size(); ++c)
            system.excluding[c] = Excluding(system, kCharts[c], candidates);
    }
    // Ratios beyond the doubles (a length of 1e-300 with an area of 1e300) are not searched.
    const auto finite = [](const Equation &e) {
        return std::isfinite(e.value.lower()) && std::isfinite(e.value.upper());
    };
    if (!std::all_of(system.linearised.begin(), system.linearised.end(), finite) ||
        !std::all_of(system.excluding.begin(), system.excluding.end(), [&](const auto &list) {
            return std::all_of(list.begin(), list.end(), finite);
        }))
        return {std::nullopt, Doubt::Invalid};
    return {system, Doubt::None};
}

} // namespace calc::search
