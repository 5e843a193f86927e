#pragma once

// The worked solution's routes, and the Worker that follows them: which routes a solution
// takes is chosen by the kind of its lengths and its outcome (RoutesOf), and each route adds
// its parts. The Worker's names, its shared formulas and Heron's formula are worker.cpp's;
// the routes of each kind are altitudes.cpp's (the sides' ratio, or the identity, and the
// check by the other altitudes), worker.cpp's (sides, and their check by the sine),
// medians.cpp's (and their check), bisectors.cpp's (the bisectors, the equal ones once, and
// their check by a second formula) and refusal.cpp's (why a triple is refused, why it has no
// result). Each check ends in its verdict.

#include "kinds.h"
#include "notation.h"
#include "solution.h"

#include <array>
#include <string_view>
#include <vector>

namespace solution
{

// A route of the school's to one thing, as the parts of a solution follow them.
enum class Route {
    Altitudes,           // a : b : c = 1/h_a : 1/h_b : 1/h_c, Heron's formula in k, k from S
    AltitudesByIdentity, // S from 1/S² = P1·P2·P3·P4, then a = 2S/h_a …
    Sides,               // Heron's formula on the sides
    Medians,             // the sides from the medians, S = (4/3)S_m
    Bisectors,           // the segments of the opposite side, l_a² = bc − BL_a·CL_a
    AltitudesCheck,      // h_b = 2S/b and h_c = 2S/c: the given altitudes again
    SidesCheck,          // S = (1/2)·bc·sin α, cos α by the law of cosines
    MediansCheck,        // the medians again from the sides found
    BisectorsCheck, // l_a = 2√(bc·p(p − a))/(b + c); for medians l_a² = bc − bca²/(b + c)²
    Rejected,       // why the triple has no triangle
    OutOfRange,     // why a triangle there is has no result
};

// The routes of a solution, in order: of a solved triple the sides and the area by the
// route of its kind (for altitudes, by the sides' ratio where its whole numbers and k have
// short exact forms, else by the identity), the bisectors, and the checks; of a refused
// one, why. None without the exact values (a length too long to work with has none).
std::vector<Route> RoutesOf(const calc::Solution &solution);

// Formulas that more than one route writes.
Expression Twice(Expression e);
Expression Difference(Expression x, Expression y);
Expression Reciprocal(Expression e);
// 2m² + 2m'² − m₀², m₀ the median to the side (or, back, the side to the median).
Expression MedianRadicand(const Expression &m0, const Expression &m, const Expression &mPrime);
// The given length i (0, 1, 2) by its name: h_a, a or m_a.
Expression GivenSymbol(calc::InputMode mode, int i);

class Worker
{
public:
    explicit Worker(const calc::Solution &solution) : solution_(solution), notation_(solution) {}

    // The parts of RoutesOf(solution), one route after the other.
    WorkedSolution Work();

private:
    Part &Add(std::string_view title);

    // Names: the side a, b or c; the given length h_a, a or m_a; a letter subscripted by
    // side i's (l_a).
    static Expression Letter(int i);
    Expression Given(int i) const { return GivenSymbol(solution_.mode, i); }
    static Expression Named(std::string_view letter, int i);

    // a : b : c = 1/h_a : 1/h_b : 1/h_c = 1/4 : 1/5 : 1/10 = 5 : 4 : 2, the sides' ratio
    // of the altitudes in whole numbers.
    Expression Proportion() const;
    // Heron's formula on the base triangle of the kind, its sides' symbols given.
    void Heron(const std::array<Expression, 3> &sides, const Expression &p, const Expression &area);
    // 1/S² = P1 · P2 · P3 · P4 of the reciprocals of the altitudes, as letters, as numbers
    // and worked out.
    Expression InverseAreaSquared() const;
    // The step of a side or the area, the chain finished with its value and its decimal,
    // with a note where it has no short exact form.
    void AddResult(Part &part, Chain chain, calc::Quantity quantity, int index) const;

    // The routes.
    void Follow(Route route);
    void Altitudes();
    void AltitudesByIdentity();
    void Sides();
    void Medians();
    void Bisectors();
    // The segments, the square and the bisector l_i of the medians' route exactly, as sums
    // of unlike roots, into `step`; false (nothing added) where they are not written so.
    bool UnlikeRoots(Step &step, int i, const Expression &nearSegment,
                     const Expression &farSegment) const;
    // The same with the values' forms where they have them, else their decimals.
    void DecimalSegments(Step &step, int i, const Expression &nearSegment,
                         const Expression &farSegment) const;
    void AltitudesCheck();
    void SidesCheck();
    void MediansCheck();
    void BisectorsCheck();
    void SquaresCheck();
    // Whether sides x and y are equal, exactly; the first bisector before i equal to it
    // (l_b = l_a where a = b), or −1.
    bool SameSides(int x, int y) const;
    int EqualBefore(int i) const;
    void Rejected();
    void OutOfRange();

    const calc::Solution &solution_;
    Notation notation_;
    WorkedSolution worked_;
};

} // namespace solution
