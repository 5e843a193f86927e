#include "given_problems.h"

#include "chapter_values.h"
#include "exact_surds.h"
#include "givens.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace teacher
{
namespace
{

using calc::ElementKind;
using calc::Info;
using calc::chapter::Reason;
using calc::exact::Radical;
using calc::exact::Rational;
using calc::exact::RootSum;

constexpr std::array<int, 5> kNiceAngles = {30, 45, 60, 90, 120};

// The triangles of level 1, by their exact sides: those with whole sides up to 20 that have a
// whole area or an angle of 60°, 90° or 120°, and the shapes whose angles are all nice, in
// several sizes.
std::vector<std::array<Radical, 3>> NiceTriangles()
{
    std::vector<std::array<Radical, 3>> found;
    for (std::int64_t c = 2; c <= 20; ++c)
        for (std::int64_t b = 1; b <= c; ++b)
            for (std::int64_t a = c - b + 1; a <= b; ++a) {
                const std::int64_t product = (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c);
                const auto root =
                    static_cast<std::int64_t>(std::sqrt(static_cast<double>(product)));
                const bool heronian = root * root == product && root % 4 == 0;
                const bool nice = c * c == a * a + b * b || c * c == a * a + b * b + a * b ||
                                  c * c == a * a + b * b - a * b || b * b == a * a + c * c - a * c;
                if ((heronian || nice) && !(a == b && b == c))
                    found.push_back({Radical(a), Radical(b), Radical(c)});
            }
    const auto root = [](std::int64_t factor, std::int64_t radicand) {
        return Radical::Of(RootSum(factor), RootSum(radicand));
    };
    for (const std::int64_t scale : {2, 3, 4, 5, 6, 8, 10})
        for (const std::int64_t radicand : {1, 2, 3, 6}) {
            const Radical unit = root(scale, radicand);
            found.push_back({unit, unit, unit});                  // 60°, 60°, 60°
            found.push_back({unit, unit * root(1, 3), unit * 2}); // 30°, 60°, 90°
            found.push_back({unit, unit, unit * root(1, 2)});     // 45°, 45°, 90°
            found.push_back({unit, unit, unit * root(1, 3)});     // 30°, 30°, 120°
            found.push_back({unit * root(1, 3), unit, unit * 2}); // the same turned
            found.push_back({unit * root(1, 3), unit, unit});
        }
    return found;
}

// A length of level 1 as written: a rational of at most one decimal, up to 100.
std::optional<Units> NiceLength(const Radical &value)
{
    if (!value.Known() || value.HasRoot())
        return std::nullopt;
    const std::optional<RootSum> sum = value.AsRootSum();
    const std::optional<Rational> rational = sum ? sum->AsRational() : std::nullopt;
    if (!rational || *rational <= 0 || *rational > 100)
        return std::nullopt;
    const Rational tenths = *rational * 10;
    if (denominator(tenths) != 1)
        return std::nullopt;
    return static_cast<Units>(numerator(tenths)) * (kUnit / 10);
}

// The value of a Number rounded to `decimals` places, half up from its fifteen digits, in
// thousandths.
Units Rounded(const calc::Number &number, int decimals)
{
    const calc::Digits digits =
        number.digits.count > 0 ? number.digits : calc::DigitsOf(number.value);
    Units units = 0;
    bool up = false;
    for (std::size_t i = 0; i < digits.count; ++i) {
        const std::int64_t place = digits.exponent - static_cast<std::int64_t>(i) + decimals;
        const int digit = digits.digits[i] - '0';
        if (place < 0) {
            up = place == -1 && digit >= 5;
            break;
        }
        Units weight = 1;
        for (std::int64_t p = 0; p < place; ++p)
            weight *= 10;
        units += digit * weight;
    }
    if (up)
        ++units;
    for (int d = decimals; d < 3; ++d)
        units *= 10;
    return units;
}

// Whether an exact form is short enough for a class: "7", "√39", "35√3/4".
bool Short(const Radical &value)
{
    return value.Known() && calc::exact::RadicalText(value).size() <= 10;
}

Units Whole(Random &random, Units least, Units most)
{
    return kUnit *
           (least + static_cast<Units>(random.Below(static_cast<std::size_t>(most - least + 1))));
}

// The sides of a random triangle of level 2 (one decimal, no angle under 20°) or 3 (two
// decimals, obtuse or needle-like).
Triple RandomSides(int level, Random &random)
{
    if (level == 3)
        return HardProblem(calc::InputMode::Sides, random).lengths;
    while (true) {
        Triple t{};
        for (Units &side : t)
            side = 2000 + 100 * static_cast<Units>(random.Below(131));
        std::array<double, 3> x{};
        for (std::size_t i = 0; i < 3; ++i)
            x[i] = static_cast<double>(t[i]);
        std::sort(x.begin(), x.end());
        // The smallest angle at least about 20°: its cosine at most 0,94.
        if (x[0] + x[1] > x[2] && (x[1] * x[1] + x[2] * x[2] - x[0] * x[0]) < 1.88 * x[1] * x[2])
            return t;
    }
}

} // namespace

std::string GivenText(const GivenTask &task, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < 3; ++i) {
        text += i == 0 ? "" : " ";
        text += Info(task.elements[i]).ascii;
        text += '=';
        text += Text(task.values[i], separator);
    }
    return text;
}

