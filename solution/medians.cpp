// The route of medians: the sides by a = (2/3)√(2m_b² + 2m_c² − m_a²) …, the area as 4/3 of
// that of the medians' own triangle; and the medians worked back from the sides as the check.
#include "worker.h"

namespace solution
{
namespace
{

using calc::Quantity;

constexpr std::string_view kSides = "Страните чрез медианите:";
constexpr std::string_view kGiven = "✓ дадените";
constexpr std::string_view kCheck = "Проверка: пресмятаме медианите от намерените страни:";

} // namespace

void Worker::Medians()
{
    Part &sides = Add(kSides);
    const Expression twoThirds = Fraction(Integer(2), Integer(3));
    const auto given = [this](int i) { return notation_.Value(Quantity::Given, i); };
    for (int i = 0; i < 3; ++i) {
        const int j = calc::Next(i), k = calc::Next(i, 2);
        Chain chain(Letter(i));
        chain.Is(Product(List(twoThirds, Root(MedianRadicand(Given(i), Given(j), Given(k))))));
        chain.Is(Product(List(twoThirds, Root(MedianRadicand(given(i), given(j), given(k))))));
        chain.Is(Product(List(twoThirds, Root(notation_.Value(Quantity::MedianRadicand, i)))));
        // (2/3)√292 = (2/3)√(4 · 73) = (2/3) · 2√73: the square factor out of a whole radicand.
        const std::optional<calc::exact::Surd> &root = notation_.FormOf(Quantity::MedianRoot, i);
        if (root && root->d == 1)
            if (std::optional<Expression> factored =
                    notation_.SquareFactor(Quantity::MedianRadicand, Quantity::MedianRoot, i)) {
                chain.Is(Product(List(twoThirds, std::move(*factored))));
                chain.Is(Product(List(twoThirds, notation_.Value(Quantity::MedianRoot, i))));
            }
        AddResult(sides, std::move(chain), Quantity::Side, i);
    }
    const Expression p = Symbol("p", 'm');
    const Expression area = Symbol("S", 'm');
    Heron({Given(0), Given(1), Given(2)}, p, area);
    Chain s(Symbol("S"));
    s.Is(Product(List(Fraction(Integer(4), Integer(3)), area)));
    s.Is(Product(List(Fraction(Integer(4), Integer(3)), notation_.Value(Quantity::HeronArea))));
    AddResult(worked_.parts.back(), std::move(s), Quantity::Area, 0);
}

// m_a = (1/2)√(2b² + 2c² − a²) of the sides found, exactly: the given medians again.
void Worker::MediansCheck()
{
    Part &part = Add(kCheck);
    Step check;
    const Expression half = Fraction(Integer(1), Integer(2));
    const auto squared = [this](int i) { return notation_.Value(Quantity::SideSquare, i); };
    for (int i = 0; i < 3; ++i) {
        const int j = calc::Next(i), k = calc::Next(i, 2);
        Chain chain(Given(i));
        chain.Is(Product(List(half, Root(MedianRadicand(Letter(i), Letter(j), Letter(k))))));
        chain.Is(Product(List(
            half, Root(Sum(List(Twice(squared(j)), Twice(squared(k)), Negative(squared(i))))))));
        chain.Is(Product(List(half, Root(notation_.Value(Quantity::CheckRadicand, i)))));
        chain.Is(notation_.Value(Quantity::Given, i));
        check.formulas.push_back(chain.Take());
    }
    check.note = Note(kGiven);
    part.steps.push_back(std::move(check));
}

} // namespace solution
