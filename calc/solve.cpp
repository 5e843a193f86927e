#include "solve.h"

#include "exact_decision.h"
#include "exact_values.h"
#include "formulas.h"
#include "quantity.h"

#include <algorithm>
#include <cfloat>
#include <optional>

namespace calc
{
namespace
{

// A formula's result within this of the exact value is printed as it is; where its error
// bound cannot tell, the exact value decides. (A bound of b·|value| keeps the error below
// b/(1 − b) of the exact value: just below kAgreement.)
constexpr double kAgreement = 1e-10;
constexpr double kTrusted = 0.99e-10;

bool NormalPositive(double x)
{
    return x >= DBL_MIN && x <= DBL_MAX;
}

// A formula's result this close to either end of the normal doubles leaves open whether
// the exact value lies within them: the exact value decides.
constexpr double kEdge = 1e-9;
bool InsideTheEnds(double x)
{
    return x >= DBL_MIN * (1 + kEdge) && x <= DBL_MAX * (1 - kEdge);
}

// The refusal decided in doubles where the margin is wider than rounding, from the
// reading of the texts to the sums, could make up: `known` is false within it.
struct QuickDecision {
    bool known = false;
    Refusal refusal = Refusal::None;
    int index = -1;
};

QuickDecision DecideQuickly(InputMode mode, const std::array<double, 3> &x)
{
    for (int i = 0; i < 3; ++i) {
        const double v = x[static_cast<std::size_t>(i)];
        if (v < 0)
            return {true, Refusal::NotPositive, i}; // negative as typed, too
        if (!NormalPositive(v))
            return {}; // typed as a zero, or beyond the range of doubles
    }
    std::array<double, 3> terms = x;
    if (mode == InputMode::Heights)
        for (double &term : terms)
            term = 1 / term;
    const double sum = (terms[0] + terms[1]) + terms[2];
    if (!(sum <= DBL_MAX))
        return {};
    const double margin = 0x1p-49 * sum; // above 8 roundings of the largest term
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const double excess = terms[u] - (terms[(u + 1) % 3] + terms[(u + 2) % 3]);
        if (excess > margin)
            return {true, Refusal::Exceeds, i};
        if (excess >= -margin)
            return {};
    }
    return {true};
}

// The formulas in double arithmetic, each result with its error bound.
struct Evaluation {
    Evaluation() { values.fill({0, Tracked::kUnknown}); }
    Tracked &operator[](Named value) { return values.at(Place(value)); }
    static std::size_t Place(Named value)
    {
        return static_cast<std::size_t>(std::find(kResults.begin(), kResults.end(), value) -
                                        kResults.begin());
    }

    std::array<Tracked, kResults.size()> values;
};

// Sides and medians, scaled so that the largest is in [0.5, 1): every intermediate value
// of the formulas then stays in range for all but needle-thin triangles.
void EvaluateSidesOrMedians(InputMode mode, const std::array<double, 3> &given, Evaluation &out)
{
    int exponent = 0;
    std::frexp(std::max({given[0], given[1], given[2]}), &exponent);
    std::array<Tracked, 3> x;
    for (std::size_t i = 0; i < 3; ++i)
        x[i] = Tracked::Rounded(TimesPowerOfTwo(given[i], -exponent));

    std::array<Tracked, 3> sides = x;
    if (mode == InputMode::Medians)
        for (int i = 0; i < 3; ++i) {
            const auto u = static_cast<std::size_t>(i);
            const Tracked root = formulas::MedianRoot(x[u], x[(u + 1) % 3], x[(u + 2) % 3]);
            sides[u] = (root + root) / 3;
        }
    const formulas::HeronTerms<Tracked> heron = formulas::Heron(sides[0], sides[1], sides[2]);
    out[{Quantity::Area}] = Scaled(heron.area, 2 * exponent);
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        out[{Quantity::Side, i}] = Scaled(sides[u], exponent);
        out[{Quantity::Bisector, i}] =
            Scaled(formulas::Bisector(sides[(u + 1) % 3], sides[(u + 2) % 3], sides[u]), exponent);
    }
}

// A product kept as a significand in [0.5, 1) and a power of two, so that it neither
// overflows nor underflows. Where the plain product of doubles stays normal, the
// significand rounds exactly as that product does.
struct ScaledProduct {
    Tracked significand{0.5, 0};
    int exponent = 1;

    void Multiply(const Tracked &factor)
    {
        int factorExponent = 0;
        int carry = 0;
        const double fraction = std::frexp(factor.value, &factorExponent);
        const Tracked product =
            significand * Tracked{fraction, TimesPowerOfTwo(factor.bound, -factorExponent)};
        significand = {std::frexp(product.value, &carry), TimesPowerOfTwo(product.bound, -carry)};
        exponent += factorExponent + carry;
    }
};

// An altitude triple whose largest and smallest differ by more than this many powers of
// two is too thin a needle for the bisector formulas in doubles: their squares leave the
// range.
constexpr int kMaxAltitudeSpread = 900;

