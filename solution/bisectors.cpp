// The steps of the bisectors: the segments their feet cut the opposite sides into, the
// squares of the bisectors, the bisectors, each of equal ones once; and as the check, the
// bisectors again by l_a = 2√(bc·p(p − a))/(b + c) (for medians, whose p has no short exact
// form, the squares by l_a² = bc − bca²/(b + c)²).
#include "worker.h"

#include <algorithm>
#include <string>

namespace solution
{
namespace
{

using calc::Quantity;

constexpr std::string_view kBisectors =
    "Ъглополовящите (l_a, l_b и l_c са Yg_a, Yg_b и Yg_c от отчета): по свойството на "
    "ъглополовящата петата L_a на l_a дели BC в отношение BL_a : CL_a = c : b; аналогично за "
    "L_b и L_c:";
constexpr std::string_view kCheck = "Проверка: пресмятаме ъглополовящите и по формулата "
                                    "l_a = 2√(bc·p(p − a))/(b + c):";
constexpr std::string_view kSquaresCheck = "Проверка: пресмятаме квадратите на ъглополовящите "
                                           "и по формулата l_a² = bc − bca²/(b + c)²:";
constexpr std::string_view kSame = "✓ същото";

// A product or a sum of two of a, b, c, in the alphabet's order: ac, b + c.
template<typename Make> Expression Pair(int x, int y, Make make)
{
    return make(std::min(x, y), std::max(x, y));
}

// "a = b" of two sides, in the alphabet's order.
std::string EqualSides(int x, int y)
{
    std::string text(1, calc::kSideLetters.at(static_cast<std::size_t>(std::min(x, y))));
    text += " = ";
    text += calc::kSideLetters.at(static_cast<std::size_t>(std::max(x, y)));
    return text;
}

// After a product of two roots' forms: the product under one root, then its square factor
// taken out, where both are roots.
void RootsMultiplied(Chain &chain, const std::optional<calc::exact::Surd> &x,
                     const std::optional<calc::exact::Surd> &y)
{
    if (!x || !y || x->Rational() || y->Rational())
        return;
    // (√22/3) · (40√231/231) = 40√(22 · 231)/693 = 40 · 11√42/693: one root of the product,
    // then its square factor out, the radicands' common factor (both are square-free).
    const calc::exact::Integer n = x->n * y->n, d = x->d * y->d, common = gcd(x->r, y->r);
    const auto over = [&d](Expression numerator) {
        return d == 1 ? std::move(numerator) : Fraction(std::move(numerator), Notation::Whole(d));
    };
    const auto times = [&n](std::vector<Expression> factors) {
        if (n != 1)
            factors.insert(factors.begin(), Notation::Whole(n));
        return factors.size() == 1 ? std::move(factors.front()) : Product(std::move(factors));
    };
    chain.Is(over(times(List(Root(Product(List(Notation::Whole(x->r), Notation::Whole(y->r))))))));
    if (common != 1)
        chain.Is(over(times(List(Notation::Whole(common),
                                 Root(Notation::Whole(x->r * y->r / (common * common)))))));
}

} // namespace

void Worker::Bisectors()
{
    Part &part = Add(kBisectors);
    for (int i = 0; i < 3; ++i) {
        const int j = calc::Next(i), k = calc::Next(i, 2);
        if (const int m = EqualBefore(i); m >= 0) {
            // l_b = l_a, because a = b: the same triangle's bisector, mirrored.
            Chain same(Named("l", i));
            same.Is(Named("l", m));
            notation_.Finish(same, Quantity::Bisector, i, true);
            part.steps.push_back({List(same.Take()), Note("понеже ").Add(EqualSides(m, i))});
            continue;
        }
        const char letter = calc::kSideLetters.at(static_cast<std::size_t>(i));
        const auto segment = [letter](int vertex) {
            return Symbol(
                std::string(calc::kVertexNames.at(static_cast<std::size_t>(vertex))) + "L", letter);
        };
        Step step;
        // The medians' sums of unlike roots exactly, l as the root of its square; the others
        // by their forms, or their decimals with a word on why.
        if (solution_.mode != calc::InputMode::Medians ||
            !UnlikeRoots(step, i, segment(j), segment(k))) {
            DecimalSegments(step, i, segment(j), segment(k));
            step.note = notation_.Notes(Quantity::Bisector, i);
        }
        if (SameSides(j, k)) // the axis of an isosceles triangle
            step.note.Add(step.note.Empty() ? "" : "; ")
                .Add("понеже " + EqualSides(j, k) + ", l_" + letter +
                     " е и височина, и медиана: l_" + letter + " = h_" + letter + " = m_" + letter);
        part.steps.push_back(std::move(step));
    }
}

void Worker::DecimalSegments(Step &step, int i, const Expression &nearSegment,
                             const Expression &farSegment) const
{
    const int j = calc::Next(i), k = calc::Next(i, 2);
    const auto side = [this](int n) { return notation_.Side(n); };
    const auto times = [](const auto &of) {
        return [&of](int x, int y) { return Product(List(of(x), of(y))); };
    };
    const auto plus = [](const auto &of) {
        return [&of](int x, int y) { return Sum(List(of(x), of(y))); };
    };
    // The segment next to vertex j is a_i·a_k/(a_j + a_k); the one next to k, a_i·a_j/….
    for (const auto &[vertex, other, product, quantity] :
         {std::tuple{j, k, Quantity::NearProduct, Quantity::NearSegment},
          std::tuple{k, j, Quantity::FarProduct, Quantity::FarSegment}}) {
        Chain chain(vertex == j ? nearSegment : farSegment);
        chain.Is(Fraction(Pair(i, other, times(Letter)), Pair(j, k, plus(Letter))));
        chain.Is(Fraction(Pair(i, other, times(side)), Pair(j, k, plus(side))));
        chain.Is(Fraction(notation_.Put(product, i), notation_.Put(Quantity::AdjacentSum, i)));
        notation_.Finish(chain, quantity, i);
        step.formulas.push_back(chain.Take());
    }
    Chain square(Square(Named("l", i)));
    square.Is(
        Sum(List(Pair(j, k, times(Letter)), Negative(Product(List(nearSegment, farSegment))))));
    square.Is(Sum(List(Pair(j, k, times(side)),
                       Negative(Product(List(notation_.Put(Quantity::NearSegment, i),
                                             notation_.Put(Quantity::FarSegment, i)))))));
    square.Is(Sum(List(notation_.Put(Quantity::AdjacentProduct, i),
                       Negative(notation_.Put(Quantity::SegmentProduct, i)))));
    notation_.Finish(square, Quantity::BisectorSquare, i);
    step.formulas.push_back(square.Take());
    Chain bisector(Named("l", i));
    if (solution_.mode == calc::InputMode::Heights) {
        // l = √(22k²/9) = (k/3)√22 = (√22/3) · k, k as found
        bisector.Is(Root(notation_.Put(Quantity::BisectorSquare, i)));
        bisector.Is(notation_.Put(Quantity::BaseBisector, i));
        bisector.Is(Product(
            List(notation_.Value(Quantity::BaseBisector, i), notation_.Value(Quantity::Scale))));
        RootsMultiplied(bisector, notation_.FormOf(Quantity::BaseBisector, i),
                        notation_.FormOf(Quantity::Scale));
        notation_.Finish(bisector, Quantity::Bisector, i, true);
    } else {
        notation_.Root(bisector, Quantity::BisectorSquare, Quantity::Bisector, i, true);
    }
    step.formulas.push_back(bisector.Take());
}

bool Worker::SameSides(int x, int y) const
{
    const calc::exact::Quadratic &p = notation_.Of(Quantity::Side, x).value;
    const calc::exact::Quadratic &q = notation_.Of(Quantity::Side, y).value;
    return p.Known() && q.Known() && p.ShapeOf() == q.ShapeOf() && p.Sign() == q.Sign() &&
           p.Number() == q.Number();
}

int Worker::EqualBefore(int i) const
{
    for (int m = 0; m < i; ++m)
        if (SameSides(m, i))
            return m;
    return -1;
}

// l_a = 2√(bc·p(p − a))/(b + c), of the base triangle (for altitudes in k): the bisectors
// found, each once; for medians, whose p has no short exact form, l_a² = bc − bca²/(b + c)²
// to the same squares.
void Worker::BisectorsCheck()
{
    if (solution_.mode == calc::InputMode::Medians)
        return SquaresCheck();
    Part &part = Add(kCheck);
    const auto side = [this](int n) { return notation_.Side(n); };
    for (int i = 0; i < 3; ++i) {
        if (EqualBefore(i) >= 0)
            continue;
        const int j = std::min(calc::Next(i), calc::Next(i, 2));
        const int k = std::max(calc::Next(i), calc::Next(i, 2));
        const Expression p = Symbol("p");
        Chain chain(Named("l", i));
        chain.Is(
            Fraction(Twice(Root(Product(List(Letter(j), Letter(k), p, Difference(p, Letter(i)))))),
                     Sum(List(Letter(j), Letter(k)))));
        chain.Is(Fraction(
            Twice(Root(Product(List(side(j), side(k), notation_.Put(Quantity::HalfPerimeter),
                                    notation_.Put(Quantity::HeronDifference, i))))),
            Sum(List(side(j), side(k)))));
        chain.Is(Fraction(Twice(Root(notation_.Put(Quantity::BisectorRadicand, i))),
                          notation_.Put(Quantity::AdjacentSum, i)));
        if (notation_.HasForm(Quantity::BisectorRoot, i))
            chain.Is(Fraction(Twice(notation_.Put(Quantity::BisectorRoot, i)),
                              notation_.Put(Quantity::AdjacentSum, i)));
        notation_.Finish(chain, Quantity::BaseBisector, i);
        part.steps.push_back({List(chain.Take()), Note(kSame)});
    }
}

// l_a² = bc − bca²/(b + c)², the textbook's formula, to the same squares.
void Worker::SquaresCheck()
{
    Part &part = Add(kSquaresCheck);
    const auto side = [this](int n) { return notation_.Side(n); };
    Step check;
    for (int i = 0; i < 3; ++i) {
        const int j = std::min(calc::Next(i), calc::Next(i, 2));
        const int k = std::max(calc::Next(i), calc::Next(i, 2));
        const auto formula = [&](const auto &of) {
            return Sum(List(Product(List(of(j), of(k))),
                            Negative(Fraction(Product(List(of(j), of(k), Square(of(i)))),
                                              Square(Sum(List(of(j), of(k))))))));
        };
        Chain chain(Square(Named("l", i)));
        chain.Is(formula(Letter));
        chain.Is(formula(side));
        chain.Is(Sum(List(notation_.Put(Quantity::AdjacentProduct, i),
                          Negative(Fraction(notation_.Put(Quantity::FormulaNumerator, i),
                                            notation_.Put(Quantity::AdjacentSumSquare, i))))));
        chain.Is(Sum(List(notation_.Put(Quantity::AdjacentProduct, i),
                          Negative(notation_.Put(Quantity::SegmentProduct, i)))));
        notation_.Finish(chain, Quantity::BisectorSquare, i);
        check.formulas.push_back(chain.Take());
    }
    check.note = Note(kSame);
    part.steps.push_back(std::move(check));
}

} // namespace solution
