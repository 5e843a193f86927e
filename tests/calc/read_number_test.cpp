#include "exact.h"
#include "exact_rounding.h"
#include "numbers.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace
{

struct ReadCase {
    const char *name;
    std::string text;
    double expected;
    std::string separator = "."; // the locale's, besides "."
    bool taken = true;           // within the bounds of what the calculation takes
};

std::ostream &operator<<(std::ostream &os, const ReadCase &c)
{
    return os << c.name;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

class ReadNumberTest : public testing::TestWithParam<ReadCase>
{
};

// Bit-for-bit: the sign of zero and the last bit of rounding matter.
TEST_P(ReadNumberTest, ReadsExactly)
{
    const ReadCase &c = GetParam();
    const double actual = calc::ReadNumber(c.text, c.separator);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(c.expected))
        << "text \"" << c.text << "\" read as " << actual << ", expected " << c.expected;
}

// The number is one the calculation takes, or one longer than it takes: too many
// significant digits, or an exponent of too many digits.
TEST_P(ReadNumberTest, TellsWhetherTheCalculationTakesIt)
{
    const ReadCase &c = GetParam();
    const calc::BoundedNumber read = calc::ReadBoundedNumber(c.text, c.separator);
    EXPECT_EQ(read.withinBounds, c.taken);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(c.expected));
}

// The exact reading is the same number: the double nearest to it is the one read, and
// beyond the range of doubles it is too.
TEST_P(ReadNumberTest, ReadsTheSameNumberExactly)
{
    const ReadCase &c = GetParam();
    const calc::exact::Decimal exact = calc::exact::ReadExactNumber(c.text, c.separator);
    EXPECT_EQ(exact.sign, c.expected == 0 ? exact.sign : c.expected < 0 ? -1 : 1);
    if (exact.sign == 0) {
        EXPECT_EQ(c.expected, 0.0);
        return;
    }
    if (std::abs(exact.Magnitude()) > 1000) { // too far out to write as a rational
        EXPECT_TRUE(c.expected == 0 || std::isinf(c.expected));
        return;
    }
    const calc::exact::Rational magnitude = abs(calc::exact::ToRational(exact));
    const calc::exact::Rounded rounded = calc::exact::RoundToDouble(magnitude, false);
    if (std::fabs(c.expected) >= DBL_MIN && std::isfinite(c.expected)) {
        EXPECT_TRUE(rounded.inRange);
        EXPECT_EQ(rounded.value, std::fabs(c.expected));
    } else {
        EXPECT_FALSE(rounded.inRange); // beyond the range, or too small for a normal double
    }
}

INSTANTIATE_TEST_SUITE_P(
    PlainDecimals, ReadNumberTest,
    testing::Values(ReadCase{"Empty", "", 0.0}, ReadCase{"Letters", "abc", 0.0},
                    ReadCase{"CommaIsDecimalEverywhere", "3,5", 3.5},
                    ReadCase{"PointIsDecimal", "3.5", 3.5},
                    ReadCase{"SpacesAroundAndBetween", "  4 2  ", 42.0},
                    ReadCase{"TabsAndLineFeeds", "\t1\n0\t.\n5", 10.5},
                    ReadCase{"CarriageReturnStops", "1\r2", 1.0}, ReadCase{"Negative", "-7", -7.0},
                    ReadCase{"ExplicitPlus", "+5", 5.0}, ReadCase{"LeadingPoint", ".5", 0.5},
                    ReadCase{"TrailingPoint", "5.", 5.0}, ReadCase{"UnitSuffix", "5cm", 5.0},
                    ReadCase{"DigitsThenLetters", "12abc", 12.0},
                    ReadCase{"SecondPointStops", "1.2.3", 1.2}, ReadCase{"LoneSign", "-", 0.0},
                    ReadCase{"LonePoint", ".", 0.0}, ReadCase{"SignedPoint", "-.", 0.0},
                    ReadCase{"DoubleSign", "--1", 0.0}, ReadCase{"MixedSigns", "+-1", 0.0},
                    ReadCase{"SpaceAfterSign", "- 2.5", -2.5}, ReadCase{"NegativeZero", "-0", -0.0},
                    ReadCase{"LeadingZeros", "000123.4500", 123.45},
                    ReadCase{"ZerosAfterPoint", "0.000001", 1e-6}),
    RowName<ReadCase>);

