#include "calculate.h"
#include "exact_values.h"
#include "report.h"
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

// The prefixes of WordprocessingML and Office Math, declared around a fragment of them.
const std::string kOfficeNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\"";

// The elements of an HTML fragment read as XML, or the reason it is not well-formed.
std::string Elements(const std::string &html, std::set<std::string> &names,
                     const std::string &namespaces = {})
{
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &names);
    XML_SetStartElementHandler(parser, [](void *data, const XML_Char *name, const XML_Char **) {
        static_cast<std::set<std::string> *>(data)->insert(name);
    });
    const std::string document = "<div" + namespaces + ">" + html + "</div>";
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
// 5.69600249687835 for BC = 5.69600249687835), rounded once from the exact value, unless the
// report prints its formula's digits (which the exact values say, not the solution); every
// check ends in its verdict; the medians worked back from the
// sides are the given ones; the MathML is well-formed and of Presentation MathML's
// elements alone.
TEST_P(SolutionTest, AgreesWithTheReport)
{
    const Case &c = GetParam();
    const calc::Solution solution = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                    c.separator, {.exactValues = true});
    const solution::WorkedSolution worked = solution::Work(solution);
    std::string text;
    solution::AppendText(text, worked, c.separator);
    const std::vector<std::string> lines = Lines(text);
    for (const std::string &line : c.lines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << "\n" << text;

    // The left-hand side: the last item and the whole line, up to the checks.
    std::map<std::string, std::pair<std::string, std::string>> results;
    bool checks = false;
    for (const std::string &line : lines) {
        checks = checks || line.starts_with("Проверка");
        const std::string body = line.substr(0, line.find(": "));
        std::size_t first = std::string::npos, last = 0, end = 0;
        for (const std::string relation : {" = ", " ≈ "}) {
            first = std::min(first, body.find(relation));
            if (const std::size_t at = body.rfind(relation); at != std::string::npos && at >= last)
                std::tie(last, end) = std::pair(at, at + relation.size());
        }
        if (first == std::string::npos)
            continue;
        const std::string left = body.substr(0, first);
        if (!checks || left.starts_with("m_"))
            results[left] = {body.substr(end), line};
    }
    const std::map<std::string, std::pair<std::string, calc::Named>> symbols = {
        {"BC", {"a", {calc::Quantity::Side, 0}}},
        {"AC", {"b", {calc::Quantity::Side, 1}}},
        {"AB", {"c", {calc::Quantity::Side, 2}}},
        {"Yg_a", {"l_a", {calc::Quantity::Bisector, 0}}},
        {"Yg_b", {"l_b", {calc::Quantity::Bisector, 1}}},
        {"Yg_c", {"l_c", {calc::Quantity::Bisector, 2}}},
        {"Лице на триъгълника S", {"S", {calc::Quantity::Area, 0}}}};
    for (const std::string &line :
         Lines(calc::ReportText(solution, {.decimalSeparator = c.separator, .lineEnd = "\n"}))) {
        const std::size_t equals = line.find(" = ");
        if (equals == std::string::npos)
            continue;
        const std::string printed = Written(line.substr(equals + 3));
        const auto &[symbol, value] = symbols.at(line.substr(0, equals));
        const auto &[last, whole] = results[symbol];
        EXPECT_TRUE(
            last == printed ||
            !calc::DifferingDigits(solution.triangle.At(value), solution.exact->Of(value)).empty())
            << line << "\n"
            << whole;
    }
    bool verdict = true;
    for (const std::string &line : lines) {
        if (line.starts_with("Проверка")) {
            verdict = false;
        } else if (line.ends_with(":")) { // the next part's title: the check has ended
            EXPECT_TRUE(verdict) << text;
        }
        verdict = verdict || line.find(": ✓ ") != std::string::npos;
    }
    EXPECT_TRUE(verdict) << text;
    if (solution.outcome == calc::Outcome::Solved && c.mode == InputMode::Medians) {
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(results["m_" + std::string(1, static_cast<char>('a' + i))].first,
                      Written(calc::NumberText(solution.given[i], c.separator)));
    }

    std::string html;
    solution::AppendMathMl(html, worked, c.separator);
    std::set<std::string> names;
    EXPECT_EQ(Elements(html, names), "");
    const std::set<std::string> presentation = {"div",   "p",     "span", "wbr",  "math",
                                                "mrow",  "mi",    "mn",   "mo",   "mtext",
                                                "mfrac", "msqrt", "msub", "msup", "msubsup"};
    for (const std::string &name : names)
        EXPECT_TRUE(presentation.contains(name)) << name;

    // One step under the other, and two side by side where both fit in half of A4's line.
    std::string omml;
    solution::AppendOmml(omml, worked, c.separator);
    solution::AppendOmml(omml, worked, c.separator, 10206);
    names.clear();
    EXPECT_EQ(Elements(omml, names, kOfficeNamespaces), "");
    const std::set<std::string> office = {
        "div",         "w:p",          "w:pPr",     "w:pStyle",    "w:r",       "w:keepNext",
        "w:tab",       "w:t",          "m:oMath",   "m:r",         "m:rPr",     "m:nor",
        "m:t",         "m:d",          "m:e",       "m:f",         "m:num",     "m:den",
        "m:rad",       "m:radPr",      "m:deg",     "m:degHide",   "m:sSub",    "m:sub",
        "m:sSup",      "m:sup",        "m:sSubSup", "w:tbl",       "w:tblPr",   "w:tblW",
        "w:tblLayout", "w:tblCellMar", "w:left",    "w:right",     "w:tblLook", "w:tblGrid",
        "w:gridCol",   "w:tr",         "w:trPr",    "w:cantSplit", "w:tc",      "w:tcPr",
        "w:tcW"};
    for (const std::string &name : names)
        EXPECT_TRUE(office.contains(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, SolutionTest,
    testing::Values(
        Case{"Sides345",
             InputMode::Sides,
             {"3", "4", "5"},
             ".",
             {"p = (a + b + c)/2 = (3 + 4 + 5)/2 = 12/2 = 6",
              "S = √(p(p − a)(p − b)(p − c)) = √(6 · 3 · 2 · 1) = √36 = 6",
              "BL_a = ac/(b + c) = 3 · 5/(4 + 5) = 15/9 = 5/3",
              "CL_a = ab/(b + c) = 3 · 4/(4 + 5) = 12/9 = 4/3",
              "l_a² = bc − BL_a · CL_a = 4 · 5 − (5/3) · (4/3) = 20 − 20/9 = 160/9",
              "l_a = √(160/9) = √(16 · 10)/3 = 4√10/3 ≈ 4.21637021355784",
              "cos α = (b² + c² − a²)/(2bc) = (4² + 5² − 3²)/(2 · 4 · 5) = 32/(2 · 20) = 4/5",
              "sin α = √(1 − cos² α) = √(1 − (4/5)²) = √(9/25) = 3/5",
              "S = (1/2)bc · sin α = (1/2) · 4 · 5 · (3/5) = 6: ✓ същото лице",
              ("l_a = 2√(bcp(p − a))/(b + c) = 2√(4 · 5 · 6 · 3)/(4 + 5) = 2√360/9 = 2 · 6√10/9 = "
               "4√10/3: ✓ същото")}},
        // Equal bisectors once; the axis of an isosceles triangle is also its altitude and
        // median.
        Case{"Isosceles",
             InputMode::Sides,
             {"5", "5", "6"},
             ".",
             {"l_b = l_a = 24√5/11 ≈ 4.87869376909045: понеже a = b",
              "l_c = √16 = 4: понеже a = b, l_c е и височина, и медиана: l_c = h_c = m_c"}},
        Case{"AlmostDegenerate",
             InputMode::Sides,
             {"1", "1", "1.9999"},
             ".",
             {("триъгълникът е почти изроден: височината към най-дългата му страна е по-малка от "
               "стотната част от нея")}},
        Case{"SquareFactor",
             InputMode::Sides,
             {"7", "8", "9"},
             ".",
             {("S = √(p(p − a)(p − b)(p − c)) = √(12 · 5 · 4 · 3) = √720 = √(144 · 5) = 12√5 ≈ "
               "26.8328157299975")}},
        // The decimals of the data are exact: 0,04 is 9,49 − 9,45, not 0,0400000000000009.
        Case{"DecimalSides",
             InputMode::Sides,
             {"9.45", "8.23", "1.3"},
             ",",
             {"p − a = 9,49 − 9,45 = 0,04",
              ("S = √(p(p − a)(p − b)(p − c)) = √(9,49 · 0,04 · 1,26 · 8,19) = √3,91724424 = "
               "√(48965553/12500000) = 819√146/5000 ≈ 1,97920293047479")}},
        Case{"Medians345InBulgarian",
             InputMode::Medians,
             {"3", "4", "5"},
             ",",
             {("a = (2/3)√(2m_b² + 2m_c² − m_a²) = (2/3)√(2 · 4² + 2 · 5² − 3²) = (2/3)√73 = "
               "2√73/3 ≈ 5,69600249687835"),
              ("b = (2/3)√(2m_c² + 2m_a² − m_b²) = (2/3)√(2 · 5² + 2 · 3² − 4²) = (2/3)√52 = "
               "(2/3)√(4 · 13) = (2/3) · 2√13 = 4√13/3 ≈ 4,80740170061865"),
              "S_m = √(p_m(p_m − m_a)(p_m − m_b)(p_m − m_c)) = √(6 · 3 · 2 · 1) = √36 = 6",
              "S = (4/3) · S_m = (4/3) · 6 = 8",
              ("m_a = (1/2)√(2b² + 2c² − a²) = (1/2)√(2 · (208/9) + 2 · (100/9) − 292/9) = "
               "(1/2)√36 = 3"),
              ("BL_a = ac/(b + c) = (2√73/3) · (10/3)/(4√13/3 + 10/3) = (20√73/9)/((10 + 4√13)/3) "
               "= (20√949 − 50√73)/81 ≈ 2,33230475017405"),
              ("l_a² = bc − BL_a · CL_a = (4√13/3) · (10/3) − ((20√949 − 50√73)/81) · ((104√73 − "
               "20√949)/81) = 40√13/9 − (224840√13 − 759200)/6561 = (759200 − 195680√13)/6561 ≈ "
               "8,17950410260731"),
              "l_a = √((759200 − 195680√13)/6561) ≈ 2,85998323467242"}},
        Case{"Heights4510",
             InputMode::Heights,
             {"4", "5", "10"},
             ".",
             {("a : b : c = 1/h_a : 1/h_b : 1/h_c = 1/4 : 1/5 : 1/10 = 5/20 : 4/20 : 2/20 = 5 : 4 "
               ": 2"),
              "p − a = 11k/2 − 5k = k/2",
              ("S = √(p(p − a)(p − b)(p − c)) = √((11k/2) · (k/2) · (3k/2) · (7k/2)) = "
               "√(231k⁴/16) = (k²/4)√231"),
              "S = a · h_a/2 = 5k · 4/2 = 10k", "(k²/4)√231 = 10k: делим двете страни на k (k ≠ 0)",
              "k = 10/(√231/4) = 40/√231 = 40√231/231 ≈ 2.63180677983908",
              "a = 5k = 5 · (40√231/231) = 200√231/231 ≈ 13.1590338991954",
              "BL_a = ac/(b + c) = 5k · 2k/(4k + 2k) = 10k²/(6k) = 5k/3",
              ("l_a = √(22k²/9) = (k/3)√22 = (√22/3) · (40√231/231) = 40√(22 · 231)/693 = "
               "40 · 11√42/693 = 40√42/63 ≈ 4.11475599898912"),
              "h_b = 2S/b = 2 · 10k/(4k) = 5: ✓ дадената"}},
        Case{"Heights234",
             InputMode::Heights,
             {"2", "3", "4"},
             ".",
             {"a = 6k = 6 · (24√455/455) = 144√455/455 ≈ 6.75082412551433"}},
        Case{"HeightsOf345",
             InputMode::Heights,
             {"4", "3", "2.4"},
             ".",
             {"a : b : c = 1/h_a : 1/h_b : 1/h_c = 1/4 : 1/3 : 1/2.4 = 3/12 : 4/12 : 5/12 = 3 : 4 "
              ": 5",
              "S = √(p(p − a)(p − b)(p − c)) = √(6k · 3k · 2k · k) = √(36k⁴) = 6k²",
              "k = 6/6 = 1"}},
        Case{
            "TinyMedians",
            InputMode::Medians,
            {"3e-100", "4e-100", "5e-100"},
            ".",
            {("c = (2/3)√(2m_a² + 2m_b² − m_c²) = (2/3)√(2 · (3 · 10⁻¹⁰⁰)² + 2 · (4 · 10⁻¹⁰⁰)² − "
              "(5 · 10⁻¹⁰⁰)²) = (2/3)√(2.5 · 10⁻¹⁹⁹) ≈ 3.33333333333333 · 10⁻¹⁰⁰: точната стойност "
              "няма кратък запис с корени"),
             "S = (4/3) · S_m = (4/3) · 6 · 10⁻²⁰⁰ = 8 · 10⁻²⁰⁰"}},
        Case{
            "SidesAddUp",
            InputMode::Sides,
            {"0,1", "0,2", "0,3"},
            ",",
            {("a + b = 0,1 + 0,2 = 0,3 = c: неравенството на триъгълника изисква всяка страна да е "
              "по-малка от сбора на другите две; следователно такъв триъгълник не съществува")}},
        Case{"RatioFallsShort",
             InputMode::Heights,
             {"1", "2", "3"},
             ".",
             {"a : b : c = 1/h_a : 1/h_b : 1/h_c = 1/1 : 1/2 : 1/3 = 6/6 : 3/6 : 2/6 = 6 : 3 : 2",
              ("3 + 2 = 5 < 6: страните са обратно пропорционални на височините, а за числата 6, 3 "
               "и 2 неравенството на триъгълника не е изпълнено; следователно такъв триъгълник не "
               "съществува")}},
        Case{"NegativeSquare",
             InputMode::Medians,
             {"1", "1", "3"},
             ".",
             {"m_a + m_b = 1 + 1 = 2 < 3 = m_c",
              ("2m_a² + 2m_b² − m_c² = 2 · 1² + 2 · 1² − 3² = −5 < 0: медианите на всеки "
               "триъгълник образуват триъгълник, а за тези медиани неравенството на триъгълника "
               "не е изпълнено; под корена на формулата за страната излиза отрицателно число; "
               "следователно такъв триъгълник не съществува")}},
        Case{"NegativeMedian",
             InputMode::Medians,
             {"4", "-1", "4"},
             ".",
             {("m_b = −1 < 0: дължината на медиана на триъгълник е положително число; "
               "следователно такъв триъгълник не съществува")}},
        Case{"OutOfRange",
             InputMode::Sides,
             {"3e200", "4e200", "5e200"},
             ".",
             {"Защо няма резултат:",
              ("такъв триъгълник има, но някоя от дължините или лицето му е извън обхвата на "
               "числата, с които смята програмата")}},
        Case{"TooLong",
             InputMode::Heights,
             {"1", "1e-1000000000", "1"},
             ".",
             {"Защо няма резултат:",
              ("h_b: числото е записано с повече от 200 значещи цифри или с повече от 9 цифри в "
               "степенния показател, а програмата смята само с по-кратки числа")}}),
    RowName<Case>);

// One formula as Office Math: the element a writer of Word documents expects of each
// kind, well-formed.
struct OmmlCase {
    const char *name;
    solution::Expression formula;
    std::string omml;
};

std::ostream &operator<<(std::ostream &os, const OmmlCase &c)
{
    return os << c.name;
}

class OmmlTest : public testing::TestWithParam<OmmlCase>
{
};

TEST_P(OmmlTest, WritesOfficeMath)
{
    const OmmlCase &c = GetParam();
    std::string omml;
    solution::AppendOmml(omml, c.formula, ",");
    EXPECT_EQ(omml, c.omml);
    std::set<std::string> names;
    EXPECT_EQ(Elements(omml, names, kOfficeNamespaces), "");
}

const std::string kNumber = "<m:r><m:rPr><m:nor/></m:rPr><m:t xml:space=\"preserve\">";

// A number of fifteen digits, the value itself or the value rounded.
solution::Expression Decimal(double value, bool exact)
{
    calc::Digits digits = calc::DigitsOf(value);
    digits.exact = exact;
    return solution::Decimal(digits);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, OmmlTest,
    testing::Values(
        // 56/25 stacked, not "5625" on one line
        OmmlCase{"Fraction", solution::Fraction(solution::Integer(56), solution::Integer(25)),
                 "<m:oMath><m:f><m:num>" + kNumber + "56</m:t></m:r></m:num><m:den>" + kNumber +
                     "25</m:t></m:r></m:den></m:f></m:oMath>"},
        // 4√10: the root's degree hidden, the factors side by side
        OmmlCase{"Root",
                 solution::Product(solution::List(solution::Whole("4"),
                                                  solution::Root(solution::Whole("10")))),
                 "<m:oMath>" + kNumber +
                     "4</m:t></m:r><m:rad><m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/>"
                     "<m:e>" +
                     kNumber + "10</m:t></m:r></m:e></m:rad></m:oMath>"},
        // m_b²: the exponent over the subscript; (p − a)²: the base in brackets
        OmmlCase{"PowerOfASubscript", solution::Square(solution::Symbol("m", 'b')),
                 "<m:oMath><m:sSubSup><m:e><m:r><m:t>m</m:t></m:r></m:e><m:sub><m:r><m:t>b</m:t>"
                 "</m:r></m:sub><m:sup>" +
                     kNumber + "2</m:t></m:r></m:sup></m:sSubSup></m:oMath>"},
        OmmlCase{"PowerOfASum",
                 solution::Square(solution::Sum(solution::List(
                     solution::Symbol("p"), solution::Negative(solution::Symbol("a"))))),
                 "<m:oMath><m:sSup><m:e><m:d><m:e><m:r><m:t>p</m:t></m:r><m:r><m:t>−</m:t></m:r>"
                 "<m:r><m:t>a</m:t></m:r></m:e></m:d></m:e><m:sup>" +
                     kNumber + "2</m:t></m:r></m:sup></m:sSup></m:oMath>"},
        // 3,9² ≈ 15,21 < l_a: a decimal comma inside its number, the relations as signs
        OmmlCase{"ChainOfDecimals",
                 solution::Chain(solution::Square(Decimal(3.9, true)))
                     .Is(Decimal(15.21, false))
                     .Then(solution::Relation::Less, solution::Symbol("l", 'a'))
                     .Take(),
                 "<m:oMath><m:sSup><m:e>" + kNumber + "3,9</m:t></m:r></m:e><m:sup>" + kNumber +
                     "2</m:t></m:r></m:sup></m:sSup><m:r><m:t>≈</m:t></m:r>" + kNumber +
                     "15,21</m:t></m:r><m:r><m:t>&lt;</m:t></m:r><m:sSub><m:e><m:r><m:t>l</m:t>"
                     "</m:r></m:e><m:sub><m:r><m:t>a</m:t></m:r></m:sub></m:sSub></m:oMath>"},
        // a : b : c = 5 : 4 : 2
        OmmlCase{"Ratio",
                 solution::Ratio(solution::List(solution::Whole("5"), solution::Whole("4"))),
                 "<m:oMath>" + kNumber + "5</m:t></m:r><m:r><m:t>:</m:t></m:r>" + kNumber +
                     "4</m:t></m:r></m:oMath>"}),
    RowName<OmmlCase>);

} // namespace
