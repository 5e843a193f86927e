#include "calculate.h"
#include "exact_values.h"
#include "formulas.h"
#include "row_name.h"
#include "typed_lengths.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_dec_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace
{

using calc::InputMode;

std::string Lines(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

const std::string kRejected(calc::kRejected);
const std::string kOutOfRange(calc::kOutOfRange);
const std::string kTooLong(calc::kTooLong);

struct ReportCase {
    const char *name;
    InputMode mode;
    std::array<std::string, 3> inputs;
    std::string expected;
    std::string separator = ".";
};

std::ostream &operator<<(std::ostream &os, const ReportCase &c)
{
    return os << c.name;
}

class CalculateTest : public testing::TestWithParam<ReportCase>
{
};

TEST_P(CalculateTest, Reports)
{
    const ReportCase &c = GetParam();
    const calc::Solution solution =
        calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]}, c.separator);
    EXPECT_EQ(calc::ReportText(solution, {.decimalSeparator = c.separator}), c.expected);
}

const std::string kSides345 = Lines(
    {"Лице на триъгълника S = 6", "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784",
     "Yg_b = 3.35410196624968", "Yg_c = 2.42436610692531"});

INSTANTIATE_TEST_SUITE_P(
    Reports, CalculateTest,
    testing::Values(
        ReportCase{"Sides345", InputMode::Sides, {"3", "4", "5"}, kSides345},
        ReportCase{
            "Medians345",
            InputMode::Medians,
            {"3", "4", "5"},
            Lines({"Изчислени дължини на страни:", "BC = 5.69600249687835", "AC = 4.80740170061865",
                   "AB = 3.33333333333333", "Лице на триъгълника S = 8",
                   "Изчислени дължини на ъглополовящи:", "Yg_a = 2.85998323467242",
                   "Yg_b = 3.68842731893544", "Yg_c = 4.96236595640282"})},
        ReportCase{"HeightsOf345",
                   InputMode::Heights,
                   {"4", "3", "2.4"},
                   Lines({"Изчислени дължини на страни:", "BC = 3", "AC = 4", "AB = 5",
                          "Лице на триъгълника S = 6",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784",
                          "Yg_b = 3.35410196624969", "Yg_c = 2.42436610692531"})},
        ReportCase{
            "Heights234",
            InputMode::Heights,
            {"2", "3", "4"},
            Lines({"Изчислени дължини на страни:", "BC = 6.75082412551434", "AC = 4.50054941700956",
                   "AB = 3.37541206275717", "Лице на триъгълника S = 6.75082412551434",
                   "Изчислени дължини на ъглополовящи:", "Yg_a = 2.00756586435127",
                   "Yg_b = 4.27617987059879", "Yg_c = 5.2581365520496"})},
        // The altitudes of real triangles that fail the triangle inequality themselves.
        ReportCase{
            "Heights4510",
            InputMode::Heights,
            {"4", "5", "10"},
            Lines({"Изчислени дължини на страни:", "BC = 13.1590338991954", "AC = 10.5272271193563",
                   "AB = 5.26361355967815", "Лице на триъгълника S = 26.3180677983908",
                   "Изчислени дължини на ъглополовящи:", "Yg_a = 4.11475599898912",
                   "Yg_b = 6.82987776762511", "Yg_c = 11.4755062109849"})},
        ReportCase{
            "ThinIsoscelesAltitudes",
            InputMode::Heights,
            {"10", "1", "1"},
            Lines({"Изчислени дължини на страни:", "BC = 1.00125234864352", "AC = 10.0125234864352",
                   "AB = 10.0125234864352", "Лице на триъгълника S = 5.00626174321759",
                   "Изчислени дължини на ъглополовящи:", "Yg_a = 10", "Yg_b = 1.31904772747275",
                   "Yg_c = 1.31904772747275"})},
        ReportCase{"SidesEquilateral",
                   InputMode::Sides,
                   {"2", "2", "2"},
                   Lines({"Лице на триъгълника S = 1.73205080756888",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 1.73205080756888",
                          "Yg_b = 1.73205080756888", "Yg_c = 1.73205080756888"})},
        ReportCase{"SidesIsosceles",
                   InputMode::Sides,
                   {"5", "5", "6"},
                   Lines({"Лице на триъгълника S = 12", "Изчислени дължини на ъглополовящи:",
                          "Yg_a = 4.87869376909045", "Yg_b = 4.87869376909045", "Yg_c = 4"})},
        ReportCase{"SidesReadLikeTyped", InputMode::Sides, {" 3 ", "4cm", "&H5"}, kSides345},
        ReportCase{"CommaReadWhereThePointIsTheSeparator",
                   InputMode::Sides,
                   {"0,3e1", "4", "5"},
                   kSides345},
        ReportCase{"CommaReadWhereItIsTheSeparator",
                   InputMode::Sides,
                   {"3,5", "4.0", "5"},
                   Lines({"Лице на триъгълника S = 6,95268608165218",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 4,1201102706087",
                          "Yg_b = 3,69114717588563", "Yg_c = 2,78886675511359"}),
                   ","},
        ReportCase{"SidesHuge",
                   InputMode::Sides,
                   {"3e100", "4e100", "5e100"},
                   Lines({"Лице на триъгълника S = 6E+200",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784E+100",
                          "Yg_b = 3.35410196624968E+100", "Yg_c = 2.42436610692531E+100"})},
        ReportCase{"SidesTiny",
                   InputMode::Sides,
                   {"3e-100", "4e-100", "5e-100"},
                   Lines({"Лице на триъгълника S = 6E-200",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784E-100",
                          "Yg_b = 3.35410196624969E-100", "Yg_c = 2.42436610692531E-100"})},
        ReportCase{"HeightsHugeEquilateral",
                   InputMode::Heights,
                   {"1e150", "1e150", "1e150"},
                   Lines({"Изчислени дължини на страни:", "BC = 1.15470053837925E+150",
                          "AC = 1.15470053837925E+150", "AB = 1.15470053837925E+150",
                          "Лице на триъгълника S = 5.77350269189626E+299",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 1E+150", "Yg_b = 1E+150",
                          "Yg_c = 1E+150"})}),
    RowName<ReportCase>);

