#include "problems.h"

#include "exact_values.h"
#include "quantity.h"
#include "report.h"
#include "solve.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

namespace teacher
{
namespace
{

using calc::InputMode;
using calc::Quantity;

// The triangles with whole sides up to `most`, no common factor, and a whole area (Heron's):
// their sides, and their altitudes (2S/a), are rational.
struct Heronian {
    std::int64_t a, b, c, area;
};

std::int64_t Root(std::int64_t n)
{
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

const std::vector<Heronian> &HeronianTriangles()
{
    static const std::vector<Heronian> triangles = [] {
        std::vector<Heronian> found;
        for (std::int64_t c = 1; c <= 80; ++c)
            for (std::int64_t b = 1; b <= c; ++b)
                for (std::int64_t a = c - b + 1; a <= b; ++a) {
                    if (std::gcd(std::gcd(a, b), c) != 1)
                        continue;
                    const std::int64_t product =
                        (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c);
                    const std::int64_t root = Root(product); // 4S
                    if (root * root == product && root % 4 == 0)
                        found.push_back({a, b, c, root / 4});
                }
        return found;
    }();
    return triangles;
}

// The triangles with whole sides up to 600, no common factor, whose three medians are
// rational: twice their medians, which are whole. Their medians give rational sides.
constexpr std::array<std::array<std::int64_t, 3>, 10> kDoubledRationalMedians = {{
    {158, 131, 127},
    {261, 255, 204},
    {523, 367, 244},
    {619, 404, 377},
    {529, 463, 142},
    {725, 632, 587},
    {683, 659, 208},
    {881, 640, 569},
    {870, 729, 339},
    {984, 621, 435},
}};

bool IsIsosceles(const Triple &t)
{
    return t[0] == t[1] || t[1] == t[2] || t[0] == t[2];
}

// The altitudes of a Heronian triangle, h = 2S/a, times `scale` (a whole number of
// thousandths per unit): in thousandths, or nothing where one is not a whole number of
// `step` thousandths.
bool Altitudes(const Heronian &t, std::int64_t scale, Units step, Triple &altitudes)
{
    const std::array<std::int64_t, 3> sides{t.a, t.b, t.c};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int64_t numerator = 2 * t.area * scale;
        if (numerator % (sides[i] * step) != 0)
            return false;
        altitudes[i] = numerator / sides[i];
    }
    return true;
}

// Whether an exact form is one a class works with: its whole numbers at most 100.
bool Nice(const std::optional<calc::exact::Surd> &form)
{
    return form && abs(form->n) <= 100 && form->r <= 100 && form->d <= 100;
}

// The answers a problem of the level promises.
bool Answers(InputMode mode, int level, const calc::Solution &solution)
{
    if (solution.outcome != calc::Outcome::Solved || !solution.exact)
        return false;
    const calc::exact::Values &values = *solution.exact;
    const auto form = [&values](Quantity quantity, int i) { return values.FormOf({quantity, i}); };
    if (!form(Quantity::Area, 0))
        return false;
    int nice = 0;
    for (int i = 0; i < 3; ++i) {
        if (!form(Quantity::Side, i))
            return false;
        const bool bisector = level == 1 ? Nice(form(Quantity::Bisector, i))
                                         : form(Quantity::Bisector, i).has_value();
        nice += bisector ? 1 : 0;
    }
    if (mode == InputMode::Medians ? !(level == 2 || nice > 0) : nice != 3)
        return false;
    // The report's digits, which may depend on the order of the lengths, all the exact
    // values rounded.
    return calc::ReportDigitsNote(calc::ReportedLines(solution)).empty();
}

// Whether the medians give a bisector whose square is rational: that from A when b²c² is
// the square of a rational, b² being (4/9)(2m_a² + 2m_c² − m_b²).
bool SomeBisectorRational(const std::array<std::int64_t, 3> &m)
{
    std::array<std::int64_t, 3> squares{}; // of the sides, times 9/4
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int64_t j = m[(i + 1) % 3], k = m[(i + 2) % 3];
        squares[i] = 2 * j * j + 2 * k * k - m[i] * m[i];
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int64_t product = squares[(i + 1) % 3] * squares[(i + 2) % 3];
        if (product > 0 && Root(product) * Root(product) == product)
            return true;
    }
    return false;
}

// Each of the triples times each scale (in thousandths per unit), where the lengths stay
// between `least` and `most` thousandths.
void AddScaled(std::vector<Triple> &candidates, Distinct &distinct, const Triple &units,
               std::initializer_list<Units> scales, Units least = 100, Units most = 100 * kUnit)
{
    for (const Units scale : scales) {
        const Triple t{units[0] * scale, units[1] * scale, units[2] * scale};
        if (std::all_of(t.begin(), t.end(), [&](Units u) { return u >= least && u <= most; }) &&
            distinct.Add(t))
            candidates.push_back(t);
    }
}

// Level 2: the short decimals of Heronian triangles (for medians, their area is rational),
// and the medians of triangles whose medians are rational.
std::vector<Triple> SchoolCandidates(InputMode mode)
{
    Distinct distinct;
    std::vector<Triple> candidates;
    for (const Heronian &t : HeronianTriangles()) {
        const Triple sides{t.a, t.b, t.c};
        switch (mode) {
        case InputMode::Sides:
            AddScaled(candidates, distinct, sides,
                      {1000, 500, 100, 200, 250, 1500, 2000, 2500, 3000, 5000});
            break;
        case InputMode::Medians:
            AddScaled(candidates, distinct, sides, {1000, 500, 100, 2000});
            break;
        case InputMode::Heights: {
            // The least multiple of the triangle whose altitudes are whole hundredths,
            // divided down where they stay so, and twice and three times those.
            std::int64_t multiple = 1;
            for (const std::int64_t side : {t.a, t.b, t.c})
                multiple = std::lcm(multiple, side / std::gcd(side, 200 * t.area));
            Triple h{};
            if (!Altitudes(t, 1000 * multiple, 10, h))
                break;
            for (const Units divisor : {1, 2, 5, 10, 20, 50, 100})
                if (h[0] % (10 * divisor) == 0 && h[1] % (10 * divisor) == 0 &&
                    h[2] % (10 * divisor) == 0)
                    AddScaled(candidates, distinct,
                              {h[0] / divisor, h[1] / divisor, h[2] / divisor}, {1, 2, 3});
            break;
        }
        }
    }
    if (mode == InputMode::Medians)
        for (const auto &doubled : kDoubledRationalMedians) // rational sides
            AddScaled(candidates, distinct, doubled, {500, 250, 100, 50, 10});
    return candidates;
}

// Whether the bisectors of a triangle have short forms n√r/d, their whole numbers at most
// 100 as Nice asks of the core's, worked out with whole numbers alone before the core is
// asked: of the sides a, b, c times `scale` thousandths, or of the altitudes L/a, L/b, L/c
// for 10L = `scale`. The bisector from A is √(bc(b + c − a)(a + b + c))/(b + c) of the
// sides, and 2L·√(bc(a − b + c)(a + b − c))/((b + c)(a − b + c)(a + b − c)) of the
// altitudes.
bool ShortBisectors(InputMode mode, const std::array<std::int64_t, 3> &s, std::int64_t scale)
{
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int64_t a = s[i], b = s[(i + 1) % 3], c = s[(i + 2) % 3];
        const bool sides = mode == InputMode::Sides;
        std::int64_t root =
            sides ? b * c * (b + c - a) * (a + b + c) : b * c * (a - b + c) * (a + b - c);
        std::int64_t outside = 1; // root = outside² · (what stays under it)
        for (std::int64_t p = 2; p * p <= root; ++p)
            while (root % (p * p) == 0) {
                root /= p * p;
                outside *= p;
            }
        const std::int64_t n = (sides ? 1 : 2) * scale * outside;
        const std::int64_t d = sides ? kUnit * (b + c) : 10 * (b + c) * (a - b + c) * (a + b - c);
        const std::int64_t common = std::gcd(n, d);
        if (root > 100 || n / common > 100 || d / common > 100)
            return false;
    }
    return true;
}

