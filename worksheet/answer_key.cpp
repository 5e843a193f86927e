#include "answer_key.h"

#include "chapter_report.h"
#include "chapter_work.h"
#include "figure.h"
#include "markup.h"
#include "printout.h"
#include "solution.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>

namespace worksheet
{

using figure::AppendEscaped;
namespace
{

// The key's own rules, after those of every printed page. The worked solution is laid out
// as on the web page (page.css): a step a grid, a formula's left-hand side in the first
// column and its relations in the second, fractions at full size, brackets and roots from
// a font for formulas; on paper two steps stand side by side (a pair), so that a block
// takes little paper. A block that fits a page is kept whole on one; a longer one ("long")
// breaks between the pairs of its steps, the task's number, data and figure kept together
// (its head), as are the heading and each part's title with the part's first pair.
constexpr std::string_view kStyle =
    R"(.task { display: block; }
.task.long { break-inside: auto; page-break-inside: auto; }
.head { display: flex; flex-wrap: wrap; gap: 2mm 6mm; align-items: flex-start;
        break-inside: avoid; page-break-inside: avoid; }
.report { font-family: inherit; font-size: 11.5pt; white-space: pre-wrap; margin: 0; }
.refused .report { font-weight: bold; }
.report.exact { margin-top: 3pt; }
figure { flex: 0 0 auto; margin: 0; }
figure svg { display: block; width: 84mm; height: auto; }
.steps { margin-top: 2mm; font-size: 10.5pt; line-height: 1.2; }
.steps h3 { font-size: 11.5pt; margin: 0; }
.steps p { margin: 0; }
.steps .part { font-style: italic; margin-top: 2pt; }
.steps .keep, .steps .pair { break-inside: avoid; page-break-inside: avoid; }
.steps .pair { display: flex; flex-wrap: wrap; align-items: flex-start; column-gap: 6mm; }
.steps .step { flex: 1 1 76mm; display: grid;
               grid-template-columns: fit-content(50%) minmax(min-content, 1fr);
               align-items: baseline; padding-left: 6mm; }
.steps .note, .steps .alone { grid-column: 1 / -1; }
.steps .row { grid-column: 2; }
.steps .lhs, .steps .group { padding-left: 1em; text-indent: -1em; }
.steps .group { display: inline-table; }
.steps :is(.lhs, .row) math { padding-block: 0.15em; }
.steps math { font-family: inherit; font-size: 10.5pt; math-style: normal; }
.steps mi { text-transform: none; font-style: italic; }
.steps :is(msqrt, mfrac, mo[fence]) {
  font-family: "STIX Two Math", "Cambria Math", "Latin Modern Math", "DejaVu Math TeX Gyre", math; }
.steps :is(msqrt, mfrac) > * { font-family: "Liberation Serif", "Times New Roman", serif; }
.steps mfrac > * { math-style: normal; }
.steps mfrac mfrac > * { font-size: 85%; }
)";

// The printed page, in mm: A4's height less its margins (printed_page.cpp), and the room
// the solution has across it; the solution's font, 10.5 pt, in mm.
constexpr double kPageHeight = 297 - 14 - 16;
constexpr double kEm = 10.5 * 25.4 / 72;
constexpr solution::Column kColumn{.width = 172 / kEm,
                                   .gap = 6 / kEm,
                                   .indent = 6 / kEm,
                                   .heading = 11.5 / 10.5 * 1.2,
                                   .titleSpace = 2.0 / 10.5};
// How much of a page a block is to take at most, in Chromium's layout, which the estimate
// follows, to fit it in Firefox's too, a few per cent taller.
constexpr double kFit = 0.97;
// The key's heading and the line under it, above the first block.
constexpr double kTitleHeight = 15.2;
// The end of a block longer than a page kept together, so that the last page it goes on
// to holds more than a third.
constexpr double kTail = kPageHeight * 0.36 / kEm;
// A line of the report, 11.5 pt; a length of the data, 12 pt; the number, 13 pt, and the
// space round the block and between its parts; the figure's printed height.
constexpr double kReportLine = 11.5 * 25.4 / 72 * 1.15;
constexpr double kDataLine = 12 * 25.4 / 72 * 1.15;
constexpr double kNumber = 13 * 25.4 / 72 * 1.15 + 2;
constexpr double kSpace = 3 + 3 + 2;
constexpr double kFigureWidthMm = 84;
constexpr double kFigure = kFigureWidthMm * AnswerKey::kFigureHeight / AnswerKey::kFigureWidth;
// The data's room beside the figure, and a character of the report in it.
constexpr double kDataWidth = 172 - kFigureWidthMm - 6;
constexpr double kReportLetter = 11.5 * 25.4 / 72 * 0.45;

// Whether a block of a solved or refused triple is taller than `room`: its head (the
// number, then the data beside the figure) and its solution, its numbers with `separator`.
bool Long(double room, std::string_view report, std::string_view exact, bool drawn,
          const solution::WorkedSolution &worked, std::string_view separator)
{
    // The lines of a report as wrapped beside the figure, a character 0.45 em wide.
    const auto lines = [&](std::string_view text) {
        const double width = drawn ? kDataWidth : kDataWidth + kFigureWidthMm;
        double count = 0;
        ForEachLine(text, [&](std::string_view line) {
            const auto characters = static_cast<double>(calc::Utf8Characters(line));
            count += std::max(1.0, std::ceil(characters * kReportLetter / width));
        });
        return count;
    };
    const double data = 3 * kDataLine + 1 + (lines(report) + lines(exact)) * kReportLine + 1;
    const double head = kNumber + std::max(data, drawn ? kFigure : 0.0);
    return kSpace + head + 2 + solution::PaperHeight(worked, kColumn, separator) * kEm >
           kFit * room;
}

} // namespace