// Refused triples: the message stands alone, without a line end.
INSTANTIATE_TEST_SUITE_P(
    Refusals, CalculateTest,
    testing::Values(
        ReportCase{"EmptyInputs", InputMode::Heights, {"", "", ""}, kRejected},
        ReportCase{"SidesDegenerate", InputMode::Sides, {"1", "2", "3"}, kRejected},
        ReportCase{"ThinSides", InputMode::Sides, {"10", "1", "1"}, kRejected},
        ReportCase{"ThinMedians", InputMode::Medians, {"10", "1", "1"}, kRejected},
        ReportCase{"Letters", InputMode::Sides, {"a", "b", "c"}, kRejected},
        ReportCase{
            "InfinitiesSlipPastTheSums", InputMode::Sides, {"1e400", "1e400", "-1E999"}, kRejected},
        ReportCase{"OneOverflowingEntry", InputMode::Medians, {"1e400", "1", "1"}, kRejected},
        ReportCase{"AltitudesP4Zero", InputMode::Heights, {"1", "2", "2"}, kRejected},
        ReportCase{"AltitudesP4Negative", InputMode::Heights, {"1", "2.5", "2.5"}, kRejected},
        ReportCase{"AltitudesScalene", InputMode::Heights, {"4", "7", "10"}, kRejected},
        ReportCase{"AltitudeZero", InputMode::Heights, {"0", "1", "1"}, kRejected},
        ReportCase{"AltitudeNegative", InputMode::Heights, {"3", "-4", "5"}, kRejected}),
    RowName<ReportCase>);

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, CalculateTest,
    testing::Values(
        ReportCase{"AreaOverflows", InputMode::Sides, {"3e200", "4e200", "5e200"}, kOutOfRange},
        ReportCase{"AreaUnderflows", InputMode::Sides, {"1e-200", "1e-200", "1e-200"}, kOutOfRange},
        ReportCase{"LargestDoubles",
                   InputMode::Sides,
                   {"1.7976931348623157e308", "1.7976931348623157e308", "1.7976931348623157e308"},
                   kOutOfRange},
        ReportCase{
            "TinyAltitudes", InputMode::Heights, {"1e-300", "1e-300", "1e-300"}, kOutOfRange},
        ReportCase{"HugeAltitudes", InputMode::Heights, {"1e300", "1e300", "1e300"}, kOutOfRange},
        ReportCase{"SubnormalSides", InputMode::Sides, {"1e-310", "1e-310", "1e-310"}, kOutOfRange},
        ReportCase{"HugeMedians", InputMode::Medians, {"1e300", "1e300", "1e300"}, kOutOfRange},
        // Real triangles all the same, decided on the numbers as typed.
        ReportCase{"HexTooLong",
                   InputMode::Sides,
                   {"&H" + std::string(150, 'F'), "&H" + std::string(150, 'F'),
                    "&H" + std::string(150, 'F')},
                   kOutOfRange},
        ReportCase{"BeyondTheDoubles", InputMode::Sides, {"1e400", "1e400", "1e400"}, kOutOfRange},
        ReportCase{"BelowTheDoubles", InputMode::Sides, {"1e-400", "1", "1"}, kOutOfRange},
        ReportCase{"NeedleMediansBeyondTheDoubles",
                   InputMode::Medians,
                   {"1e400", "1e400", "5"},
                   kOutOfRange},
        // An area whose exact value is just beyond the largest double, to which it rounds.
        ReportCase{"AreaJustBeyondTheLargest",
                   InputMode::Sides,
                   {"2.301428339167898403291729e154", "2.735660101275049045422243e154",
                    "1.563234343585742311669853e154"},
                   kOutOfRange}),
    RowName<ReportCase>);

