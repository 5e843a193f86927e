#include "calculate.h"
#include "memory_fields.h"

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
};

std::ostream &operator<<(std::ostream &os, const ReportCase &c)
{
    return os << c.name;
}
std::string RowName(const testing::TestParamInfo<ReportCase> &info)
{
    return info.param.name;
}

calc::TriangleState Previous()
{
    return {.mode = InputMode::Sides, .a = 1, .b = 2, .c = 3, .Yg_a = 4, .Yg_b = 5, .Yg_c = 6};
}

class CalculateTest : public testing::TestWithParam<ReportCase>
{
protected:
    // Runs the calculation over a result box that still holds an earlier text.
    std::string Run(calc::TriangleState &state)
    {
        const ReportCase &c = GetParam();
        state.mode = c.mode;
        fields.inputs = c.inputs;
        fields.result = "an earlier text\r\n";
        calc::Calculate(state, fields);
        return fields.result;
    }

    MemoryFields fields;
};

TEST_P(CalculateTest, ReplacesTheResultText)
{
    calc::TriangleState state = Previous();
    EXPECT_EQ(Run(state), GetParam().expected);
}

TEST_P(CalculateTest, UpdatesTheStateOnlyForAReport)
{
    calc::TriangleState state = Previous();
    const bool report = Run(state) != kRejected && fields.result != kOutOfRange;
    calc::TriangleState unchanged = Previous();
    unchanged.mode = GetParam().mode;
    EXPECT_EQ(state == unchanged, !report);
    EXPECT_EQ(state.mode, GetParam().mode);
}

TEST_P(CalculateTest, GivesTheSameTextTwice)
{
    calc::TriangleState state = Previous();
    const std::string first = Run(state);
    calc::Calculate(state, fields);
    EXPECT_EQ(fields.result, first);
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
        ReportCase{"ThinAltitudes", InputMode::Heights, {"10", "1", "1"}, kRejected},
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
        ReportCase{"AltitudesScalene", InputMode::Heights, {"4", "7", "10"}, kRejected}),
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
        ReportCase{"SubnormalSides", InputMode::Sides, {"1e-310", "1e-310", "1e-310"}, kOutOfRange},
        ReportCase{"HugeMedians", InputMode::Medians, {"1e300", "1e300", "1e300"}, kOutOfRange}),
    RowName);

TEST(Calculate, PrintsWithTheGivenSeparator)
{
    calc::TriangleState state{.mode = InputMode::Sides};
    MemoryFields fields;
    fields.inputs = {"5", "5", "6"};
    calc::Calculate(state, fields, ",");
    EXPECT_EQ(fields.result, Lines({"Лице на триъгълника S = 12",
                                    "Изчислени дължини на ъглополовящи:", "Yg_a = 4,87869376909045",
                                    "Yg_b = 4,87869376909045", "Yg_c = 4"}));
}

// The report is built line by line in the result box, each step reading and replacing it.
TEST(Calculate, AppendsOneLineAtATime)
{
    calc::TriangleState state{.mode = InputMode::Medians};
    MemoryFields fields;
    fields.inputs = {"3", "4", "5"};
    calc::Calculate(state, fields);
    EXPECT_EQ(fields.resultWrites, 9);
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
        if (calc::InputsRejected(x[0], x[1], x[2]))
            continue;
        calc::TriangleState direct{.mode = mode};
        const std::optional<double> area = calc::ReconstructSides(direct, x[0], x[1], x[2]);
        if (!area)
            continue;
        calc::ComputeBisectors(direct);
        for (int exponent : {-300, -1, 0, 7, 300}) {
            MemoryFields fields;
            for (std::size_t i = 0; i < 3; ++i) {
                // The shortest text that reads back as exactly this double.
                char buffer[40];
                const auto end =
                    std::to_chars(buffer, buffer + sizeof buffer, std::ldexp(x[i], exponent)).ptr;
                fields.inputs[i].assign(buffer, end);
            }
            calc::TriangleState state{.mode = mode};
            calc::Calculate(state, fields);
            ASSERT_NE(fields.result, kRejected) << trial;
            EXPECT_EQ(state.a, std::ldexp(direct.a, exponent)) << trial << " " << exponent;
            EXPECT_EQ(state.b, std::ldexp(direct.b, exponent));
            EXPECT_EQ(state.c, std::ldexp(direct.c, exponent));
            EXPECT_EQ(state.Yg_a, std::ldexp(direct.Yg_a, exponent));
            EXPECT_EQ(state.Yg_b, std::ldexp(direct.Yg_b, exponent));
            EXPECT_EQ(state.Yg_c, std::ldexp(direct.Yg_c, exponent));
        }
    }
}

} // namespace
