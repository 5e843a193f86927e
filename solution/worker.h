#pragma once

// The worked solution's routes, shared by the files that write them: the sides and the
// area of each kind (worked.cpp), the bisectors and their check (bisectors.cpp), and why a
// triple is refused (refusal.cpp).

#include "kinds.h"
#include "notation.h"
#include "solution.h"

#include <array>
#include <string_view>

namespace solution
{

class Worker
{
public:
    Worker(const calc::Solution &solution, std::string_view separator)
        : s_(solution), n_(solution, separator)
    {
    }

    WorkedSolution Work();

private:
    using Q = calc::Quantity;

    Part &Add(std::string_view title);

    // Names: the side a, b or c; the given length h_a, a or m_a; the bisector l_a; the
    // vertices' letters.
    static Expression Letter(int i);
    Expression Given(int i) const;
    static Expression Named(std::string_view letter, int i);

    // The steps of each kind.
    void Heights();
    void HeightsByIdentity();
    void Sides();
    void Medians();
    // Heron's formula on the base triangle of the kind, its sides' symbols given.
    void Heron(const std::array<Expression, 3> &sides, const Expression &p, const Expression &area);
    void HeightsCheck();
    void MediansCheck();
    // The step of a side or the area, the chain finished with its value, with the report's
    // note where its digits differ.
    void AddResult(Part &part, Chain chain, Q quantity, int index) const;

    void Bisectors();
    void BisectorsCheck();

    void Refusal();

    const calc::Solution &s_;
    Notation n_;
    WorkedSolution worked_;
};

} // namespace solution
