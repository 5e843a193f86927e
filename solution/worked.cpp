// The steps of a solution, from the values of the core's calc::Solution.
#include "numbers.h"
#include "solution.h"

#include <array>

namespace solution
{
namespace
{

using calc::InputMode;

constexpr char kNames[] = {'a', 'b', 'c'};

constexpr std::string_view kReciprocals = "Реципрочните стойности на височините:";
constexpr std::string_view kArea = "Лицето S:";
constexpr std::string_view kSides = "Страните:";
constexpr std::string_view kHeron = "Полупериметърът p и лицето S по формулата на Херон:";
constexpr std::string_view kBisectors =
    "Ъглополовящите (l_a, l_b и l_c са Yg_a, Yg_b и Yg_c от отчета):";
constexpr std::string_view kHeightsCheck = "Проверка: височините от намерените страни и лице:";
constexpr std::string_view kMediansCheck = "Проверка: медианите от намерените страни:";
constexpr std::string_view kRejected = "Защо данните са некоректни:";
constexpr std::string_view kOutOfRange = "Защо няма резултат:";
constexpr std::string_view kNotPositive[] = {
    "височината на триъгълник е положително число",
    "страната на триъгълник е положително число",
    "медианата на триъгълник е положително число",
};
constexpr std::string_view kExceeds[] = {
    "страните са пропорционални на 1/h_a, 1/h_b и 1/h_c, а едната от тези три стойности не е "
    "по-малка от сбора на другите две",
    "едната страна не е по-малка от сбора на другите две",
    "едната медиана не е по-малка от сбора на другите две, а медианите на всеки триъгълник "
    "образуват триъгълник",
};
constexpr std::string_view kBeyondRange =
    "такъв триъгълник има, но някоя от дължините или лицето му е извън обхвата на числата, с "
    "които смята програмата";

// The other two of the indices 0, 1, 2, in order: b and c for a.
std::array<std::size_t, 2> Others(std::size_t i)
{
    return {i == 0 ? 1U : 0U, i == 2 ? 1U : 2U};
}

Expression Letter(std::size_t i)
{
    return Symbol(std::string_view(&kNames[i], 1));
}

Expression Named(std::string_view letter, std::size_t i)
{
    return Symbol(letter, kNames[i]);
}

Expression Twice(Expression e)
{
    return Product(List(Integer(2), std::move(e)));
}

// 1/x.
Expression Reciprocal(Expression e)
{
    return Fraction(Integer(1), std::move(e));
}

// x − y.
Expression Difference(Expression x, Expression y)
{
    return Sum(List(std::move(x), Negative(std::move(y))));
}

// xy − xyz²/(x + y)²: the square of the bisector between sides x and y, to side z.
Expression BisectorSquared(const Expression &x, const Expression &y, const Expression &z)
{
    return Difference(Product(List(x, y)),
                      Fraction(Product(List(x, y, Square(z))), Square(Sum(List(x, y)))));
}

// √(2m² + 2m'² − m₀²), m₀ the median to the side.
Expression MedianRoot(const Expression &m0, const Expression &m, const Expression &mPrime)
{
    return Root(Sum(List(Twice(Square(m)), Twice(Square(mPrime)), Negative(Square(m0)))));
}

// The exact forms of a solution made without them: none.
const calc::ExactForms kNoForms;

class Worker
{
public:
    Worker(const calc::Solution &solution, std::string_view separator)
        : s_(solution), d_(solution.derivation), x_(solution.exact ? *solution.exact : kNoForms),
          t_(solution.triangle), separator_(separator)
    {
    }

    WorkedSolution Work()
    {
        switch (s_.outcome) {
        case calc::Outcome::Solved:
            break;
        case calc::Outcome::Rejected:
            Refusal();
            return std::move(worked_);
        case calc::Outcome::OutOfRange:
            Add(kOutOfRange).steps.push_back({{}, kBeyondRange});
            return std::move(worked_);
        }
        switch (s_.mode) {
        case InputMode::Heights:
            Heights();
            break;
        case InputMode::Medians:
            Medians();
            [[fallthrough]];
        case InputMode::Sides:
            Heron();
            break;
        }
        Bisectors();
        Check();
        return std::move(worked_);
    }

private:
    Part &Add(std::string_view title)
    {
        worked_.parts.push_back({title, {}});
        return worked_.parts.back();
    }

