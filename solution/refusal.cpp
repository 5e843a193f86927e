// Why a triple has no triangle, in the terms of the triangle inequality.
#include "worker.h"

namespace solution
{
namespace
{

using calc::InputMode;
using calc::Quantity;

constexpr std::string_view kRejected = "Защо данните са некоректни:";
// The next item after `relation`, which an equal item already there stands for.
void Then(Chain &chain, Relation relation, Expression item)
{
    if (relation == Relation::Equal)
        chain.Is(std::move(item));
    else
        chain.Then(relation, std::move(item));
}

constexpr std::string_view kNegativeSquare = "под корена на формулата за страната излиза "
                                             "отрицателно число";

} // namespace

// The lengths, or for altitudes the sides' ratio, that fail the triangle inequality, or
// the length that is not positive.
void Worker::Refusal()
{
    Part &part = Add(kRejected);
    const int i = s_.refused;
    if (i < 0 || i > 2)
        return;
    const calc::KindWords &words = calc::Words(s_.mode);
    const int j = calc::Next(i), k = calc::Next(i, 2);
    if (s_.refusal == calc::Refusal::NotPositive) {
        Chain chain(Given(i));
        chain.Is(n_.Value(Quantity::Given, i));
        if (n_.Of(Quantity::Given, i).value.Sign() < 0)
            chain.Then(Relation::Less, Integer(0));
        part.steps.push_back({List(chain.Take()), std::string(words.notPositive)});
        return;
    }
    const Relation relation =
        s_.refusal == calc::Refusal::Equals ? Relation::Equal : Relation::Less;
    Step step;
    step.note = words.exceeds;
    const bool ratio = s_.mode == InputMode::Heights && n_.HasForm(Quantity::Ratio, 0) &&
                       n_.HasForm(Quantity::Ratio, 1) && n_.HasForm(Quantity::Ratio, 2);
    if (ratio) {
        // a : b : c = 1/h_a : 1/h_b : 1/h_c = 6 : 3 : 2, and 3 + 2 = 5 < 6.
        std::vector<Expression> sides, reciprocals, given, whole;
        for (int n = 0; n < 3; ++n) {
            sides.push_back(Letter(n));
            reciprocals.push_back(Fraction(Integer(1), Given(n)));
            given.push_back(Fraction(Integer(1), n_.Value(Quantity::Given, n)));
            whole.push_back(n_.Value(Quantity::Ratio, n));
        }
        Chain proportion(Ratio(std::move(sides)));
        proportion.Is(Ratio(std::move(reciprocals)));
        proportion.Is(Ratio(std::move(given)));
        proportion.Is(Ratio(std::move(whole)));
        Chain sum(Sum(List(n_.Value(Quantity::Ratio, j), n_.Value(Quantity::Ratio, k))));
        sum.Is(n_.Value(Quantity::BaseSum, i));
        Then(sum, relation, n_.Value(Quantity::Ratio, i));
        step.formulas.push_back(proportion.Take());
        step.formulas.push_back(sum.Take());
        part.steps.push_back(std::move(step));
        return;
    }
    // x_j + x_k = … < x_i, of the lengths or, for altitudes, of their reciprocals.
    const bool heights = s_.mode == InputMode::Heights;
    const auto name = [&](int n) { return heights ? Fraction(Integer(1), Given(n)) : Given(n); };
    const Quantity term = heights ? Quantity::Reciprocal : Quantity::Given;
    Chain chain(Sum(List(name(j), name(k))));
    chain.Is(Sum(List(n_.Value(term, j), n_.Value(term, k))));
    if (!heights)
        chain.Is(n_.Value(Quantity::BaseSum, i));
    Then(chain, relation, n_.Value(term, i));
    chain.Then(Relation::Equal, name(i));
    step.formulas.push_back(chain.Take());
    // Medians whose side would be the root of a negative number.
    if (s_.mode == InputMode::Medians && n_.Of(Quantity::MedianRadicand, i).value.Sign() < 0) {
        const Expression twice = Integer(2);
        Chain radicand(
            Sum(List(Product(List(twice, Square(Given(j)))), Product(List(twice, Square(Given(k)))),
                     Negative(Square(Given(i))))));
        radicand.Is(Sum(List(Product(List(twice, Square(n_.Value(Quantity::Given, j)))),
                             Product(List(twice, Square(n_.Value(Quantity::Given, k)))),
                             Negative(Square(n_.Value(Quantity::Given, i))))));
        radicand.Is(n_.Value(Quantity::MedianRadicand, i));
        radicand.Then(Relation::Less, Integer(0));
        step.formulas.push_back(radicand.Take());
        step.note += "; ";
        step.note += kNegativeSquare;
    }
    part.steps.push_back(std::move(step));
}

} // namespace solution