// Level 1: small whole numbers and halves: for sides, every triangle of sides up to 20; for
// altitudes, those of the triangles of whole sides up to 20 whose bisectors have short
// roots, the smallest whole or one-decimal altitudes of each shape from 1 on and twice and
// three times those, up to 30; for medians, medians up to 30 that give a bisector whose
// square is rational.
std::vector<Triple> ClassCandidates(InputMode mode)
{
    Distinct distinct;
    std::vector<Triple> candidates;
    const std::int64_t most = mode == InputMode::Medians ? 30 : 20;
    for (std::int64_t c = 1; c <= most; ++c)
        for (std::int64_t b = 1; b <= c; ++b)
            for (std::int64_t a = c - b + 1; a <= b; ++a) {
                if (std::gcd(std::gcd(a, b), c) != 1)
                    continue;
                if (mode == InputMode::Medians && SomeBisectorRational({a, b, c})) {
                    AddScaled(candidates, distinct, {a, b, c}, {1000, 500, 2000}, 1000,
                              most * kUnit);
                } else if (mode == InputMode::Sides) {
                    for (const Units scale : {1000, 500, 2000})
                        if (ShortBisectors(mode, {a, b, c}, scale))
                            AddScaled(candidates, distinct, {a, b, c}, {scale}, 1000, most * kUnit);
                } else if (mode == InputMode::Heights) {
                    // The altitudes L/a, L/b, L/c in tenths: 10L a multiple of the sides'
                    // least common multiple, the least such that the least altitude, L/c,
                    // is at least 1, and twice and three times that.
                    const std::int64_t lcm = std::lcm(std::lcm(a, b), c);
                    const std::int64_t least = (10 * c + lcm - 1) / lcm;
                    for (const std::int64_t times : {1, 2, 3}) {
                        const std::int64_t tenths = least * times * lcm; // 10L
                        if (ShortBisectors(mode, {a, b, c}, tenths))
                            AddScaled(candidates, distinct,
                                      {100 * tenths / a, 100 * tenths / b, 100 * tenths / c}, {1},
                                      1000, 30 * kUnit);
                    }
                }
            }
    return candidates;
}

