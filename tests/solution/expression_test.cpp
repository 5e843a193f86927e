#include "row_name.h"
#include "solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace
{

using namespace solution;

struct NumberCase {
    const char *name;
    Expression formula;
    std::string text; // with a decimal comma
};

std::ostream &operator<<(std::ostream &os, const NumberCase &c)
{
    return os << c.name;
}

class NumberTest : public testing::TestWithParam<NumberCase>
{
};

// The digits of the core's numbers as the writers lay them out with the separator they are
// given: a whole number of an exact form in full however long, a decimal of the report's
// digits in full between the exponents at which the report writes exponent form, and a
// power of ten from them on.
TEST_P(NumberTest, IsLaidOutByTheWriter)
{
    std::string text;
    AppendText(text, {.parts = {{"", {{{GetParam().formula}, {}}}}}}, ",");
    EXPECT_EQ(text, "\n" + GetParam().text + "\n");
}

// A number of the core's fifteen digits, exact or rounded.
Expression Digits(double value, bool exact = true)
{
    calc::Digits digits = calc::DigitsOf(std::abs(value));
    digits.negative = value < 0;
    digits.exact = exact;
    return Decimal(digits);
}

// a = x ≈ y …: the relations after the first item, by the items' accuracy.
Expression Relate(Expression first, std::vector<Expression> items)
{
    Chain chain(std::move(first));
    for (Expression &item : items)
        chain.Is(std::move(item));
    return chain.Take();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberTest,
    testing::Values(NumberCase{"ALongWholeNumberInFull", Whole("123456789012345678901234567890"),
                               "123456789012345678901234567890"},
                    NumberCase{"TrailingZeros", Product(List(Whole("1000"), Whole("0"))),
                               "1000 · 0"},
                    NumberCase{"TheLeastInteger", Integer(std::numeric_limits<std::int64_t>::min()),
                               "−9223372036854775808"},
                    NumberCase{"ADecimalFraction", Digits(0.04), "0,04"},
                    NumberCase{"TheReportsExponentsOn",
                               Relate(Symbol("x"), List(Digits(1.5e-7, false))), "x ≈ 1,5 · 10⁻⁷"},
                    NumberCase{"BeforeThem", Product(List(Digits(1e-4), Digits(123456789012345))),
                               "0,0001 · 123456789012345"},
                    NumberCase{"ALargeExponent", Square(Digits(-6e200)), "(−6 · 10²⁰⁰)²"},
                    // 20 made as a whole number and as the report's digits is one number: said once
                    NumberCase{"OneNumberHoweverMade",
                               Relate(Symbol("y"), List(Integer(20), Digits(20))), "y = 20"}),
    RowName<NumberCase>);

// A note's numbers are the report's, in its own layout and with the writer's separator.
TEST(NoteTest, LaysOutTheReportsNumbers)
{
    Note note("отчетът дава ");
    note.Add(calc::Number{.value = 6.7508241255143401}).Add(" и ");
    note.Add(calc::Number{.value = 1.5e-7});
    EXPECT_EQ(note.Text(","), "отчетът дава 6,75082412551434 и 1,5E-07");
    EXPECT_TRUE(Note("").Empty());
}

} // namespace
