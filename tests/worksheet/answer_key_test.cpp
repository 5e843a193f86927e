#include "answer_key.h"
#include "report.h"
#include "row_name.h"
#include "student_sheet.h"
#include "worksheet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

// Every row carries its name; the tables below use it as the test's name.

using calc::InputMode;

// What became of a worksheet line.
enum class Line { Skipped, Solved, Rejected, OutOfRange, TooLong, Malformed };

Line LineOf(const worksheet::Record *record)
{
    return record == nullptr                                      ? Line::Skipped
           : record->Malformed()                                  ? Line::Malformed
           : record->Solved()                                     ? Line::Solved
           : record->solution->outcome == calc::Outcome::Rejected ? Line::Rejected
           : record->solution->outcome == calc::Outcome::TooLong  ? Line::TooLong
                                                                  : Line::OutOfRange;
}

std::size_t Count(const std::string &text, std::string_view what)
{
    std::size_t count = 0;
    for (std::size_t pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + what.size()))
        ++count;
    return count;
}

struct KeyCase {
    const char *name;
    InputMode mode;
    std::string separator;
    std::vector<std::string> lines;
    std::vector<Line> results;
    std::size_t figures;
    std::vector<std::string> contains;
    std::vector<std::string> lacks = {};
};

std::ostream &operator<<(std::ostream &os, const KeyCase &c)
{
    return os << c.name;
}

class AnswerKeyTest : public testing::TestWithParam<KeyCase>
{
};

