// The chapter's worked solution: the route's closed form, or the search's equations and
// what it proved, then each triangle's angles, area and radii.
#include "chapter_work.h"

#include "chapter_report.h"
#include "chapter_terms.h"

#include <string>

namespace solution
{
namespace
{

using calc::Element;
using calc::ElementKind;
using chapter::Name;
using chapter::Terms;

using chapter::AngleAt;
using chapter::Side;
std::string_view Word(Element element)
{
    return calc::Info(element).name;
}

// The titles of the triangles' parts, for as many as a solution usually has.
constexpr std::string_view kTriangleTitles[] = {
    "Триъгълник 1:", "Триъгълник 2:", "Триъгълник 3:", "Триъгълник 4:",
    "Триъгълник 5:", "Триъгълник 6:", "Триъгълник 7:", "Триъгълник 8:"};

bool Given(const calc::chapter::Solution &solution, Element element)
{
    for (const calc::Given &given : solution.givens)
        if (given.element == element)
            return true;
    return false;
}

// cos α = (b² + c² − a²)/(2bc), with the sides put in; then α.
void AngleStep(Step &step, const Terms &terms, int vertex)
{
    const Element a = Side(vertex), b = Side((vertex + 1) % 3), c = Side((vertex + 2) % 3);
    const auto cosine = [&](auto side) {
        return Fraction(Sum(List(Square(side(b)), Square(side(c)), Negative(Square(side(a))))),
                        Product(List(Integer(2), side(b), side(c))));
    };
    Chain chain(Symbol("cos " + std::string(Word(AngleAt(vertex)))));
    chain.Is(cosine([](Element e) { return Name(e); }));
    chain.Is(cosine([&terms](Element e) { return terms.Put(e); }));
    terms.Finish(chain, AngleAt(vertex));
    step.formulas.push_back(chain.Take());
    Chain angle(Name(AngleAt(vertex)));
    angle.Is(terms.Put(AngleAt(vertex)));
    step.formulas.push_back(angle.Take());
}

// The triangle's values from its sides: the angles not given, p and S by Heron, r and R.
void TriangleParts(WorkedSolution &worked, const calc::chapter::Solution &solution,
                   std::size_t index)
{
    const Terms terms(solution, index);
    if (solution.triangles.size() > 1 && index < std::size(kTriangleTitles)) {
        Step sides;
        for (int v = 0; v < 3; ++v) {
            Chain chain(Name(Side(v)));
            chain.Is(terms.Put(Side(v)));
            sides.formulas.push_back(chain.Take());
        }
        if (const int mirror = solution.triangles[index].mirrorOf; mirror >= 0)
            sides.note.Add("симетричен на триъгълник " + std::to_string(mirror + 1));
        worked.parts.push_back({kTriangleTitles[index], {std::move(sides)}});
    }
    Part angles{"Ъглите по косинусовата теорема:", {}};
    for (int v = 0; v < 3; ++v)
        if (!Given(solution, AngleAt(v))) {
            Step step;
            AngleStep(step, terms, v);
            angles.steps.push_back(std::move(step));
        }
    if (!angles.steps.empty())
        worked.parts.push_back(std::move(angles));

    const Expression p = Symbol("p");
    const auto minus = [&p](Expression side) { return Sum(List(p, Negative(std::move(side)))); };
    Step heron;
    Chain half(p);
    half.Is(Fraction(Sum(List(Name(Side(0)), Name(Side(1)), Name(Side(2)))), Integer(2)));
    half.Is(Fraction(Sum(List(terms.Put(Side(0)), terms.Put(Side(1)), terms.Put(Side(2)))),
                     Integer(2)));
    terms.FinishHalfPerimeter(half);
    heron.formulas.push_back(half.Take());
    Chain area(Name(Element::Area));
    area.Is(
        Root(Product(List(p, minus(Name(Side(0))), minus(Name(Side(1))), minus(Name(Side(2)))))));
    terms.Finish(area, Element::Area);
    heron.formulas.push_back(area.Take());
    worked.parts.push_back({"Лице по формулата на Херон:", {std::move(heron)}});

    Step radii;
    Chain inradius(Name(Element::Inradius));
    inradius.Is(Fraction(Name(Element::Area), p));
    terms.Finish(inradius, Element::Inradius);
    radii.formulas.push_back(inradius.Take());
    Chain circumradius(Name(Element::Circumradius));
    circumradius.Is(Fraction(Product(List(Name(Side(0)), Name(Side(1)), Name(Side(2)))),
                             Product(List(Integer(4), Name(Element::Area)))));
    circumradius.Is(
        Fraction(Product(List(terms.Put(Side(0)), terms.Put(Side(1)), terms.Put(Side(2)))),
                 Product(List(Integer(4), terms.Put(Element::Area)))));
    terms.Finish(circumradius, Element::Circumradius);
    radii.formulas.push_back(circumradius.Take());
    worked.parts.push_back({"Радиусите на вписаната и описаната окръжност:", {std::move(radii)}});
}

} // namespace

WorkedSolution WorkChapter(const calc::chapter::Solution &solution)
{
    WorkedSolution worked;
    if (solution.count != calc::chapter::Count::Finite) {
        const bool none = solution.count == calc::chapter::Count::None;
        const calc::chapter::Reason reason = solution.refusal.reason;
        const bool undecided =
            reason == calc::chapter::Reason::Undecided || reason == calc::chapter::Reason::Unproven;
        if (solution.decision == calc::chapter::Decision::Search)
            chapter::SearchParts(worked, solution);
        Part part{!none       ? "Безброй много триъгълници:"
                  : undecided ? "Не е решено:"
                              : "Няма триъгълник:",
                  {}};
        if (none)
            chapter::RefusalSteps(part, solution);
        part.steps.push_back({{}, Note(calc::chapter::Explanation(solution))});
        worked.parts.push_back(std::move(part));
        return worked;
    }
    if (solution.decision == calc::chapter::Decision::Search)
        chapter::SearchParts(worked, solution);
    else
        chapter::RouteParts(worked, solution);
    for (std::size_t t = 0; t < solution.triangles.size(); ++t)
        TriangleParts(worked, solution, t);
    return worked;
}

} // namespace solution
