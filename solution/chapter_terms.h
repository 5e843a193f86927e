#pragma once

// The values of a solved triangle as the chapter's worked solution writes them
// (chapter_work.h): each element by its name, and by its value, the exact form first where
// the solve has one, then its digits.

#include "chapter.h"
#include "chapter_values.h"
#include "expression.h"
#include "solution.h"

#include <optional>

namespace solution::chapter
{

using calc::Element;

// The name of an element as a formula writes it: a, α, h_a, l_b, R.
Expression Name(Element element);

// A value's digits: exact, or rounded (after ≈).
Expression DigitsOf(const calc::Number &number);
// An angle in degrees: "60°", "≈ 57,1210963966615°".
Expression Degrees(const calc::Number &number);

// An exact value, as a student writes it (35√3/4, √(74 − 35√3)); none where it is not
// known or too long to help.
std::optional<Expression> FormOf(const calc::exact::Radical &value);

// The value of a given element exactly as typed (an angle with "°"), where it is one and
// has at most 17 digits.
std::optional<Expression> TypedValue(const calc::chapter::Solution &solution, Element element);

// The values of one triangle of a solution.
class Terms
{
public:
    Terms(const calc::chapter::Solution &solution, std::size_t triangle);

    const calc::chapter::SolvedTriangle &Triangle() const { return triangle_; }
    const calc::chapter::ExactTriangle *Exact() const { return exact_; }

    // The element's value as it is put into a formula: its exact form, else its digits.
    Expression Put(Element element) const;
    // The end of a chain for an element's value: its exact form, then its digits (angles:
    // of its cosine, then the angle, on a chain of its own, `angle`).
    void Finish(Chain &chain, Element element) const;
    // The route's value (the first of that kind and index), as Finish ends a chain.
    bool FinishRoute(Chain &chain, calc::chapter::RouteValue value, int index = 0) const;
    // The route's value, or none.
    const calc::chapter::RouteNumber *Route(calc::chapter::RouteValue value, int index) const;
    // Half the perimeter, exactly where it is known.
    void FinishHalfPerimeter(Chain &chain) const;

private:
    std::optional<Expression> Form(const calc::exact::Radical &value) const;
    void FinishWith(Chain &chain, const calc::exact::Radical *exact,
                    const calc::Number &reported) const;

    const calc::chapter::Solution &solution_;
    const calc::chapter::SolvedTriangle &triangle_;
    const calc::chapter::ExactTriangle *exact_ = nullptr;
    bool decimals_ = false; // a given length is no whole number
};

// The parts before the triangles': how the closed form found the sides (chapter_route.cpp),
// or what the search solved and proved (chapter_search.cpp).
void RouteParts(WorkedSolution &worked, const calc::chapter::Solution &solution);
void SearchParts(WorkedSolution &worked, const calc::chapter::Solution &solution);
// The formulas a refusal follows from, where its route has them: the ambiguous case's
// D = a² − b²·sin² α < 0.
void RefusalSteps(Part &part, const calc::chapter::Solution &solution);

// Side, angle, … of a vertex (0, 1, 2).
inline Element Side(int vertex)
{
    return calc::ElementOf(calc::ElementKind::Side, vertex);
}
inline Element AngleAt(int vertex)
{
    return calc::ElementOf(calc::ElementKind::Angle, vertex);
}
inline int VertexOf(Element element)
{
    return calc::Info(element).vertex;
}

} // namespace solution::chapter