AnswerKey::AnswerKey(Topic topic, std::string_view decimalSeparator)
    : separator_(decimalSeparator),
      page_(topic, decimalSeparator, topic.givens ? kGivensHeading : kHeading, kStyle)
{
}

void AnswerKey::Add(std::string &out, const Record &record)
{
    if (record.Malformed()) {
        page_.OpenBlock(out, record, "task malformed", true);
        out += "</div>\n</div>\n</section>\n";
        return;
    }
    if (record.chapter) {
        AddGivens(out, record);
        return;
    }
    const calc::Solution &solution = *record.solution;
    const bool solved = record.Solved();
    const calc::ReportStyle style{.decimalSeparator = separator_, .lineEnd = "\n"};
    scratch_.clear();
    calc::AppendReport(scratch_, solution, style);
    const std::size_t reportEnd = scratch_.size();
    calc::AppendExactValues(scratch_, solution, style);
    const std::string_view report = std::string_view(scratch_).substr(0, reportEnd);
    const std::string_view exact = std::string_view(scratch_).substr(reportEnd);
    std::string svg;
    if (solved) {
        std::string prefix = "t";
        prefix += std::to_string(page_.Blocks() + 1);
        prefix += '-';
        svg = figure::Svg(solution, {.width = kFigureWidth,
                                     .height = kFigureHeight,
                                     .decimalSeparator = separator_,
                                     .idPrefix = prefix,
                                     .xmlDeclaration = false});
    }
    const solution::WorkedSolution worked = solution::Work(solution);
    // The first block has the page under the key's heading: where it does not fit there,
    // it goes on over the pages, not to the next page, leaving the first with the heading.
    const bool overPage = Long(kPageHeight - (page_.Blocks() == 0 ? kTitleHeight : 0), report,
                               exact, !svg.empty(), worked, separator_);
    std::string classes = solved ? "task" : "task refused";
    if (overPage)
        classes += " long";
    page_.OpenBlock(out, record, classes, true);
    out += "<pre class=\"report\">";
    AppendEscaped(out, report);
    out += "</pre>\n";
    if (!exact.empty()) {
        out += "<pre class=\"report exact\">";
        AppendEscaped(out, exact);
        out += "</pre>\n";
    }
    out += "</div>\n";
    // No empty figure: the block says why there is none.
    if (solved && svg.empty()) {
        out += "<p class=\"problem\">";
        AppendEscaped(out, figure::NoFigureReason(solution));
        out += "</p>\n";
    } else if (solved) {
        out += "<figure>\n";
        out += svg;
        out += "</figure>\n";
    }
    // The worked solution, or why there is none, across the block under the data and
    // the figure.
    out += "</div>\n<div class=\"steps\">\n";
    solution::AppendMathMl(out, worked, separator_,
                           {.column = kColumn, .tail = overPage ? kTail : 0});
    out += "</div>\n</section>\n";
}

// The block of a task of givens: the report of every triangle, with its exact values, then
// a figure of each, drawn from its sides, as the figure of three sides is (a triangle too
// thin to draw says so in place of its figure), and the worked solution under them.
void AnswerKey::AddGivens(std::string &out, const Record &record)
{
    const calc::chapter::Solution &solution = *record.chapter;
    const bool solved = record.Solved();
    scratch_.clear();
    calc::chapter::AppendReport(scratch_, solution,
                                {.decimalSeparator = separator_, .lineEnd = "\n"}, true);
    const solution::WorkedSolution worked = solution::WorkChapter(solution);
    const bool overPage = Long(kPageHeight - (page_.Blocks() == 0 ? kTitleHeight : 0), scratch_, {},
                               !solution.triangles.empty(), worked, separator_);
    std::string classes = solved ? "task" : "task refused";
    if (overPage)
        classes += " long";
    page_.OpenBlock(out, record, classes, true);
    out += "<pre class=\"report\">";
    AppendEscaped(out, scratch_);
    out += "</pre>\n</div>\n";
    const std::size_t block = page_.Blocks();
    for (std::size_t i = 0; i < solution.triangles.size(); ++i) {
        const calc::Solution sides =
            calc::Solve(calc::InputMode::Sides, solution.triangles[i].Sides());
        std::string prefix = "t";
        prefix += std::to_string(block);
        prefix += '-';
        prefix += std::to_string(i + 1);
        prefix += '-';
        const std::string svg = figure::Svg(sides, {.width = kFigureWidth,
                                                    .height = kFigureHeight,
                                                    .decimalSeparator = separator_,
                                                    .idPrefix = prefix,
                                                    .xmlDeclaration = false});
        if (svg.empty()) {
            out += "<p class=\"problem\">";
            AppendEscaped(out, figure::NoFigureReason(sides));
            out += "</p>\n";
            continue;
        }
        out += "<figure>\n";
        if (solution.triangles.size() > 1) {
            out += "<figcaption>";
            out += calc::chapter::kTriangleHeading;
            out += std::to_string(i + 1);
            out += "</figcaption>\n";
        }
        out += svg;
        out += "</figure>\n";
    }
    // The worked solution, or why there is none, across the block under the data and the
    // figures.
    out += "</div>\n<div class=\"steps\">\n";
    solution::AppendMathMl(out, worked, separator_,
                           {.column = kColumn, .tail = overPage ? kTail : 0});
    out += "</div>\n</section>\n";
}

void AnswerKey::Finish(std::string &out)
{
    page_.Finish(out);
}

std::string AnswerKey::Style()
{
    return PrintedPage::Style(kStyle);
}

} // namespace worksheet
