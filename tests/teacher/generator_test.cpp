#include "calculate.h"
#include "exact_values.h"
#include "generator.h"
#include "problems.h"
#include "report.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using calc::InputMode;
using calc::Quantity;

struct ListCase {
    const char *name;
    InputMode mode;
    int count;
    int impossible;
    std::uint64_t seed;
    const char *separator;
    int level = 2;
    int variants = 1;
};

std::ostream &operator<<(std::ostream &os, const ListCase &c)
{
    return os << c.name;
}

class ExercisesTest : public testing::TestWithParam<ListCase>
{
};

// Whether a form's whole numbers are at most 100.
bool Nice(const std::optional<calc::exact::Surd> &form)
{
    return form && abs(form->n) <= 100 && form->r <= 100 && form->d <= 100;
}

// Every exercise as its level promises: a triangle with the answers of the level, or none,
// as many of each as asked, in each variant; no two alike in the whole list, whatever the
// order of their lengths; and the same list again from the same seed.
TEST_P(ExercisesTest, AreAsAsked)
{
    const ListCase &c = GetParam();
    const teacher::ExerciseRequest request{c.mode, c.count, c.impossible,
                                           c.seed, c.level, c.variants};
    ASSERT_EQ(teacher::RequestProblem(request), "");
    const std::string list = teacher::Exercises(request, c.separator);
    EXPECT_EQ(teacher::Exercises(request, c.separator), list);
    teacher::ExerciseRequest other = request;
    ++other.seed;
    EXPECT_NE(teacher::Exercises(other, c.separator), list);

    std::istringstream lines(list);
    std::string line;
    std::getline(lines, line);
    EXPECT_TRUE(line.starts_with("# bisectors --generate " + std::to_string(c.count)));
    EXPECT_TRUE(line.ends_with("--seed " + std::to_string(c.seed))) << line;
    const std::size_t places = static_cast<std::size_t>(c.level == 1 ? 1 : c.level == 2 ? 2 : 3);
    std::set<std::vector<std::string>> seen;
    for (int v = 0; v < c.variants; ++v) {
        if (c.variants > 1) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_TRUE(line.starts_with("# Вариант ")) << line;
        }
        int refused = 0;
        std::set<calc::Refusal> why;
        for (int k = 0; k < c.count; ++k) {
            ASSERT_TRUE(std::getline(lines, line));
            std::istringstream fields(line);
            std::vector<std::string> triple(3);
            fields >> triple[0] >> triple[1] >> triple[2];
            for (const std::string &length : triple) {
                const std::size_t separator = length.find(c.separator);
                EXPECT_TRUE(separator == std::string::npos ||
                            length.size() - separator <= places + 1)
                    << line;
            }
            const calc::Solution solution = calc::Calculate(
                c.mode, {triple[0], triple[1], triple[2]}, c.separator, {.exactValues = true});
            std::sort(triple.begin(), triple.end());
            EXPECT_TRUE(seen.insert(triple).second) << line;
            if (solution.outcome == calc::Outcome::Rejected) {
                ++refused;
                why.insert(solution.refusal);
                continue;
            }
            ASSERT_EQ(solution.outcome, calc::Outcome::Solved) << line;
            const auto form = [&](Quantity quantity, int i) {
                return solution.exact->FormOf({quantity, i});
            };
            int nice = 0;
            for (int i = 0; i < 3; ++i) {
                if (c.level < 3) {
                    EXPECT_TRUE(form(Quantity::Side, i)) << line;
                    EXPECT_TRUE(c.mode == InputMode::Medians || form(Quantity::Bisector, i))
                        << line;
                }
                nice += Nice(form(Quantity::Bisector, i)) ? 1 : 0;
            }
            if (c.level == 1) {
                EXPECT_GE(nice, c.mode == InputMode::Medians ? 1 : 3) << line;
            }
            if (c.level < 3) { // every answer the exact value rounded
                EXPECT_EQ(calc::ReportDigitsNote(calc::ReportedLines(solution)), "") << line;
            }
            if (c.level == 3) { // obtuse, or a needle
                std::array<double, 3> s = solution.triangle.Sides();
                std::sort(s.begin(), s.end());
                EXPECT_TRUE(s[2] * s[2] > s[0] * s[0] + s[1] * s[1] || s[2] > 4.5 * s[0]) << line;
            }
        }
        EXPECT_EQ(refused, c.impossible);
        // Impossible in more than one way: too long and exactly degenerate among any three.
        if (c.impossible >= 3) {
            EXPECT_GT(why.size(), 1U) << list;
        }
    }
    EXPECT_FALSE(std::getline(lines, line));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ExercisesTest,
    testing::Values(ListCase{"Sides", InputMode::Sides, 30, 5, 1, "."},
                    ListCase{"Altitudes", InputMode::Heights, 30, 5, 2, ","},
                    ListCase{"Medians", InputMode::Medians, 30, 5, 3, "."},
                    ListCase{"AllImpossible", InputMode::Heights, 10, 10, 4, "."},
                    ListCase{"MostAltitudes", InputMode::Heights, teacher::kMaxExercises, 0, 5,
                             ","},
                    ListCase{"MostMedians", InputMode::Medians, teacher::kMaxExercises, 0, 6, "."},
                    ListCase{"ClassSides", InputMode::Sides, 20, 4, 7, ",", 1},
                    ListCase{"ClassAltitudes", InputMode::Heights, 12, 3, 8, ".", 1},
                    ListCase{"ClassMedians", InputMode::Medians, 20, 4, 9, ".", 1},
                    ListCase{"HardSides", InputMode::Sides, 20, 3, 10, ".", 3},
                    ListCase{"HardAltitudes", InputMode::Heights, 20, 3, 11, ",", 3},
                    ListCase{"HardMedians", InputMode::Medians, 20, 4, 12, ".", 3},
                    ListCase{"Variants", InputMode::Sides, 8, 3, 13, ",", 2, 4},
                    ListCase{"ClassVariants", InputMode::Heights, 6, 2, 14, ".", 1, 2}),
    RowName<ListCase>);