INSTANTIATE_TEST_SUITE_P(
    Exponents, ReadNumberTest,
    testing::Values(
        ReadCase{"LowerE", "1e2", 100.0}, ReadCase{"UpperE", "1E2", 100.0},
        ReadCase{"LowerD", "1d3", 1000.0}, ReadCase{"UpperDSigned", "1D+3", 1000.0},
        ReadCase{"NegativeExponent", "1E-2", 0.01}, ReadCase{"SpacedExponent", "1 e - 2", 0.01},
        ReadCase{"LetterWithoutDigits", "1e", 1.0}, ReadCase{"SignWithoutDigits", "2.5e+", 2.5},
        ReadCase{"ExponentWithoutMantissa", "e5", 0.0}, ReadCase{"PointThenExponent", "5.e1", 50.0},
        ReadCase{"ExponentStopsAtPoint", "1e2.5", 100.0},
        ReadCase{"HugeExponentOfZero", "0e999999999999999999999", 0.0, ".", false},
        ReadCase{"ExponentLeadingZeros", "1e0000000000000000000003", 1000.0},
        ReadCase{"NineDigitExponent", "1e999999999", kInf},
        ReadCase{"TenDigitExponent", "1e1000000003", kInf, ".", false},
        ReadCase{"TenDigitNegativeExponent", "1e-1000000003", 0.0, ".", false}),
    RowName<ReadCase>);

INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, ReadNumberTest,
    testing::Values(
        ReadCase{"Hex", "&H1F", 31.0}, ReadCase{"HexLowerCase", "&hff", 255.0},
        ReadCase{"HexSixteenBitsNonNegative", "&HFFFF", 65535.0},
        ReadCase{"HexSixtyFourBits", "&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        ReadCase{"HexStopsAtPoint", "&H10.8", 16.0}, ReadCase{"HexSpaced", " & H 1 0", 16.0},
        ReadCase{"HexNoDigits", "&H", 0.0}, ReadCase{"HexBadDigit", "&Hxyz", 0.0},
        ReadCase{"Octal", "&O17", 15.0}, ReadCase{"OctalLowerCase", "&o777", 511.0},
        ReadCase{"OctalStopsAtEight", "&O78", 7.0}, ReadCase{"OctalNoDigits", "&O8", 0.0},
        ReadCase{"OctalFiftyFourBits", "&O777777777777777777", 18014398509481984.0},
        ReadCase{"UnknownRadix", "&X1", 0.0}, ReadCase{"SignedHex", "-&H10", 0.0},
        ReadCase{"HexLargestPower", "&H1" + std::string(255, '0'), std::ldexp(1, 1020), ".", false},
        ReadCase{"HexBeyondDouble", "&H" + std::string(256, 'F'), kInf, ".", false},
        ReadCase{"HexVeryLong", "&H" + std::string(100000, 'F'), kInf, ".", false},
        ReadCase{"HexLeadingZerosNotCounted", "&H" + std::string(300, '0') + "1F", 31.0},
        ReadCase{"OctalLargestPower", "&O1" + std::string(341, '0'), std::ldexp(1, 1023), ".",
                 false},
        ReadCase{"OctalBeyondDouble", "&O2" + std::string(341, '0'), kInf, ".", false},
        ReadCase{"OctalLongest", "&O1" + std::string(199, '0'), std::ldexp(1, 597)},
        ReadCase{"OctalBeyondTheLongest", "&O1" + std::string(200, '0'), std::ldexp(1, 600), ".",
                 false},
        // Halfway between two doubles, and just above it by a digit far to the right.
        ReadCase{"HexHalfwayToEven", "&H10000000000000800", 0x1p64},
        ReadCase{"HexLastDigitBreaksTheTie", "&H100000000000008001", 0x1.0000000000001p68},
        ReadCase{"OctalHalfwayToEven", "&O1" + std::string(17, '0') + "2000", 0x1p63},
        ReadCase{"OctalLastDigitBreaksTheTie", "&O1" + std::string(17, '0') + "20001",
                 0x1.0000000000001p66}),
    RowName<ReadCase>);