calc::chapter::Solution SolveGiven(const GivenTask &task, bool exactValues)
{
    const std::string text = GivenText(task, ".");
    const calc::GivenLine line = calc::ReadGivens(text);
    return calc::chapter::Solve(line.givens, {.exactValues = exactValues});
}

const std::vector<GivenTask> &NiceGivenTasks()
{
    static const std::vector<GivenTask> tasks = [] {
        std::vector<GivenTask> found;
        for (const std::array<Radical, 3> &sides : NiceTriangles()) {
            const calc::chapter::ExactTriangle exact = calc::chapter::ExactElements(sides);
            for (const Combination &combination : kCombinations) {
                if (combination.level > 1)
                    continue;
                GivenTask task{combination.elements, {}};
                bool written = true;
                for (std::size_t i = 0; i < 3 && written; ++i) {
                    const calc::ElementInfo &info = Info(task.elements[i]);
                    if (info.kind == ElementKind::Angle) {
                        const std::optional<int> angle =
                            exact.special[static_cast<std::size_t>(info.vertex)];
                        written = angle && std::find(kNiceAngles.begin(), kNiceAngles.end(),
                                                     *angle) != kNiceAngles.end();
                        task.values[i] = written ? *angle * kUnit : 0;
                    } else {
                        const std::optional<Units> length =
                            NiceLength(exact.values[static_cast<std::size_t>(task.elements[i])]);
                        written = length.has_value();
                        task.values[i] = length.value_or(0);
                    }
                }
                if (written)
                    found.push_back(task);
            }
        }
        return found;
    }();
    return tasks;
}

bool GivenFits(const GivenTask &task, int level)
{
    const calc::chapter::Solution solution = SolveGiven(task, level == 1);
    if (solution.count != calc::chapter::Count::Finite || solution.triangles.empty() ||
        !solution.proven)
        return false;
    if (level >= 3)
        return true;
    if (solution.decision == calc::chapter::Decision::Search)
        return false;
    if (level == 2)
        return true;
    if (solution.decision != calc::chapter::Decision::Exact || !solution.exact)
        return false;
    const std::vector<calc::chapter::ExactTriangle> &triangles = solution.exact->triangles;
    return std::all_of(triangles.begin(), triangles.end(), [](const auto &triangle) {
        return Short(triangle.values[0]) && Short(triangle.values[1]) &&
               Short(triangle.values[2]) &&
               Short(triangle.values[static_cast<std::size_t>(Element::Area)]);
    });
}