    // A value the core worked out, as its decimal: rounded, unless its exact form says
    // that the decimal is the value.
    Expression Decimal(double value, std::string_view form) const
    {
        const std::string text = calc::NumberText(value, separator_);
        return solution::Decimal(text, !SameValue(text, separator_, form));
    }

    // A given length, as read: the user's own number.
    Expression Given(std::size_t i) const
    {
        return solution::Decimal(calc::NumberText(s_.given[i], separator_), false);
    }

    // A value as its exact form, where it has one, else as its decimal.
    Expression Exact(double value, const std::string &form) const
    {
        return form.empty() ? Decimal(value, form) : ExactForm(form);
    }

    // A value put into a formula: where `exact` asks for it (a result with an exact form
    // is worked out from exact values), its exact form if that is a fraction or a whole
    // number; its decimal otherwise, which reads more easily than a formula full of roots.
    Expression Put(double value, const std::string &form, bool exact) const
    {
        return exact && form.find("√") == std::string::npos ? Exact(value, form)
                                                            : Decimal(value, form);
    }

    // A side put into a formula: given, or found.
    Expression Side(std::size_t i, bool exact) const
    {
        return s_.mode == InputMode::Sides ? Given(i) : Put(t_.sides[i], x_.sides[i], exact);
    }

    // The end of a chain: the exact form, if any, then the decimal.
    Expression Result(Chain &chain, double value, const std::string &form) const
    {
        if (!form.empty())
            chain.Is(ExactForm(form));
        chain.Is(Decimal(value, form));
        return chain.Take();
    }

    void Heights()
    {
        Step reciprocals;
        for (std::size_t i = 0; i < 3; ++i) {
            Chain chain(Reciprocal(Named("h", i)));
            chain.Is(Reciprocal(Given(i)));
            reciprocals.formulas.push_back(Result(chain, d_.reciprocals[i], x_.reciprocals[i]));
        }
        Add(kReciprocals).steps.push_back(std::move(reciprocals));

        // 1/S² = P1 · P2 · P3 · P4, P1 the sum of the reciprocals and P2, P3, P4 with the
        // sign of 1/h_c, 1/h_b, 1/h_a turned.
        const bool exact = !x_.inverseAreaSquared.empty();
        std::array<std::vector<Expression>, 3> factors; // as letters, put in, worked out
        for (std::size_t k = 0; k < 4; ++k) {
            std::vector<Expression> letters, numbers;
            for (std::size_t i = 0; i < 3; ++i) {
                Expression letter = Reciprocal(Named("h", i));
                Expression number = Put(d_.reciprocals[i], x_.reciprocals[i], exact);
                const bool turned = k > 0 && i == 3 - k;
                letters.push_back(turned ? Negative(std::move(letter)) : std::move(letter));
                numbers.push_back(turned ? Negative(std::move(number)) : std::move(number));
            }
            factors[0].push_back(Sum(std::move(letters)));
            factors[1].push_back(Sum(std::move(numbers)));
            factors[2].push_back(Put(d_.factors[k], x_.factors[k], exact));
        }
        Part &area = Add(kArea);
        Chain inverse(Reciprocal(Square(Symbol("S"))));
        for (std::vector<Expression> &product : factors)
            inverse.Is(Product(std::move(product)));
        area.steps.push_back(
            {List(Result(inverse, d_.inverseAreaSquared, x_.inverseAreaSquared)), {}});
        Chain s(Symbol("S"));
        s.Is(Reciprocal(Root(Reciprocal(Square(Symbol("S"))))));
        s.Is(Reciprocal(Root(Put(d_.inverseAreaSquared, x_.inverseAreaSquared, !x_.area.empty()))));
        area.steps.push_back({List(Result(s, t_.area, x_.area)), {}});

        Step sides;
        for (std::size_t i = 0; i < 3; ++i) {
            Chain chain(Letter(i));
            chain.Is(Fraction(Twice(Symbol("S")), Named("h", i)));
            chain.Is(Fraction(Twice(Put(t_.area, x_.area, !x_.sides[i].empty())), Given(i)));
            sides.formulas.push_back(Result(chain, t_.sides[i], x_.sides[i]));
        }
        Add(kSides).steps.push_back(std::move(sides));
    }

