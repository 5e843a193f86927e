#include "calculate.h"

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
std::string RowName(const testing::TestParamInfo<ReportCase> &info)
{
    return info.param.name;
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
    RowName);

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
        ReportCase{"HexTooLong",
                   InputMode::Sides,
                   {"&H" + std::string(300, 'F'), "&H" + std::string(300, 'F'),
                    "&H" + std::string(300, 'F')},
                   kRejected},
        ReportCase{"AltitudesP4Zero", InputMode::Heights, {"1", "2", "2"}, kRejected},
        ReportCase{"AltitudesP4Negative", InputMode::Heights, {"1", "2.5", "2.5"}, kRejected},
        ReportCase{"AltitudesScalene", InputMode::Heights, {"4", "7", "10"}, kRejected},
        ReportCase{"AltitudeZero", InputMode::Heights, {"0", "1", "1"}, kRejected},
        ReportCase{"AltitudeNegative", InputMode::Heights, {"3", "-4", "5"}, kRejected}),
    RowName);

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
        ReportCase{"NeedleAltitudes", InputMode::Heights, {"1", "1", "1e300"}, kOutOfRange},
        ReportCase{"SubnormalSides", InputMode::Sides, {"1e-310", "1e-310", "1e-310"}, kOutOfRange},
        ReportCase{"HugeMedians", InputMode::Medians, {"1e300", "1e300", "1e300"}, kOutOfRange}),
    RowName);

// The altitudes of any real triangle give it back: none is refused, and the sides come
// out as they went in, to rounding.
TEST(Calculate, AltitudesOfRealTrianglesGiveThemBack)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> length(0.01, 100.0);
    int triangles = 0;
    while (triangles < 20'000) {
        const std::array<double, 3> sides{length(random), length(random), length(random)};
        const double area = calc::HeronArea(sides[0], sides[1], sides[2]);
        // Within 1e-6 of degenerate, rounding decides the refusal either way.
        const double longest = std::max({sides[0], sides[1], sides[2]});
        if (calc::InputsRejected(sides[0], sides[1], sides[2]) || area < 1e-6 * longest * longest)
            continue;
        ++triangles;
        std::array<double, 3> altitudes{};
        for (std::size_t i = 0; i < 3; ++i)
            altitudes[i] = 2 * area / sides[i];
        const calc::Solution solution = calc::Solve(InputMode::Heights, altitudes);
        ASSERT_EQ(solution.outcome, calc::Outcome::Solved)
            << altitudes[0] << " " << altitudes[1] << " " << altitudes[2];
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(solution.triangle.sides[i], sides[i], 1e-6 * longest);
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
        const calc::Solution direct = calc::Solve(mode, x);
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
                EXPECT_EQ(t.sides[i], std::ldexp(direct.triangle.sides[i], exponent)) << trial;
                EXPECT_EQ(t.bisectors[i], std::ldexp(direct.triangle.bisectors[i], exponent));
            }
            EXPECT_EQ(t.area, std::ldexp(direct.triangle.area, 2 * exponent));
        }
    }
}

TEST(Report, TakesTheLineEndOfItsStyle)
{
    const calc::Solution solution = calc::Solve(InputMode::Sides, {5, 5, 6});
    EXPECT_EQ(calc::ReportText(solution, {.decimalSeparator = ",", .lineEnd = "\n"}),
              "Лице на триъгълника S = 12\nИзчислени дължини на ъглополовящи:\n"
              "Yg_a = 4,87869376909045\nYg_b = 4,87869376909045\nYg_c = 4\n");
}

} // namespace