GivenTask RandomGivenTask(int level, Random &random)
{
    std::vector<const Combination *> combinations;
    for (const Combination &combination : kCombinations)
        if (combination.level <= level)
            combinations.push_back(&combination);
    const Combination &combination = *combinations[random.Below(combinations.size())];
    const Triple sides = RandomSides(level, random);
    GivenTask task{combination.elements, {}};
    if (combination.elements[2] == Element::SideC) {
        task.values = sides;
        return task;
    }
    const GivenTask triple{{Element::SideA, Element::SideB, Element::SideC}, sides};
    const calc::chapter::Solution solution = SolveGiven(triple);
    if (solution.triangles.empty())
        return task;
    for (std::size_t i = 0; i < 3; ++i) {
        const bool angle = Info(task.elements[i]).kind == ElementKind::Angle;
        const int decimals = angle ? level - 2 : level - 1;
        task.values[i] = Rounded(solution.triangles.front().Of(task.elements[i]), decimals);
    }
    return task;
}

Reason ReasonOf(GivenFlaw flaw)
{
    switch (flaw) {
    case GivenFlaw::AngleSum:
        return Reason::AngleSum;
    case GivenFlaw::SideTooLong:
        return Reason::SideTooLong;
    case GivenFlaw::SineAboveOne:
        return Reason::SineAboveOne;
    case GivenFlaw::AnglesAlone:
        return Reason::Contradiction;
    }
    return Reason::None;
}

GivenTask FlawedGivenTask(GivenFlaw flaw, int level, Random &random)
{
    const Units step = level == 1 ? kUnit : (level == 2 ? 100 : 10);
    const auto length = [&](Units least, Units most) {
        return least * kUnit + step * static_cast<Units>(random.Below(
                                          static_cast<std::size_t>((most - least) * kUnit / step)));
    };
    const auto angle = [&](Units least, Units most) {
        return level == 1 ? kNiceAngles[random.Below(kNiceAngles.size())] * kUnit
                          : Whole(random, least, most);
    };
    switch (flaw) {
    case GivenFlaw::AngleSum: { // α + β = 180° or more: 120° and 60°, 100° and 95°
        const Units alpha =
            level == 1 ? kNiceAngles[2 + random.Below(3)] * kUnit : Whole(random, 60, 150);
        const Units beta = 180 * kUnit - alpha + (level == 1 ? 0 : Whole(random, 0, 10));
        return {{Element::AngleA, Element::AngleB, Element::SideC}, {alpha, beta, length(2, 20)}};
    }
    case GivenFlaw::SideTooLong: { // a = b + c, or longer
        const Units b = length(1, 12), c = length(1, 12);
        return {{Element::SideA, Element::SideB, Element::SideC},
                {b + c + step * static_cast<Units>(random.Below(3)), b, c}};
    }
    case GivenFlaw::SineAboveOne: { // a < b·sin α: below the altitude from C
        const Units alpha =
            level == 1 ? kNiceAngles[random.Below(3)] * kUnit : Whole(random, 20, 80);
        const Units b = length(6, 20);
        // sin x ≥ x − x³/6, and π > 3,14159: a below b·sin α by a tenth of b at least.
        const double x = static_cast<double>(alpha) / kUnit * 3.14159 / 180;
        const double below = static_cast<double>(b) * (x - x * x * x / 6 - 0.1);
        const Units a = std::max<Units>(step, static_cast<Units>(below) / step * step);
        return {{Element::SideA, Element::SideB, Element::AngleA}, {a, b, alpha}};
    }
    case GivenFlaw::AnglesAlone: { // α + β + γ less than 180°
        return {{Element::AngleA, Element::AngleB, Element::AngleC},
                {angle(30, 80), angle(30, 60), angle(20, 60)}};
    }
    }
    return {};
}

GivenTask Turned(GivenTask task, int turns)
{
    for (Element &element : task.elements) {
        const calc::ElementInfo &info = Info(element);
        if (info.vertex >= 0)
            element = calc::ElementOf(info.kind, (info.vertex + turns) % 3);
    }
    return task;
}

} // namespace teacher