    void Medians()
    {
        Part &sides = Add(kSides);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [j, k] = Others(i);
            Chain chain(Letter(i));
            chain.Is(Product(List(Fraction(Integer(2), Integer(3)),
                                  MedianRoot(Named("m", i), Named("m", j), Named("m", k)))));
            chain.Is(Product(
                {Fraction(Integer(2), Integer(3)), MedianRoot(Given(i), Given(j), Given(k))}));
            // (2/3)√73, the root as it is when the side is exact
            const bool exact = !x_.sides[i].empty();
            chain.Is(Product(List(Fraction(Integer(2), Integer(3)),
                                  exact ? Exact(d_.medianRoots[i], x_.medianRoots[i])
                                        : Decimal(d_.medianRoots[i], x_.medianRoots[i]))));
            sides.steps.push_back({List(Result(chain, t_.sides[i], x_.sides[i])), {}});
        }
    }

    // p, p − a, p − b, p − c and S of the sides, given or found.
    void Heron()
    {
        Part &part = Add(kHeron);
        const std::array<double, 4> &values = d_.heron;
        const auto put = [&](std::size_t n, bool exact) {
            return Put(values[n], x_.heron[n], exact);
        };
        Chain p(Symbol("p"));
        p.Is(Fraction(Sum(List(Letter(0), Letter(1), Letter(2))), Integer(2)));
        const bool exactP = !x_.heron[0].empty();
        p.Is(Fraction(Sum(List(Side(0, exactP), Side(1, exactP), Side(2, exactP))), Integer(2)));
        part.steps.push_back({List(Result(p, values[0], x_.heron[0])), {}});
        Step differences;
        for (std::size_t i = 0; i < 3; ++i) {
            const bool exact = !x_.heron[i + 1].empty();
            Chain difference(Difference(Symbol("p"), Letter(i)));
            difference.Is(Difference(put(0, exact), Side(i, exact)));
            differences.formulas.push_back(Result(difference, values[i + 1], x_.heron[i + 1]));
        }
        part.steps.push_back(std::move(differences));
        Chain s(Symbol("S"));
        std::vector<Expression> letters{Symbol("p")}, numbers;
        for (std::size_t i = 0; i < 3; ++i)
            letters.push_back(Difference(Symbol("p"), Letter(i)));
        for (std::size_t n = 0; n < 4; ++n)
            numbers.push_back(put(n, !x_.area.empty()));
        s.Is(Root(Product(std::move(letters))));
        s.Is(Root(Product(std::move(numbers))));
        part.steps.push_back({List(Result(s, t_.area, x_.area)), {}});
    }

    // l_a² = bc − bca²/(b + c)² with the sides put in, then l_a.
    void Bisectors()
    {
        Part &part = Add(kBisectors);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [j, k] = Others(i);
            const bool exact = !x_.bisectors[i].empty();
            Chain square(Square(Named("l", i)));
            square.Is(BisectorSquared(Letter(j), Letter(k), Letter(i)));
            square.Is(BisectorSquared(Side(j, exact), Side(k, exact), Side(i, exact)));
            Chain chain(Named("l", i));
            part.steps.push_back(
                {List(square.Take(), Result(chain, t_.bisectors[i], x_.bisectors[i])), {}});
        }
    }

