// How a closed form found the sides of the chapter's triangle: its school formula with the
// givens put in, and the value the route passed through; for the ambiguous case, why it
// gives the triangles it gives.
#include "chapter_report.h"
#include "chapter_terms.h"

#include <string>

namespace solution::chapter
{
namespace
{

using calc::chapter::RouteKind;
using calc::chapter::RouteValue;

std::string Word(Element element)
{
    return std::string(calc::Info(element).name);
}

Expression Trig(std::string_view function, Element angle)
{
    return Symbol(std::string(function) + " " + Word(angle));
}

// cos or sin of a given angle as it is put in: exactly where it is known, else by name.
Expression CosineOf(const Terms &terms, Element angle)
{
    if (terms.Exact() != nullptr)
        if (std::optional<Expression> form =
                FormOf(terms.Exact()->values[static_cast<std::size_t>(angle)]))
            return std::move(*form);
    return Trig("cos", angle);
}

// The steps that found a sine or a length from two givens by an identity.
void ReductionSteps(Part &part, const calc::chapter::Route &route, const Terms &terms)
{
    for (std::size_t n = 0; n < route.steps.size(); ++n) {
        const calc::chapter::Step &reduction = route.steps[n];
        const int index = static_cast<int>(n);
        Step step;
        Chain chain(reduction.bySine ? Trig("sin", reduction.found) : Name(reduction.found));
        if (!terms.FinishRoute(
                chain, reduction.bySine ? RouteValue::FoundSine : RouteValue::FoundLength, index))
            continue;
        step.formulas.push_back(chain.Take());
        step.note.Add("от " + calc::chapter::IdentityText(
                                  reduction.identity,
                                  {reduction.found, reduction.from[0], reduction.from[1]}));
        if (reduction.bySine)
            step.note.Add("; ъгълът е остър или тъп: два случая");
        part.steps.push_back(std::move(step));
    }
}

// a² = b² + c² − 2bc·cos α, then a.
void LawOfCosines(Part &part, const calc::chapter::Route &route, const Terms &terms)
{
    const Element b = route.slots[0], c = route.slots[1], alpha = route.slots[2];
    const int vertex = VertexOf(alpha);
    const Element a = Side(vertex);
    const auto law = [&](auto side, Expression cosine) {
        return Sum(List(Square(side(b)), Square(side(c)),
                        Negative(Product(List(Integer(2), side(b), side(c), std::move(cosine))))));
    };
    Step step;
    Chain square(Square(Name(a)));
    square.Is(law([](Element e) { return Name(e); }, Trig("cos", alpha)));
    square.Is(law([&terms](Element e) { return terms.Put(e); }, CosineOf(terms, alpha)));
    terms.FinishRoute(square, RouteValue::SideSquare, vertex);
    step.formulas.push_back(square.Take());
    Chain side(Name(a));
    terms.Finish(side, a);
    step.formulas.push_back(side.Take());
    part.steps.push_back(std::move(step));
}

// D = a² − b²·sin² α, and what its sign, α and a against b leave.
void AmbiguousCase(Part &part, const calc::chapter::Route &route,
                   const calc::chapter::Solution &solution, const Terms &terms)
{
    const Element a = route.slots[0], b = route.slots[1], alpha = route.slots[2];
    const Element third = Side(3 - VertexOf(a) - VertexOf(b));
    const Element beta = AngleAt(VertexOf(b));
    Step discriminant;
    Chain chain(Symbol("D"));
    chain.Is(Sum(List(Square(Name(a)),
                      Negative(Product(List(Square(Name(b)), Symbol("sin² " + Word(alpha))))))));
    terms.FinishRoute(chain, RouteValue::Discriminant);
    discriminant.formulas.push_back(chain.Take());
    Chain roots(Name(third));
    roots.Is(Symbol(Word(b) + " · cos " + Word(alpha) + " ± √D"));
    discriminant.formulas.push_back(roots.Take());
    const calc::chapter::RouteNumber *d = terms.Route(RouteValue::Discriminant, 0);
    const bool zero = d != nullptr && d->number.value == 0;
    const std::string sine =
        "sin " + Word(beta) + " = " + Word(b) + "·sin " + Word(alpha) + "/" + Word(a);
    if (zero)
        discriminant.note.Add("D = 0: " + sine + " = 1, " + Word(beta) +
                              " = 90°, един триъгълник.");
    else if (solution.triangles.size() == 2)
        discriminant.note.Add("D > 0 (" + sine + " < 1), " + Word(alpha) + " е остър и " + Word(a) +
                              " < " + Word(b) + ": и двата корена са положителни, " +
                              "два триъгълника.");
    else
        discriminant.note.Add("D > 0 (" + sine + " < 1), но " +
                              (terms.Triangle().Of(alpha).value >= 90 ? Word(alpha) + " не е остър"
                                                                      : Word(a) + " ≥ " + Word(b)) +
                              ": положителен е само коренът с +, един триъгълник.");
    part.steps.push_back(std::move(discriminant));
}

// α + β + γ = 180°, and the sides as sines scaled: a = k·sin α.
void TwoAngles(Part &part, const calc::chapter::Route &route, const Terms &terms)
{
    const Element first = route.slots[0], second = route.slots[1];
    const Element third = AngleAt(3 - VertexOf(first) - VertexOf(second));
    Step angle;
    Chain chain(Name(third));
    chain.Is(Sum(List(Symbol("180°"), Negative(Name(first)), Negative(Name(second)))));
    chain.Is(terms.Put(third));
    angle.formulas.push_back(chain.Take());
    part.steps.push_back(std::move(angle));
    Step scale;
    Chain k(Symbol("k"));
    if (terms.FinishRoute(k, RouteValue::Scale))
        scale.formulas.push_back(k.Take());
    for (int v = 0; v < 3; ++v) {
        Chain side(Name(Side(v)));
        side.Is(Product(List(Symbol("k"), Trig("sin", AngleAt(v)))));
        terms.Finish(side, Side(v));
        scale.formulas.push_back(side.Take());
    }
    scale.note.Add("по синусовата теорема a : b : c = sin α : sin β : sin γ; k от " +
                   Word(route.slots[2]));
    part.steps.push_back(std::move(scale));
}

// The sides from the medians: a = (2/3)√(2m_b² + 2m_c² − m_a²).
void ThreeMedians(Part &part, const Terms &terms)
{
    Step step;
    for (int v = 0; v < 3; ++v) {
        const auto median = [](int w) {
            return Name(calc::ElementOf(calc::ElementKind::Median, w % 3));
        };
        Chain chain(Name(Side(v)));
        chain.Is(Product(List(Fraction(Integer(2), Integer(3)),
                              Root(Sum(List(Product(List(Integer(2), Square(median(v + 1)))),
                                            Product(List(Integer(2), Square(median(v + 2)))),
                                            Negative(Square(median(v)))))))));
        terms.Finish(chain, Side(v));
        step.formulas.push_back(chain.Take());
    }
    part.steps.push_back(std::move(step));
}

// Every other closed form: the values it passed through, and the sides.
void Values(Part &part, const calc::chapter::Route &route, const Terms &terms)
{
    Step step;
    for (const calc::chapter::RouteNumber &number : terms.Triangle().route) {
        if (number.value == RouteValue::FoundSine || number.value == RouteValue::FoundLength)
            continue;
        Expression name = Symbol("D");
        switch (number.value) {
        case RouteValue::SideSquare:
            name = Square(Name(Side(number.index)));
            break;
        case RouteValue::ProductOfSides: {
            const int v = VertexOf(route.slots[0]);
            name = Product(List(Name(Side((v + 1) % 3)), Name(Side((v + 2) % 3))));
            break;
        }
        case RouteValue::Discriminant: {
            const int v = VertexOf(route.slots[0]);
            name = Square(Sum(List(Name(Side((v + 1) % 3)), Negative(Name(Side((v + 2) % 3))))));
            break;
        }
        case RouteValue::HalfDifference:
            name = Symbol("cos δ");
            break;
        case RouteValue::FootDistance:
            name = Symbol("HK");
            break;
        default:
            continue;
        }
        Chain chain(std::move(name));
        terms.FinishRoute(chain, number.value, number.index);
        step.formulas.push_back(chain.Take());
    }
    for (int v = 0; v < 3; ++v) {
        Chain chain(Name(Side(v)));
        terms.Finish(chain, Side(v));
        step.formulas.push_back(chain.Take());
    }
    part.steps.push_back(std::move(step));
}

} // namespace

void RefusalSteps(Part &part, const calc::chapter::Solution &solution)
{
    const calc::chapter::Route &route = solution.route;
    if (route.kind != RouteKind::SideSideAngle ||
        solution.refusal.reason != calc::chapter::Reason::SineAboveOne)
        return;
    // The solve decided the sign; the formula says what it is of.
    const Element a = route.slots[0], b = route.slots[1], alpha = route.slots[2];
    const Element beta = AngleAt(VertexOf(b));
    Step step;
    Chain discriminant(Symbol("D"));
    discriminant.Is(Sum(List(
        Square(Name(a)), Negative(Product(List(Square(Name(b)), Symbol("sin² " + Word(alpha))))))));
    discriminant.Then(Relation::Less, Integer(0));
    step.formulas.push_back(discriminant.Take());
    Chain sine(Trig("sin", beta));
    sine.Is(Fraction(Product(List(Name(b), Trig("sin", alpha))), Name(a)));
    sine.Then(Relation::Greater, Integer(1));
    step.formulas.push_back(sine.Take());
    part.steps.push_back(std::move(step));
}

void RouteParts(WorkedSolution &worked, const calc::chapter::Solution &solution)
{
    const calc::chapter::Route &route = solution.route;
    const Terms terms(solution, 0);
    Part reductions{"От дадените:", {}};
    ReductionSteps(reductions, route, terms);
    if (!reductions.steps.empty())
        worked.parts.push_back(std::move(reductions));
    Part part{"Страните:", {}};
    switch (route.kind) {
    case RouteKind::ThreeSides:
        return;
    case RouteKind::SideAngleSide:
        part.title = "Третата страна по косинусовата теорема:";
        LawOfCosines(part, route, terms);
        break;
    case RouteKind::SideSideAngle:
        part.title = "Две страни и ъгъл срещу едната от тях:";
        AmbiguousCase(part, route, solution, terms);
        break;
    case RouteKind::TwoAngles:
        part.title = "Третият ъгъл и страните по синусовата теорема:";
        TwoAngles(part, route, terms);
        break;
    case RouteKind::ThreeMedians:
        part.title = "Страните от медианите:";
        ThreeMedians(part, terms);
        break;
    default:
        // Two triangles show their sides under their headings.
        if (solution.triangles.size() == 1)
            Values(part, route, terms);
        if (route.kind == RouteKind::ThreeAltitudes && !part.steps.empty())
            part.steps.back().note.Add(
                "от a : b : c = 1/h_a : 1/h_b : 1/h_c и S = a·h_a/2 = b·h_b/2 = c·h_c/2");
        break;
    }
    if (!part.steps.empty())
        worked.parts.push_back(std::move(part));
}

} // namespace solution::chapter