// Numbers longer than the calculation takes, whatever the others: more significant digits
// than kMaxDigits, or an exponent of more than kMaxExponentDigits digits.
INSTANTIATE_TEST_SUITE_P(TooLong, CalculateTest,
                         testing::Values(ReportCase{"Digits",
                                                    InputMode::Sides,
                                                    {"3", "4." + std::string(199, '0') + "1", "5"},
                                                    kTooLong},
                                         ReportCase{"HexDigitsBesideANegative",
                                                    InputMode::Heights,
                                                    {"-1", "1", "&H" + std::string(201, 'F')},
                                                    kTooLong},
                                         ReportCase{
                                             "ExponentDigits",
                                             InputMode::Sides,
                                             {"1e1000000003", "1e1000000000", "1e1000000000"},
                                             kTooLong}),
                         RowName<ReportCase>);

// Refusals and digits decided on the numbers as typed, not on the doubles nearest to them:
// degenerate decimals are refused, and needles get their exact digits where the formulas
// in doubles lose theirs (values checked against exact rational arithmetic).
INSTANTIATE_TEST_SUITE_P(
    Exactly, CalculateTest,
    testing::Values(
        ReportCase{"DegenerateTenths", InputMode::Sides, {"0.1", "0.2", "0.3"}, kRejected},
        ReportCase{"DegenerateElevenths", InputMode::Sides, {"1.1", "2.2", "3.3"}, kRejected},
        ReportCase{"DegenerateReciprocals", InputMode::Heights, {"0.2", "0.3", "0.6"}, kRejected},
        ReportCase{"DegenerateMedians", InputMode::Medians, {"0.1", "0.2", "0.3"}, kRejected},
        // Far beyond the doubles, as far as exponents go.
        ReportCase{"NineDigitExponentsNoTriangle",
                   InputMode::Sides,
                   {"1e999999999", "1e999999996", "1e999999996"},
                   kRejected},
        ReportCase{"NineDigitExponentsTriangle",
                   InputMode::Sides,
                   {"1e999999999", "1e999999999", "1e999999998"},
                   kOutOfRange},
        ReportCase{"HugeAndTinyAltitudesNoTriangle",
                   InputMode::Heights,
                   {"1e-999999999", "1e999999999", "1e999999999"},
                   kRejected},
        ReportCase{"LongestHexNoTriangle",
                   InputMode::Medians,
                   {"&H" + std::string(200, 'F'), "&H1" + std::string(198, '0'), "&O7"},
                   kRejected},
        ReportCase{"JustBeyondDegenerate",
                   InputMode::Sides,
                   {"0.1", "0.2", "0.30000000000000001"},
                   kRejected},
        ReportCase{"JustInsideDegenerate",
                   InputMode::Sides,
                   {"0.1", "0.2", "0.29999999999999999"},
                   Lines({"Лице на триъгълника S = 1.73205080756888E-10",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 0.24", "Yg_b = 0.15",
                          "Yg_c = 1.15470053837925E-09"})},
        ReportCase{"NeedleAltitudes",
                   InputMode::Heights,
                   {"1", "1", "1e30"},
                   Lines({"Изчислени дължини на страни:", "BC = 1E+30", "AC = 1E+30", "AB = 1",
                          "Лице на триъгълника S = 5E+29", "Изчислени дължини на ъглополовящи:",
                          "Yg_a = 1.4142135623731", "Yg_b = 1.4142135623731", "Yg_c = 1E+30"})},
        ReportCase{"NeedleAltitudesFarApart",
                   InputMode::Heights,
                   {"1", "1", "1e300"},
                   Lines({"Изчислени дължини на страни:", "BC = 1E+300", "AC = 1E+300", "AB = 1",
                          "Лице на триъгълника S = 5E+299", "Изчислени дължини на ъглополовящи:",
                          "Yg_a = 1.4142135623731", "Yg_b = 1.4142135623731", "Yg_c = 1E+300"})},
        ReportCase{"NeedleSides",
                   InputMode::Sides,
                   {"1e8", "1e8", "1"},
                   Lines({"Лице на триъгълника S = 50000000",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 1.41421355176649",
                          "Yg_b = 1.41421355176649", "Yg_c = 100000000"})},
        ReportCase{"NeedleSidesBelowTheFormulas",
                   InputMode::Sides,
                   {"1e-300", "1", "1"},
                   Lines({"Лице на триъгълника S = 5E-301",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 1",
                          "Yg_b = 1.4142135623731E-300", "Yg_c = 1.4142135623731E-300"})},
        // Rounded once, from the exact S = 91.47461212985985…, not through its double.
        ReportCase{
            "NeedleAltitudesRoundedOnce",
            InputMode::Heights,
            {"9.35635e-1", "2.22089e-1", "1.794851469732e-1"},
            Lines({"Изчислени дължини на страни:", "BC = 195.534823151891", "AC = 823.76535649996",
                   "AB = 1019.30007772196", "Лице на триъгълника S = 91.4746121298599",
                   "Изчислени дължини на ъглополовящи:", "Yg_a = 911.160365043507",
                   "Yg_b = 328.124651837262", "Yg_c = 0.179485157967778"})},
        ReportCase{"NeedleMedians",
                   InputMode::Medians,
                   {"1", "1", "1e-10"},
                   Lines({"Изчислени дължини на страни:", "BC = 0.666666666666667",
                          "AC = 0.666666666666667", "AB = 1.33333333333333",
                          "Лице на триъгълника S = 6.66666666666667E-11",
                          "Изчислени дължини на ъглополовящи:", "Yg_a = 0.888888888888889",
                          "Yg_b = 0.888888888888889", "Yg_c = 1E-10"})}),
    RowName<ReportCase>);

