#include "chapter.h"
#include "chapter_work.h"
#include "givens.h"
#include "row_name.h"
#include "solution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct ChapterCase {
    const char *name;
    const char *givens;
    std::vector<std::string> lines; // lines the text holds, in this order, among others
    const char *separator = ".";
};

std::ostream &operator<<(std::ostream &os, const ChapterCase &c)
{
    return os << c.name;
}

std::string Worked(const calc::chapter::Solution &solution, std::string_view separator)
{
    std::string text;
    solution::AppendText(text, solution::WorkChapter(solution), separator);
    return text;
}

// Whether `text` holds the lines in their order, the first one missing said in `missing`.
bool HoldsInOrder(const std::string &text, const std::vector<std::string> &lines,
                  std::string &missing)
{
    std::size_t at = 0;
    for (const std::string &line : lines) {
        const std::size_t found = text.find(line + "\n", at);
        if (found == std::string::npos || (found != 0 && text[found - 1] != '\n')) {
            missing = line;
            return false;
        }
        at = found + line.size() + 1;
    }
    return true;
}

class ChapterWorkTest : public testing::TestWithParam<ChapterCase>
{
};

// The worked solution of each closed form: its school formulas with the givens put in,
// the values the solve returned, and for the ambiguous case why it has the triangles it has.
TEST_P(ChapterWorkTest, WritesTheRoutesFormulas)
{
    const ChapterCase &c = GetParam();
    const calc::GivenLine line = calc::ReadGivens(c.givens, c.separator);
    ASSERT_EQ(line.problem, calc::GivenProblem::None);
    const calc::chapter::Solution solution =
        calc::chapter::Solve(line.givens, {.exactValues = true});
    const std::string text = Worked(solution, c.separator);
    std::string missing;
    EXPECT_TRUE(HoldsInOrder(text, c.lines, missing)) << "missing: " << missing << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(
    ClosedForms, ChapterWorkTest,
    testing::Values(
        ChapterCase{"SideAngleSideExact",
                    "a=5 b=7 gamma=60",
                    {"Третата страна по косинусовата теорема:",
                     "c² = a² + b² − 2ab · cos γ = 5² + 7² − 2 · 5 · 7 · (1/2) = 39",
                     "c = √39 ≈ 6.2449979983984",
                     "cos α = (b² + c² − a²)/(2bc) = (7² + (√39)² − 5²)/(2 · 7√39) = 3√39/26",
                     "α ≈ 43.897886248014°",
                     "p = (a + b + c)/2 = (5 + 7 + √39)/2 = 6 + √39/2 ≈ 9.1224989991992",
                     "S = √(p(p − a)(p − b)(p − c)) = 35√3/4 ≈ 15.1554445662277",
                     "r = S/p = 2√3 − √13/2 ≈ 1.66132597740576",
                     "R = abc/(4S) = 5 · 7√39/(4 · (35√3/4)) = √13 ≈ 3.60555127546399"}},
        ChapterCase{"SideAngleSideOtherAngle",
                    "a=5 b=7 gamma=50",
                    {"c² = a² + b² − 2ab · cos γ = 5² + 7² − 2 · 5 · 7cos γ ≈ 29,0048673219422",
                     "c ≈ 5,38561670767074"},
                    ","},
        ChapterCase{
            "AmbiguousTwo",
            "a=1,5 b=2 alpha=30",
            {"D = a² − b² · sin² α = 1,25",
             std::string(
                 "c = b · cos α ± √D: D > 0 (sin β = b·sin α/a < 1), α е остър и a < b: и ") +
                 "двата корена са положителни, два триъгълника.",
             "Триъгълник 1:", "c = √3 + √5/2", "Триъгълник 2:", "c = √3 − √5/2",
             std::string("cos β = (c² + a² − b²)/(2ca) = ((√3 − √5/2)² + 1,5² − 2²)/(2(√3 − √5/2) "
                         "· 1,5) = ") +
                 "−√5/3"},
            ","},
        ChapterCase{
            "AmbiguousOneObtuse",
            "a=3 b=2 alpha=120",
            {"D = a² − b² · sin² α = 6",
             std::string("c = b · cos α ± √D: D > 0 (sin β = b·sin α/a < 1), но α не е остър: ") +
                 "положителен е само коренът с +, един триъгълник."}},
        ChapterCase{
            "AmbiguousOneLonger",
            "a=2 b=1 alpha=30",
            {std::string(
                 "c = b · cos α ± √D: D > 0 (sin β = b·sin α/a < 1), но a ≥ b: положителен ") +
             "е само коренът с +, един триъгълник."}},
        ChapterCase{"AmbiguousRight",
                    "a=1 b=2 alpha=30",
                    {"D = a² − b² · sin² α = 0",
                     "c = b · cos α ± √D: D = 0: sin β = b·sin α/a = 1, β = 90°, един триъгълник.",
                     "β = 90°"}},
        ChapterCase{
            "AmbiguousNone",
            "a=0.9 b=2 alpha=30",
            {"Няма триъгълник:", "D = a² − b² · sin² α < 0", "sin β = b · sin α/a > 1",
             "sin β би излязъл по-голям от 1 (от a и b), а синусът на ъгъл е най-много 1."}},
        ChapterCase{
            "TwoAnglesAndThePerimeter",
            "alpha=30 beta=60 P=12",
            {"γ = 180° − α − β = 90°", "k = 12 − 4√3 ≈ 5.07179676972449",
             "b = k · sin β = 6√3 − 6 ≈ 4.39230484541326",
             std::string(
                 "c = k · sin γ = 12 − 4√3 ≈ 5.07179676972449: по синусовата теорема a : b : ") +
                 "c = sin α : sin β : sin γ; k от P"}},
        ChapterCase{"ThreeMedians",
                    "ma=3 mb=4 mc=5",
                    {"a = (2/3)√(2m_b² + 2m_c² − m_a²) = 2√73/3 ≈ 5.69600249687835",
                     "c = (2/3)√(2m_a² + 2m_b² − m_c²) = 10/3 ≈ 3.33333333333333",
                     "S = √(p(p − a)(p − b)(p − c)) = 8"}},
        ChapterCase{
            "SineFromAnAltitude",
            "a=5 ha=3 hb=4",
            {"sin γ = 4/5 = 0.8: от h_b = a·sin γ; ъгълът е остър или тъп: два случая",
             "b = 15/4 = 3.75: от h_a = b·sin γ",
             std::string(
                 "c² = a² + b² − 2ab · cos γ = 5² + (15/4)² − 2 · 5 · (15/4) · (3/5) = 265/16 ") +
                 "= 16.5625",
             "Триъгълник 2:", "c = √985/4", "γ ≈ 126.869897645844°"}},
        ChapterCase{
            "AngleSum",
            "alpha=30 beta=60 gamma=90",
            {"Безброй много триъгълници:",
             "Ъглите определят формата, но не и размера: пасва всеки подобен триъгълник."}}),
    RowName<ChapterCase>);

// A triple without a closed form: the equations in the sides the search solved and what it
// proved, with no steps of its own. The search's answer is made here: the sides 3, 4, 5.
TEST(ChapterWorkTest, SaysWhatTheSearchProved)
{
    calc::chapter::Solution solution = calc::chapter::Solve(calc::ReadGivens("a=3 b=4 c=5").givens);
    const std::string line = "la=3 hb=2.4 R=2.5";
    solution.givens = calc::ReadGivens(line).givens;
    solution.decision = calc::chapter::Decision::Search;
    solution.boxes = 120;
    solution.depth = 9;
    std::string text = Worked(solution, ".");
    std::string missing;
    EXPECT_TRUE(HoldsInOrder(
        text,
        {"Уравненията за страните a, b, c:", "l_a = √(bc((b + c)² − a²))/(b + c) = 3",
         "h_b = 2S/b = 2.4", "R = abc/(4S) = 2.5", "p = (a + b + c)/2",
         "S = √(p(p − a)(p − b)(p − c))", "Какво доказа търсенето:",
         std::string("Сертифицираното търсене по формата на триъгълника доказа, че решенията са "
                     "точно 1: ") +
             "подразделянето с интервална аритметика изключва само части без решение, а тестът "
             "на " +
             "Кравчик доказва, че всяка оставена част съдържа точно едно. Всяка страна е намерена "
             "с " +
             "относителна грешка под 10⁻¹². Прегледани части: 120, най-дълбоко деление: 9.",
         "Лице по формулата на Херон:"},
        missing))
        << "missing: " << missing << "\n"
        << text;
    // A search that met its limit claims no count.
    solution.proven = false;
    text = Worked(solution, ".");
    EXPECT_NE(text.find("Търсенето доказа 1 решение, но стигна границата си"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("точно 1"), std::string::npos) << text;
}

} // namespace
