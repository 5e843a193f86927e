#include "calculator.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{

using model::InputMode;

// A scenario: what the user does, one action a word ("load", "kind=N", "type=x|y|z",
// "calculate", "clear"), and what the window shows afterwards. The expected result is
// "task" (the task text), "" (empty), or "report=KIND:x|y|z", the core's report of those
// texts in that kind, under the scenario's separator.
struct Scenario {
    const char *name;
    std::string actions;
    int kind;
    std::array<std::string, 3> inputs;
    std::string result;
    unsigned focusRequests = 1;
    unsigned announcements = 0;
    std::string separator = ".";
};

std::ostream &operator<<(std::ostream &os, const Scenario &s)
{
    return os << s.name;
}

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

std::string Expected(const Scenario &s)
{
    if (s.result == "task")
        return model::kTaskText;
    if (!s.result.starts_with("report="))
        return s.result;
    const auto kind = static_cast<InputMode>(s.result[7] - '0');
    const std::vector<std::string> x = Split(s.result.substr(9), '|');
    return calc::ReportText(calc::Calculate(kind, {x[0], x[1], x[2]}, s.separator),
                            {.decimalSeparator = s.separator});
}

// What "Изчисти" says to screen readers.
const std::string kCleared = "Въведените данни и резултатът са изтрити. Видът е „Височини“.";

class CalculatorTest : public testing::TestWithParam<Scenario>
{
};

TEST_P(CalculatorTest, ShowsWhatTheUserDid)
{
    const Scenario &s = GetParam();
    model::Calculator calculator(s.separator);
    for (const std::string &action : Split(s.actions, ' ')) {
        const std::string argument = action.substr(action.find('=') + 1);
        if (action == "load") {
            calculator.Load();
        } else if (action.starts_with("kind=")) {
            calculator.SelectKind(static_cast<InputMode>(std::stoi(argument)));
        } else if (action.starts_with("type=")) {
            const std::vector<std::string> texts = Split(argument, '|');
            for (int i = 0; i < 3; ++i)
                calculator.SetInput(i, texts.at(static_cast<std::size_t>(i)));
        } else if (action == "calculate") {
            calculator.Calculate();
        } else if (action == "clear") {
            calculator.Clear();
        } else {
            FAIL() << "unknown action " << action;
        }
    }
    EXPECT_EQ(static_cast<int>(calculator.Kind()), s.kind);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calculator.Input(i), s.inputs[static_cast<std::size_t>(i)]) << i;
        EXPECT_STREQ(calculator.Label(i), calc::kKinds.at(static_cast<std::size_t>(s.kind))
                                              .labels.at(static_cast<std::size_t>(i))
                                              .data())
            << i;
    }
    EXPECT_EQ(calculator.Result(), Expected(s));
    // The solution is there as long as the result shows a calculation.
    EXPECT_EQ(calculator.Solution().has_value(),
              s.result.starts_with("report=") || s.result == calc::kRejected);
    EXPECT_EQ(calculator.FocusRequests(), s.focusRequests);
    EXPECT_EQ(calculator.Announcements(), s.announcements);
    // What was read out last stays for screen readers: the result of "Изчисли" as long as
    // the result shows it, what "Изчисти" did once it has emptied the result.
    const std::size_t calculated = s.actions.rfind("calculate");
    const std::size_t cleared = s.actions.rfind("clear");
    EXPECT_EQ(calculator.Announcement(),
              cleared != std::string::npos &&
                      (calculated == std::string::npos || cleared > calculated)
                  ? kCleared
              : calculated != std::string::npos ? Expected(s)
                                                : "");
}

const std::array<std::string, 3> kEmpty;

INSTANTIATE_TEST_SUITE_P(
    Window, CalculatorTest,
    testing::Values(
        Scenario{"BeforeLoad", "", 0, kEmpty, "task", 0},
        Scenario{"RightAfterStart", "load", 0, kEmpty, "task"},
        Scenario{"ChoosingSidesEmptiesTheInputs", "load type=7|8|9 kind=1", 1, kEmpty, "task"},
        Scenario{"ChoosingMediansKeepsAReport",
                 "load kind=1 type=3|4|5 calculate type=7|8|9 kind=2", 2, kEmpty, "report=1:3|4|5",
                 1, 1},
        Scenario{"SidesThenAltitudes", "load kind=1 type=3|4|5 kind=0", 0, kEmpty, "task"},
        Scenario{"ChoosingTheChosenKindKeepsTheInputs",
                 "load kind=1 type=3|4|5 kind=1 calculate",
                 1,
                 {"3", "4", "5"},
                 "report=1:3|4|5",
                 1,
                 1},
        Scenario{"CalculateSides",
                 "load kind=1 type=3|4|5 calculate",
                 1,
                 {"3", "4", "5"},
                 "report=1:3|4|5",
                 1,
                 1},
        Scenario{"CalculateMedians",
                 "load kind=2 type=3|4|5 calculate",
                 2,
                 {"3", "4", "5"},
                 "report=2:3|4|5",
                 1,
                 1},
        Scenario{"CalculateAltitudes",
                 "load type=4|5|10 calculate",
                 0,
                 {"4", "5", "10"},
                 "report=0:4|5|10",
                 1,
                 1},
        Scenario{"TextsStayAsTyped",
                 "load kind=1 type=\t3|4cm|5;9 calculate",
                 1,
                 {"\t3", "4cm", "5;9"},
                 "report=1:3|4|5",
                 1,
                 1},
        Scenario{"CalculateRightAfterStartRefuses", "load calculate", 0, kEmpty,
                 std::string(calc::kRejected), 1, 1},
        Scenario{"ValuesTypedBeforeAChangeOfKindAreGone", "load type=3|4|5 kind=2 calculate", 2,
                 kEmpty, std::string(calc::kRejected), 1, 1},
        Scenario{"ReportsReplaceEachOther",
                 "load kind=1 type=3|4|5 calculate calculate type=1|2|3 calculate type=3|4|5 "
                 "calculate",
                 1,
                 {"3", "4", "5"},
                 "report=1:3|4|5",
                 1,
                 4},
        Scenario{"ClearFromMedians", "load kind=2 type=3|4|5 calculate clear", 0, kEmpty, "", 2, 2},
        Scenario{"ClearTwiceSpeaksTwice", "load clear clear", 0, kEmpty, "", 3, 2},
        Scenario{"ClearThenAltitudes",
                 "load kind=1 type=3|4|5 calculate clear type=4|3|2.4 "
                 "calculate",
                 0,
                 {"4", "3", "2.4"},
                 "report=0:4|3|2.4",
                 2,
                 3},
        Scenario{"BulgarianReadsAndPrintsComma",
                 "load kind=1 type=3,5|4.0|5 calculate",
                 1,
                 {"3,5", "4.0", "5"},
                 "report=1:3,5|4|5",
                 1,
                 1,
                 ","}),
    RowName<Scenario>);

} // namespace
