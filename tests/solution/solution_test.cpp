#include "calculate.h"
#include "row_name.h"
#include "solution.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace
{

using calc::InputMode;

struct Case {
    const char *name;
    InputMode mode;
    std::array<const char *, 3> inputs;
    std::string separator;
    std::vector<std::string> lines; // lines the text holds, among others
};

std::ostream &operator<<(std::ostream &os, const Case &c)
{
    return os << c.name;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A number of the report as the solution writes it: 1.5E-07 as 1.5 · 10⁻⁷.
std::string Written(std::string number)
{
    const std::size_t e = number.find('E');
    if (e == std::string::npos)
        return number;
    static const char *const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string power = number[e + 1] == '-' ? "⁻" : "";
    const std::size_t first = number.find_first_not_of('0', e + 2);
    for (std::size_t i = first; i < number.size(); ++i)
        power += kDigits[number[i] - '0'];
    return number.substr(0, e) + " · 10" + power;
}

// The elements of an HTML fragment read as XML, or the reason it is not well-formed.
std::string Elements(const std::string &html, std::set<std::string> &names)
{
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &names);
    XML_SetStartElementHandler(parser, [](void *data, const XML_Char *name, const XML_Char **) {
        static_cast<std::set<std::string> *>(data)->insert(name);
    });
    const std::string document = "<div>" + html + "</div>";
    const bool read =
        XML_Parse(parser, document.data(), static_cast<int>(document.size()), 1) == XML_STATUS_OK;
    std::string problem = read ? "" : XML_ErrorString(XML_GetErrorCode(parser));
    XML_ParserFree(parser);
    return problem;
}

class SolutionTest : public testing::TestWithParam<Case>
{
};

// Each result of the report is the last number of its line in the solution (a = … ≈
// 5.69600249687835 for BC = 5.69600249687835), and the check gives the given lengths
// back; the MathML is well-formed and of Presentation MathML's elements alone.
TEST_P(SolutionTest, AgreesWithTheReport)
{
    const Case &c = GetParam();
    const calc::Solution solution = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                    c.separator, {.exactValues = true});
    const solution::WorkedSolution worked = solution::Work(solution, c.separator);
    std::string text;
    solution::AppendText(text, worked);
    const std::vector<std::string> lines = Lines(text);
    for (const std::string &line : c.lines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << "\n" << text;

    std::map<std::string, std::string> results; // the left-hand side: the last item
    for (const std::string &line : lines) {
        std::size_t first = std::string::npos, last = 0, end = 0;
        for (const std::string relation : {" = ", " ≈ "}) {
            first = std::min(first, line.find(relation));
            if (const std::size_t at = line.rfind(relation); at != std::string::npos && at >= last)
                std::tie(last, end) = std::pair(at, at + relation.size());
        }
        if (first != std::string::npos)
            results[line.substr(0, first)] = line.substr(end);
    }
    const std::map<std::string, std::string> symbols = {{"BC", "a"},
                                                        {"AC", "b"},
                                                        {"AB", "c"},
                                                        {"Yg_a", "l_a"},
                                                        {"Yg_b", "l_b"},
                                                        {"Yg_c", "l_c"},
                                                        {"Лице на триъгълника S", "S"}};
    for (const std::string &line :
         Lines(calc::ReportText(solution, {.decimalSeparator = c.separator, .lineEnd = "\n"}))) {
        const std::size_t equals = line.find(" = ");
        if (equals != std::string::npos) {
            EXPECT_EQ(results[symbols.at(line.substr(0, equals))], Written(line.substr(equals + 3)))
                << line;
        }
    }
    if (solution.outcome == calc::Outcome::Solved && c.mode != InputMode::Sides) {
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(results[std::string(c.mode == InputMode::Heights ? "h_" : "m_") +
                              static_cast<char>('a' + i)],
                      Written(calc::NumberText(solution.given[i], c.separator)));
        }
    }

    std::string html;
    solution::AppendMathMl(html, worked);
    std::set<std::string> names;
    EXPECT_EQ(Elements(html, names), "");
    const std::set<std::string> presentation = {"div",  "p",    "wbr",    "math",  "mrow",
                                                "mi",   "mn",   "mo",     "mfrac", "msqrt",
                                                "msub", "msup", "msubsup"};
    for (const std::string &name : names)
        EXPECT_TRUE(presentation.contains(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, SolutionTest,
    testing::Values(
        Case{"Sides345",
             InputMode::Sides,
             {"3", "4", "5"},
             ".",
             {"p = (a + b + c)/2 = (3 + 4 + 5)/2 = 6",
              "S = √(p(p − a)(p − b)(p − c)) = √(6 · 3 · 2 · 1) = 6",
              "l_a² = bc − bca²/(b + c)² = 4 · 5 − 4 · 5 · 3²/(4 + 5)²",
              "l_a = 4√10/3 ≈ 4.21637021355784"}},
        Case{"Medians345InBulgarian",
             InputMode::Medians,
             {"3", "4", "5"},
             ",",
             {"a = (2/3)√(2m_b² + 2m_c² − m_a²) = (2/3)√(2 · 4² + 2 · 5² − 3²) = (2/3)√73 = "
              "2√73/3 ≈ 5,69600249687835",
              "m_a = (1/2)√(2b² + 2c² − a²) ≈ (1/2)√(2 · 4,80740170061865² + 2 · "
              "3,33333333333333² − 5,69600249687835²) = 3"}},
        Case{"Heights234",
             InputMode::Heights,
             {"2", "3", "4"},
             ".",
             {"1/h_b = 1/3 ≈ 0.333333333333333",
              "1/S² = (1/h_a + 1/h_b + 1/h_c)(1/h_a + 1/h_b − 1/h_c)(1/h_a − 1/h_b + 1/h_c)"
              "(−1/h_a + 1/h_b + 1/h_c) = (1/2 + 1/3 + 1/4)(1/2 + 1/3 − 1/4)(1/2 − 1/3 + 1/4)"
              "(−1/2 + 1/3 + 1/4) = (13/12) · (7/12) · (5/12) · (1/12) = 455/20736 ≈ "
              "0.0219425154320988",
              "S = 1/√(1/S²) = 1/√(455/20736) = 144√455/455 ≈ 6.75082412551434",
              "a = 2S/h_a ≈ 2 · 6.75082412551434/2 = 144√455/455 ≈ 6.75082412551434"}},
        Case{"HeightsOf345",
             InputMode::Heights,
             {"4", "3", "2.4"},
             ".",
             {"1/h_c = 1/2.4 = 5/12 ≈ 0.416666666666667", "c = 2S/h_c = 2 · 6/2.4 = 5",
              "h_c = 2S/c = 2 · 6/5 = 2.4"}},
        Case{"TinyMedians",
             InputMode::Medians,
             {"3e-100", "4e-100", "5e-100"},
             ".",
             {"c = (2/3)√(2m_a² + 2m_b² − m_c²) = (2/3)√(2 · (3 · 10⁻¹⁰⁰)² + 2 · (4 · 10⁻¹⁰⁰)² − "
              "(5 · 10⁻¹⁰⁰)²) ≈ (2/3) · 5 · 10⁻¹⁰⁰ ≈ 3.33333333333333 · 10⁻¹⁰⁰"}},
        Case{"SidesAddUp",
             InputMode::Sides,
             {"0,1", "0,2", "0,3"},
             ",",
             {"a + b = 0,1 + 0,2 = 0,3 = c: едната страна не е по-малка от сбора на другите две"}},
        Case{"ReciprocalsFallShort",
             InputMode::Heights,
             {"1", "3", "6"},
             ".",
             {"1/h_b + 1/h_c = 1/3 + 1/6 < 1 = 1/h_a: страните са пропорционални на 1/h_a, "
              "1/h_b и 1/h_c, а едната от тези три стойности не е по-малка от сбора на другите "
              "две"}},
        Case{"NegativeMedian",
             InputMode::Medians,
             {"4", "-1", "4"},
             ".",
             {"m_b = −1 < 0: медианата на триъгълник е положително число"}},
        Case{"OutOfRange",
             InputMode::Sides,
             {"3e200", "4e200", "5e200"},
             ".",
             {"Защо няма резултат:",
              "такъв триъгълник има, но някоя от дължините или лицето му е извън обхвата на "
              "числата, с които смята програмата"}}),
    RowName<Case>);

} // namespace
