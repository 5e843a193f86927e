#include "command_line.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

// A run of the command line with --svg or --html: what it wrote, and parts its output must
// and must not hold (the figures' geometry and the answer key's content are the figure
// library's tests).
struct FigureCase {
    const char *name;
    std::vector<const char *> arguments;
    std::string input;
    int status;
    std::vector<std::string> contains;
    std::vector<std::string> lacks;
    std::string errors;
};

// The usage lines, after the reason on a malformed command line.
const std::string kUsage =
    "Употреба: bisectors {--heights|--sides|--medians} [--exact] [--steps]\n"
    "                    [X1 X2 X3]\n"
    "          bisectors {--heights|--sides|--medians} --svg X1 X2 X3\n"
    "          bisectors {--heights|--sides|--medians} {--html|--docx} [--sheet]\n"
    "                    [X1 X2 X3]\n"
    "          bisectors {--heights|--sides|--medians} --generate N [--level L]\n"
    "                    [--impossible K] [--variants V] [--seed S]\n"
    "                    [{--html|--docx} [--sheet]]\n"
    "          bisectors --given [--exact] [--steps]\n"
    "                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n"
    "          bisectors --given --svg ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ\n"
    "          bisectors --given {--html|--docx} [--sheet]\n"
    "                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n"
    "          bisectors --given --generate N [--level L] [--impossible K]\n"
    "                    [--variants V] [--seed S] [{--html|--docx} [--sheet]]\n"
    "          bisectors -h | --help | --version\n"
    "          bisectors [ОПЦИЯ-НА-QT ...]\n";

std::ostream &operator<<(std::ostream &os, const FigureCase &c)
{
    return os << c.name;
}

std::string Contents(std::FILE *file)
{
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        text += static_cast<char>(c);
    return text;
}

class FigureOutputTest : public testing::TestWithParam<FigureCase>
{
};

TEST_P(FigureOutputTest, Writes)
{
    const FigureCase &c = GetParam();
    std::FILE *in = std::tmpfile();
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    std::fputs(c.input.c_str(), in);
    std::rewind(in);
    const int status =
        app::RunCommandLine(c.arguments, "1.00", ",", fileno(in), fileno(out), fileno(err));
    const std::string written = Contents(out);
    EXPECT_EQ(status, c.status);
    for (const std::string &part : c.contains)
        EXPECT_NE(written.find(part), std::string::npos) << part;
    for (const std::string &part : c.lacks)
        EXPECT_EQ(written.find(part), std::string::npos) << part;
    EXPECT_EQ(Contents(err), c.errors);
    for (std::FILE *file : {in, out, err})
        std::fclose(file);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FigureOutputTest,
    testing::Values(
        FigureCase{"Svg",
                   {"--sides", "--svg", "3", "4", "5"},
                   "",
                   0,
                   {"<?xml", "<svg", "id=\"bisector-a\"", "Yg_a ≈ 4,216"},
                   {"<html"},
                   ""},
        FigureCase{"SvgOfARefusal",
                   {"--sides", "1", "2", "3", "--svg"},
                   "",
                   1,
                   {},
                   {"<svg"},
                   "Некоректни данни!\n"},
        FigureCase{"SvgWithoutNumbers",
                   {"--medians", "--svg"},
                   "3 4 5\n",
                   2,
                   {},
                   {"<svg"},
                   "bisectors: --svg чертае една тройка: нужни са три числа\n" + kUsage},
        FigureCase{"SvgAndHtml",
                   {"--sides", "--svg", "--html", "3", "4", "5"},
                   "",
                   2,
                   {},
                   {"<"},
                   "bisectors: --svg, --html и --docx са взаимно изключващи се\n" + kUsage},
        FigureCase{
            "AnswerKey",
            {"--medians", "--html"},
            "# ключ\n3 4 5\n1 2\n10 1 1\n12,5 15 20\n",
            2,
            {"<html lang=\"bg\"", "Некоректни данни!", "BC = 5,69600249687835", "<svg", "12,5"},
            {"<script"},
            "bisectors: задача 2: нужни са три числа, а са дадени 2\n"},
        FigureCase{"AnswerKeyOfOneTriple",
                   {"--html", "--heights", "4", "5", "10"},
                   "",
                   0,
                   {"<html", "BC = 13,1590338991954", "<svg"},
                   {},
                   ""},
        FigureCase{"KeyOfGivens",
                   {"--given", "--html"},
                   "a=7 b=8 alpha=60\nx=1 a=2 b=3\na=3 b=4 c=9\n",
                   2,
                   {"Ключ с отговори — триъгълник по три елемента", "<th>α</th><td>60°</td>",
                    "Триъгълник 2", "id=\"t1-2-", "cos β = 1/7", "Страната c е поне колкото"},
                   {"<script", "id=\"t3-"},
                   "bisectors: задача 2: непознат елемент „x“: елементите са a b c alpha beta "
                   "gamma ha hb hc ma mb mc la lb lc r R S P\n"},
        FigureCase{"SheetOfGeneratedGivens",
                   {"--given", "--generate", "3", "--level", "1", "--impossible", "1", "--seed",
                    "2026", "--html", "--sheet"},
                   "",
                   0,
                   {"Задачи — триъгълник по три елемента", "<th>R</th><td>3</td>",
                    "<th>β</th><td>30°</td>"},
                   {"Некоректни", "<svg", "Триъгълник 1"},
                   ""},
        FigureCase{"SheetOfGivensOnlyAsAPage",
                   {"--given", "--sheet", "a=3", "b=4", "c=5"},
                   "",
                   2,
                   {},
                   {"<", "Лице"},
                   "bisectors: --sheet е лист за печат: само с --html или --docx\n" + kUsage},
        FigureCase{"GeneratedGivensWithExact",
                   {"--given", "--generate", "3", "--exact"},
                   "",
                   2,
                   {},
                   {"#"},
                   "bisectors: --generate пише задачи: без ИМЕ=СТОЙНОСТ, --svg и --exact\n" +
                       kUsage},
        FigureCase{"GeneratedGivensDrawn",
                   {"--given", "--generate", "3", "--svg"},
                   "",
                   2,
                   {},
                   {"<"},
                   "bisectors: --svg с --given чертае една тройка: нужни са три елемента\n" +
                       kUsage}),
    RowName<FigureCase>);

} // namespace
