#include "chapter_figures.h"
#include "givens.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct FiguresCase {
    const char *name;
    const char *givens;
    int figures; // 0: no document, and a reason
};

std::ostream &operator<<(std::ostream &os, const FiguresCase &c)
{
    return os << c.name;
}

int Count(const std::string &text, const std::string &part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class ChapterFiguresTest : public testing::TestWithParam<FiguresCase>
{
};

// One document with a figure for each triangle, each with ids of its own and, where there
// are two or more, its heading; none, with a reason, where there is nothing to draw.
TEST_P(ChapterFiguresTest, DrawsEveryTriangleOnce)
{
    const FiguresCase &c = GetParam();
    const calc::chapter::Solution solution =
        calc::chapter::Solve(calc::ReadGivens(c.givens).givens);
    const std::string svg = figure::ChapterSvg(solution);
    EXPECT_EQ(figure::ChapterNoFigureReason(solution).empty(), c.figures > 0);
    if (c.figures == 0) {
        EXPECT_EQ(svg, "");
        return;
    }
    EXPECT_EQ(Count(svg, "<?xml"), 1);
    EXPECT_EQ(Count(svg, "<g class=\"triangle\""), c.figures);
    EXPECT_EQ(Count(svg, "<svg "), c.figures + 1);
    EXPECT_EQ(Count(svg, "</svg>"), c.figures + 1);
    EXPECT_EQ(Count(svg, "middle\">Триъгълник "), c.figures > 1 ? c.figures : 0);
    for (int t = 1; t <= c.figures; ++t)
        EXPECT_EQ(Count(svg, "id=\"t" + std::to_string(t) + "-title\""), 1) << t;
    EXPECT_EQ(Count(svg, "id=\"title\""), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Givens, ChapterFiguresTest,
    testing::Values(FiguresCase{"One", "a=5 b=7 gamma=60", 1},
                    FiguresCase{"TwoOfTheAmbiguousCase", "a=1.5 b=2 alpha=30", 2},
                    FiguresCase{"None", "a=0.9 b=2 alpha=30", 0},
                    FiguresCase{"InfinitelyMany", "alpha=30 beta=60 gamma=90", 0}),
    RowName<FiguresCase>);

} // namespace