struct ShapesCase {
    const char *name;
    InputMode mode;
    int level;
};

std::ostream &operator<<(std::ostream &os, const ShapesCase &c)
{
    return os << c.name;
}

class ShapesTest : public testing::TestWithParam<ShapesCase>
{
};

// A list of twenty tasks has twenty shapes, similar triangles counting as one, whatever
// the seed.
TEST_P(ShapesTest, RepeatNoShapeInTwenty)
{
    const ShapesCase &c = GetParam();
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        std::istringstream lines(teacher::Exercises({c.mode, 20, 0, seed, c.level}));
        std::set<std::array<double, 3>> shapes;
        std::string line;
        std::getline(lines, line); // the heading
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::array<double, 3> t{};
            fields >> t[0] >> t[1] >> t[2];
            std::sort(t.begin(), t.end());
            shapes.insert({1, std::round(t[1] / t[0] * 1e9), std::round(t[2] / t[0] * 1e9)});
        }
        EXPECT_EQ(shapes.size(), 20U) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, ShapesTest,
                         testing::Values(ShapesCase{"ClassAltitudes", InputMode::Heights, 1},
                                         ShapesCase{"ClassSides", InputMode::Sides, 1},
                                         ShapesCase{"ClassMedians", InputMode::Medians, 1},
                                         ShapesCase{"Altitudes", InputMode::Heights, 2},
                                         ShapesCase{"Sides", InputMode::Sides, 2},
                                         ShapesCase{"Medians", InputMode::Medians, 2}),
                         RowName<ShapesCase>);

struct LengthsCase {
    const char *name;
    InputMode mode;
    teacher::Triple lengths; // in thousandths
};

std::ostream &operator<<(std::ostream &os, const LengthsCase &c)
{
    return os << c.name;
}

class SolveTest : public testing::TestWithParam<LengthsCase>
{
};

// Thousandths solved as they are give what their texts give, to the exact values.
TEST_P(SolveTest, IsTheSolutionOfTheTexts)
{
    const LengthsCase &c = GetParam();
    const std::string a = teacher::Text(c.lengths[0], "."), b = teacher::Text(c.lengths[1], "."),
                      t = teacher::Text(c.lengths[2], ".");
    const calc::Solution read = calc::Calculate(c.mode, {a, b, t}, ".", {.exactValues = true});
    const calc::Solution solved = teacher::Solve(c.mode, c.lengths);
    EXPECT_EQ(solved, read);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(teacher::Nearest(c.lengths[i]), read.given[i]);
    if (read.outcome == calc::Outcome::Solved) {
        const auto area = [](const calc::Solution &s) {
            return calc::exact::FormText(*s.exact->FormOf({Quantity::Area, 0}));
        };
        EXPECT_EQ(area(solved), area(read));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SolveTest,
    testing::Values(LengthsCase{"WholeAltitudes", InputMode::Heights, {12000, 5600, 4200}},
                    LengthsCase{"Thousandths", InputMode::Sides, {1, 2, 2}},
                    LengthsCase{"TenthsThatAddUp", InputMode::Sides, {100, 200, 300}},
                    LengthsCase{"Zero", InputMode::Sides, {0, 1000, 1000}},
                    LengthsCase{"Medians", InputMode::Medians, {1500, 2250, 3125}}),
    RowName<LengthsCase>);

// The list a seed makes does not depend on the machine (the web page's test compares it
// with the page's).
TEST(Exercises, AreTheSameEverywhere)
{
    EXPECT_EQ(teacher::Exercises({InputMode::Sides, 3, 1, 2026}),
              "# bisectors --generate 3 --sides --impossible 1 --seed 2026\n"
              "25 25 30\n34 21.5 30.5\n4 8 12\n");
}

TEST(Exercises, RefuseRequestsOutOfRange)
{
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 0, 0, 1}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, teacher::kMaxExercises + 1, 0, 1}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 3, 4, 1}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 3, 0, 1, 4}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 3, 0, 1, 2, 5}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Heights, 200, 0, 1, 1, 4}), ""); // too few
    EXPECT_EQ(teacher::Exercises({InputMode::Sides, 3, 4, 1}), "");
}

} // namespace
