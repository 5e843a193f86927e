#include "chapter.h"
#include "generator.h"
#include "given_problems.h"
#include "givens.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace
{

using calc::ElementKind;
using calc::chapter::Count;
using calc::chapter::Decision;

struct GivenListCase {
    const char *name;
    int level;
    int count;
    int impossible;
    std::uint64_t seed;
    int variants = 1;
    const char *separator = ".";
};

std::ostream &operator<<(std::ostream &os, const GivenListCase &c)
{
    return os << c.name;
}

class GivenListTest : public testing::TestWithParam<GivenListCase>
{
};

// The digits after the separator of a value as typed.
std::size_t Decimals(std::string_view text, std::string_view separator)
{
    const std::size_t at = text.find(separator);
    return at == std::string_view::npos ? 0 : text.size() - at - separator.size();
}

// Every task as its level promises: read back as the student types it, solved with as many
// triangles and refusals as asked in each variant, its numbers of the level's sort, no two
// alike in the list; the same list again from the same seed.
TEST_P(GivenListTest, IsAsAsked)
{
    const GivenListCase &c = GetParam();
    teacher::ExerciseRequest request{.count = c.count,
                                     .impossible = c.impossible,
                                     .seed = c.seed,
                                     .level = c.level,
                                     .variants = c.variants,
                                     .given = true};
    ASSERT_EQ(teacher::RequestProblem(request), "");
    const std::string list = teacher::Exercises(request, c.separator);
    EXPECT_EQ(teacher::Exercises(request, c.separator), list);
    ASSERT_TRUE(list.starts_with("# bisectors --given --generate " + std::to_string(c.count)))
        << list;
    EXPECT_NE(list.find("--seed " + std::to_string(c.seed) + "\n"), std::string::npos);

    std::set<std::string> lines;
    int tasks = 0, refused = 0, variants = 0, searched = 0;
    std::set<calc::chapter::Reason> reasons;
    const auto endVariant = [&] {
        if (tasks == 0 && refused == 0)
            return;
        EXPECT_EQ(tasks, c.count) << list;
        EXPECT_EQ(refused, c.impossible) << list;
        ++variants;
        tasks = refused = 0;
    };
    std::size_t from = 0;
    for (std::size_t end; (end = list.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = list.substr(from, end - from);
        if (line.starts_with("#")) {
            endVariant();
            continue;
        }
        EXPECT_TRUE(lines.insert(line).second) << line;
        const calc::GivenLine givens = calc::ReadGivens(line, c.separator);
        ASSERT_EQ(givens.problem, calc::GivenProblem::None) << line;
        ++tasks;
        for (const calc::Given &given : givens.givens) {
            const bool angle = calc::Info(given.element).kind == ElementKind::Angle;
            const std::size_t decimals = Decimals(given.text, c.separator);
            if (c.level == 1 && angle) {
                EXPECT_TRUE(given.value == 30 || given.value == 45 || given.value == 60 ||
                            given.value == 90 || given.value == 120)
                    << line;
            }
            EXPECT_LE(decimals, static_cast<std::size_t>(c.level - (angle ? 1 : 0)) +
                                    (angle || c.level == 3 ? 0 : 1))
                << line;
        }
        const calc::chapter::Solution solution = calc::chapter::Solve(givens.givens);
        if (solution.count == Count::None) {
            ++refused;
            reasons.insert(solution.refusal.reason);
            continue;
        }
        EXPECT_EQ(solution.count, Count::Finite) << line;
        searched += solution.decision == Decision::Search ? 1 : 0;
        if (c.level == 1) {
            EXPECT_EQ(solution.decision, Decision::Exact) << line;
        }
    }
    endVariant();
    EXPECT_EQ(variants, c.variants);
    // The refusals take turns at the flaws.
    EXPECT_EQ(reasons.size(), static_cast<std::size_t>(std::min(c.impossible, 4)));
    // The search's combinations are level 3's alone, and a list of that level has some.
    if (c.level < 3) {
        EXPECT_EQ(searched, 0);
    } else if (c.count * c.variants >= 15) {
        EXPECT_GT(searched, 0) << list;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, GivenListTest,
                         testing::Values(GivenListCase{"NiceAnswers", 1, 12, 0, 7},
                                         GivenListCase{"NiceWithEveryFlaw", 1, 10, 4, 11},
                                         GivenListCase{"SchoolDecimals", 2, 15, 2, 3, 1, ","},
                                         GivenListCase{"SchoolVariants", 2, 6, 1, 5, 3},
                                         GivenListCase{"Anything", 3, 20, 3, 2026},
                                         GivenListCase{"AnythingVariants", 3, 5, 1, 9, 4, ","}),
                         RowName<GivenListCase>);

// The combinations a class has not met in closed form are those the certified search
// solves; the others each have their school formulas.
TEST(GivenCombinations, OfLevelThreeAloneAreSearched)
{
    for (const teacher::Combination &combination : teacher::kCombinations) {
        const bool searched =
            calc::chapter::RouteOf(combination.elements).kind == calc::chapter::RouteKind::Search;
        EXPECT_EQ(searched, combination.level == 3) << combination.name;
    }
}

// Each flaw is refused for its own reason, at every level, whatever the seed.
TEST(GivenFlaws, AreRefusedForTheirReason)
{
    for (const teacher::GivenFlaw flaw : teacher::kGivenFlaws)
        for (int level = 1; level <= 3; ++level) {
            teacher::Random random(static_cast<std::uint64_t>(level) * 17);
            int refused = 0;
            for (int i = 0; i < 20; ++i)
                refused += teacher::SolveGiven(teacher::FlawedGivenTask(flaw, level, random))
                                       .refusal.reason == teacher::ReasonOf(flaw)
                               ? 1
                               : 0;
            EXPECT_GE(refused, 10) << static_cast<int>(flaw) << " at level " << level;
        }
}

// The list a seed makes does not depend on the machine (the web page's test compares it
// with the page's).
TEST(GivenList, IsTheSameEverywhere)
{
    EXPECT_EQ(
        teacher::Exercises({.count = 3, .impossible = 1, .seed = 2026, .level = 1, .given = true}),
        "# bisectors --given --generate 3 --level 1 --impossible 1 --seed 2026\n"
        "alpha=90 beta=90 c=14\nb=5 c=5 beta=30\nR=3 gamma=45 alpha=45\n");
}

TEST(GivenList, RefusesMoreThanThereAre)
{
    EXPECT_NE(teacher::RequestProblem(
                  {.count = 200, .seed = 1, .level = 1, .variants = 4, .given = true}),
              "# bisectors --given --generate 3 --level 1 --impossible 1 --seed 2026\n"
              "alpha=90 beta=90 c=14\nb=5 c=5 beta=30\nR=3 gamma=45 alpha=45\n");
    EXPECT_NE(teacher::RequestProblem({.count = 3, .impossible = 4, .given = true}), "");
}

} // namespace