// A length exactly, as the core reads its text: its digits, trailing zeros dropped.
calc::exact::Decimal Exact(Units length)
{
    std::int64_t exponent = -3; // thousandths
    Units significand = length < 0 ? -length : length;
    while (significand != 0 && significand % 10 == 0) {
        significand /= 10;
        ++exponent;
    }
    return calc::exact::MakeDecimal(length > 0 ? 1 : length < 0 ? -1 : 0, significand, exponent);
}

} // namespace

bool Distinct::Add(Triple t)
{
    std::sort(t.begin(), t.end());
    const auto at = std::lower_bound(seen_.begin(), seen_.end(), t);
    if (at != seen_.end() && *at == t)
        return false;
    seen_.insert(at, t);
    return true;
}

std::string Text(Units length, std::string_view separator)
{
    std::string text = std::to_string(length / kUnit);
    if (Units fraction = length % kUnit; fraction != 0) {
        text += separator;
        for (Units place = kUnit / 10; fraction != 0; place /= 10) {
            text += static_cast<char>('0' + fraction / place);
            fraction %= place;
        }
    }
    return text;
}

double Nearest(Units length)
{
    // Both are exact doubles, and a quotient of two is rounded once: to the nearest.
    return static_cast<double>(length) / static_cast<double>(kUnit);
}

calc::Solution Solve(InputMode mode, const Triple &t)
{
    return calc::SolveWith(mode, {Nearest(t[0]), Nearest(t[1]), Nearest(t[2])},
                           {.exactValues = true}, [&t] {
                               return std::array{Exact(t[0]), Exact(t[1]), Exact(t[2])};
                           });
}

Pool::Pool(InputMode mode, int level, std::vector<Problem> candidates)
    : mode_(mode), level_(level), candidates_(std::move(candidates)), fits_(candidates_.size(), -1)
{
}

bool Pool::Fits(const Problem &candidate)
{
    signed char &fits = fits_.at(candidate.index);
    if (fits < 0)
        fits = FitsInOrder(candidate.lengths) ? 1 : 0;
    return fits == 1;
}

bool Pool::FitsInOrder(const Triple &lengths) const
{
    return Answers(mode_, level_, Solve(mode_, lengths));
}

std::size_t Pool::Count(std::size_t needed)
{
    for (; fitting_ < needed && counted_ < candidates_.size(); ++counted_)
        fitting_ += Fits(candidates_[counted_]) ? 1U : 0U;
    return fitting_;
}

Pool &Problems(InputMode mode, int level)
{
    static std::array<std::array<std::unique_ptr<Pool>, 2>, 3> pools;
    std::unique_ptr<Pool> &pool = pools.at(static_cast<std::size_t>(mode)).at(level == 1 ? 0 : 1);
    if (!pool) {
        std::vector<Problem> candidates;
        for (const Triple &t : level == 1 ? ClassCandidates(mode) : SchoolCandidates(mode))
            candidates.push_back({t, IsIsosceles(t), candidates.size()});
        pool = std::make_unique<Pool>(mode, level, std::move(candidates));
    }
    return *pool;
}

Problem HardProblem(InputMode mode, Random &random)
{
    while (true) {
        // Sides with two decimals, one of them much longer, or the longest beyond the right
        // angle; their altitudes or medians with three.
        const bool needle = random.Below(2) == 0;
        const Units a = 500 + 10 * static_cast<Units>(random.Below(1500));
        const Units b = 500 + 10 * static_cast<Units>(random.Below(1500));
        const Units least = std::max(a, b) - std::min(a, b) + 10;
        const Units c =
            least +
            10 * static_cast<Units>(random.Below(static_cast<std::size_t>((a + b - least) / 10)));
        Triple t{a, b, c};
        std::sort(t.begin(), t.end());
        const double x = static_cast<double>(t[0]), y = static_cast<double>(t[1]),
                     z = static_cast<double>(t[2]);
        if (needle ? z < 5 * x : z * z <= x * x + y * y)
            continue;
        if (mode != InputMode::Sides) {
            // The altitudes 2S/a, or the medians ½√(2b² + 2c² − a²), to three decimals.
            const double s = (x + y + z) / 2;
            const double area = std::sqrt(s * (s - x) * (s - y) * (s - z));
            Triple given{};
            for (std::size_t i = 0; i < 3; ++i) {
                const double side = static_cast<double>(t[i]);
                const double other = static_cast<double>(t[(i + 1) % 3]);
                const double third = static_cast<double>(t[(i + 2) % 3]);
                const double length =
                    mode == InputMode::Heights
                        ? 2 * area / side
                        : std::sqrt(2 * other * other + 2 * third * third - side * side) / 2;
                given[i] = static_cast<Units>(std::llround(length));
            }
            t = given;
        }
        if (std::any_of(t.begin(), t.end(), [](Units u) { return u < 10; }))
            continue;
        const calc::Solution solution = Solve(mode, t);
        if (solution.outcome == calc::Outcome::Solved)
            return {t, IsIsosceles(t)};
    }
}

} // namespace teacher
