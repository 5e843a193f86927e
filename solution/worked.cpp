// The steps of a solution: the sides and the area by the school's route of each kind.
#include "worker.h"

namespace solution
{
namespace
{

using calc::InputMode;
using calc::Quantity;

constexpr std::string_view kRatio =
    "Страните са обратно пропорционални на височините (a·h_a = b·h_b = c·h_c = 2S):";
constexpr std::string_view kHeronInK = "Лицето по формулата на Херон, изразено чрез k:";
constexpr std::string_view kScale = "k от лицето, изразено и чрез височината h_a:";
constexpr std::string_view kSidesAndArea = "Страните и лицето:";
constexpr std::string_view kArea = "Лицето S от реципрочните стойности на височините:";
constexpr std::string_view kSides = "Страните:";
constexpr std::string_view kHeron = "Полупериметърът p и лицето S по формулата на Херон:";
constexpr std::string_view kMedianSides = "Страните чрез медианите:";
constexpr std::string_view kMediansArea =
    "Лицето: медианите образуват триъгълник с лице S_m = (3/4)S; S_m по формулата на Херон:";
constexpr std::string_view kHeightsCheck =
    "Проверка: лицето и по формулата 1/S² = (1/h_a + 1/h_b + 1/h_c)(…)(…)(…):";
constexpr std::string_view kMediansCheck = "Проверка: медианите от намерените страни:";
constexpr std::string_view kSameArea = "същото лице";
constexpr std::string_view kOutOfRange = "Защо няма резултат:";
constexpr std::string_view kBeyondRange =
    "такъв триъгълник има, но някоя от дължините или лицето му е извън обхвата на числата, с "
    "които смята програмата";
constexpr std::string_view kTooLong =
    "числото е записано с повече от 200 значещи цифри или с повече от 9 цифри в степенния "
    "показател, а програмата смята само с по-кратки числа";

Expression Twice(Expression e)
{
    return Product(List(Integer(2), std::move(e)));
}

Expression Difference(Expression x, Expression y)
{
    return Sum(List(std::move(x), Negative(std::move(y))));
}

Expression Reciprocal(Expression e)
{
    return Fraction(Integer(1), std::move(e));
}

// √(2m² + 2m'² − m₀²), m₀ the median to the side (or, back, the side to the median).
Expression MedianRoot(const Expression &m0, const Expression &m, const Expression &mPrime)
{
    return Root(Sum(List(Twice(Square(m)), Twice(Square(mPrime)), Negative(Square(m0)))));
}

} // namespace

Part &Worker::Add(std::string_view title)
{
    worked_.parts.push_back({title, {}});
    return worked_.parts.back();
}

Expression Worker::Letter(int i)
{
    return Symbol(std::string_view(&calc::kSideLetters.at(static_cast<std::size_t>(i)), 1));
}

Expression Worker::Named(std::string_view letter, int i)
{
    return Symbol(letter, calc::kSideLetters.at(static_cast<std::size_t>(i)));
}

Expression Worker::Given(int i) const
{
    const std::string_view letter = calc::Words(s_.mode).letter;
    return letter.empty() ? Letter(i) : Named(letter, i);
}

void Worker::AddResult(Part &part, Chain chain, Q quantity, int index) const
{
    n_.Finish(chain, quantity, index, true);
    const calc::Triangle &t = s_.triangle;
    const calc::Number &reported =
        quantity == Q::Area ? t.area : t.sides.at(static_cast<std::size_t>(index));
    part.steps.push_back({List(chain.Take()), n_.Notes(reported, quantity, index)});
}

WorkedSolution Worker::Work()
{
    switch (s_.outcome) {
    case calc::Outcome::Solved:
        break;
    case calc::Outcome::Rejected:
        Refusal();
        return std::move(worked_);
    case calc::Outcome::OutOfRange:
        Add(kOutOfRange).steps.push_back({{}, std::string(kBeyondRange)});
        return std::move(worked_);
    case calc::Outcome::TooLong: // (Work says why, without the exact values)
        return std::move(worked_);
    }
    switch (s_.mode) {
    case InputMode::Heights:
        Heights();
        break;
    case InputMode::Sides:
        Sides();
        break;
    case InputMode::Medians:
        Medians();
        break;
    }
    Bisectors();
    if (s_.mode == InputMode::Heights)
        HeightsCheck();
    else if (s_.mode == InputMode::Medians)
        MediansCheck();
    BisectorsCheck();
    return std::move(worked_);
}

// Heron's formula on the base triangle: p, p − x …, S; for altitudes in k.
void Worker::Heron(const std::array<Expression, 3> &x, const Expression &p, const Expression &area)
{
    const bool inK = s_.mode == InputMode::Heights;
    const auto value = [&](Quantity quantity, int index, int power) {
        return inK ? n_.TimesScale(quantity, index, power) : n_.Value(quantity, index);
    };
    const auto base = [&](int i) { return value(inK ? Quantity::Ratio : Quantity::Given, i, 1); };
    Part &part = Add(inK ? kHeronInK : s_.mode == InputMode::Medians ? kMediansArea : kHeron);
    Chain half(p);
    half.Is(Fraction(Sum(List(x[0], x[1], x[2])), Integer(2)));
    half.Is(Fraction(Sum(List(base(0), base(1), base(2))), Integer(2)));
    if (!inK)
        half.Is(Fraction(value(Quantity::Perimeter, 0, 1), Integer(2)));
    half.Is(value(Quantity::HalfPerimeter, 0, 1));
    part.steps.push_back({List(half.Take()), {}});

    Step differences;
    for (int i = 0; i < 3; ++i) {
        Chain difference(Difference(p, x[static_cast<std::size_t>(i)]));
        difference.Is(Difference(value(Quantity::HalfPerimeter, 0, 1), base(i)));
        difference.Is(value(Quantity::HeronDifference, i, 1));
        differences.formulas.push_back(difference.Take());
    }
    part.steps.push_back(std::move(differences));

    Chain s(area);
    std::vector<Expression> letters{p}, numbers{value(Quantity::HalfPerimeter, 0, 1)};
    for (int i = 0; i < 3; ++i) {
        letters.push_back(Difference(p, x[static_cast<std::size_t>(i)]));
        numbers.push_back(value(Quantity::HeronDifference, i, 1));
    }
    s.Is(Root(Product(std::move(letters))));
    s.Is(Root(Product(std::move(numbers))));
    if (inK) {
        s.Is(Root(value(Quantity::HeronSquare, 0, 4)));
        s.Is(value(Quantity::HeronArea, 0, 2));
        part.steps.push_back({List(s.Take()), {}});
    } else if (s_.mode == InputMode::Medians) {
        n_.Root(s, Quantity::HeronSquare, Quantity::HeronArea);
        part.steps.push_back({List(s.Take()), {}});
    } else {
        n_.Root(s, Quantity::HeronSquare, Quantity::Area, 0, true);
        part.steps.push_back({List(s.Take()), n_.Notes(s_.triangle.area, Quantity::Area)});
    }
}

void Worker::Sides()
{
    Heron({Letter(0), Letter(1), Letter(2)}, Symbol("p"), Symbol("S"));
}

void Worker::Medians()
{
    Part &sides = Add(kMedianSides);
    const Expression twoThirds = Fraction(Integer(2), Integer(3));
    for (int i = 0; i < 3; ++i) {
        const int j = calc::Next(i), k = calc::Next(i, 2);
        Chain chain(Letter(i));
        chain.Is(Product(List(twoThirds, MedianRoot(Given(i), Given(j), Given(k)))));
        chain.Is(Product(
            List(twoThirds, MedianRoot(n_.Value(Quantity::Given, i), n_.Value(Quantity::Given, j),
                                       n_.Value(Quantity::Given, k)))));
        chain.Is(Product(List(twoThirds, Root(n_.Value(Quantity::MedianRadicand, i)))));
        AddResult(sides, std::move(chain), Quantity::Side, i);
    }
    const Expression p = Symbol("p", 'm');
    const Expression area = Symbol("S", 'm');
    Heron({Given(0), Given(1), Given(2)}, p, area);
    Chain s(Symbol("S"));
    s.Is(Product(List(Fraction(Integer(4), Integer(3)), area)));
    s.Is(Product(List(Fraction(Integer(4), Integer(3)), n_.Value(Quantity::HeronArea))));
    AddResult(worked_.parts.back(), std::move(s), Quantity::Area, 0);
}

// a : b : c = 1/h_a : 1/h_b : 1/h_c in whole numbers, a = x_a·k …; Heron's formula in k; k
// from S = a·h_a/2; then the sides and the area.
void Worker::Heights()
{
    for (int i = 0; i < 3; ++i)
        if (!n_.HasForm(Quantity::Ratio, i) || !n_.HasForm(Quantity::Scale)) {
            HeightsByIdentity();
            return;
        }
    std::vector<Expression> sides, reciprocals, given, ratio;
    Step scaled;
    for (int i = 0; i < 3; ++i) {
        sides.push_back(Letter(i));
        reciprocals.push_back(Reciprocal(Given(i)));
        given.push_back(Reciprocal(n_.Value(Quantity::Given, i)));
        ratio.push_back(n_.Value(Quantity::Ratio, i));
        Chain side(Letter(i));
        side.Is(n_.TimesScale(Quantity::Ratio, i, 1));
        scaled.formulas.push_back(side.Take());
    }
    Chain proportion(Ratio(std::move(sides)));
    proportion.Is(Ratio(std::move(reciprocals)));
    proportion.Is(Ratio(std::move(given)));
    proportion.Is(Ratio(std::move(ratio)));
    Part &part = Add(kRatio);
    part.steps.push_back({List(proportion.Take()), {}});
    part.steps.push_back(std::move(scaled));

    Heron({Letter(0), Letter(1), Letter(2)}, Symbol("p"), Symbol("S"));

    Part &scale = Add(kScale);
    Chain area(Symbol("S"));
    area.Is(Fraction(Product(List(Letter(0), Given(0))), Integer(2)));
    area.Is(
        Fraction(Product(List(n_.TimesScale(Quantity::Ratio, 0, 1), n_.Value(Quantity::Given, 0))),
                 Integer(2)));
    area.Is(n_.TimesScale(Quantity::AltitudeArea, 0, 1));
    Chain equation(n_.TimesScale(Quantity::HeronArea, 0, 2));
    equation.Is(n_.TimesScale(Quantity::AltitudeArea, 0, 1));
    Chain k(Symbol("k"));
    k.Is(Fraction(n_.Value(Quantity::AltitudeArea), n_.Value(Quantity::HeronArea)));
    n_.OverRoot(k, Quantity::Scale);
    n_.Finish(k, Quantity::Scale, 0, true);
    scale.steps.push_back({List(area.Take(), equation.Take(), k.Take()), {}});

    Part &results = Add(kSidesAndArea);
    for (int i = 0; i < 3; ++i) {
        Chain side(Letter(i));
        side.Is(n_.TimesScale(Quantity::Ratio, i, 1));
        side.Is(Product(List(n_.Value(Quantity::Ratio, i), n_.Value(Quantity::Scale))));
        AddResult(results, std::move(side), Quantity::Side, i);
    }
    Chain s(Symbol("S"));
    s.Is(n_.TimesScale(Quantity::AltitudeArea, 0, 1));
    s.Is(Product(List(n_.Value(Quantity::AltitudeArea), n_.Value(Quantity::Scale))));
    AddResult(results, std::move(s), Quantity::Area, 0);
}

// 1/S² = P1 · P2 · P3 · P4 of the reciprocals, as letters and as numbers, and its value.
static Expression InverseAreaSquared(Chain &chain, const Notation &n,
                                     const std::array<Expression, 3> &given)
{
    std::array<std::vector<Expression>, 3> factors; // as letters, put in, worked out
    for (int f = 0; f < 4; ++f) {
        std::vector<Expression> letters, numbers;
        for (int i = 0; i < 3; ++i) {
            Expression letter = Reciprocal(given[static_cast<std::size_t>(i)]);
            Expression number = n.Value(Quantity::Reciprocal, i);
            const bool turned = f > 0 && i == 3 - f;
            letters.push_back(turned ? Negative(std::move(letter)) : std::move(letter));
            numbers.push_back(turned ? Negative(std::move(number)) : std::move(number));
        }
        factors[0].push_back(Sum(std::move(letters)));
        factors[1].push_back(Sum(std::move(numbers)));
        factors[2].push_back(n.Value(Quantity::Factor, f));
    }
    for (std::vector<Expression> &product : factors)
        chain.Is(Product(std::move(product)));
    n.Finish(chain, Quantity::InverseAreaSquared);
    return chain.Take();
}

// The area from the identity, then a = 2S/h_a …: where the sides' ratio has no short form.
void Worker::HeightsByIdentity()
{
    Part &area = Add(kArea);
    const std::array<Expression, 3> given{Given(0), Given(1), Given(2)};
    Chain inverse(Reciprocal(Square(Symbol("S"))));
    area.steps.push_back({List(InverseAreaSquared(inverse, n_, given)), {}});
    Chain s(Symbol("S"));
    s.Is(Reciprocal(Root(Reciprocal(Square(Symbol("S"))))));
    s.Is(Reciprocal(Root(n_.Value(Quantity::InverseAreaSquared))));
    n_.OverRoot(s, Quantity::Area);
    AddResult(area, std::move(s), Quantity::Area, 0);

    Part &sides = Add(kSides);
    for (int i = 0; i < 3; ++i) {
        Chain side(Letter(i));
        side.Is(Fraction(Twice(Symbol("S")), Given(i)));
        side.Is(Fraction(Twice(n_.Value(Quantity::Area)), n_.Value(Quantity::Given, i)));
        AddResult(sides, std::move(side), Quantity::Side, i);
    }
}

// The second route to S: the identity 1/S² = P1 · P2 · P3 · P4.
void Worker::HeightsCheck()
{
    if (worked_.parts.front().title == kArea)
        return; // the identity was the route itself
    Part &part = Add(kHeightsCheck);
    const std::array<Expression, 3> given{Given(0), Given(1), Given(2)};
    Chain inverse(Reciprocal(Square(Symbol("S"))));
    Chain s(Symbol("S"));
    s.Is(Reciprocal(Root(n_.Value(Quantity::InverseAreaSquared))));
    n_.OverRoot(s, Quantity::Area);
    n_.Finish(s, Quantity::Area);
    part.steps.push_back(
        {List(InverseAreaSquared(inverse, n_, given), s.Take()), std::string(kSameArea)});
}

// m_a = (1/2)√(2b² + 2c² − a²) of the sides found, exactly: the given medians again.
void Worker::MediansCheck()
{
    Part &part = Add(kMediansCheck);
    Step check;
    const Expression half = Fraction(Integer(1), Integer(2));
    for (int i = 0; i < 3; ++i) {
        const int j = calc::Next(i), k = calc::Next(i, 2);
        Chain chain(Given(i));
        chain.Is(Product(List(half, MedianRoot(Letter(i), Letter(j), Letter(k)))));
        chain.Is(Product(List(half, Root(Sum(List(Twice(n_.Value(Quantity::SideSquare, j)),
                                                  Twice(n_.Value(Quantity::SideSquare, k)),
                                                  Negative(n_.Value(Quantity::SideSquare, i))))))));
        chain.Is(Product(List(half, Root(n_.Value(Quantity::CheckRadicand, i)))));
        chain.Is(n_.Value(Quantity::Given, i));
        check.formulas.push_back(chain.Take());
    }
    part.steps.push_back(std::move(check));
}

WorkedSolution Work(const calc::Solution &solution, std::string_view decimalSeparator)
{
    if (solution.outcome == calc::Outcome::TooLong) {
        // Which length is too long to work with, by its name: nothing else is known.
        Step step{{}, std::string(kTooLong)};
        if (solution.refused >= 0 && solution.refused <= 2) {
            const char side = calc::kSideLetters.at(static_cast<std::size_t>(solution.refused));
            const std::string_view letter = calc::Words(solution.mode).letter;
            step.formulas = List(
                Chain(letter.empty() ? Symbol(std::string_view(&side, 1)) : Symbol(letter, side))
                    .Take());
        }
        return {{{kOutOfRange, {std::move(step)}}}};
    }
    if (!solution.exact) {
        // (made without the exact values: nothing worked out to show)
        return {};
    }
    return Worker(solution, decimalSeparator).Work();
}

} // namespace solution
