// The Worker: the routes a solution takes and the one after the other, the names and the
// formulas the routes share, Heron's formula on the base triangle of each kind, and the
// route of the sides, which is Heron's formula alone.
#include "worker.h"

#include <algorithm>

namespace solution
{
namespace
{

using calc::InputMode;
using calc::Quantity;

constexpr std::string_view kHeronInK = "Лицето по формулата на Херон, изразено чрез k:";
constexpr std::string_view kHeron = "Полупериметърът p и лицето S по формулата на Херон:";
constexpr std::string_view kMediansArea =
    "Лицето: медианите образуват триъгълник с лице S_m = (3/4)S; S_m по формулата на Херон:";
constexpr std::string_view kSidesCheck =
    "Проверка: пресмятаме S = (1/2)·bc·sin α, като cos α намираме от косинусовата теорема:";
constexpr std::string_view kSameArea = "✓ същото лице";
constexpr std::string_view kOutOfRange = "Защо няма резултат:";
constexpr std::string_view kRemark = "Забележка:";
constexpr std::string_view kAlmostDegenerate =
    "триъгълникът е почти изроден: височината към най-дългата му страна е по-малка от "
    "стотната част от нея";
constexpr std::string_view kBeyondRange =
    "такъв триъгълник има, но някоя от дължините или лицето му е извън обхвата на числата, с "
    "които смята програмата";
constexpr std::string_view kTooLong =
    "числото е записано с повече от 200 значещи цифри или с повече от 9 цифри в степенния "
    "показател, а програмата смята само с по-кратки числа";

// Whether the sides' ratio of altitudes and k have short exact forms, for the route by the
// ratio.
bool RatioHasForms(const calc::exact::Values &values)
{
    for (int i = 0; i < 3; ++i)
        if (!values.FormOf({Quantity::Ratio, i}))
            return false;
    return values.FormOf({Quantity::Scale, 0}).has_value();
}

// Whether the altitude to the longest side is under a hundredth of it: a triangle that is
// nearly a segment (worked out so that no square of a long side overflows).
bool AlmostDegenerate(const calc::Triangle &t)
{
    const double longest = std::max({t.sides[0].value, t.sides[1].value, t.sides[2].value});
    return longest > 0 && 2 * (t.area.value / longest) < longest / 100;
}

} // namespace

std::vector<Route> RoutesOf(const calc::Solution &solution)
{
    if (!solution.exact)
        return {};
    switch (solution.outcome) {
    case calc::Outcome::Solved:
        break;
    case calc::Outcome::Rejected:
        return {Route::Rejected};
    case calc::Outcome::OutOfRange:
        return {Route::OutOfRange};
    case calc::Outcome::TooLong:
        return {};
    }
    switch (solution.mode) {
    case InputMode::Heights:
        if (!RatioHasForms(*solution.exact)) // the identity is the route itself
            return {Route::AltitudesByIdentity, Route::Bisectors, Route::BisectorsCheck};
        return {Route::Altitudes, Route::Bisectors, Route::AltitudesCheck, Route::BisectorsCheck};
    case InputMode::Sides:
        return {Route::Sides, Route::Bisectors, Route::SidesCheck, Route::BisectorsCheck};
    case InputMode::Medians:
        break;
    }
    return {Route::Medians, Route::Bisectors, Route::MediansCheck, Route::BisectorsCheck};
}

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

Expression MedianRadicand(const Expression &m0, const Expression &m, const Expression &mPrime)
{
    return Sum(List(Twice(Square(m)), Twice(Square(mPrime)), Negative(Square(m0))));
}

Expression GivenSymbol(InputMode mode, int i)
{
    const char side = calc::kSideLetters.at(static_cast<std::size_t>(i));
    const std::string_view letter = calc::Words(mode).letter;
    return letter.empty() ? Symbol(std::string_view(&side, 1)) : Symbol(letter, side);
}

WorkedSolution Worker::Work()
{
    for (const Route route : RoutesOf(solution_))
        Follow(route);
    if (solution_.outcome == calc::Outcome::Solved && AlmostDegenerate(solution_.triangle))
        Add(kRemark).steps.push_back({{}, Note(kAlmostDegenerate)});
    return std::move(worked_);
}

void Worker::Follow(Route route)
{
    switch (route) {
    case Route::Altitudes:
        return Altitudes();
    case Route::AltitudesByIdentity:
        return AltitudesByIdentity();
    case Route::Sides:
        return Sides();
    case Route::Medians:
        return Medians();
    case Route::Bisectors:
        return Bisectors();
    case Route::AltitudesCheck:
        return AltitudesCheck();
    case Route::SidesCheck:
        return SidesCheck();
    case Route::MediansCheck:
        return MediansCheck();
    case Route::BisectorsCheck:
        return BisectorsCheck();
    case Route::Rejected:
        return Rejected();
    case Route::OutOfRange:
        return OutOfRange();
    }
}

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

Expression Worker::Proportion() const
{
    std::vector<Expression> sides, reciprocals, given, whole;
    for (int i = 0; i < 3; ++i) {
        sides.push_back(Letter(i));
        reciprocals.push_back(Reciprocal(Given(i)));
        given.push_back(Reciprocal(notation_.Value(Quantity::Given, i)));
        whole.push_back(notation_.Value(Quantity::Ratio, i));
    }
    Chain proportion(Ratio(std::move(sides)));
    proportion.Is(Ratio(std::move(reciprocals)));
    proportion.Is(Ratio(std::move(given)));
    // Over the least common denominator, where the reciprocals are not all over it already.
    const std::optional<calc::exact::Surd> &denominator =
        notation_.FormOf(Quantity::CommonDenominator);
    const auto over = [&](int i) {
        const std::optional<calc::exact::Surd> &reciprocal =
            notation_.FormOf(Quantity::Reciprocal, i);
        return reciprocal && reciprocal->d == denominator->n;
    };
    if (denominator && denominator->n != 1 && !(over(0) && over(1) && over(2))) {
        std::vector<Expression> common;
        common.reserve(3);
        for (int i = 0; i < 3; ++i)
            common.push_back(Fraction(notation_.Value(Quantity::CommonNumerator, i),
                                      notation_.Value(Quantity::CommonDenominator)));
        proportion.Is(Ratio(std::move(common)));
    }
    proportion.Is(Ratio(std::move(whole)));
    return proportion.Take();
}

void Worker::AddResult(Part &part, Chain chain, Quantity quantity, int index) const
{
    notation_.Finish(chain, quantity, index, true);
    part.steps.push_back({List(chain.Take()), notation_.Notes(quantity, index)});
}

// Heron's formula on the base triangle: p, p − x …, S; for altitudes in k.
void Worker::Heron(const std::array<Expression, 3> &x, const Expression &p, const Expression &area)
{
    const bool inK = solution_.mode == InputMode::Heights;
    const bool medians = solution_.mode == InputMode::Medians;
    const auto value = [&](Quantity quantity, int index, int power) {
        return inK ? notation_.TimesScale(quantity, index, power)
                   : notation_.Value(quantity, index);
    };
    const auto base = [&](int i) { return value(inK ? Quantity::Ratio : Quantity::Given, i, 1); };
    Part &part = Add(inK ? kHeronInK : medians ? kMediansArea : kHeron);
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
    } else if (medians) {
        notation_.Root(s, Quantity::HeronSquare, Quantity::HeronArea);
        part.steps.push_back({List(s.Take()), {}});
    } else {
        notation_.Root(s, Quantity::HeronSquare, Quantity::Area, 0, true);
        part.steps.push_back({List(s.Take()), notation_.Notes(Quantity::Area)});
    }
}

