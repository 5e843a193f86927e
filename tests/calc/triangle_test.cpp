#include "formulas.h"
#include "numbers.h"
#include "quantity.h"
#include "row_name.h"
#include "typed_lengths.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace
{

using calc::InputMode;

// Every row carries its name; the tables below use it as the test's name.

struct RejectCase {
    const char *name;
    double x1, x2, x3;
    bool rejected;
};

std::ostream &operator<<(std::ostream &os, const RejectCase &c)
{
    return os << c.name;
}

class InputsRejectedTest : public testing::TestWithParam<RejectCase>
{
};

// Sides are refused when one is not positive or at least the sum of the other two, decided
// on the lengths exactly, whatever their sums round to in doubles.
TEST_P(InputsRejectedTest, Decides)
{
    const RejectCase &c = GetParam();
    EXPECT_EQ(CalculateTyped(InputMode::Sides, {c.x1, c.x2, c.x3}).outcome ==
                  calc::Outcome::Rejected,
              c.rejected);
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Triples, InputsRejectedTest,
    testing::Values(
        RejectCase{"Degenerate", 1, 2, 3, true}, RejectCase{"DegenerateFirst", 3, 1, 2, true},
        RejectCase{"DegenerateSecond", 1, 3, 2, true}, RejectCase{"Scalene", 2, 3, 4, false},
        RejectCase{"ZeroEntry", 0, 1, 1, true}, RejectCase{"NegativeEntry", -1, 1, 1, true},
        RejectCase{"Equilateral", 2, 2, 2, false},
        RejectCase{"ThinIsoscelesAltitudes", 10, 1, 1, true}, RejectCase{"AllZero", 0, 0, 0, true},
        RejectCase{"SumRoundingToTheLargestIsMore", 1, 1, 1e-300, false},
        RejectCase{"SumsOverflow", kMax, kMax, kMax, false}),
    RowName<RejectCase>);

struct SidesCase {
    const char *name;
    InputMode mode;
    double x1, x2, x3;
    // As printed, for the same digits the report shows.
    const char *a, *b, *c, *area;
};

std::ostream &operator<<(std::ostream &os, const SidesCase &c)
{
    return os << c.name;
}

class SolveTest : public testing::TestWithParam<SidesCase>
{
};

TEST_P(SolveTest, GivesSidesAndArea)
{
    const SidesCase &c = GetParam();
    const calc::Solution solution = CalculateTyped(c.mode, {c.x1, c.x2, c.x3});
    ASSERT_EQ(solution.outcome, calc::Outcome::Solved);
    EXPECT_EQ(solution.mode, c.mode);
    const calc::Triangle &t = solution.triangle;
    EXPECT_EQ(calc::NumberText(t.sides[0].value), c.a);
    EXPECT_EQ(calc::NumberText(t.sides[1].value), c.b);
    EXPECT_EQ(calc::NumberText(t.sides[2].value), c.c);
    EXPECT_EQ(calc::NumberText(t.area.value), c.area);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SolveTest,
    testing::Values(SidesCase{"Sides345", InputMode::Sides, 3, 4, 5, "3", "4", "5", "6"},
                    SidesCase{"SidesEquilateral", InputMode::Sides, 2, 2, 2, "2", "2", "2",
                              "1.73205080756888"},
                    SidesCase{"HeightsOf345", InputMode::Heights, 4, 3, 2.4, "3", "4", "5", "6"},
                    SidesCase{"Heights234", InputMode::Heights, 2, 3, 4, "6.75082412551434",
                              "4.50054941700956", "3.37541206275717", "6.75082412551434"},
                    // Altitudes need not satisfy the triangle inequality; their reciprocals do.
                    SidesCase{"Heights4510", InputMode::Heights, 4, 5, 10, "13.1590338991954",
                              "10.5272271193563", "5.26361355967815", "26.3180677983908"},
                    SidesCase{"Medians345", InputMode::Medians, 3, 4, 5, "5.69600249687835",
                              "4.80740170061865", "3.33333333333333", "8"}),
    RowName<SidesCase>);

TEST(Solve, SidesGiveHeronExactly)
{
    EXPECT_EQ(calc::Calculate(InputMode::Sides, {"3", "4", "5"}).triangle.area.value, 6.0);
    EXPECT_EQ(calc::formulas::Heron(3.0, 4.0, 5.0).area, 6.0);
}

struct HeightsCase {
    const char *name;
    double ha, hb, hc;
};

class ImpossibleAltitudesTest : public testing::TestWithParam<HeightsCase>
{
};

// Altitudes are refused when their reciprocals form no triangle, or when one is not a
// positive number.
TEST_P(ImpossibleAltitudesTest, AreRefused)
{
    const HeightsCase &c = GetParam();
    EXPECT_EQ(CalculateTyped(InputMode::Heights, {c.ha, c.hb, c.hc}).outcome,
              calc::Outcome::Rejected);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Altitudes, ImpossibleAltitudesTest,
                         testing::Values(HeightsCase{"FourthFactorZero", 1, 2, 2},
                                         HeightsCase{"FourthFactorNegative", 1, 2.5, 2.5},
                                         HeightsCase{"SecondFactorNegative", 10, 7, 4},
                                         HeightsCase{"ThirdFactorNegative", 7, 4, 10},
                                         HeightsCase{"FourthFactorNegativeScalene", 4, 7, 10},
                                         HeightsCase{"Zero", 0, 1, 1},
                                         HeightsCase{"Negative", 1, -1, 1},
                                         HeightsCase{"Infinite", 1, 1, kInf},
                                         HeightsCase{"NotANumber", 1, std::nan(""), 1}),
                         RowName<HeightsCase>);

TEST(Bisectors, IsoscelesBaseBisectorIsItsAltitude)
{
    const calc::Triangle t = calc::Calculate(InputMode::Sides, {"5", "5", "6"}).triangle;
    EXPECT_EQ(calc::NumberText(t.bisectors[0].value), "4.87869376909045");
    EXPECT_EQ(t.bisectors[0], t.bisectors[1]);
    EXPECT_EQ(t.bisectors[2].value, 4.0);
}

TEST(Bisectors, DegenerateTriangleGivesZeroNotNaN)
{
    EXPECT_EQ(calc::formulas::Bisector(0.0, 0.0, 0.0), 0.0);
}

TEST(RootOrZero, TreatsRoundingBelowZeroAsZero)
{
    EXPECT_EQ(calc::RootOrZero(4), 2.0);
    EXPECT_EQ(calc::RootOrZero(-1e-17), 0.0);
    EXPECT_FALSE(std::signbit(calc::RootOrZero(-0.0)));
    EXPECT_EQ(calc::RootOrZero(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

// Each result of a solution is one field of its triangle: the sides, the area and the
// bisectors in the order they are declared (`field`).
struct FieldCase {
    const char *name;
    calc::Named value;
    std::size_t field;
};

std::ostream &operator<<(std::ostream &os, const FieldCase &c)
{
    return os << c.name;
}

class TriangleAtTest : public testing::TestWithParam<FieldCase>
{
};

TEST_P(TriangleAtTest, IsTheFieldOfTheResult)
{
    const FieldCase &c = GetParam();
    calc::Triangle triangle;
    const std::array<const calc::Number *, 7> fields = {
        &triangle.sides[0],     &triangle.sides[1],     &triangle.sides[2],    &triangle.area,
        &triangle.bisectors[0], &triangle.bisectors[1], &triangle.bisectors[2]};
    EXPECT_EQ(&triangle.At(c.value), fields.at(c.field));
    const calc::Triangle &same = triangle;
    EXPECT_EQ(&same.At(c.value), fields.at(c.field));
}

using calc::Quantity;

INSTANTIATE_TEST_SUITE_P(Results, TriangleAtTest,
                         testing::Values(FieldCase{"SideA", {Quantity::Side, 0}, 0},
                                         FieldCase{"SideB", {Quantity::Side, 1}, 1},
                                         FieldCase{"SideC", {Quantity::Side, 2}, 2},
                                         FieldCase{"Area", {Quantity::Area, 0}, 3},
                                         FieldCase{"BisectorA", {Quantity::Bisector, 0}, 4},
                                         FieldCase{"BisectorB", {Quantity::Bisector, 1}, 5},
                                         FieldCase{"BisectorC", {Quantity::Bisector, 2}, 6}),
                         RowName<FieldCase>);

TEST(TriangleAt, HasNoFieldForWhatIsNotAResult)
{
    calc::Triangle triangle;
    for (const calc::Named value :
         {calc::Named{Quantity::Given, 0}, calc::Named{Quantity::Area, 1},
          calc::Named{Quantity::Side, 3}, calc::Named{Quantity::HeronArea, 0}})
        EXPECT_THROW(triangle.At(value), std::out_of_range) << static_cast<int>(value.quantity);
}

} // namespace
