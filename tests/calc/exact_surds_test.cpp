#include "exact_surds.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{

using calc::exact::Radical;
using calc::exact::Rational;
using calc::exact::RootSum;

RootSum Root(int n)
{
    return RootSum::RootOf(n);
}

// A value made of unlike roots, as a student writes it.
struct FormCase {
    const char *name;
    std::function<Radical()> make;
    const char *text;
};

std::ostream &operator<<(std::ostream &os, const FormCase &c)
{
    return os << c.name;
}

class RootSumFormTest : public testing::TestWithParam<FormCase>
{
};

TEST_P(RootSumFormTest, IsWrittenInLowestTerms)
{
    EXPECT_EQ(calc::exact::RadicalText(GetParam().make()), GetParam().text);
}

RootSum Sin(int degrees)
{
    return calc::exact::SpecialSinCos(degrees)->sin;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RootSumFormTest,
    testing::Values(
        FormCase{"SquareFactorOut", [] { return Radical(Root(72)); }, "6√2"},
        FormCase{"RootOfFraction", [] { return Radical(RootSum::RootOf(Rational(3, 4))); }, "√3/2"},
        FormCase{"LikeRootsMerge", [] { return Radical(Root(8) + Root(18)); }, "5√2"},
        FormCase{"Sine15", [] { return Radical(Sin(15)); }, "(√6 − √2)/4"},
        FormCase{"Sine105", [] { return Radical(Sin(105)); }, "(√6 + √2)/4"},
        FormCase{"CosineObtuse", [] { return Radical(calc::exact::SpecialSinCos(150)->cos); },
                 "−√3/2"},
        // 1/(1 + √2 + √3), by the conjugates of √3 and then of √2.
        FormCase{"DivisionByThreeTerms",
                 [] { return Radical(RootSum(1) / (RootSum(1) + Root(2) + Root(3))); },
                 "(2 − √6 + √2)/4"},
        FormCase{"PositiveTermFirst", [] { return Radical(Root(3) - RootSum(1)); }, "√3 − 1"},
        // √(2 + √3) = (√6 + √2)/2: p² − q²d = 1 is a square.
        FormCase{"Denested", [] { return Sqrt(Radical(RootSum(2) + Root(3))); }, "(√6 + √2)/2"},
        // c² = 25 + 49 − 70·cos 30° = 74 − 35√3, which has no such root.
        FormCase{"RootOfSum", [] { return Sqrt(Radical(RootSum(74) - RootSum(35) * Root(3))); },
                 "√(74 − 35√3)"},
        FormCase{"RootOfSumScaled", [] { return Sqrt(Radical(RootSum(8) + RootSum(4) * Root(2))); },
                 "2√(2 + √2)"},
        // √(2 + √2)·√(2 − √2) = √2
        FormCase{"RootsMultiplied",
                 [] {
                     return Sqrt(Radical(RootSum(2) + Root(2))) *
                            Sqrt(Radical(RootSum(2) - Root(2)));
                 },
                 "√2"},
        // √(2 + √2) + √(4 + 2√2) = (2 + √2)·√(4 + 2√2)/2: the radicands' quotient is a
        // square.
        FormCase{"LikeRadicalsAdd",
                 [] {
                     return Sqrt(Radical(RootSum(2) + Root(2))) +
                            Sqrt(Radical(RootSum(4) + RootSum(2) * Root(2)));
                 },
                 "(2 + √2)·√(4 + 2√2)/2"},
        FormCase{"UnlikeRadicalsUnknown",
                 [] { return Sqrt(Radical(RootSum(2) + Root(2))) + Radical(Root(3)); }, ""}),
    RowName<FormCase>);

TEST(RootSum, SignOfCloseUnlikeRoots)
{
    // √2 + √3 = 3.1462…, √10 = 3.1623…; and √1000001 + √999999 − 2000 just below zero.
    EXPECT_EQ((Root(2) + Root(3) - Root(10)).Sign(), -1);
    EXPECT_EQ((Root(1000001) + Root(999999) - RootSum(2000)).Sign(), -1);
    EXPECT_TRUE((Sin(15) * Sin(15) - (RootSum(2) - Root(3)) * RootSum(Rational(1, 4))).IsZero());
}

TEST(RootSum, SpecialAngles)
{
    for (int degrees = 0; degrees <= 180; degrees += 15)
        EXPECT_EQ(calc::exact::SpecialAngle(calc::exact::SpecialSinCos(degrees)->cos), degrees);
    EXPECT_EQ(calc::exact::SpecialAngle(RootSum(Rational(4, 5))), std::nullopt);
    EXPECT_EQ(calc::exact::SpecialSinCos(Rational(301, 10)), std::nullopt) << "30.1° is no such";
}

} // namespace
