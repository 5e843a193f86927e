#include "qt_options.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

struct Launch {
    const char *name;
    std::vector<const char *> arguments;
    bool window;
};

std::ostream &operator<<(std::ostream &os, const Launch &c)
{
    return os << c.name;
}

class OpensWindowTest : public testing::TestWithParam<Launch>
{
};

TEST_P(OpensWindowTest, Decides)
{
    EXPECT_EQ(app::OpensWindow(GetParam().arguments), GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OpensWindowTest,
    testing::Values(Launch{"None", {}, true}, Launch{"Session", {"-session", "1a2b_3c"}, true},
                    Launch{"Platform", {"-platform", "offscreen"}, true},
                    Launch{"Flag", {"-reverse"}, true},
                    Launch{"JoinedValue", {"-style=fusion"}, true},
                    Launch{"X11Option", {"-display", ":1"}, true},
                    Launch{"AfterTheProgramsOwn", {"--sides", "3", "4", "5", "-nograb"}, true},
                    Launch{"Kind", {"--sides", "3", "4", "5"}, false},
                    Launch{"Help", {"-h"}, false},
                    Launch{"NegativeNumber", {"--sides", "-5", "4", "5"}, false},
                    Launch{"DoubleDash", {"--session", "abc"}, false},
                    Launch{"PrefixOfAnOption", {"-sessions"}, false},
                    Launch{"JoinedWithoutItsEquals", {"-platform=offscreen"}, false},
                    Launch{"AfterTheEndOfOptions", {"--sides", "--", "-session", "4", "5"}, false},
                    Launch{"NumbersAlone", {"3", "4", "5"}, false}),
    RowName<Launch>);

} // namespace