    // The given altitudes or medians again, from the decimals the report gives: the
    // result is written as given where it has the given digits.
    void Check()
    {
        if (s_.mode == InputMode::Sides)
            return;
        const bool heights = s_.mode == InputMode::Heights;
        Step check;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [j, k] = Others(i);
            const auto side = [&](std::size_t n) { return Decimal(t_.sides[n], x_.sides[n]); };
            Chain chain(Named(heights ? "h" : "m", i));
            if (heights) {
                chain.Is(Fraction(Twice(Symbol("S")), Letter(i)));
                chain.Is(Fraction(Twice(Decimal(t_.area, x_.area)), side(i)));
            } else {
                const Expression half = Fraction(Integer(1), Integer(2));
                chain.Is(Product(List(half, MedianRoot(Letter(i), Letter(j), Letter(k)))));
                chain.Is(Product(List(half, MedianRoot(side(i), side(j), side(k)))));
            }
            const std::string again = calc::NumberText(d_.check[i], separator_);
            chain.Is(solution::Decimal(again, again != calc::NumberText(s_.given[i], separator_)));
            check.formulas.push_back(chain.Take());
        }
        Add(heights ? kHeightsCheck : kMediansCheck).steps.push_back(std::move(check));
    }

    // Why a triple has no triangle: the lengths, or for altitudes their reciprocals, that
    // fail the triangle inequality, or the length that is not positive.
    void Refusal()
    {
        Part &part = Add(kRejected);
        const auto mode = static_cast<std::size_t>(s_.mode);
        const auto i = static_cast<std::size_t>(s_.refused);
        if (s_.refused < 0 || s_.refused > 2)
            return;
        const std::string_view letter = s_.mode == InputMode::Heights ? "h" : "m";
        const auto name = [&](std::size_t n) {
            return s_.mode == InputMode::Sides ? Letter(n) : Named(letter, n);
        };
        if (s_.refusal == calc::Refusal::NotPositive) {
            Chain chain(name(i));
            chain.Is(Given(i));
            if (s_.given[i] < 0)
                chain.Then(Relation::Less, Integer(0));
            part.steps.push_back({List(chain.Take()), kNotPositive[mode]});
            return;
        }
        const Relation relation =
            s_.refusal == calc::Refusal::Equals ? Relation::Equal : Relation::Less;
        const auto [j, k] = Others(i);
        if (s_.mode != InputMode::Heights) {
            Chain chain(Sum(List(name(j), name(k))));
            chain.Is(Sum(List(Given(j), Given(k))));
            chain.Then(relation, Given(i)).Then(Relation::Equal, name(i));
            part.steps.push_back({List(chain.Take()), kExceeds[mode]});
            return;
        }
        // The reciprocals as the core gives them; a reciprocal beyond the range of the
        // numbers (an altitude like 1e-400) leaves the letters alone.
        const auto reciprocal = [&](std::size_t n) {
            return Exact(d_.reciprocals[n], x_.reciprocals[n]);
        };
        const bool known = [&] {
            for (std::size_t n = 0; n < 3; ++n)
                if (d_.reciprocals[n] == 0 && x_.reciprocals[n].empty())
                    return false;
            return true;
        }();
        Chain chain(Sum(List(Reciprocal(name(j)), Reciprocal(name(k)))));
        if (known) {
            chain.Is(Sum(List(reciprocal(j), reciprocal(k))));
            chain.Then(relation, reciprocal(i)).Then(Relation::Equal, Reciprocal(name(i)));
        } else {
            chain.Then(relation, Reciprocal(name(i)));
        }
        part.steps.push_back({List(chain.Take()), kExceeds[mode]});
    }

    const calc::Solution &s_;
    const calc::Derivation &d_;
    const calc::ExactForms &x_;
    const calc::Triangle &t_;
    std::string separator_;
    WorkedSolution worked_;
};

} // namespace

WorkedSolution Work(const calc::Solution &solution, std::string_view decimalSeparator)
{
    return Worker(solution, decimalSeparator).Work();
}

} // namespace solution