// The altitudes of any real triangle give it back: none is refused, and the sides come
// out as they went in, to rounding.
TEST(Calculate, AltitudesOfRealTrianglesGiveThemBack)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> length(0.01, 100.0);
    int triangles = 0;
    while (triangles < 20'000) {
        const std::array<double, 3> sides{length(random), length(random), length(random)};
        const double area = calc::formulas::Heron(sides[0], sides[1], sides[2]).area;
        // Within 1e-6 of degenerate, rounding decides the refusal either way.
        const double longest = std::max({sides[0], sides[1], sides[2]});
        if (2 * longest >= sides[0] + sides[1] + sides[2] || area < 1e-6 * longest * longest)
            continue;
        ++triangles;
        std::array<double, 3> altitudes{};
        for (std::size_t i = 0; i < 3; ++i)
            altitudes[i] = 2 * area / sides[i];
        const calc::Solution solution = CalculateTyped(InputMode::Heights, altitudes);
        ASSERT_EQ(solution.outcome, calc::Outcome::Solved)
            << altitudes[0] << " " << altitudes[1] << " " << altitudes[2];
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(solution.triangle.sides[i].value, sides[i], 1e-6 * longest);
    }
}

// Results scale with the entries by any power of two, to the last bit, as long as they
// stay in range: the scaled and unscaled computations round identically.
TEST(Calculate, ScalingByPowersOfTwoIsExact)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> length(0.5, 2.0);
    for (int trial = 0; trial < 300; ++trial) {
        const auto mode = static_cast<InputMode>(trial % 3);
        const std::array<double, 3> x{length(random), length(random), length(random)};
        const calc::Solution direct = CalculateTyped(mode, x);
        if (direct.outcome != calc::Outcome::Solved)
            continue;
        for (int exponent : {-300, -1, 0, 7, 300}) {
            std::array<std::string, 3> texts;
            for (std::size_t i = 0; i < 3; ++i) {
                // The shortest text that reads back as exactly this double.
                char buffer[40];
                const auto end =
                    std::to_chars(buffer, buffer + sizeof buffer, std::ldexp(x[i], exponent)).ptr;
                texts[i].assign(buffer, end);
            }
            const calc::Solution scaled = calc::Calculate(mode, {texts[0], texts[1], texts[2]});
            ASSERT_EQ(scaled.outcome, calc::Outcome::Solved) << trial << " " << exponent;
            const calc::Triangle &t = scaled.triangle;
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(t.sides[i].value, std::ldexp(direct.triangle.sides[i].value, exponent))
                    << trial;
                EXPECT_EQ(t.bisectors[i].value,
                          std::ldexp(direct.triangle.bisectors[i].value, exponent));
            }
            EXPECT_EQ(t.area.value, std::ldexp(direct.triangle.area.value, 2 * exponent));
        }
    }
}

