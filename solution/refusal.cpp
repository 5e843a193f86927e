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
constexpr std::string_view kNone = "; следователно такъв триъгълник не съществува";
// Altitudes whose sides' ratio is in whole numbers: the inequality fails for them.
constexpr std::string_view kRatioFails =
    "страните са обратно пропорционални на височините, а за числата ";
constexpr std::string_view kRatioFailsEnd = " неравенството на триъгълника не е изпълнено";

} // namespace

// The lengths, or for altitudes the sides' ratio, that fail the triangle inequality, or
// the length that is not positive.
void Worker::Rejected()
{
    Part &part = Add(kRejected);
    const int i = solution_.refused;
    if (i < 0 || i > 2)
        return;
    const calc::KindWords &words = calc::Words(solution_.mode);
    const int j = calc::Next(i), k = calc::Next(i, 2);
    const auto given = [this](int n) { return notation_.Value(Quantity::Given, n); };
    if (solution_.refusal == calc::Refusal::NotPositive) {
        Chain chain(Given(i));
        chain.Is(given(i));
        if (notation_.Of(Quantity::Given, i).value.Sign() < 0)
            chain.Then(Relation::Less, Integer(0));
        part.steps.push_back({List(chain.Take()), Note(words.notPositive).Add(kNone)});
        return;
    }
    const Relation relation =
        solution_.refusal == calc::Refusal::Equals ? Relation::Equal : Relation::Less;
    Step step{{}, Note(words.exceeds)};
    const bool heights = solution_.mode == InputMode::Heights;
    if (heights && notation_.HasForm(Quantity::Ratio, 0) && notation_.HasForm(Quantity::Ratio, 1) &&
        notation_.HasForm(Quantity::Ratio, 2)) {
        // a : b : c = 1/h_a : 1/h_b : 1/h_c = 6 : 3 : 2, and 3 + 2 = 5 < 6.
        Chain sum(
            Sum(List(notation_.Value(Quantity::Ratio, j), notation_.Value(Quantity::Ratio, k))));
        sum.Is(notation_.Value(Quantity::BaseSum, i));
        Then(sum, relation, notation_.Value(Quantity::Ratio, i));
        step.formulas = List(Proportion(), sum.Take());
        const auto whole = [this](int n) {
            return calc::exact::IntegerText(notation_.FormOf(Quantity::Ratio, n)->n);
        };
        step.note = Note(kRatioFails);
        step.note.Add(whole(0) + ", " + whole(1) + " и " + whole(2)).Add(kRatioFailsEnd).Add(kNone);
        part.steps.push_back(std::move(step));
        return;
    }
    // x_j + x_k = … < x_i, of the lengths or, for altitudes, of their reciprocals.
    const auto name = [&](int n) { return heights ? Reciprocal(Given(n)) : Given(n); };
    const Quantity term = heights ? Quantity::Reciprocal : Quantity::Given;
    Chain chain(Sum(List(name(j), name(k))));
    chain.Is(Sum(List(notation_.Value(term, j), notation_.Value(term, k))));
    if (!heights)
        chain.Is(notation_.Value(Quantity::BaseSum, i));
    Then(chain, relation, notation_.Value(term, i));
    chain.Then(Relation::Equal, name(i));
    step.formulas.push_back(chain.Take());
    // Medians whose side would be the root of a negative number.
    if (solution_.mode == InputMode::Medians &&
        notation_.Of(Quantity::MedianRadicand, i).value.Sign() < 0) {
        Chain radicand(MedianRadicand(Given(i), Given(j), Given(k)));
        radicand.Is(MedianRadicand(given(i), given(j), given(k)));
        radicand.Is(notation_.Value(Quantity::MedianRadicand, i));
        radicand.Then(Relation::Less, Integer(0));
        step.formulas.push_back(radicand.Take());
        step.note.Add("; ").Add(kNegativeSquare);
    }
    step.note.Add(kNone);
    part.steps.push_back(std::move(step));
}

} // namespace solution
