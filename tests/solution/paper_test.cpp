#include "calculate.h"
#include "row_name.h"
#include "solution.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace
{

using namespace solution;

// The column of the answer key: 172 mm across at 10.5 pt, 6 mm between and before steps.
constexpr Column kColumn{
    .width = 46.4, .gap = 1.62, .indent = 1.62, .heading = 1.31, .titleSpace = 0.19};

// The units of a solution on paper, read back from its HTML: "[" and "]" a group kept on one
// page, "(" and ")" a pair, h the heading, t a title, s a step.
std::string Units(const std::string &html)
{
    static const std::regex tag(R"re(<(/?)(div|p|h3)(?: class="([^"]*)")?>)re");
    std::string units;
    std::vector<char> open; // what each open <div> closes with, if anything ('\0')
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::smatch &m = *it;
        const std::string kind = m[3];
        if (m[2] == "h3")
            units += m[1] == "" ? "h" : "";
        else if (m[2] == "p")
            units += m[1] == "" && kind == "part" ? "t" : "";
        else if (m[1] == "/") {
            if (open.back() != '\0')
                units += open.back();
            open.pop_back();
        } else {
            units += kind == "keep" ? "[" : kind == "pair" ? "(" : kind == "step" ? "s" : "";
            open.push_back(kind == "keep" ? ']' : kind == "pair" ? ')' : '\0');
        }
    }
    return units;
}

struct UnitsCase {
    const char *name;
    std::vector<std::size_t> steps; // of each part
    double tail;
    std::string units;
};

std::ostream &operator<<(std::ostream &os, const UnitsCase &c)
{
    return os << c.name;
}

class UnitsTest : public testing::TestWithParam<UnitsCase>
{
};

// On paper the steps of a part go two a pair; the heading and each title stay with the
// part's first pair, and the end of the solution together for the tail asked for.
TEST_P(UnitsTest, KeepTitlesAndTheEndWithTheirSteps)
{
    WorkedSolution worked;
    for (const std::size_t count : GetParam().steps) {
        Part part{"Част:", {}};
        for (std::size_t k = 0; k < count; ++k) {
            Chain chain(Symbol("a"));
            part.steps.push_back({{chain.Is(Integer(static_cast<int>(k + 1))).Take()}, {}});
        }
        worked.parts.push_back(part);
    }
    std::string html;
    AppendMathMl(html, worked, ".", {.column = kColumn, .tail = GetParam().tail});
    EXPECT_EQ(Units(html), GetParam().units) << html;
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, UnitsTest,
    testing::Values(UnitsCase{"PairsAfterTheTitle", {5, 2}, 0, "[ht(ss)](ss)(s)[t(ss)]"},
                    UnitsCase{"ALastPairAlone", {2, 3}, 0.5, "[ht(ss)][t(ss)][(s)]"},
                    UnitsCase{"ALastPartWithItsTitle", {3, 1}, 0.5, "[ht(ss)](s)[[t(s)]]"},
                    UnitsCase{"TheEndAsFarAsItTakes", {2, 2, 2}, 3, "[ht(ss)][[t(ss)][t(ss)]]"},
                    UnitsCase{"NoTailWhereItWouldBeAll", {2, 1}, 1e9, "[ht(ss)][t(s)]"}),
    RowName<UnitsCase>);

struct HeightCase {
    const char *name;
    calc::InputMode mode;
    std::array<const char *, 3> inputs;
    double measured; // em, in Chromium's print layout of the answer key
};

std::ostream &operator<<(std::ostream &os, const HeightCase &c)
{
    return os << c.name;
}

class HeightTest : public testing::TestWithParam<HeightCase>
{
};

// The estimate of a solution's height on paper is what the printed page measures, within
// a tenth, and no less: a page that takes it for shorter than it is would not fit it.
TEST_P(HeightTest, IsWhatChromiumLaysOut)
{
    const HeightCase &c = GetParam();
    const calc::Solution solved = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                  ".", {.exactValues = true});
    const double estimate = PaperHeight(Work(solved), kColumn);
    EXPECT_GE(estimate, 0.97 * c.measured);
    EXPECT_LE(estimate, 1.1 * c.measured);
}

INSTANTIATE_TEST_SUITE_P(
    Triples, HeightTest,
    testing::Values(HeightCase{"Sides", calc::InputMode::Sides, {"3", "4", "5"}, 52.88},
                    HeightCase{"LongDecimals",
                               calc::InputMode::Sides,
                               {"12.3456789", "23.4567891", "34.5678912"},
                               78.74},
                    HeightCase{"Altitudes", calc::InputMode::Heights, {"4", "5", "10"}, 79.19},
                    HeightCase{"Medians", calc::InputMode::Medians, {"3", "4", "5"}, 105.75},
                    HeightCase{"Refused", calc::InputMode::Heights, {"1", "2", "3"}, 7.62}),
    RowName<HeightCase>);

} // namespace
