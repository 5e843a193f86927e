#include "row_name.h"
#include "worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using calc::InputMode;

// A record as the table writes it: "number|fields|count|what it says instead of a report".
std::string Written(const worksheet::Record &record)
{
    return std::to_string(record.number) + "|" + std::string(record.fields) + "|" +
           std::to_string(record.count) + "|" + worksheet::Problem(record);
}

struct SheetCase {
    const char *name;
    InputMode mode;
    std::string separator;
    std::vector<std::string> lines;
    std::vector<std::string> records;
};

std::ostream &operator<<(std::ostream &os, const SheetCase &c)
{
    return os << c.name;
}

class ReaderTest : public testing::TestWithParam<SheetCase>
{
};

// Each line that is a task makes a record that carries the line's own number, and a triple
// solved by the core exactly as the window solves it.
TEST_P(ReaderTest, MakesARecordOfEachTask)
{
    const SheetCase &c = GetParam();
    worksheet::Reader reader(c.mode, c.separator);
    std::vector<std::string> records;
    for (const std::string &line : c.lines) {
        if (const worksheet::Record *record = reader.Read(line)) {
            records.push_back(Written(*record));
            if (!record->Malformed()) {
                EXPECT_EQ(record->solution, calc::Calculate(c.mode, record->triple, c.separator));
            }
        }
    }
    EXPECT_EQ(records, c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, ReaderTest,
    testing::Values(SheetCase{"BlanksCommentsAndCr",
                              InputMode::Sides,
                              ".",
                              {"# key", "", " \t", "\r", "\t3\t4  5 \r", "  #3 4 5", "5 5 6"},
                              {"5|3 4 5|3|", "7|5 5 6|3|"}},
                    SheetCase{"FieldCounts",
                              InputMode::Medians,
                              ".",
                              {"7", "1 2", "1  2 3 4", "3 4 5 #"},
                              {"1|7|1|нужни са три числа, а е дадено 1",
                               "2|1 2|2|нужни са три числа, а са дадени 2",
                               "3|1 2 3 4|4|нужни са три числа, а са дадени 4",
                               "4|3 4 5 #|4|нужни са три числа, а са дадени 4"}},
                    SheetCase{"RefusalsAndTheLocalesSeparator",
                              InputMode::Heights,
                              ",",
                              {"4 7 10", "4,0 5 10", "1e300 1e300 1e300"},
                              {"1|4 7 10|3|Некоректни данни!", "2|4,0 5 10|3|",
                               "3|1e300 1e300 1e300|3|Числата са извън допустимия обхват!"}}),
    RowName<SheetCase>);

} // namespace
