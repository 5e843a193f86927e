#pragma once

// The worked solution: how the program gets from the three given lengths to the
// bisectors, step by step, as a teacher works it on the board, in the notation of a
// Bulgarian school textbook (a, b, c; h_a, m_a; p, S; l_a for the bisector that the report
// calls Yg_a; L_a for its foot).
//
//   altitudes   a : b : c = 1/h_a : 1/h_b : 1/h_c in whole numbers, a = x_a·k …, Heron's
//               formula in k, k from S = a·h_a/2; checked by 1/S² = P1·P2·P3·P4
//   sides       p, p − a …, and Heron's S = √(p(p − a)(p − b)(p − c)), its square factor
//               taken out of the root
//   medians     a = (2/3)√(2m_b² + 2m_c² − m_a²) …, and S = (4/3)·S_m, S_m by Heron on the
//               medians; checked by the medians worked back from the sides
//   then        each bisector through the segments its foot cuts the opposite side into,
//               l_a² = bc − BL_a·CL_a, checked by l_a² = bc − bca²/(b + c)²
//
// Every step is a chain: the formula, the numbers put in as exact values (fractions and
// roots), the simplified result, and only at its end a decimal, rounded once from the exact
// value. A value with no short exact form is said to have none and given as a decimal. A
// refused triple gets the reason in the same terms ("a + b = 0,1 + 0,2 = 0,3 = c: …").
//
// One model, several writers. Work makes the steps from the core's calc::Solution and its
// exact values (every number in them is one the core worked out; none is worked out here),
// each part by one of the school's routes, chosen by the kind of the lengths and the
// outcome (worker.h); its formulas are trees of values (expression.h), its notes words and
// the report's numbers, none of them text with a decimal separator in it. The writers take
// the separator and follow the one walk of a formula (walk.h): AppendText writes plain text
// (UTF-8, √ and ² as characters) for the command line and screen readers, AppendMathMl
// HTML with MathML for the web page and, in units a page may break between, for the answer
// key, which PaperHeight tells how tall it is printed; AppendOmml WordprocessingML with
// Office Math for the documents a teacher edits in Word or Writer. The exact values under
// the page's figure are formulas of the same kind (exact_block.h). No Qt.

#include "expression.h"
#include "triangle.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace solution
{

// The solution's heading, which the writers leave to the text around them.
inline constexpr std::string_view kHeading = "Решение:";

// A note after the formulas of a step, or alone: words, and among them numbers of the
// report as it prints them ("отчетът дава 6,75082412551434, …"), which a writer lays out
// with its decimal separator.
class Note
{
public:
    Note() = default;
    explicit Note(std::string_view words) { Add(words); }

    // Words after what is there, and a number of the report after them.
    Note &Add(std::string_view words);
    Note &Add(const calc::Number &reported);

    bool Empty() const { return runs_.empty(); }

    // The note as text, its numbers with `decimalSeparator` (calc::AppendNumber).
    void AppendText(std::string &out, std::string_view decimalSeparator) const;
    std::string Text(std::string_view decimalSeparator) const;

private:
    std::vector<std::variant<std::string, calc::Number>> runs_;
};

// One step of a solution: chains of equalities that go together (the three reciprocals;
// a bisector's square and the bisector), which the text writes a line each and the HTML as
// one grid; and a note after them (why a triple is refused), or the note alone.
struct Step {
    std::vector<Expression> formulas; // Chains
    Note note;
    // The last formula equates two workings ((k²/4)√231 = 10k): written whole on its line,
    // not with a name's column for its left side.
    bool equation = false;
};

// The steps that find one thing, under a title ("Лице по формулата на Херон:").
struct Part {
    std::string_view title;
    std::vector<Step> steps;
};

struct WorkedSolution {
    std::vector<Part> parts;
};

// The worked solution of a triple the core solved or refused. The exact forms are those of
// the solution (calc::SolveOptions::exactValues); without them there are no steps but for a
// length too long to work with, which the solution names.
WorkedSolution Work(const calc::Solution &solution);

// Every writer below lays the numbers out as the report writes them, with
// `decimalSeparator`.

// The solution as plain text: each part's title and each formula of each step on a line of
// its own, every line ended by `lineEnd`.
void AppendText(std::string &out, const WorkedSolution &worked,
                std::string_view decimalSeparator = ".", std::string_view lineEnd = "\n");

// The solution as HTML: a paragraph for each title (class "part") and a grid for each step
// (class "step"): a formula's first item (class "lhs"), then a row of its relations (class
// "row"), each a group (class "group"); a note in the last formula's row after a colon, or
// a paragraph where the step has no formula (class "note" both). The formulas are MathML,
// a row in pieces between which it may wrap ("= 6", "+ 1/3"; a group of them class
// "group"). The steps one under another, for a screen, which scrolls; no heading: the page
// around it has its own.
void AppendMathMl(std::string &out, const WorkedSolution &worked,
                  std::string_view decimalSeparator = ".");

// The paragraph styles AppendOmml gives the titles, the formulas of the steps and the
// notes, which the document around it defines; a formula's style has a tab stop where the
// relations start, and its further lines start there too.
inline constexpr std::string_view kOmmlPartStyle = "SolutionPart";
inline constexpr std::string_view kOmmlStepStyle = "SolutionStep";
inline constexpr std::string_view kOmmlNoteStyle = "SolutionNote";
// Where the step style puts a left-hand side and the relations, in twentieths of a point
// from the start of the line (6 mm and 28 mm).
inline constexpr int kStepIndent = 340;
inline constexpr int kRelationsAt = 1587;

// The solution as WordprocessingML paragraphs (<w:p>) with Office Math, laid out as
// AppendMathMl's: a paragraph for each title, one for each formula (its left-hand side, a
// tab, its relations), one for the note. The formulas are <m:oMath> elements between which
// a line wraps. Given the `lineWidth` (in twentieths of a point), each relation that fits in
// a line is one element, so that a line wraps at a relation first, and two steps that each
// fit in half the line stand side by side, as in the HTML, in a table without borders. The
// document around it declares the prefixes w: and m:. No heading.
void AppendOmml(std::string &out, const WorkedSolution &worked,
                std::string_view decimalSeparator = ".", int lineWidth = 0);

// One formula, whole, as an <m:oMath> element (prefix m:, declared around it).
void AppendOmml(std::string &out, const Expression &e, std::string_view decimalSeparator = ".");

// The column a solution is set in on paper, as the printed page's CSS sets it, in em of
// the formulas' font.
struct Column {
    double width;      // the whole column
    double gap;        // between the two steps of a pair
    double indent;     // of each step, before its left-hand sides
    double heading;    // the heading's line, kHeading's
    double titleSpace; // above each part's title
};

// How a solution is set on paper, which the browser cuts into pages: in `column`, its end
// kept together on a page for at least `tail` em, so that a solution longer than a page
// never leaves a page with a line of it.
struct Paper {
    Column column;
    double tail = 0;
};

// The solution as HTML for paper: as for a screen, under kHeading (h3), the steps of a part
// two a pair (class "pair"); the heading and each part's title kept with the part's first
// pair, and the end with what comes before it for `paper.tail` em (class "keep" each).
void AppendMathMl(std::string &out, const WorkedSolution &worked, std::string_view decimalSeparator,
                  const Paper &paper);

// How tall the solution is on paper in `column`, in em of its formulas' font: an estimate
// from the usual proportions of letters and digits, by which a printed page tells whether
// the solution fits it.
double PaperHeight(const WorkedSolution &worked, const Column &column,
                   std::string_view decimalSeparator = ".");

} // namespace solution