struct ExactCase {
    const char *name;
    InputMode mode;
    std::array<std::string, 3> inputs;
    // The sides, the area and the bisectors; "" where a value has no exact form.
    std::array<std::string, 7> forms;
};

std::ostream &operator<<(std::ostream &os, const ExactCase &c)
{
    return os << c.name;
}

class ExactFormsTest : public testing::TestWithParam<ExactCase>
{
};

TEST_P(ExactFormsTest, WritesEachValueInLowestTerms)
{
    const ExactCase &c = GetParam();
    const calc::Solution solution = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                    ".", {.exactValues = true});
    ASSERT_TRUE(solution.exact);
    std::array<std::string, 7> forms;
    for (std::size_t i = 0; i < 7; ++i) {
        const calc::exact::Exact &value = solution.exact->Of(calc::kResults[i]);
        forms[i] = value.form ? calc::exact::FormText(*value.form) : "";
    }
    EXPECT_EQ(forms, c.forms);
    // Without asking, none are made.
    EXPECT_FALSE(calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]}).exact);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ExactFormsTest,
    testing::Values(ExactCase{"Sides345",
                              InputMode::Sides,
                              {"3", "4", "5"},
                              {"3", "4", "5", "6", "4√10/3", "3√5/2", "12√2/7"}},
                    ExactCase{"Equilateral",
                              InputMode::Sides,
                              {"2", "2", "2"},
                              {"2", "2", "2", "√3", "√3", "√3", "√3"}},
                    ExactCase{"Decimals",
                              InputMode::Sides,
                              {"3.7", "4,1", "5.3"},
                              {"37/10", "41/10", "53/10", "7√7467/80", "√16225791/940",
                               "7√256891/900", "√198727/156"}},
                    ExactCase{"AltitudesOf345",
                              InputMode::Heights,
                              {"4", "3", "2.4"},
                              {"3", "4", "5", "6", "4√10/3", "3√5/2", "12√2/7"}},
                    ExactCase{"Altitudes234",
                              InputMode::Heights,
                              {"2", "3", "4"},
                              {"144√455/455", "96√455/455", "72√455/455", "144√455/455",
                               "48√105/245", "8√14/7", "24√30/25"}},
                    // The bisectors' squares are irrational: bc is.
                    ExactCase{"Medians345",
                              InputMode::Medians,
                              {"3", "4", "5"},
                              {"2√73/3", "4√13/3", "10/3", "8", "", "", ""}},
                    // Longer than 40 characters.
                    ExactCase{
                        "LongDecimals",
                        InputMode::Sides,
                        {"1.2345678", "2.3456789", "3.0123456"},
                        {"6172839/5000000", "23456789/10000000", "470679/156250", "", "", "", ""}}),
    RowName<ExactCase>);

struct NoteCase {
    const char *name;
    InputMode mode;
    std::array<std::string, 3> inputs;
    std::string named;  // the values the exact block's last line names; "" for no such line
    bool alone = false; // no value has an exact form: the line is all the block holds
};

std::ostream &operator<<(std::ostream &os, const NoteCase &c)
{
    return os << c.name;
}

class ExactNoteTest : public testing::TestWithParam<NoteCase>
{
};

// The exact block's last line names every value whose formula's digits the report keeps,
// whether or not the block has a line of its own for it.
TEST_P(ExactNoteTest, NamesEveryValueWithFormulaDigits)
{
    const NoteCase &c = GetParam();
    const calc::Solution solution = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                    ".", {.exactValues = true});
    std::string block;
    calc::AppendExactValues(block, solution, {.lineEnd = "\n"});
    const std::string note =
        "Отчетът дава цифрите на формулите си, до 10⁻¹⁰ от точната стойност: " + c.named + "\n";
    if (c.named.empty()) {
        EXPECT_EQ(block.find("Отчетът"), std::string::npos) << block;
    } else {
        EXPECT_TRUE(block.ends_with(note)) << block;
    }
    if (c.alone) {
        EXPECT_EQ(block, std::string(calc::kExactHeading) + "\n" + note);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Notes, ExactNoteTest,
    testing::Values(NoteCase{"ExactDigitsEverywhere", InputMode::Sides, {"3", "4", "5"}, ""},
                    NoteCase{
                        "SideAndAreaWithoutAForm",
                        InputMode::Heights,
                        {"9,1", "3.7", "4.6"},
                        "AC = 11.8102783262296, S = 21.8490149035248, Yg_a = 10.3196710659417"},
                    NoteCase{"BisectorWithoutAForm",
                             InputMode::Medians,
                             {"4.2", "8.4", "7.4"},
                             "AC = 5.74417579427681, Yg_a = 4.09106757046346"},
                    NoteCase{"NoFormAtAll",
                             InputMode::Sides,
                             {"8.99098", "6.96466", "15.29403"},
                             "Yg_c = 2.25508540895897",
                             true}),
    RowName<NoteCase>);

