#include "calculate.h"
#include "exact_values.h"
#include "generator.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using calc::InputMode;

struct ListCase {
    const char *name;
    InputMode mode;
    int count;
    int impossible;
    std::uint64_t seed;
    const char *separator;
};

std::ostream &operator<<(std::ostream &os, const ListCase &c)
{
    return os << c.name;
}

class ExercisesTest : public testing::TestWithParam<ListCase>
{
};

// Every exercise as asked: a triangle with exact answers, or none, as many as asked of
// each; short decimals; no two alike, whatever the order of their lengths; and the same
// list again from the same seed.
TEST_P(ExercisesTest, AreAsAsked)
{
    const ListCase &c = GetParam();
    const teacher::ExerciseRequest request{c.mode, c.count, c.impossible, c.seed};
    ASSERT_EQ(teacher::RequestProblem(request), "");
    const std::string list = teacher::Exercises(request, c.separator);
    EXPECT_EQ(teacher::Exercises(request, c.separator), list);
    EXPECT_NE(teacher::Exercises({c.mode, c.count, c.impossible, c.seed + 1}, c.separator), list);

    std::istringstream lines(list);
    std::string line;
    std::getline(lines, line);
    EXPECT_TRUE(line.starts_with("# bisectors --generate " + std::to_string(c.count)));
    EXPECT_TRUE(line.ends_with("--seed " + std::to_string(c.seed))) << line;
    int refused = 0;
    std::set<std::vector<std::string>> seen;
    for (int k = 0; k < c.count; ++k) {
        ASSERT_TRUE(std::getline(lines, line));
        std::istringstream fields(line);
        std::vector<std::string> triple(3);
        fields >> triple[0] >> triple[1] >> triple[2];
        for (const std::string &length : triple) {
            const std::size_t separator = length.find(c.separator);
            EXPECT_TRUE(separator == std::string::npos || length.size() - separator <= 3) << line;
        }
        const calc::Solution solution =
            calc::Calculate(c.mode, {triple[0], triple[1], triple[2]}, c.separator, {true});
        if (solution.outcome == calc::Outcome::Rejected) {
            ++refused;
        } else {
            ASSERT_EQ(solution.outcome, calc::Outcome::Solved) << line;
            ASSERT_TRUE(solution.exact);
            const auto form = [&](calc::Quantity quantity, int i) {
                return solution.exact->Of(quantity, i).form.has_value();
            };
            EXPECT_TRUE(form(calc::Quantity::Area, 0)) << line;
            for (int i = 0; i < 3; ++i) {
                EXPECT_TRUE(form(calc::Quantity::Side, i)) << line;
                EXPECT_TRUE(c.mode == InputMode::Medians || form(calc::Quantity::Bisector, i))
                    << line;
            }
        }
        std::sort(triple.begin(), triple.end());
        EXPECT_TRUE(seen.insert(triple).second) << line;
    }
    EXPECT_EQ(refused, c.impossible);
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
                    ListCase{"MostMedians", InputMode::Medians, teacher::kMaxExercises, 0, 6, "."}),
    RowName<ListCase>);

// The list a seed makes does not depend on the machine (the web page's test compares it
// with the page's).
TEST(Exercises, AreTheSameEverywhere)
{
    EXPECT_EQ(teacher::Exercises({InputMode::Sides, 3, 1, 2026}),
              "# bisectors --generate 3 --sides --impossible 1 --seed 2026\n"
              "24.2 14 9.2\n43.5 78 40.5\n3 7.4 5.2\n");
}

TEST(Exercises, RefuseRequestsOutOfRange)
{
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 0, 0, 1}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, teacher::kMaxExercises + 1, 0, 1}), "");
    EXPECT_NE(teacher::RequestProblem({InputMode::Sides, 3, 4, 1}), "");
    EXPECT_EQ(teacher::Exercises({InputMode::Sides, 3, 4, 1}), "");
}

} // namespace
