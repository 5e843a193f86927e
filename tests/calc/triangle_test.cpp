#include "numbers.h"
#include "triangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace
{

using calc::InputMode;

// Every row carries its name; the tables below use it as the test's name.
template<typename Case> std::string RowName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

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

TEST_P(InputsRejectedTest, Decides)
{
    const RejectCase &c = GetParam();
    EXPECT_EQ(calc::InputsRejected(c.x1, c.x2, c.x3), c.rejected);
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Triples, InputsRejectedTest,
                         testing::Values(RejectCase{"Degenerate", 1, 2, 3, true},
                                         RejectCase{"DegenerateFirst", 3, 1, 2, true},
                                         RejectCase{"DegenerateSecond", 1, 3, 2, true},
                                         RejectCase{"Scalene", 2, 3, 4, false},
                                         RejectCase{"ZeroEntry", 0, 1, 1, true},
                                         RejectCase{"NegativeEntry", -1, 1, 1, true},
                                         RejectCase{"Equilateral", 2, 2, 2, false},
                                         RejectCase{"ThinIsoscelesAltitudes", 10, 1, 1, true},
                                         RejectCase{"AllZero", 0, 0, 0, true},
                                         RejectCase{"SumRoundsToLargest", 1, 1, 1e-300, true},
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

class ReconstructSidesTest : public testing::TestWithParam<SidesCase>
{
};

TEST_P(ReconstructSidesTest, GivesSidesAndArea)
{
    const SidesCase &c = GetParam();
    calc::TriangleState state{.mode = c.mode};
    const std::optional<double> area = calc::ReconstructSides(state, c.x1, c.x2, c.x3);
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(calc::NumberText(state.a), c.a);
    EXPECT_EQ(calc::NumberText(state.b), c.b);
    EXPECT_EQ(calc::NumberText(state.c), c.c);
    EXPECT_EQ(calc::NumberText(*area), c.area);
    EXPECT_EQ(state.mode, c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReconstructSidesTest,
    testing::Values(SidesCase{"Sides345", InputMode::Sides, 3, 4, 5, "3", "4", "5", "6"},
                    SidesCase{"SidesEquilateral", InputMode::Sides, 2, 2, 2, "2", "2", "2",
                              "1.73205080756888"},
                    SidesCase{"HeightsOf345", InputMode::Heights, 4, 3, 2.4, "3", "4", "5", "6"},
                    SidesCase{"Heights234", InputMode::Heights, 2, 3, 4, "6.75082412551434",
                              "4.50054941700956", "3.37541206275717", "6.75082412551434"},
                    SidesCase{"Medians345", InputMode::Medians, 3, 4, 5, "5.69600249687835",
                              "4.80740170061865", "3.33333333333333", "8"}),
    RowName<SidesCase>);

TEST(ReconstructSides, SidesGiveHeronExactly)
{
    calc::TriangleState state{.mode = InputMode::Sides};
    EXPECT_EQ(calc::ReconstructSides(state, 3, 4, 5), 6.0);
    EXPECT_EQ(calc::HeronArea(state), 6.0);
}

struct HeightsCase {
    const char *name;
    double ha, hb, hc;
};

class ImpossibleAltitudesTest : public testing::TestWithParam<HeightsCase>
{
};

// Altitudes the rejection test lets pass, but whose reciprocals form no triangle.
TEST_P(ImpossibleAltitudesTest, GiveNoTriangle)
{
    const HeightsCase &c = GetParam();
    ASSERT_FALSE(calc::InputsRejected(c.ha, c.hb, c.hc));
    calc::TriangleState state{.mode = InputMode::Heights};
    EXPECT_FALSE(calc::ReconstructSides(state, c.ha, c.hb, c.hc).has_value());
}

INSTANTIATE_TEST_SUITE_P(Altitudes, ImpossibleAltitudesTest,
                         testing::Values(HeightsCase{"FourthFactorZero", 1, 2, 2},
                                         HeightsCase{"FourthFactorNegative", 1, 2.5, 2.5},
                                         HeightsCase{"SecondFactorNegative", 10, 7, 4},
                                         HeightsCase{"ThirdFactorNegative", 7, 4, 10},
                                         HeightsCase{"FourthFactorNegativeScalene", 4, 7, 10}),
                         RowName<HeightsCase>);

TEST(Bisectors, IsoscelesBaseBisectorIsItsAltitude)
{
    calc::TriangleState state{.mode = InputMode::Sides, .a = 5, .b = 5, .c = 6};
    calc::ComputeBisectors(state);
    EXPECT_EQ(calc::NumberText(state.Yg_a), "4.87869376909045");
    EXPECT_EQ(state.Yg_a, state.Yg_b);
    EXPECT_EQ(state.Yg_c, 4.0);
}

TEST(Bisectors, DegenerateTriangleGivesZeroNotNaN)
{
    calc::TriangleState state{.mode = InputMode::Sides, .a = 0, .b = 0, .c = 0};
    calc::ComputeBisectors(state);
    EXPECT_EQ(state.Yg_a, 0.0);
    EXPECT_EQ(state.Yg_b, 0.0);
    EXPECT_EQ(state.Yg_c, 0.0);
}

TEST(RootOrZero, TreatsRoundingBelowZeroAsZero)
{
    EXPECT_EQ(calc::RootOrZero(4), 2.0);
    EXPECT_EQ(calc::RootOrZero(-1e-17), 0.0);
    EXPECT_FALSE(std::signbit(calc::RootOrZero(-0.0)));
    EXPECT_EQ(calc::RootOrZero(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

} // namespace