// The forms of the values a solution passes through, by name.
std::vector<std::string> Forms(const calc::Solution &solution, calc::Quantity quantity, int count)
{
    std::vector<std::string> forms;
    for (int i = 0; i < count; ++i) {
        const calc::exact::Exact &value = solution.exact->Of(quantity, i);
        forms.push_back(value.form ? calc::exact::FormText(*value.form) : "");
    }
    return forms;
}

TEST(ExactForms, CoverTheDerivation)
{
    using calc::Quantity;
    using Texts = std::vector<std::string>;
    const calc::Solution sides = calc::Calculate(InputMode::Sides, {"3", "4", "5"}, ".", {true});
    EXPECT_EQ(Forms(sides, Quantity::HeronDifference, 3), (Texts{"3", "2", "1"}));
    EXPECT_EQ(Forms(sides, Quantity::HalfPerimeter, 1), Texts{"6"});
    // l_a² = bc − BL_a · CL_a = 20 − (5/3)(4/3) = 160/9
    EXPECT_EQ(Forms(sides, Quantity::NearSegment, 1), Texts{"5/3"});
    EXPECT_EQ(Forms(sides, Quantity::FarSegment, 1), Texts{"4/3"});
    EXPECT_EQ(Forms(sides, Quantity::BisectorSquare, 3), (Texts{"160/9", "45/4", "288/49"}));
    const calc::Solution heights =
        calc::Calculate(InputMode::Heights, {"4", "3", "2.4"}, ".", {true});
    EXPECT_EQ(Forms(heights, Quantity::Reciprocal, 3), (Texts{"1/4", "1/3", "5/12"}));
    EXPECT_EQ(Forms(heights, Quantity::Ratio, 3), (Texts{"3", "4", "5"}));
    EXPECT_EQ(Forms(heights, Quantity::Factor, 4), (Texts{"1", "1/6", "1/3", "1/2"}));
    EXPECT_EQ(Forms(heights, Quantity::InverseAreaSquared, 1), Texts{"1/36"});
    EXPECT_EQ(Forms(heights, Quantity::Scale, 1), Texts{"1"}); // the ratio is the triangle
    // 4 5 10: a : b : c = 5 : 4 : 2, S = (k²/4)√231 = 10k
    const calc::Solution obtuse =
        calc::Calculate(InputMode::Heights, {"4", "5", "10"}, ".", {true});
    EXPECT_EQ(Forms(obtuse, Quantity::HeronSquare, 1), Texts{"231/16"});
    EXPECT_EQ(Forms(obtuse, Quantity::AltitudeArea, 1), Texts{"10"});
    EXPECT_EQ(Forms(obtuse, Quantity::Scale, 1), Texts{"40√231/231"});
    EXPECT_EQ(Forms(obtuse, Quantity::BisectorSquare, 1), Texts{"22/9"}); // in k²
    // A refusal of altitudes is about their reciprocals: 1 = 1/2 + 1/2, 2 = 1 + 1.
    const calc::Solution flat = calc::Calculate(InputMode::Heights, {"1", "2", "2"}, ".", {true});
    EXPECT_EQ(Forms(flat, Quantity::Reciprocal, 3), (Texts{"1", "1/2", "1/2"}));
    EXPECT_EQ(Forms(flat, Quantity::Ratio, 3), (Texts{"2", "1", "1"}));
    const calc::Solution medians =
        calc::Calculate(InputMode::Medians, {"3", "4", "5"}, ".", {true});
    EXPECT_EQ(Forms(medians, Quantity::MedianRadicand, 3), (Texts{"73", "52", "25"}));
    EXPECT_EQ(Forms(medians, Quantity::CheckRadicand, 3), (Texts{"36", "64", "100"})); // 4m²
    EXPECT_EQ(Forms(medians, Quantity::HeronArea, 1), Texts{"6"}); // S_m = (3/4)S
    EXPECT_EQ(medians.given, (std::array<double, 3>{3, 4, 5}));
    std::string block;
    calc::AppendExactValues(block, medians, {.lineEnd = "\n"});
    EXPECT_EQ(block, "Точни стойности:\nBC = 2√73/3 ≈ 5.69600249687835\nAC = 4√13/3 ≈ "
                     "4.80740170061865\nAB = 10/3 ≈ 3.33333333333333\nS = 8\n");
    // An exact decimal is written in full, and the report keeps its formula's digits.
    const calc::Solution needle =
        calc::Calculate(InputMode::Medians, {"0.1", "10", "10"}, ".", {true});
    block.clear();
    calc::AppendExactValues(block, needle, {.lineEnd = "\n"});
    EXPECT_NE(block.find("S = √39999/300 ≈ 0.666658333281249\nYg_a = 1/10 = 0.1\nОтчетът дава "
                         "цифрите на формулите си, до 10⁻¹⁰ от точната стойност: S = "
                         "0.666658333280801, Yg_a = 0.0999999999999901\n"),
              std::string::npos)
        << block;
}

