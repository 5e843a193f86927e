#include "report.h"
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
    worksheet::Topic mode;
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
            if (!record->Malformed() && !c.mode.givens) {
                EXPECT_EQ(record->solution,
                          calc::Calculate(c.mode.mode, record->triple, c.separator));
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
                               "3|1e300 1e300 1e300|3|Числата са извън допустимия обхват!"}},
                    // Lines of givens: spaces around "=" make more fields, not another
                    // triple; what a line that is none says; a refusal with its reason.
                    SheetCase{"Givens",
                              worksheet::Topic::Givens(),
                              ",",
                              {"# Вариант А", "a = 5 b=7 gamma=60,0", "a=1 b=2", "a=3 b=4 c=9",
                               "alpha=50 beta=60 gamma=70"},
                              {"2|a = 5 b=7 gamma=60,0|5|",
                               "3|a=1 b=2|2|нужни са три елемента, дадени са 2",
                               "4|a=3 b=4 c=9|3|Некоректни данни! Страната c е поне колкото "
                               "другите две страни заедно.",
                               "5|alpha=50 beta=60 gamma=70|3|"}}),
    RowName<SheetCase>);

// A line with bytes that are not UTF-8: what the writers echo of it, and what it says.
struct EchoCase {
    const char *name;
    std::string line;
    std::string echoedLine;
    std::string echoedFields;
    std::string problem;
};

std::ostream &operator<<(std::ostream &os, const EchoCase &c)
{
    return os << c.name;
}

class EchoTest : public testing::TestWithParam<EchoCase>
{
};

// The line and its fields are echoed as UTF-8, a U+FFFD for each stray byte, while the
// triple is answered or refused from the bytes as they are.
TEST_P(EchoTest, EchoesTheLineAsUtf8)
{
    const EchoCase &c = GetParam();
    worksheet::Reader reader(InputMode::Sides);
    const worksheet::Record *record = reader.Read(c.line);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->line, c.echoedLine);
    EXPECT_EQ(record->fields, c.echoedFields);
    EXPECT_EQ(worksheet::Problem(*record), c.problem);
    if (!record->Malformed()) {
        EXPECT_EQ(record->solution, calc::Calculate(InputMode::Sides, record->triple, "."));
    }
}

const std::string kFffd = "\xEF\xBF\xBD"; // U+FFFD
const std::string kRefused(calc::kRejected);

INSTANTIATE_TEST_SUITE_P(
    Lines, EchoTest,
    testing::Values(
        EchoCase{"Utf8AsTyped", "3 4 5 # Ъгъл ≈ 4,2 😀", "3 4 5 # Ъгъл ≈ 4,2 😀",
                 "3 4 5 # Ъгъл ≈ 4,2 😀", "нужни са три числа, а са дадени 8"},
        EchoCase{"LoneContinuationBytes", "3 4 5\x80\xBF", "3 4 5" + kFffd + kFffd,
                 "3 4 5" + kFffd + kFffd, ""},
        // Past eight bytes of ASCII, where the check goes on byte by byte.
        EchoCase{"AfterAWordOfAscii", "3.000000 4.000000 5\xBF", "3.000000 4.000000 5" + kFffd,
                 "3.000000 4.000000 5" + kFffd, ""},
        EchoCase{"TruncatedSequences", "3\xD0 4\xE2\x82 5\xF0\x9F\x98",
                 "3" + kFffd + " 4" + kFffd + kFffd + " 5" + kFffd + kFffd + kFffd,
                 "3" + kFffd + " 4" + kFffd + kFffd + " 5" + kFffd + kFffd + kFffd, ""},
        EchoCase{"TruncatedAtTheEnd", "3 4 5 \xE2", "3 4 5 " + kFffd, "3 4 5 " + kFffd,
                 "нужни са три числа, а са дадени 4"},
        // An overlong "3" is no digit: the side reads as 0 and the triple is refused.
        EchoCase{"OverlongEncodings", "\xC0\xB3 \xE0\x80\xB4 \xF0\x80\x80\xB5",
                 kFffd + kFffd + " " + kFffd + kFffd + kFffd + " " + kFffd + kFffd + kFffd + kFffd,
                 kFffd + kFffd + " " + kFffd + kFffd + kFffd + " " + kFffd + kFffd + kFffd + kFffd,
                 kRefused},
        EchoCase{"Surrogates", "3 4 5 \xED\xA0\xBD\xED\xB8\x80",
                 "3 4 5 " + kFffd + kFffd + kFffd + kFffd + kFffd + kFffd,
                 "3 4 5 " + kFffd + kFffd + kFffd + kFffd + kFffd + kFffd,
                 "нужни са три числа, а са дадени 4"},
        EchoCase{"BeyondU10FFFF", "3 4 5\xF4\x90\x80\x80", "3 4 5" + kFffd + kFffd + kFffd + kFffd,
                 "3 4 5" + kFffd + kFffd + kFffd + kFffd, ""},
        // Blanks between the fields are echoed as one space, the line as typed.
        EchoCase{"BytesF5ToFF", "3\t4\xF5\xF8\xFE\xFF  5\r",
                 "3\t4" + kFffd + kFffd + kFffd + kFffd + "  5",
                 "3 4" + kFffd + kFffd + kFffd + kFffd + " 5", ""},
        // As pasted: a byte order mark before the first line is dropped, Unicode's spaces
        // part the fields.
        EchoCase{"ByteOrderMark", "\uFEFF3 4 5", "3 4 5", "3 4 5", ""},
        EchoCase{"UnicodeSpaces", "3\u00A04\u202F\u20095\u3000", "3\u00A04\u202F\u20095\u3000",
                 "3 4 5", ""},
        // Control characters are echoed as U+FFFD, one for each (a C1 control is two
        // bytes), while the core reads the number before them.
        EchoCase{"EscapeSequence", "3 4 5\x1B[2J", "3 4 5" + kFffd + "[2J", "3 4 5" + kFffd + "[2J",
                 ""},
        EchoCase{"NulAndReturnInside", std::string("3\0 4\r 5", 7),
                 "3" + kFffd + " 4" + kFffd + " 5", "3" + kFffd + " 4" + kFffd + " 5", ""},
        EchoCase{"DeleteAndC1Control", "3\x7F 4\xC2\x9B 5\xC2\x85",
                 "3" + kFffd + " 4" + kFffd + " 5" + kFffd,
                 "3" + kFffd + " 4" + kFffd + " 5" + kFffd, ""},
        EchoCase{"NoncharactersOfNoXml", "3 4 5\uFFFE\uFFFF", "3 4 5" + kFffd + kFffd,
                 "3 4 5" + kFffd + kFffd, ""},
        // Eight bytes of printable ASCII before a control character, past the fast check.
        EchoCase{"ControlAfterAWord", "3.000000 4.000000 5\x01", "3.000000 4.000000 5" + kFffd,
                 "3.000000 4.000000 5" + kFffd, ""}),
    RowName<EchoCase>);

// Three numbers given on their own are echoed the same way.
TEST(Reader, EchoesATripleAsUtf8)
{
    worksheet::Reader reader(InputMode::Sides);
    const worksheet::Record &record = reader.Triple({"3\xFF", "4", "5"});
    EXPECT_EQ(record.fields, "3" + kFffd + " 4 5");
    EXPECT_EQ(record.line, record.fields);
    EXPECT_TRUE(record.Solved());
}

} // namespace