// Correct rounding for any number of digits, and the edges of the double range.
INSTANTIATE_TEST_SUITE_P(
    RoundingAndRange, ReadNumberTest,
    testing::Values(ReadCase{"ExactBinaryExpansion",
                             "0.1000000000000000055511151231257827021181583404541015625", 0.1},
                    ReadCase{"HalfwayRoundsToEven", "9007199254740993", 9007199254740992.0},
                    ReadCase{"JustAboveHalfway", "9007199254740993.00000000000000000000000000001",
                             9007199254740994.0},
                    ReadCase{"ThousandDigits", "1" + std::string(999, '0'), kInf},
                    ReadCase{"LongFraction", "0." + std::string(400, '0') + "15e401", 1.5},
                    ReadCase{"LongestNumber", "1." + std::string(198, '0') + "1", 1.0},
                    ReadCase{"BeyondTheLongest", "1." + std::string(199, '0') + "1", 1.0, ".",
                             false},
                    ReadCase{"TrailingZerosNotCounted", "1." + std::string(300, '0'), 1.0},
                    ReadCase{"LargestDouble", "1.7976931348623157e308", DBL_MAX},
                    ReadCase{"AboveLargest", "1.8e308", kInf}, ReadCase{"Overflow", "1e400", kInf},
                    ReadCase{"NegativeOverflow", "-1E999", -kInf},
                    ReadCase{"SmallestNormal", "2.2250738585072014e-308", DBL_MIN},
                    ReadCase{"SmallestSubnormal", "4.9406564584124654e-324", std::ldexp(1, -1074)},
                    ReadCase{"Underflow", "1e-400", 0.0},
                    ReadCase{"NegativeUnderflow", "-1e-400", -0.0}),
    RowName<ReadCase>);

// The locale's separator reads as "." and "," do, so that a number reads back as printed.
INSTANTIATE_TEST_SUITE_P(LocaleSeparators, ReadNumberTest,
                         testing::Values(ReadCase{"CommaUnderCommaLocale", "3,5", 3.5, ","},
                                         ReadCase{"PointUnderCommaLocale", "3.5", 3.5, ","},
                                         ReadCase{"OneSeparatorOnly", "3,5.2", 3.5, ","},
                                         ReadCase{"PointThenComma", "3.5,2", 3.5, ","},
                                         ReadCase{"LeadingComma", ",5", 0.5, ","},
                                         ReadCase{"SpacedComma", "1 , 2 5", 1.25, ","},
                                         ReadCase{"CommaExponent", "1,5E-7", 1.5e-7, ","},
                                         ReadCase{"CommaAfterHexStops", "&H1,8", 1.0, ","},
                                         ReadCase{"MultiByteSeparator", "2\u066B5", 2.5, "\u066B"},
                                         ReadCase{"HalfAMultiByteSeparatorStops", "2\xD9", 2.0,
                                                  "\u066B"},
                                         ReadCase{"DigitIsNoSeparator", "315", 315.0, "1"},
                                         ReadCase{"MinusIsNoSeparator", "3-5", 3.0, "-"},
                                         ReadCase{"LetterIsNoSeparator", "3e5", 3e5, "e"},
                                         ReadCase{"CommaBesideAnother", "2,5", 2.5, "\u066B"},
                                         ReadCase{"EmptySeparator", "3,5", 3.5, ""}),
                         RowName<ReadCase>);

// Texts as pasted: a byte order mark at the start and Unicode's spaces are passed over as
// spaces are; other invisible characters end the number.
INSTANTIATE_TEST_SUITE_P(
    AsPasted, ReadNumberTest,
    testing::Values(ReadCase{"ByteOrderMark", "\uFEFF3,5", 3.5},
                    ReadCase{"ByteOrderMarkThenSpace", "\uFEFF 4", 4.0},
                    ReadCase{"ByteOrderMarkInsideStops", "1\uFEFF2", 1.0},
                    ReadCase{"TwoByteOrderMarks", "\uFEFF\uFEFF2", 0.0},
                    ReadCase{"NoBreakSpace", "1\u00A0234,5", 1234.5},
                    ReadCase{"NarrowNoBreakSpace", "1\u202F000", 1000.0},
                    ReadCase{"FigureAndThinSpaces", "\u20071\u20090\u2009", 10.0},
                    ReadCase{"OghamAndIdeographicSpaces", "\u16802\u30005", 25.0},
                    ReadCase{"EnQuadToHairSpace", "\u20001\u200A2", 12.0},
                    ReadCase{"MathematicalSpace", "1\u205F5", 15.0},
                    ReadCase{"ZeroWidthSpaceStops", "1\u200B2", 1.0},
                    ReadCase{"LineSeparatorStops", "1\u20282", 1.0},
                    ReadCase{"HalfANoBreakSpaceStops", "1\xC2", 1.0},
                    ReadCase{"SpaceIsNoSeparator", "3\u00A05", 35.0, "\u00A0"}),
    RowName<ReadCase>);

} // namespace
