#include "numbers.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace
{

struct TextCase {
    const char *name;
    double value;
    std::string expected;
    std::string separator = ".";
};

std::ostream &operator<<(std::ostream &os, const TextCase &c)
{
    return os << c.name;
}

class NumberTextTest : public testing::TestWithParam<TextCase>
{
};

TEST_P(NumberTextTest, Prints)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(calc::NumberText(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FixedForm, NumberTextTest,
    testing::Values(TextCase{"Integer", 6, "6"}, TextCase{"OneThird", 1.0 / 3, "0.333333333333333"},
                    TextCase{"TwoThirdsRoundsUp", 2.0 / 3, "0.666666666666667"},
                    TextCase{"Half", 2.5, "2.5"}, TextCase{"LeadingZero", 0.5, "0.5"},
                    TextCase{"NegativeFraction", -0.5, "-0.5"}, TextCase{"Zero", 0.0, "0"},
                    TextCase{"NegativeZero", -0.0, "0"},
                    TextCase{"BinaryNoiseRoundedAway", 0.1 + 0.2, "0.3"},
                    TextCase{"TrailingIntegerZeros", 1200, "1200"},
                    TextCase{"FifteenDigitInteger", 999999999999999.0, "999999999999999"},
                    TextCase{"FractionRoundedAtFifteenDigits", 123456789012345.67,
                             "123456789012346"},
                    TextCase{"SmallestFixed", 1e-4, "0.0001"},
                    TextCase{"SmallFixedDigits", 0.000123456789012345678, "0.000123456789012346"},
                    TextCase{"SquareRootOfThree", std::sqrt(3.0), "1.73205080756888"},
                    // Exactly halfway between two fifteen-digit numbers: to the even one.
                    TextCase{"TieRoundsDownToEven", 100000000000000.5, "100000000000000"},
                    TextCase{"TieRoundsUpToEven", 100000000000001.5, "100000000000002"}),
    RowName<TextCase>);

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, NumberTextTest,
    testing::Values(TextCase{"FirstLarge", 1e15, "1E+15"},
                    TextCase{"RoundingCarriesIntoExponent", 999999999999999.5, "1E+15"},
                    TextCase{"LargeWithDigits", 123456789012345678.0, "1.23456789012346E+17"},
                    TextCase{"FirstSmall", 1e-5, "1E-05"},
                    TextCase{"SmallWithDigits", 1.5e-7, "1.5E-07"},
                    TextCase{"ThreeDigitExponent", 6e200, "6E+200"},
                    TextCase{"NegativeTiny", -1e-300, "-1E-300"},
                    TextCase{"LargestDouble", DBL_MAX, "1.79769313486232E+308"},
                    TextCase{"SmallestNormal", DBL_MIN, "2.2250738585072E-308"},
                    TextCase{"SmallestSubnormal", std::ldexp(1, -1074), "4.94065645841247E-324"}),
    RowName<TextCase>);

// The separator is injected, as the window passes the user's locale's.
INSTANTIATE_TEST_SUITE_P(Separators, NumberTextTest,
                         testing::Values(TextCase{"Comma", 2.5, "2,5", ","},
                                         TextCase{"CommaInExponentForm", 1.5e-7, "1,5E-07", ","},
                                         TextCase{"CommaBelowOne", 1.0 / 3, "0,333333333333333",
                                                  ","},
                                         TextCase{"CommaUnusedForIntegers", 6, "6", ","},
                                         TextCase{"MultiByteSeparator", 2.5, "2\u066B5", "\u066B"}),
                         RowName<TextCase>);

TEST(NumberText, DefaultSeparatorIsPoint)
{
    EXPECT_EQ(calc::NumberText(2.5), "2.5");
}

// The C library's "%.15G" is the same rule (15 significant digits, correctly rounded,
// trailing zeros dropped, exponent form below 1E-04 and from 1E+15), computed exactly
// with big integers: a reference for every finite double but the sign of zero.
std::string Reference(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", value);
    return value == 0 ? "0" : text;
}

// Over a million doubles of every kind: random bit patterns, subnormals, the magnitudes
// lengths usually have, the powers of ten and their neighbours, and the values halfway
// between two fifteen-digit numbers (ties) with theirs.
TEST(NumberText, AgreesWithAnExactReference)
{
    std::mt19937_64 random(20261208);
    std::vector<double> values;
    const auto withNeighbours = [&values](double v) {
        values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, HUGE_VAL)});
    };
    for (int i = 0; i < 600'000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v))
            values.push_back(v);
    }
    for (int i = 0; i < 100'000; ++i)
        values.push_back(std::bit_cast<double>(random() & 0x800F'FFFF'FFFF'FFFF));
    std::uniform_real_distribution<double> decades(-9, 16);
    for (int i = 0; i < 200'000; ++i)
        values.push_back(std::pow(10.0, decades(random)));
    for (int k = -323; k <= 308; ++k)
        withNeighbours(std::pow(10.0, k));
    std::uniform_int_distribution<std::int64_t> fifteenDigits(100'000'000'000'000,
                                                              999'999'999'999'999);
    for (int i = 0; i < 110'000; ++i) {
        // (n + 1/2) · 10^k is a double for k up to 2.
        const double tie =
            (static_cast<double>(fifteenDigits(random)) + 0.5) * (i % 3 == 0   ? 1
                                                                  : i % 3 == 1 ? 10
                                                                               : 100);
        withNeighbours(tie);
    }
    ASSERT_GE(values.size(), 1'000'000u);
    std::size_t failures = 0;
    for (double v : values) {
        const std::string expected = Reference(v);
        if (calc::NumberText(v) != expected && ++failures <= 10)
            ADD_FAILURE() << std::hexfloat << v << ": " << calc::NumberText(v) << " instead of "
                          << expected;
    }
    EXPECT_EQ(failures, 0u);
}

struct SignificantCase {
    const char *name;
    int significant; // asked for
    int rounded;     // what DigitsOf takes it as
};

std::ostream &operator<<(std::ostream &os, const SignificantCase &c)
{
    return os << c.name;
}

class DigitsOfTest : public testing::TestWithParam<SignificantCase>
{
};

// The C library's "%.*e" of a double, n digits exactly rounded, as digits without trailing
// zeros and the exponent; exact when strtod reads them back as the double.
calc::Digits ReferenceDigits(double value, int significant)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", significant - 1, value);
    calc::Digits digits;
    const char *c = text;
    digits.negative = *c == '-';
    c += digits.negative ? 1 : 0;
    for (; *c != 'e'; ++c)
        if (*c != '.')
            digits.digits[digits.count++] = *c;
    while (digits.count > 0 && digits.digits[digits.count - 1] == '0')
        --digits.count;
    digits.exponent = std::strtol(c + 1, nullptr, 10);
    digits.exact = std::strtod(text, nullptr) == value;
    return digits;
}

// Doubles of every kind, as above, and the values halfway between two numbers of the
// case's digits with their neighbours: each route of the rounding (the scaled product, the
// shortest digits, the exact value) meets its ties and its edges.
TEST_P(DigitsOfTest, AgreesWithAnExactReference)
{
    const SignificantCase &c = GetParam();
    std::mt19937_64 random(20261211);
    std::vector<double> values;
    const auto withNeighbours = [&values](double v) {
        values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, HUGE_VAL)});
    };
    for (int i = 0; i < 60'000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v) && v != 0)
            values.push_back(v);
    }
    for (int i = 0; i < 10'000; ++i)
        values.push_back(std::bit_cast<double>((random() & 0x800F'FFFF'FFFF'FFFF) | 1));
    std::uniform_real_distribution<double> decades(-25, 20);
    for (int i = 0; i < 60'000; ++i)
        values.push_back(std::pow(10.0, decades(random)));
    for (int k = -323; k <= 308; ++k)
        withNeighbours(std::pow(10.0, k));
    const auto least = static_cast<std::int64_t>(std::pow(10.0, c.rounded - 1));
    std::uniform_int_distribution<std::int64_t> digits(least, 10 * least - 1);
    for (int i = 0; i < 30'000; ++i) {
        // (n + 1/2) · 2^k is a double whatever k, and a tie where it has no more digits.
        withNeighbours(std::ldexp(static_cast<double>(digits(random)) + 0.5, i % 7 - 3));
        withNeighbours((static_cast<double>(digits(random)) + 0.5) * (i % 2 ? 1 : 100));
    }
    std::size_t failures = 0;
    for (double v : values) {
        const calc::Digits expected = ReferenceDigits(v, c.rounded);
        const calc::Digits got = calc::DigitsOf(v, c.significant);
        if ((got != expected || got.exact != expected.exact) && ++failures <= 10)
            ADD_FAILURE() << std::hexfloat << v << ": " << std::string_view(got.digits, got.count)
                          << "E" << got.exponent << (got.exact ? " exact" : "") << " instead of "
                          << std::string_view(expected.digits, expected.count) << "E"
                          << expected.exponent << (expected.exact ? " exact" : "");
    }
    EXPECT_EQ(failures, 0u);
}

INSTANTIATE_TEST_SUITE_P(Counts, DigitsOfTest,
                         testing::Values(SignificantCase{"One", 1, 1}, SignificantCase{"Two", 2, 2},
                                         SignificantCase{"FourAsTheFigure", 4, 4},
                                         SignificantCase{"Nine", 9, 9},
                                         SignificantCase{"Fourteen", 14, 14},
                                         SignificantCase{"FifteenAsTheReport", 15, 15},
                                         SignificantCase{"NoneTakenAsOne", 0, 1},
                                         SignificantCase{"MoreTakenAsFifteen", 17, 15}),
                         RowName<SignificantCase>);

TEST(DigitsOf, ZeroHasNoDigitsAndIsExactWhatIsNotANumberHasNone)
{
    for (double zero : {0.0, -0.0}) {
        const calc::Digits digits = calc::DigitsOf(zero, 4);
        EXPECT_EQ(digits.count, 0u);
        EXPECT_TRUE(digits.exact);
    }
    for (double other : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
        const calc::Digits digits = calc::DigitsOf(other, 4);
        EXPECT_EQ(digits.count, 0u);
        EXPECT_FALSE(digits.exact);
    }
}

} // namespace
