// The medians' bisectors exactly: the sides are roots of unlike radicands (2√73/3, 4√13/3,
// 10/3), so the segments the feet cut, the bisector's square and the bisector are sums of
// such roots, each fraction rationalised, as a teacher works them: BL_a = (20√949 − 50√73)/81.
// Where a side has no root form, or a sum would be too long to read, the route keeps the
// decimals (bisectors.cpp).
#include "exact_surds.h"
#include "worker.h"

#include <algorithm>

namespace solution
{
namespace
{

using calc::Quantity;
using BigInteger = calc::exact::Integer;
using calc::exact::RootSum;

// Longer sums help no student: the digits a sum may have, all its numbers together.
constexpr std::size_t kMostDigits = 40;

std::size_t Digits(const BigInteger &n)
{
    return calc::exact::IntegerText(abs(n)).size();
}

// The whole numbers of a sum over its common denominator: (20√949 − 50√73)/81 is
// {{−50, 73}, {20, 949}} over 81.
struct OverDenominator {
    std::vector<std::pair<BigInteger, BigInteger>> terms; // numerator, radicand
    BigInteger denominator = 1;
};

OverDenominator Common(const RootSum &x)
{
    OverDenominator over;
    for (const RootSum::Term &term : x.Terms())
        over.denominator = lcm(over.denominator, denominator(term.coefficient));
    for (const RootSum::Term &term : x.Terms())
        over.terms.emplace_back(numerator(term.coefficient) *
                                    (over.denominator / denominator(term.coefficient)),
                                term.radicand);
    // A positive term first: 20√949 − 50√73.
    std::stable_partition(over.terms.begin(), over.terms.end(),
                          [](const auto &term) { return term.first > 0; });
    return over;
}

bool Short(const RootSum &x)
{
    const OverDenominator over = Common(x);
    std::size_t digits = Digits(over.denominator);
    for (const auto &[n, r] : over.terms)
        digits += Digits(n) + (r == 1 ? 0 : Digits(r));
    return digits <= kMostDigits;
}

Expression SumExpression(const RootSum &x)
{
    const OverDenominator over = Common(x);
    std::vector<Expression> terms;
    for (const auto &[n, r] : over.terms) {
        const BigInteger magnitude = abs(n);
        Expression term = r == 1 ? Notation::Whole(magnitude)
                          : magnitude == 1
                              ? Root(Notation::Whole(r))
                              : Product(List(Notation::Whole(magnitude), Root(Notation::Whole(r))));
        terms.push_back(n < 0 ? Negative(std::move(term)) : std::move(term));
    }
    if (terms.empty())
        terms.push_back(solution::Integer(0));
    Expression sum = terms.size() == 1 ? std::move(terms.front()) : Sum(std::move(terms));
    return over.denominator == 1 ? std::move(sum)
                                 : Fraction(std::move(sum), Notation::Whole(over.denominator));
}

} // namespace

bool Worker::UnlikeRoots(Step &step, int i, const Expression &nearSegment,
                         const Expression &farSegment) const
{
    std::array<RootSum, 3> a;
    for (int n = 0; n < 3; ++n) {
        const calc::exact::Quadratic &side = notation_.Of(Quantity::Side, n).value;
        if (!notation_.HasForm(Quantity::Side, n) || side.Sign() <= 0)
            return false;
        a[static_cast<std::size_t>(n)] = side.ShapeOf() == calc::exact::Quadratic::Shape::Root
                                             ? RootSum::RootOf(side.Number())
                                             : RootSum(side.Number());
    }
    const auto at = [&a](int n) -> const RootSum & { return a[static_cast<std::size_t>(n)]; };
    const int j = calc::Next(i), k = calc::Next(i, 2);
    const RootSum sum = at(j) + at(k);
    const RootSum near = at(i) * at(k) / sum, far = at(i) * at(j) / sum;
    const RootSum product = near * far, square = at(j) * at(k) - product;
    if (!Short(sum) || !Short(near) || !Short(far) || !Short(product) || !Short(square))
        return false;
    const auto side = [this](int n) { return notation_.Side(n); };
    // BL_a = ac/(b + c) = (2√73/3) · (10/3)/(4√13/3 + 10/3) = (20√73/9)/((4√13 + 10)/3) = …
    for (const auto &[segment, other, value, quantity] :
         {std::tuple{&nearSegment, k, &near, Quantity::NearSegment},
          std::tuple{&farSegment, j, &far, Quantity::FarSegment}}) {
        Chain chain(*segment);
        chain.Is(Fraction(Product(List(Letter(std::min(i, other)), Letter(std::max(i, other)))),
                          Sum(List(Letter(std::min(j, k)), Letter(std::max(j, k))))));
        chain.Is(Fraction(Product(List(side(std::min(i, other)), side(std::max(i, other)))),
                          Sum(List(side(std::min(j, k)), side(std::max(j, k))))));
        chain.Is(Fraction(SumExpression(at(i) * at(other)), SumExpression(sum)));
        chain.Is(SumExpression(*value));
        chain.Is(notation_.DecimalOf(quantity, i));
        step.formulas.push_back(chain.Take());
    }
    // l_a² = bc − BL_a · CL_a, every product worked out and over one denominator.
    Chain chain(Square(Named("l", i)));
    chain.Is(Sum(List(Product(List(Letter(std::min(j, k)), Letter(std::max(j, k)))),
                      Negative(Product(List(nearSegment, farSegment))))));
    chain.Is(Sum(List(Product(List(side(std::min(j, k)), side(std::max(j, k)))),
                      Negative(Product(List(SumExpression(near), SumExpression(far)))))));
    chain.Is(Sum(List(SumExpression(at(j) * at(k)), Negative(SumExpression(product)))));
    chain.Is(SumExpression(square));
    chain.Is(notation_.DecimalOf(Quantity::BisectorSquare, i));
    step.formulas.push_back(chain.Take());
    // l_a = √(l_a²), denested where it can be, and its decimal.
    Chain bisector(Named("l", i));
    bisector.Is(Root(SumExpression(square)));
    if (const std::optional<RootSum> root = calc::exact::SquareRootOf(square); root && Short(*root))
        bisector.Is(SumExpression(*root));
    bisector.Is(notation_.DecimalOf(Quantity::Bisector, i));
    step.formulas.push_back(bisector.Take());
    return true;
}

} // namespace solution