TEST_P(AnswerKeyTest, WritesABlockForEachTriple)
{
    const KeyCase &c = GetParam();
    worksheet::Reader reader(c.mode, c.separator, {.exactValues = true});
    worksheet::AnswerKey key(c.mode, c.separator);
    std::string page;
    std::vector<Line> results;
    for (const std::string &line : c.lines) {
        const worksheet::Record *record = reader.Read(line);
        results.push_back(LineOf(record));
        if (record != nullptr)
            key.Add(page, *record);
    }
    EXPECT_EQ(results, c.results);
    const std::size_t blocks = key.Blocks();
    key.Finish(page);

    EXPECT_EQ(Count(page, "<section class=\"task"), blocks);
    EXPECT_EQ(blocks, c.results.size() - static_cast<std::size_t>(std::count(
                                             c.results.begin(), c.results.end(), Line::Skipped)));
    EXPECT_EQ(Count(page, "<svg "), c.figures);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html lang=\"bg\">"));
    EXPECT_TRUE(page.ends_with("</html>\n"));
    for (std::string_view part :
         {"<meta charset=\"utf-8\">", "@page { size: A4;", "break-inside: avoid",
          "Ключ с отговори — ъглополовящи в триъгълник"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    // Self-contained: no script, nothing loaded from elsewhere.
    for (std::string_view part : {"<script", "src=", "href=", "url(", "@import"})
        EXPECT_EQ(page.find(part), std::string::npos) << part;
    for (const std::string &part : c.contains)
        EXPECT_NE(page.find(part), std::string::npos) << part;
    for (const std::string &part : c.lacks)
        EXPECT_EQ(page.find(part), std::string::npos) << part;

    // Every id once in the page, however many figures it has.
    std::set<std::string> ids;
    for (std::size_t pos = page.find(" id=\""); pos != std::string::npos;
         pos = page.find(" id=\"", pos + 1)) {
        const std::size_t end = page.find('"', pos + 5);
        EXPECT_TRUE(ids.insert(page.substr(pos + 5, end - pos - 5)).second)
            << page.substr(pos + 5, end - pos - 5);
    }
}

const std::string kRejected(calc::kRejected);

INSTANTIATE_TEST_SUITE_P(
    Worksheets, AnswerKeyTest,
    testing::Values(
        KeyCase{"GoodRefusedAndMalformed",
                InputMode::Sides,
                ".",
                {"3 4 5", "1 2 3", "3 4", "# a comment", "  ", "5\t5 6\r"},
                {Line::Solved, Line::Rejected, Line::Malformed, Line::Skipped, Line::Skipped,
                 Line::Solved},
                2,
                {("<pre class=\"report\">Лице на триъгълника S = 6\nИзчислени дължини на "
                  "ъглополовящи:\nYg_a = 4.21637021355784\n"),
                 ("<pre class=\"report exact\">Точни стойности:\nS = 6\nYg_a = 4√10/3 ≈ "
                  "4.21637021355784\n"),
                 "<section class=\"task refused\" id=\"task-2\">",
                 "<pre class=\"report\">" + kRejected + "</pre>",
                 "<tr><th>Страна BC (a):</th><td>1</td></tr>",
                 "<section class=\"task malformed\" id=\"task-3\">",
                 "Редът трябва да съдържа три числа, а съдържа 2.", "<h2>Задача 4</h2>"},
                {"\r"}},
        // A class test's variants: each under its name, its tasks numbered from 1, the
        // second from a new page.
        KeyCase{"Variants",
                InputMode::Sides,
                ".",
                {"# Вариант А", "3 4 5", "# Вариант Б", "5 5 6", "1 2 3"},
                {Line::Skipped, Line::Solved, Line::Skipped, Line::Solved, Line::Rejected},
                2,
                {"<h2 class=\"variant\">Вариант А</h2>\n<section class=\"task",
                 "id=\"task-1\">\n<div class=\"head\">\n<h2>Задача 1</h2>",
                 "<h2 class=\"variant next\">Вариант Б</h2>\n<section class=\"task",
                 "id=\"task-2\">\n<div class=\"head\">\n<h2>Задача 1</h2>",
                 "id=\"task-3\">\n<div class=\"head\">\n<h2>Задача 2</h2>"}},
        KeyCase{"AltitudesWithComma",
                InputMode::Heights,
                ",",
                {"4 5 10", "4 7 10"},
                {Line::Solved, Line::Rejected},
                1,
                {"Височина AH (ha):", "BC = 13,1590338991954", "Yg_a ≈ 4,115",
                 "Дадени са трите височини", kRejected}},
        KeyCase{"MediansOutOfRange",
                InputMode::Medians,
                ".",
                {"1e300 1e300 1e300", "3 4 5"},
                {Line::OutOfRange, Line::Solved},
                1,
                {std::string(calc::kOutOfRange), "Медиана CN (mc):"}},
        KeyCase{"NumberTooLong",
                InputMode::Sides,
                ".",
                {"3 4 5." + std::string(200, '1'), "3 4 5"},
                {Line::TooLong, Line::Solved},
                1,
                {"<pre class=\"report\">" + std::string(calc::kTooLong) + "</pre>",
                 "<mi>c</mi><mtext>:</mtext>",
                 "<span class=\"note\">числото е записано с повече от 200 значещи цифри"}},
        KeyCase{"InputsAreEscaped",
                InputMode::Sides,
                ".",
                {"3 4 5<script>", "<b>1</b> 2 \xFF", "<b>1</b> 2 \xFF 4"},
                {Line::Solved, Line::Rejected, Line::Malformed},
                1,
                {"<td>5</td>", "<td>&lt;b&gt;1&lt;/b&gt; 2 \xEF\xBF\xBD 4</td>"},
                {"<b>", "\xFF", "&lt;script"}},
        // The lengths as the core read them, in the report's notation.
        KeyCase{"GivenAsRead",
                InputMode::Sides,
                ",",
                {"19.9 20 21", "3,5 4 5x"},
                {Line::Solved, Line::Solved},
                2,
                {"<td>19,9</td>", "<td>3,5</td>", "<td>5</td>"},
                {"<td>19.9</td>", "<td>5x</td>"}},
        KeyCase{"Empty", InputMode::Sides, ".", {}, {}, 0, {"Няма задачи."}},
        // A block that fits a page is kept whole; a longer one goes on over the pages
        // ("long"), as does the first where it fits a page but not under the key's heading.
        // Each task's number, data and figure together (its head).
        KeyCase{"AltitudesLongerThanAPage",
                InputMode::Heights,
                ".",
                {"1 2 3", "4 5 10"},
                {Line::Rejected, Line::Solved},
                1,
                {"<section class=\"task refused\" id=\"task-1\">\n<div class=\"head\">\n<h2>",
                 "<section class=\"task long\" id=\"task-2\">", "</svg>\n</figure>\n</div>"}},
        KeyCase{"MediansLongerThanAPage",
                InputMode::Medians,
                ".",
                {"1 1 3", "3 4 5"},
                {Line::Rejected, Line::Solved},
                1,
                {"<section class=\"task long\" id=\"task-2\">"}},
        KeyCase{"SidesWithinAPage",
                InputMode::Sides,
                ".",
                {"3 4 5", "5 5 5", "12.3456789 23.4567891 34.5678912"},
                {Line::Solved, Line::Solved, Line::Solved},
                3,
                {"<section class=\"task long\" id=\"task-1\">",
                 "<section class=\"task\" id=\"task-2\">",
                 "<section class=\"task long\" id=\"task-3\">"}}),
    RowName<KeyCase>);

// The student's sheet of a worksheet: the key's tasks, numbered alike, the lengths as read,
// and no answer of any kind, nor a sign of which tasks have none.
TEST(StudentSheet, HasTheTasksWithoutTheirAnswers)
{
    const std::vector<std::string> lines = {"3 4 5", "1 2 3", "# comment", "5,5 5 6", "1 2"};
    worksheet::Reader reader(InputMode::Sides, ",", {.exactValues = true});
    worksheet::AnswerKey key(InputMode::Sides, ",");
    worksheet::StudentSheet sheet(InputMode::Sides, ",");
    std::string keyPage, sheetPage;
    for (const std::string &line : lines)
        if (const worksheet::Record *record = reader.Read(line)) {
            key.Add(keyPage, *record);
            sheet.Add(sheetPage, *record);
        }
    key.Finish(keyPage);
    sheet.Finish(sheetPage);
    for (std::string_view part : {"<h2>Задача 4</h2>", "<td>5,5</td>", "Клас:", "Редът трябва"}) {
        EXPECT_NE(sheetPage.find(part), std::string::npos) << part;
        EXPECT_EQ(Count(sheetPage, part), Count(keyPage, part) + (part == "Клас:" ? 1 : 0)) << part;
    }
    for (std::string_view answer : {"Лице", "Yg_", "<svg", "Точни", "√", "Некоректни", "refused"})
        EXPECT_EQ(sheetPage.find(answer), std::string::npos) << answer;
    EXPECT_EQ(Count(sheetPage, "<div class=\"room\">"), 3u);
}

TEST(AnswerKey, StartsAfreshAfterFinish)
{
    worksheet::Reader reader(InputMode::Sides);
    worksheet::AnswerKey key(InputMode::Sides);
    std::string first;
    key.Add(first, reader.Triple({"3", "4", "5"}));
    key.Finish(first);
    EXPECT_NE(first.find("id=\"task-1\""), std::string::npos);
    EXPECT_EQ(key.Blocks(), 0u);
    std::string second;
    key.Add(second, reader.Triple({"5", "5", "6"}));
    key.Finish(second);
    EXPECT_EQ(Count(second, "<section"), 1u);
    EXPECT_EQ(Count(second, "<!DOCTYPE"), 1u);
}

} // namespace
