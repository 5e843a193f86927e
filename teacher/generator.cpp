#include "generator.h"

#include "calculate.h"
#include "exact_values.h"
#include "kinds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <set>
#include <vector>

namespace teacher
{
namespace
{

using calc::InputMode;

// A length in hundredths: every length of an exercise has at most two digits after the
// separator.
using Cents = std::int64_t;
using Triple = std::array<Cents, 3>;

// SplitMix64: the same numbers from the same seed wherever the program runs.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15U);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31);
    }

    // A number in [0, n), n > 0.
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

    template<typename T> void Shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(i)]);
    }

private:
    std::uint64_t state_;
};

// The triangles with whole sides up to 80, no common factor, and a whole area (Heron's):
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
constexpr std::array<Triple, 10> kDoubledRationalMedians = {{
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

// A set of triples, each once whatever the order of its lengths.
class Distinct
{
public:
    bool Add(Triple t)
    {
        std::sort(t.begin(), t.end());
        return seen_.insert(t).second;
    }

private:
    std::set<Triple> seen_;
};

bool Usable(const Triple &t)
{
    return std::all_of(t.begin(), t.end(), [](Cents c) { return c >= 10 && c <= 10000; });
}

// Each triple times each scale (in hundredths per unit), where the lengths stay between
// 0.1 and 200.
void AddScaled(std::vector<Triple> &pool, Distinct &distinct, const Triple &units,
               std::initializer_list<Cents> scales)
{
    for (const Cents scale : scales) {
        const Triple t{units[0] * scale, units[1] * scale, units[2] * scale};
        if (Usable(t) && distinct.Add(t))
            pool.push_back(t);
    }
}

// The altitudes of a Heronian triangle in hundredths, made whole by the least multiple
// of the triangle: h = 2S/a.
Triple Altitudes(const Heronian &t)
{
    const std::array<std::int64_t, 3> sides{t.a, t.b, t.c};
    std::int64_t multiple = 1;
    for (const std::int64_t side : sides)
        multiple = std::lcm(multiple, side / std::gcd(side, 200 * t.area));
    Triple h{};
    for (std::size_t i = 0; i < 3; ++i)
        h[i] = 200 * t.area * multiple / sides[i];
    return h;
}

// Whether an exercise with a triangle has the exact answers it should: the sides (for
// sides, the given ones), the area, and for sides and altitudes the bisectors.
bool HasExactAnswers(const calc::Solution &solution)
{
    if (solution.outcome != calc::Outcome::Solved || !solution.exact)
        return false;
    const calc::exact::Values &values = *solution.exact;
    const auto has = [&values](calc::Quantity quantity, int index) {
        return values.Of(quantity, index).form.has_value();
    };
    for (int i = 0; i < 3; ++i)
        if (!has(calc::Quantity::Side, i) ||
            (solution.mode != InputMode::Medians && !has(calc::Quantity::Bisector, i)))
            return false;
    return has(calc::Quantity::Area, 0);
}

std::string Text(Cents cents, std::string_view separator)
{
    std::string text = std::to_string(cents / 100);
    if (const Cents fraction = cents % 100; fraction != 0) {
        text += separator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

calc::Solution Solve(InputMode mode, const Triple &t)
{
    const std::string a = Text(t[0], "."), b = Text(t[1], "."), c = Text(t[2], ".");
    return calc::Calculate(mode, {a, b, c}, ".", {.exactValues = true});
}

// The problems with a triangle of a kind, in a fixed order, each with its exact answers.
const std::vector<Triple> &Problems(InputMode mode)
{
    static std::array<std::vector<Triple>, 3> pools;
    std::vector<Triple> &pool = pools.at(static_cast<std::size_t>(mode));
    if (!pool.empty())
        return pool;
    Distinct distinct;
    std::vector<Triple> candidates;
    for (const Heronian &t : HeronianTriangles()) {
        const Triple sides{t.a, t.b, t.c};
        switch (mode) {
        case InputMode::Sides:
            AddScaled(candidates, distinct, sides, {100, 50, 10, 20, 25, 150, 200, 250, 300, 500});
            break;
        case InputMode::Medians: // a rational area
            AddScaled(candidates, distinct, sides, {100, 50, 10, 200});
            break;
        case InputMode::Heights: {
            const Triple h = Altitudes(t);
            for (const Cents divisor : {1, 2, 5, 10, 20, 50, 100})
                if (h[0] % divisor == 0 && h[1] % divisor == 0 && h[2] % divisor == 0)
                    AddScaled(candidates, distinct,
                              {h[0] / divisor, h[1] / divisor, h[2] / divisor}, {1});
            break;
        }
        }
    }
    if (mode == InputMode::Medians)
        for (const Triple &doubled : kDoubledRationalMedians) // rational sides
            AddScaled(candidates, distinct, doubled, {50, 25, 10, 5, 1});
    for (const Triple &t : candidates)
        if (HasExactAnswers(Solve(mode, t)))
            pool.push_back(t);
    return pool;
}

// A problem without a triangle: two nice lengths and a third that is their sum, or more
// than it (for altitudes: the altitude whose reciprocal is the sum of theirs, or less).
Triple Impossible(InputMode mode, Random &random)
{
    const bool degenerate = random.Below(2) == 0;
    if (mode != InputMode::Heights) {
        const Cents a = 100 + 50 * static_cast<Cents>(random.Below(38)); // 1 to 19.5
        const Cents b = 100 + 10 * static_cast<Cents>(random.Below(190));
        const Cents more = degenerate ? 0 : 50 * static_cast<Cents>(1 + random.Below(10));
        return {a, b, a + b + more};
    }
    // 1/h = 1/p + 1/q for h = pq/(p + q), with p and q whole and h in hundredths.
    while (true) {
        const Cents p = 2 + static_cast<Cents>(random.Below(19));
        const Cents q = 2 + static_cast<Cents>(random.Below(19));
        if ((100 * p * q) % (p + q) != 0)
            continue;
        const Cents h = 100 * p * q / (p + q);
        const Cents less = degenerate ? 0 : h / 2;
        return {100 * p, 100 * q, h - less};
    }
}

} // namespace

std::string RequestProblem(const ExerciseRequest &request)
{
    if (request.count < 1 || request.count > kMaxExercises)
        return "броят на задачите трябва да е от 1 до " + std::to_string(kMaxExercises);
    if (request.impossible < 0 || request.impossible > request.count)
        return "невъзможните задачи трябва да са от 0 до " + std::to_string(request.count);
    if (static_cast<std::size_t>(request.count - request.impossible) >
        Problems(request.mode).size())
        return "няма толкова различни задачи от този вид: най-много " +
               std::to_string(Problems(request.mode).size());
    return {};
}

std::string Exercises(const ExerciseRequest &request, std::string_view decimalSeparator)
{
    if (!RequestProblem(request).empty())
        return {};
    Random random(request.seed);
    std::vector<Triple> problems = Problems(request.mode);
    random.Shuffle(problems);
    problems.resize(static_cast<std::size_t>(request.count - request.impossible));
    Distinct distinct;
    for (const Triple &t : problems)
        distinct.Add(t);
    for (int k = 0; k < request.impossible;) {
        const Triple t = Impossible(request.mode, random);
        if (distinct.Add(t) && Solve(request.mode, t).outcome == calc::Outcome::Rejected) {
            problems.push_back(t);
            ++k;
        }
    }
    random.Shuffle(problems);

    std::string text = "# bisectors --generate " + std::to_string(request.count) + " ";
    text += calc::Words(request.mode).option;
    if (request.impossible > 0)
        text += " --impossible " + std::to_string(request.impossible);
    text += " --seed " + std::to_string(request.seed) + "\n";
    for (Triple t : problems) {
        // The lengths in any order: the triangle's letters are the student's to place.
        std::swap(t[0], t[random.Below(3)]);
        std::swap(t[1], t[1 + random.Below(2)]);
        text += Text(t[0], decimalSeparator) + " " + Text(t[1], decimalSeparator) + " " +
                Text(t[2], decimalSeparator) + "\n";
    }
    return text;
}

} // namespace teacher