using Real = boost::multiprecision::cpp_bin_float_100;
using Exact = boost::multiprecision::cpp_rational;

boost::multiprecision::cpp_int PowerOfTen(std::size_t n)
{
    return boost::multiprecision::pow(boost::multiprecision::cpp_int(10), static_cast<unsigned>(n));
}

Exact ExactOf(const std::string &text) // "123.45"
{
    const std::size_t point = text.find('.');
    std::string digits = text;
    digits.erase(point, 1);
    return {boost::multiprecision::cpp_int(digits), PowerOfTen(text.size() - point - 1)};
}

Real RealOf(const Exact &q)
{
    return Real(numerator(q)) / Real(denominator(q));
}

// The third length of a triple within a hair of degenerate: a little less or more than the
// sum of the first two (for altitudes, than the altitude whose reciprocal is the
// difference of theirs), or exactly it, by `step`.
Exact NearlyDegenerateThird(InputMode mode, const Exact &first, const Exact &second,
                            const Exact &step)
{
    Exact limit = first + second;
    if (mode == InputMode::Heights && first != second)
        limit = first * second / (first > second ? Exact(first - second) : Exact(second - first));
    return limit + step;
}

// Against exact geometry, evaluated here on its own: the triple is refused exactly when its
// exact values fail the triangle inequality, and every value printed is within 1e-10 of the
// exact one; with `exactValues`, the solution's decimals are the exact values rounded once.
// Whether it was solved.
bool AgreesWithExactGeometry(InputMode mode, const std::array<std::string, 3> &texts,
                             bool exactValues)
{
    const std::array<Exact, 3> x{ExactOf(texts[0]), ExactOf(texts[1]), ExactOf(texts[2])};
    std::array<Exact, 3> terms = x;
    if (mode == InputMode::Heights)
        for (Exact &term : terms)
            term = 1 / term;
    bool triangle = true;
    for (std::size_t i = 0; i < 3; ++i)
        triangle = triangle && terms[i] < terms[(i + 1) % 3] + terms[(i + 2) % 3];
    const calc::Solution solution =
        calc::Calculate(mode, {texts[0], texts[1], texts[2]}, ".", {.exactValues = exactValues});
    EXPECT_EQ(solution.outcome, triangle ? calc::Outcome::Solved : calc::Outcome::Rejected)
        << texts[0] << " " << texts[1] << " " << texts[2];
    if (!triangle || solution.outcome != calc::Outcome::Solved)
        return false;

    // The squares of the sides, exactly; then everything from them.
    std::array<Exact, 3> squares;
    const Exact s = terms[0] + terms[1] + terms[2];
    const Exact inverse = s * (s - 2 * terms[0]) * (s - 2 * terms[1]) * (s - 2 * terms[2]);
    for (std::size_t i = 0; i < 3; ++i) {
        if (mode == InputMode::Sides)
            squares[i] = x[i] * x[i];
        else if (mode == InputMode::Heights) // a = 2S/h, 1/S² = P1 P2 P3 P4
            squares[i] = 4 / inverse * terms[i] * terms[i];
        else
            squares[i] = Exact(4, 9) * (2 * x[(i + 1) % 3] * x[(i + 1) % 3] +
                                        2 * x[(i + 2) % 3] * x[(i + 2) % 3] - x[i] * x[i]);
    }
    const Exact &a2 = squares[0], &b2 = squares[1], &c2 = squares[2];
    const Exact area16 = 2 * (a2 * b2 + b2 * c2 + c2 * a2) - (a2 * a2 + b2 * b2 + c2 * c2);
    std::array<Real, 7> expected{sqrt(RealOf(a2)), sqrt(RealOf(b2)), sqrt(RealOf(c2)),
                                 sqrt(RealOf(area16)) / 4};
    for (std::size_t i = 0; i < 3; ++i) {
        const Real &b = expected[(i + 1) % 3], &c = expected[(i + 2) % 3];
        // l_a = √(bc (b + c − a)(b + c + a)) / (b + c)
        expected[4 + i] = sqrt(b * c * (b + c - expected[i]) * (b + c + expected[i])) / (b + c);
    }
    const calc::Triangle &t = solution.triangle;
    const std::array<double, 7> printed{
        t.sides[0].value,     t.sides[1].value,     t.sides[2].value,    t.area.value,
        t.bisectors[0].value, t.bisectors[1].value, t.bisectors[2].value};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_LE(abs(Real(printed[i]) - expected[i]), expected[i] * 1e-10)
            << "value " << i << " of " << texts[0] << " " << texts[1] << " " << texts[2];
        if (!solution.exact)
            continue;
        // The solution's decimal is the exact value rounded once to fifteen digits: no
        // farther from it than half a unit of the fifteenth digit, nor nearer to the
        // next fifteen-digit number.
        std::string digits;
        calc::AppendDigits(digits, solution.exact->DigitsOf(calc::kResults[i]));
        const Real rounded(digits), unit = pow(Real(10), floor(log10(rounded)) - 14);
        EXPECT_LE(abs(rounded - expected[i]), unit / 2 * (1 + 1e-20))
            << digits << ", value " << i << " of " << texts[0] << " " << texts[1] << " "
            << texts[2];
    }
    return true;
}