void Worker::Sides()
{
    Heron({Letter(0), Letter(1), Letter(2)}, Symbol("p"), Symbol("S"));
}

// cos α = (b² + c² − a²)/(2bc), sin α = √(1 − cos²α), S = (1/2)·bc·sin α: the area again.
void Worker::SidesCheck()
{
    Part &part = Add(kSidesCheck);
    const auto side = [this](int i) { return notation_.Value(Quantity::Given, i); };
    const auto law = [](const auto &of) {
        return Fraction(Difference(Sum(List(Square(of(1)), Square(of(2)))), Square(of(0))),
                        Twice(Product(List(of(1), of(2)))));
    };
    Chain cosine(Symbol("cos α"));
    cosine.Is(law(Letter));
    cosine.Is(law(side));
    cosine.Is(Fraction(notation_.Value(Quantity::CosineNumerator),
                       Twice(notation_.Value(Quantity::AdjacentProduct))));
    notation_.Finish(cosine, Quantity::Cosine);
    Chain sine(Symbol("sin α"));
    sine.Is(Root(Difference(Integer(1), Symbol("cos² α"))));
    sine.Is(Root(Difference(Integer(1), Square(notation_.Value(Quantity::Cosine)))));
    notation_.Root(sine, Quantity::SineSquare, Quantity::Sine);
    Chain area(Symbol("S"));
    const Expression half = Fraction(Integer(1), Integer(2));
    area.Is(Product(List(half, Letter(1), Letter(2), Symbol("sin α"))));
    area.Is(Product(List(half, side(1), side(2), notation_.Value(Quantity::Sine))));
    notation_.Finish(area, Quantity::Area);
    part.steps.push_back({List(cosine.Take(), sine.Take(), area.Take()), Note(kSameArea)});
}

void Worker::OutOfRange()
{
    Add(kOutOfRange).steps.push_back({{}, Note(kBeyondRange)});
}

WorkedSolution Work(const calc::Solution &solution)
{
    if (solution.outcome == calc::Outcome::TooLong) {
        // Which length is too long to work with, by its name: nothing else is known.
        Step step{{}, Note(kTooLong)};
        if (solution.refused >= 0 && solution.refused <= 2)
            step.formulas = List(Chain(GivenSymbol(solution.mode, solution.refused)).Take());
        return {{{kOutOfRange, {std::move(step)}}}};
    }
    if (!solution.exact) // (made without the exact values: nothing worked out to show)
        return {};
    return Worker(solution).Work();
}

} // namespace solution
