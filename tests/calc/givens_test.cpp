#include "givens.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// A line of givens: the elements read and their values, or the problem it has.
struct GivensCase {
    const char *name;
    const char *line;
    const char *read; // "a=5 β=60 h_a=2.5" (the report's names, the doubles), or the problem
};

std::ostream &operator<<(std::ostream &os, const GivensCase &c)
{
    return os << c.name;
}

class ReadGivensTest : public testing::TestWithParam<GivensCase>
{
};

TEST_P(ReadGivensTest, ReadsOrSaysWhy)
{
    const calc::GivenLine line = calc::ReadGivens(GetParam().line, ",");
    std::string read;
    if (line.problem != calc::GivenProblem::None) {
        read = calc::GivenProblemText(line);
    } else {
        for (const calc::Given &given : line.givens) {
            read += read.empty() ? "" : " ";
            read += std::string(calc::Info(given.element).name) + "=" +
                    std::to_string(given.value).substr(0, 5);
        }
    }
    EXPECT_EQ(read, GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadGivensTest,
    testing::Values(
        GivensCase{"Ascii", "a=5 b=7 gamma=60", "a=5.000 b=7.000 γ=60.00"},
        GivensCase{"GreekAndSubscripts", "α=30 h_a=2 m_a=3", "α=30.00 h_a=2.000 m_a=3.000"},
        GivensCase{"SpacesAroundEquals", "  ha = 2,5\tR =4  S= 1e1 ", "h_a=2.500 R=4.000 S=10.00"},
        GivensCase{"CaseTellsRadii", "r=1 R=3 a=5", "r=1.000 R=3.000 a=5.000"},
        GivensCase{"NotPositiveIsNoProblem", "a=-1 b=0 c=x", "a=-1.00 b=0.000 c=0.000"},
        GivensCase{"UnknownName", "a=5 d=7 c=2",
                   "непознат елемент „d“: елементите са a b c alpha beta gamma ha hb hc ma mb mc "
                   "la lb lc r R S P"},
        GivensCase{"MissingValue", "a= b=7 c=2", "липсва стойност след „a=“"},
        GivensCase{"NoEquals", "a 5 b=7",
                   "„a“ не е от вида име=стойност, например a=5 или gamma=60"},
        GivensCase{"Repeated", "a=5 a=6 b=7", "„a“ е даден два пъти"},
        GivensCase{"RepeatedUnderOtherName", "alpha=5 α=6 b=7", "„α“ е даден два пъти"},
        GivensCase{"TooFew", "a=5 b=6", "нужни са три елемента, дадени са 2"},
        GivensCase{"TooMany", "a=5 b=6 c=7 S=1", "нужни са три елемента, дадени са 4"},
        GivensCase{"Empty", "", "нужни са три елемента, дадени са 0"},
        GivensCase{"TooLong", "a=5 b=1e1234567890 c=2",
                   "Твърде дълго число: до 200 значещи цифри и до 9 цифри в степенния показател!"}),
    RowName<GivensCase>);

} // namespace
