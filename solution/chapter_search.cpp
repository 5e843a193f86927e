// What the certified search solved and what it proved: each given as an equation in the
// sides a, b, c, and the count it proved, with no steps it did not take.
#include "chapter_terms.h"

#include <string>

namespace solution::chapter
{
namespace
{

using calc::ElementKind;

Expression SideName(int vertex)
{
    return Name(Side(vertex % 3));
}

// p = (a + b + c)/2 and S = √(p(p − a)(p − b)(p − c)), as the equations use them.
Expression HalfPerimeter()
{
    return Fraction(Sum(List(SideName(0), SideName(1), SideName(2))), Integer(2));
}

// The element as a function of the sides, or none for a side.
std::optional<Expression> InSides(Element element)
{
    const int v = VertexOf(element);
    switch (calc::Info(element).kind) {
    case ElementKind::Side:
        return std::nullopt;
    case ElementKind::Angle:
        return Fraction(Sum(List(Square(SideName(v + 1)), Square(SideName(v + 2)),
                                 Negative(Square(SideName(v))))),
                        Product(List(Integer(2), SideName(v + 1), SideName(v + 2))));
    case ElementKind::Altitude:
        return Fraction(Product(List(Integer(2), Symbol("S"))), SideName(v));
    case ElementKind::Median:
        return Fraction(Root(Sum(List(Product(List(Integer(2), Square(SideName(v + 1)))),
                                      Product(List(Integer(2), Square(SideName(v + 2)))),
                                      Negative(Square(SideName(v)))))),
                        Integer(2));
    case ElementKind::Bisector: {
        Expression sum = Sum(List(SideName(v + 1), SideName(v + 2)));
        return Fraction(Root(Product(List(SideName(v + 1), SideName(v + 2),
                                          Sum(List(Square(sum), Negative(Square(SideName(v)))))))),
                        sum);
    }
    case ElementKind::Inradius:
        return Fraction(Symbol("S"), Symbol("p"));
    case ElementKind::Circumradius:
        return Fraction(Product(List(SideName(0), SideName(1), SideName(2))),
                        Product(List(Integer(4), Symbol("S"))));
    case ElementKind::Area: {
        const auto less = [](int w) { return Sum(List(Symbol("p"), Negative(SideName(w)))); };
        return Root(Product(List(Symbol("p"), less(0), less(1), less(2))));
    }
    case ElementKind::Perimeter:
        return Sum(List(SideName(0), SideName(1), SideName(2)));
    }
    return std::nullopt;
}

} // namespace

void SearchParts(WorkedSolution &worked, const calc::chapter::Solution &solution)
{
    Part equations{"Уравненията за страните a, b, c:", {}};
    Step step;
    bool area = false, half = false;
    for (const calc::Given &given : solution.givens) {
        const ElementKind kind = calc::Info(given.element).kind;
        area = area || kind == ElementKind::Altitude || kind == ElementKind::Inradius ||
               kind == ElementKind::Circumradius;
        half = half || area || kind == ElementKind::Area;
        const bool angle = kind == ElementKind::Angle;
        const std::string_view name = calc::Info(given.element).name;
        Chain chain(angle ? Symbol("cos " + std::string(name)) : Name(given.element));
        if (std::optional<Expression> formula = InSides(given.element))
            chain.Is(std::move(*formula));
        if (angle) {
            step.formulas.push_back(chain.Take());
            chain = Chain(Name(given.element));
        }
        if (std::optional<Expression> typed = TypedValue(solution, given.element))
            chain.Is(std::move(*typed));
        step.formulas.push_back(chain.Take());
    }
    if (half) {
        Chain p(Symbol("p"));
        p.Is(HalfPerimeter());
        step.formulas.push_back(p.Take());
    }
    if (area) {
        Chain s(Symbol("S"));
        s.Is(*InSides(Element::Area));
        step.formulas.push_back(s.Take());
    }
    equations.steps.push_back(std::move(step));
    worked.parts.push_back(std::move(equations));

    const std::size_t count = solution.triangles.size();
    Note proved;
    if (solution.proven && count == 0)
        proved.Add("Сертифицираното търсене по формата на триъгълника доказа, че няма "
                   "триъгълник с тези елементи: подразделянето с интервална аритметика "
                   "изключи всяка част от формите.");
    else if (solution.proven)
        proved.Add("Сертифицираното търсене по формата на триъгълника доказа, че решенията "
                   "са точно " +
                   std::to_string(count) +
                   ": подразделянето с интервална аритметика изключва само части без "
                   "решение, а тестът на Кравчик доказва, че всяка оставена част съдържа "
                   "точно едно. Всяка страна е намерена с относителна грешка под 10⁻¹².");
    else
        proved.Add("Търсенето доказа " + std::to_string(count) +
                   (count == 1 ? " решение" : " решения") +
                   ", но стигна границата си, преди да реши всички части на формите: може "
                   "да има и други.");
    proved.Add(" Прегледани части: " + std::to_string(solution.boxes) +
               ", най-дълбоко деление: " + std::to_string(solution.depth) + ".");
    worked.parts.push_back({"Какво доказа търсенето:", {Step{{}, std::move(proved)}}});
}

} // namespace solution::chapter
