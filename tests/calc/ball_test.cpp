#include "ball.h"
#include "exact_trig.h"
#include "numbers.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{

using calc::Ball;

std::string DigitsText(const std::optional<calc::Digits> &digits)
{
    if (!digits)
        return "undecided";
    std::string text;
    calc::AppendDigits(text, *digits);
    return text;
}

// A value made by the certified doubles, and the digits it must print: those of the exact
// value, correctly rounded, or "undecided" where the ball reaches across a rounding tie.
struct DigitsCase {
    const char *name;
    std::function<Ball()> make;
    const char *digits;
};

std::ostream &operator<<(std::ostream &os, const DigitsCase &c)
{
    return os << c.name;
}

class CertainDigitsTest : public testing::TestWithParam<DigitsCase>
{
};

TEST_P(CertainDigitsTest, AreTheExactValuesRounded)
{
    EXPECT_EQ(DigitsText(calc::CertainDigits(GetParam().make())), GetParam().digits);
}

Ball Tenth()
{
    return calc::DecimalBall(1, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CertainDigitsTest,
    testing::Values(
        // 0.1 · 100 is 10 exactly, not the 10.000000000000002 of the doubles.
        DigitsCase{"RoundValue", [] { return Tenth() * Ball(100); }, "10"},
        DigitsCase{"ThirdTimesThree", [] { return Ball(1) / Ball(3) * Ball(3); }, "1"},
        DigitsCase{"RootSquared", [] { return Sqrt(Ball(2)) * Sqrt(Ball(2)); }, "2"},
        DigitsCase{"Third", [] { return Ball(1) / Ball(3); }, "0.333333333333333"},
        DigitsCase{"Root", [] { return Sqrt(Ball(39)); }, "6.2449979983984"},
        DigitsCase{"Large", [] { return calc::DecimalBall(123456789, 280); }, "1.23456789E+288"},
        DigitsCase{"Small", [] { return calc::DecimalBall(7, -280) / Ball(3); },
                   "2.33333333333333E-280"},
        // 1.000000000000005 is a tie at the fifteenth digit: no ball decides it.
        DigitsCase{"Tie", [] { return calc::DecimalBall(1000000000000005, -15); }, "undecided"},
        DigitsCase{"NearTie", [] { return calc::DecimalBall(10000000000000051, -16); },
                   "1.00000000000001"},
        DigitsCase{"Sine", [] { return calc::SinCosDegrees(Ball(30)).sin; }, "0.5"},
        DigitsCase{"Cosine", [] { return calc::SinCosDegrees(Ball(60)).cos; }, "0.5"},
        DigitsCase{"ObtuseCosine", [] { return -calc::SinCosDegrees(Ball(135)).cos; },
                   "0.707106781186548"},
        DigitsCase{"SineNearStraight", [] { return calc::SinCosDegrees(Ball(179.5)).sin; },
                   "0.00872653549837393"},
        DigitsCase{"Atan", [] { return calc::AtanDegrees(Ball(1)); }, "45"},
        DigitsCase{"AtanSteep", [] { return calc::AtanDegrees(Sqrt(Ball(3))); }, "60"},
        DigitsCase{"AtanNeedle", [] { return calc::AtanDegrees(Ball(1e-12)); },
                   "5.72957795130823E-11"}),
    RowName<DigitsCase>);

TEST(Ball, SignIsDecidedOnlyClearOfZero)
{
    EXPECT_EQ((Tenth() * Ball(3) - Ball(0.3)).Sign(), 1) << "the double nearest to 0.3 is below it";
    EXPECT_EQ((calc::DecimalBall(3, -1) - Tenth() * Ball(3)).Sign(), std::nullopt);
    EXPECT_EQ((Ball(3) * Ball(3) - Ball(9)).Sign(), 0) << "doubles multiply exactly in two";
    EXPECT_EQ((Sqrt(Ball(2)) - calc::DecimalBall(14142135623730950, -16)).Sign(), 1);
    EXPECT_FALSE((Ball(1) / (Tenth() - Tenth())).Known()) << "a division by a ball around zero";
}

} // namespace

namespace
{

// The two ways to sin and cos of a typed angle agree: the doubles of doubles, and the
// intervals of 256 bits, which must hold the balls' midpoints.
class SinCosAgreeTest : public testing::TestWithParam<double>
{
};

TEST_P(SinCosAgreeTest, IntervalsHoldTheBalls)
{
    const double degrees = GetParam();
    const calc::SinCos ball = calc::SinCosDegrees(Ball(degrees));
    const calc::exact::IntervalSinCos interval =
        calc::exact::SinCosDegrees(calc::exact::Rational(degrees), 256);
    const auto holds = [](const calc::exact::Interval &x, const Ball &y) {
        const calc::exact::Rational mid =
            calc::exact::Rational(y.Mid().hi) + calc::exact::Rational(y.Mid().lo);
        const calc::exact::Rational slack = calc::exact::Rational(y.Radius());
        return x.Lower() <= mid + slack && mid - slack <= x.Upper() &&
               x.Upper() - x.Lower() < calc::exact::Rational(1e-70);
    };
    EXPECT_TRUE(holds(interval.sin, ball.sin)) << degrees;
    EXPECT_TRUE(holds(interval.cos, ball.cos)) << degrees;
}

INSTANTIATE_TEST_SUITE_P(Angles, SinCosAgreeTest,
                         testing::Values(37.5, 0.001, 44.999, 45.001, 90, 100.25, 179.999));

// At thousands of bits the intervals still hold the exact halves, and are as narrow as asked.
struct HalfCase {
    const char *name;
    int degrees;
    bool cosine;
};

class SinCosPreciseTest : public testing::TestWithParam<HalfCase>
{
};

TEST_P(SinCosPreciseTest, HoldsTheHalfAtManyBits)
{
    const calc::exact::IntervalSinCos trig =
        calc::exact::SinCosDegrees(calc::exact::Rational(GetParam().degrees), 4096);
    const calc::exact::Interval &x = GetParam().cosine ? trig.cos : trig.sin;
    const calc::exact::Rational half(1, 2);
    EXPECT_TRUE(x.Lower() <= half && half <= x.Upper());
    EXPECT_LT(x.Upper() - x.Lower(),
              calc::exact::Rational(calc::exact::Integer(1), calc::exact::Integer(1) << 4000U));
}

INSTANTIATE_TEST_SUITE_P(Halves, SinCosPreciseTest,
                         testing::Values(HalfCase{"Sine30", 30, false},
                                         HalfCase{"Cosine60", 60, true},
                                         HalfCase{"Sine150", 150, false}),
                         RowName<HalfCase>);

} // namespace