// Random triples within a hair of degenerate (and needles), typed as short decimals.
TEST(Calculate, AgreesWithExactGeometry)
{
    std::mt19937_64 random(20261209);
    const auto decimal = [&random](int low, int high, int places) {
        const std::string digits =
            std::to_string(std::uniform_int_distribution<int>(low, high)(random));
        const std::size_t point = digits.size() - static_cast<std::size_t>(places);
        // (Appended a part at a time: GCC 12 takes an insertion for an overlapping copy.)
        std::string text = digits.substr(0, point);
        text += '.';
        text += digits.substr(point);
        return text;
    };
    int solved = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const auto mode = static_cast<InputMode>(trial % 3);
        std::array<std::string, 3> texts{decimal(1000, 99999, 3), decimal(1000, 99999, 3), ""};
        const auto step = std::uniform_int_distribution<int>(-3, 3)(random);
        const Exact third = NearlyDegenerateThird(mode, ExactOf(texts[0]), ExactOf(texts[1]),
                                                  Exact(step, 100000000));
        texts[2] = boost::multiprecision::cpp_dec_float_50(RealOf(third)).str(15, std::ios::fixed);
        // Every tenth with its exact values, which the worked solution and --exact print.
        solved += AgreesWithExactGeometry(mode, texts, trial % 10 == 0) ? 1 : 0;
    }
    EXPECT_GT(solved, 1000);
}

// The same for the longest numbers the calculation takes, within 1e-60 of degenerate: the
// exact arithmetic on them is the slowest there is.
TEST(Calculate, AgreesWithExactGeometryForTheLongestNumbers)
{
    std::mt19937_64 random(20261210);
    const auto digits = [&random](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + std::uniform_int_distribution<int>(i == 0, 9)(random));
        return text;
    };
    const auto written = [](const Exact &value) { // as many decimals as kMaxDigits leaves
        const std::string whole = boost::multiprecision::cpp_int(value).str();
        const Exact scaled = value * PowerOfTen(calc::kMaxDigits - whole.size());
        return boost::multiprecision::cpp_int(scaled).str().insert(whole.size(), ".");
    };
    int solved = 0;
    for (int trial = 0; trial < 30; ++trial) {
        const auto mode = static_cast<InputMode>(trial % 3);
        std::array<std::string, 3> texts{digits(1) + "." + digits(calc::kMaxDigits - 2),
                                         digits(1) + "." + digits(calc::kMaxDigits - 2), ""};
        // Not 0: the third, written to kMaxDigits, would then be within 1e-198 of
        // degenerate, beyond the precision of the geometry here.
        const auto step = std::uniform_int_distribution<int>(1, 3)(random) * (trial % 2 ? 1 : -1);
        texts[2] = written(NearlyDegenerateThird(mode, ExactOf(texts[0]), ExactOf(texts[1]),
                                                 Exact(step, PowerOfTen(60))));
        solved += AgreesWithExactGeometry(mode, texts, trial % 5 == 0) ? 1 : 0;
    }
    EXPECT_GT(solved, 10);
}

TEST(Report, TakesTheLineEndOfItsStyle)
{
    const calc::Solution solution = calc::Calculate(InputMode::Sides, {"5", "5", "6"});
    EXPECT_EQ(calc::ReportText(solution, {.decimalSeparator = ",", .lineEnd = "\n"}),
              "Лице на триъгълника S = 12\nИзчислени дължини на ъглополовящи:\n"
              "Yg_a = 4,87869376909045\nYg_b = 4,87869376909045\nYg_c = 4\n");
}

} // namespace