// 1/S² = P1 · P2 · P3 · P4 over the reciprocals of the altitudes, then side = 2S / altitude.
// The altitudes are scaled so that the smallest is in [0.5, 1): their reciprocals are then
// at most 2, and the product is kept with its own power of two.
void EvaluateHeights(const std::array<double, 3> &given, Evaluation &out)
{
    int exponent = 0;
    std::frexp(std::min({given[0], given[1], given[2]}), &exponent);
    int largest = 0;
    std::frexp(std::max({given[0], given[1], given[2]}), &largest);
    if (largest - exponent > kMaxAltitudeSpread)
        return;
    std::array<Tracked, 3> x;
    for (std::size_t i = 0; i < 3; ++i)
        x[i] = Tracked::Rounded(TimesPowerOfTwo(given[i], -exponent));

    const std::array<Tracked, 3> reciprocals{1 / x[0], 1 / x[1], 1 / x[2]};
    ScaledProduct product;
    for (const std::array<int, 3> &signs : kFactorSigns) {
        std::array<Tracked, 3> terms;
        for (std::size_t i = 0; i < 3; ++i)
            terms[i] = signs[i] > 0 ? reciprocals[i] : -reciprocals[i];
        const Tracked factor = (terms[0] + terms[1]) + terms[2];
        if (!(factor.value > 0))
            return; // rounding has made the reciprocals degenerate: no bound on anything
        product.Multiply(factor);
    }
    // S = 1 / √product = s · 2^k, with the square root taken of an even power of two.
    if (product.exponent % 2 != 0) {
        product.significand = 2 * product.significand;
        --product.exponent;
    }
    const Tracked s = 1 / RootOrZero(product.significand);
    const int k = -product.exponent / 2;

    std::array<Tracked, 3> sides;
    for (std::size_t i = 0; i < 3; ++i)
        sides[i] = (s + s) / x[i];
    // The sides and bisectors above lack the factor 2^k, the area 2^(2k); all of them the
    // altitudes' scale.
    out[{Quantity::Area}] = Scaled(s, k + 2 * exponent);
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        out[{Quantity::Side, i}] = Scaled(sides[u], k + exponent);
        out[{Quantity::Bisector, i}] = Scaled(
            formulas::Bisector(sides[(u + 1) % 3], sides[(u + 2) % 3], sides[u]), k + exponent);
    }
}

} // namespace

Solution SolveWith(InputMode mode, const std::array<double, 3> &given, const SolveOptions &options,
                   const ExactLengths &exact)
{
    Solution solution{.mode = mode, .given = given};
    std::shared_ptr<exact::Values> values;
    std::optional<std::array<exact::Decimal, 3>> lengths;
    const auto exactLengths = [&]() -> const std::array<exact::Decimal, 3> & {
        if (!lengths)
            lengths = exact();
        return *lengths;
    };
    const auto exactValues = [&]() -> const exact::Values & {
        if (!values)
            values = std::make_shared<exact::Values>(mode, exactLengths());
        return *values;
    };
    const auto finish = [&](Outcome outcome) {
        solution.outcome = outcome;
        if (options.exactValues) {
            exactValues();
            solution.exact = std::move(values);
        }
        return solution;
    };

    QuickDecision decision = DecideQuickly(mode, given);
    if (!decision.known) {
        const exact::Decision exactDecision = exact::Decide(mode, exactLengths());
        decision = {true, exactDecision.refusal, exactDecision.index};
    }
    if (decision.refusal != Refusal::None) {
        solution.refusal = decision.refusal;
        solution.refused = decision.index;
        return finish(Outcome::Rejected);
    }

    Evaluation formulas;
    if (std::all_of(given.begin(), given.end(), NormalPositive)) {
        if (mode == InputMode::Heights)
            EvaluateHeights(given, formulas);
        else
            EvaluateSidesOrMedians(mode, given, formulas);
    }
    const auto trusted = [&](Named value) {
        const Tracked &formula = formulas[value];
        return formula.Within(kTrusted) && InsideTheEnds(formula.value);
    };
    if (std::all_of(kResults.begin(), kResults.end(), trusted)) {
        for (const Named value : kResults)
            solution.triangle.At(value).value = formulas[value].value;
        return finish(Outcome::Solved);
    }
    const exact::Values &exactTriangle = exactValues();
    if (!exactTriangle.Comparable()) {
        solution.triangle = {};
        return finish(Outcome::OutOfRange);
    }
    for (const Named value : kResults) {
        const Tracked &formula = formulas[value];
        if (trusted(value)) {
            solution.triangle.At(value).value = formula.value;
            continue;
        }
        const exact::Rounded rounded = exactTriangle.Nearest(value);
        if (!rounded.inRange) {
            solution.triangle = {};
            return finish(Outcome::OutOfRange);
        }
        // The formula's digits where it is within 1e-10 of the exact value; else the exact
        // value's own, rounded once.
        if (std::isfinite(formula.value) &&
            std::fabs(formula.value - rounded.value) <= kAgreement * rounded.value)
            solution.triangle.At(value).value = formula.value;
        else
            solution.triangle.At(value) = {rounded.value, exactTriangle.DigitsOf(value)};
    }
    return finish(Outcome::Solved);
}

} // namespace calc
