#include "markup.h"
#include "row_name.h"
#include "svg_painter.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{

// Every row carries its name; the tables below use it as the test's name.

struct FourDigitsCase {
    const char *name;
    double value;
    std::string text;
    bool exact;
};

std::ostream &operator<<(std::ostream &os, const FourDigitsCase &c)
{
    return os << c.name;
}

class FourDigitsTest : public testing::TestWithParam<FourDigitsCase>
{
};

TEST_P(FourDigitsTest, RoundsCorrectly)
{
    const FourDigitsCase &c = GetParam();
    std::string text;
    EXPECT_EQ(figure::AppendLength(text, c.value, ","), c.exact);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, FourDigitsTest,
    testing::Values(FourDigitsCase{"Bisector", 4.21637021355784, "4,216", false},
                    FourDigitsCase{"Whole", 4, "4", true},
                    FourDigitsCase{"CarryIntoANewDigit", 9.99996, "10", false},
                    FourDigitsCase{"HalfRoundsToEven", 2.0625, "2,062", false},
                    FourDigitsCase{"HalfOfAnOddDigitRoundsUp", 9999.5, "1E+04", false},
                    FourDigitsCase{"Large", 12345.6, "1,235E+04", false},
                    FourDigitsCase{"SmallestFixed", 0.000123456, "0,0001235", false},
                    FourDigitsCase{"Small", 1.5e-7, "1,5E-07", true},
                    FourDigitsCase{"Huge", 4.21637021355784e100, "4,216E+100", false},
                    FourDigitsCase{"Zero", 0, "0", true},
                    FourDigitsCase{"Infinite", std::numeric_limits<double>::infinity(), "Inf",
                                   false}),
    RowName<FourDigitsCase>);

struct EscapeCase {
    const char *name;
    std::string text;
    std::string escaped;
};

std::ostream &operator<<(std::ostream &os, const EscapeCase &c)
{
    return os << c.name;
}

class EscapeTest : public testing::TestWithParam<EscapeCase>
{
};

TEST_P(EscapeTest, WritesOnlyWhatADocumentMayCarry)
{
    std::string out;
    figure::AppendEscaped(out, GetParam().text);
    EXPECT_EQ(out, GetParam().escaped);
}

const std::string kReplacement = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeTest,
    testing::Values(
        EscapeCase{"Markup", "<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
        EscapeCase{"CyrillicAndSymbols", "Ъгъл ≈ 4,2 😀", "Ъгъл ≈ 4,2 😀"},
        EscapeCase{"TabAndLineFeedStay", "3\t4\n5", "3\t4\n5"},
        EscapeCase{"ControlCharacters", std::string("3\0\x1B\r\x7F", 5),
                   "3" + kReplacement + kReplacement + kReplacement + kReplacement},
        EscapeCase{"StrayContinuationByte", "a\x80z", "a" + kReplacement + "z"},

        EscapeCase{"OverlongSlash", "\xC0\xAF", kReplacement + kReplacement},
        EscapeCase{"Surrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        EscapeCase{"BeyondUnicode", "\xF4\x90\x80\x80",
                   kReplacement + kReplacement + kReplacement + kReplacement},
        EscapeCase{"TruncatedAtTheEnd", "4\xE2\x82", "4" + kReplacement + kReplacement}),
    RowName<EscapeCase>);

// The painter's looks are values; the SVG writes them as presentation attributes.
struct LookCase {
    const char *name;
    figure::Stroke stroke;
    std::string attributes;
};

std::ostream &operator<<(std::ostream &os, const LookCase &c)
{
    return os << c.name;
}

class SvgLookTest : public testing::TestWithParam<LookCase>
{
};

TEST_P(SvgLookTest, WritesColourAndDashes)
{
    figure::SvgPainter painter;
    painter.Line({0, 0}, {1, 1}, GetParam().stroke, {"line"});
    std::string svg;
    painter.AppendDocument(svg, {.width = 10, .height = 10});
    EXPECT_NE(svg.find(GetParam().attributes), std::string::npos) << svg;
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, SvgLookTest,
    testing::Values(LookCase{"SolidInCapitals",
                             {{0x0A, 0xBC, 0xFF}, 1.5},
                             "stroke=\"#0ABCFF\" stroke-width=\"1.5\" stroke-linecap"},
                    LookCase{"Dashed", {{0, 0, 0}, 1, {7, 4.5}}, "stroke-dasharray=\"7 4.5\""},
                    LookCase{"White", {figure::kWhite, 2}, "stroke=\"#FFFFFF\""}),
    RowName<LookCase>);

} // namespace
