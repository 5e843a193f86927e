// The routes of altitudes: the sides' ratio in whole numbers, a = x_a·k …, Heron's formula
// in k and k from S = a·h_a/2; or, where the ratio has no short form, the area from the
// identity 1/S² = P1·P2·P3·P4 and a = 2S/h_a …; and as the check of the first, the other
// two altitudes worked back from the sides and the area found, h_b = 2S/b, h_c = 2S/c.
#include "worker.h"

namespace solution
{
namespace
{

using calc::Quantity;

constexpr std::string_view kRatio =
    "Страните са обратно пропорционални на височините (a·h_a = b·h_b = c·h_c = 2S):";
constexpr std::string_view kScale = "Намираме k, като изразим лицето и чрез височината h_a:";
constexpr std::string_view kDivided = "делим двете страни на k (k ≠ 0)";
constexpr std::string_view kSidesAndArea = "Страните и лицето:";
constexpr std::string_view kArea = "Лицето S от реципрочните стойности на височините:";
constexpr std::string_view kSides = "Страните:";
constexpr std::string_view kCheck =
    "Проверка: от намерените страни и лицето пресмятаме другите две височини, h_b = 2S/b и "
    "h_c = 2S/c:";
constexpr std::string_view kGivenHeight = "✓ дадената";

} // namespace

void Worker::Altitudes()
{
    Step scaled;
    for (int i = 0; i < 3; ++i) {
        Chain side(Letter(i));
        side.Is(notation_.TimesScale(Quantity::Ratio, i, 1));
        scaled.formulas.push_back(side.Take());
    }
    Part &part = Add(kRatio);
    part.steps.push_back({List(Proportion()), {}});
    part.steps.push_back(std::move(scaled));

    Heron({Letter(0), Letter(1), Letter(2)}, Symbol("p"), Symbol("S"));

    Part &scale = Add(kScale);
    Chain area(Symbol("S"));
    area.Is(Fraction(Product(List(Letter(0), Given(0))), Integer(2)));
    area.Is(Fraction(Product(List(notation_.TimesScale(Quantity::Ratio, 0, 1),
                                  notation_.Value(Quantity::Given, 0))),
                     Integer(2)));
    area.Is(notation_.TimesScale(Quantity::AltitudeArea, 0, 1));
    Chain equation(notation_.TimesScale(Quantity::HeronArea, 0, 2));
    equation.Is(notation_.TimesScale(Quantity::AltitudeArea, 0, 1));
    Chain k(Symbol("k"));
    k.Is(Fraction(notation_.Value(Quantity::AltitudeArea), notation_.Value(Quantity::HeronArea)));
    notation_.OverRoot(k, Quantity::Scale);
    notation_.Finish(k, Quantity::Scale, 0, true);
    scale.steps.push_back({List(area.Take(), equation.Take()), Note(kDivided), true});
    scale.steps.push_back({List(k.Take()), {}});

    Part &results = Add(kSidesAndArea);
    for (int i = 0; i < 3; ++i) {
        Chain side(Letter(i));
        side.Is(notation_.TimesScale(Quantity::Ratio, i, 1));
        side.Is(
            Product(List(notation_.Value(Quantity::Ratio, i), notation_.Value(Quantity::Scale))));
        AddResult(results, std::move(side), Quantity::Side, i);
    }
    Chain s(Symbol("S"));
    s.Is(notation_.TimesScale(Quantity::AltitudeArea, 0, 1));
    s.Is(Product(List(notation_.Value(Quantity::AltitudeArea), notation_.Value(Quantity::Scale))));
    AddResult(results, std::move(s), Quantity::Area, 0);
}

Expression Worker::InverseAreaSquared() const
{
    Chain chain(Reciprocal(Square(Symbol("S"))));
    std::array<std::vector<Expression>, 3> factors; // as letters, put in, worked out
    for (int f = 0; f < 4; ++f) {
        std::vector<Expression> letters, numbers;
        for (int i = 0; i < 3; ++i) {
            Expression letter = Reciprocal(Given(i));
            Expression number = notation_.Value(Quantity::Reciprocal, i);
            const bool turned = f > 0 && i == 3 - f;
            letters.push_back(turned ? Negative(std::move(letter)) : std::move(letter));
            numbers.push_back(turned ? Negative(std::move(number)) : std::move(number));
        }
        factors[0].push_back(Sum(std::move(letters)));
        factors[1].push_back(Sum(std::move(numbers)));
        factors[2].push_back(notation_.Value(Quantity::Factor, f));
    }
    for (std::vector<Expression> &product : factors)
        chain.Is(Product(std::move(product)));
    notation_.Finish(chain, Quantity::InverseAreaSquared);
    return chain.Take();
}

void Worker::AltitudesByIdentity()
{
    Part &area = Add(kArea);
    area.steps.push_back({List(InverseAreaSquared()), {}});
    Chain s(Symbol("S"));
    s.Is(Reciprocal(Root(Reciprocal(Square(Symbol("S"))))));
    s.Is(Reciprocal(Root(notation_.Value(Quantity::InverseAreaSquared))));
    notation_.OverRoot(s, Quantity::Area);
    AddResult(area, std::move(s), Quantity::Area, 0);

    Part &sides = Add(kSides);
    for (int i = 0; i < 3; ++i) {
        Chain side(Letter(i));
        side.Is(Fraction(Twice(Symbol("S")), Given(i)));
        side.Is(
            Fraction(Twice(notation_.Value(Quantity::Area)), notation_.Value(Quantity::Given, i)));
        AddResult(sides, std::move(side), Quantity::Side, i);
    }
}

// h_b = 2S/b = 2 · 10k/(4k) = 5, in k, as S and b were found: the given altitude again.
void Worker::AltitudesCheck()
{
    Part &part = Add(kCheck);
    for (int i = 1; i < 3; ++i) {
        Chain height(Given(i));
        height.Is(Fraction(Twice(Symbol("S")), Letter(i)));
        height.Is(Fraction(Twice(notation_.TimesScale(Quantity::AltitudeArea, 0, 1)),
                           notation_.TimesScale(Quantity::Ratio, i, 1)));
        height.Is(notation_.Value(Quantity::Given, i));
        part.steps.push_back({List(height.Take()), Note(kGivenHeight)});
    }
}

} // namespace solution
