#include "answer_key.h"

#include "figure.h"
#include "markup.h"
#include "solution.h"

namespace worksheet
{

using figure::AppendEscaped;
namespace
{

// The key's own rules, after those of every printed page. The worked solution is laid out
// as on the web page (page.css): a step a grid, a formula's left-hand side in the first
// column and its relations in the second, fractions at full size, brackets and
// roots from a font for formulas; on paper two steps stand side by side where both fit
// across the page, so that a block keeps to one page.
constexpr std::string_view kStyle =
    R"(.report { font-family: inherit; font-size: 11.5pt; white-space: pre-wrap; margin: 0; }
.refused .report { font-weight: bold; }
.report.exact { margin-top: 3pt; }
figure { flex: 0 0 auto; margin: 0; }
figure svg { display: block; width: 84mm; height: auto; }
.steps { flex: 0 0 100%; font-size: 10.5pt; line-height: 1.2;
         display: flex; flex-wrap: wrap; align-items: flex-start; column-gap: 6mm; }
.steps h3 { flex: 0 0 100%; font-size: 11.5pt; margin: 0; }
.steps p { margin: 0; }
.steps .part { flex: 0 0 100%; font-style: italic; margin-top: 2pt; break-after: avoid; }
.steps .step { flex: 1 1 76mm; display: grid;
               grid-template-columns: fit-content(50%) minmax(min-content, 1fr);
               align-items: baseline; padding-left: 6mm; break-inside: avoid; }
.steps .note, .steps .alone { grid-column: 1 / -1; }
.steps .row { grid-column: 2; }
.steps .group { display: inline-block; padding-left: 1em; text-indent: -1em; }
.steps math { font-family: inherit; font-size: 10.5pt; math-style: normal; }
.steps mi { text-transform: none; font-style: italic; }
.steps :is(msqrt, mfrac, mo[fence]) {
  font-family: "STIX Two Math", "Cambria Math", "Latin Modern Math", "DejaVu Math TeX Gyre", math; }
.steps :is(msqrt, mfrac) > * { font-family: "Liberation Serif", "Times New Roman", serif; }
.steps mfrac > * { math-style: normal; }
.steps mfrac mfrac > * { font-size: 85%; }
)";

} // namespace

AnswerKey::AnswerKey(calc::InputMode mode, std::string_view decimalSeparator)
    : separator_(decimalSeparator), page_(mode, decimalSeparator, kHeading, kStyle)
{
}

void AnswerKey::Add(std::string &out, const Record &record)
{
    if (record.Malformed()) {
        page_.OpenBlock(out, record, "task malformed");
        out += "</div>\n</section>\n";
        return;
    }
    const calc::Solution &solution = *record.solution;
    const bool solved = record.Solved();
    page_.OpenBlock(out, record, solved ? "task" : "task refused");
    out += "<pre class=\"report\">";
    scratch_.clear();
    const calc::ReportStyle style{.decimalSeparator = separator_, .lineEnd = "\n"};
    calc::AppendReport(scratch_, solution, style);
    AppendEscaped(out, scratch_);
    out += "</pre>\n";
    scratch_.clear();
    calc::AppendExactValues(scratch_, solution, style);
    if (!scratch_.empty()) {
        out += "<pre class=\"report exact\">";
        AppendEscaped(out, scratch_);
        out += "</pre>\n";
    }
    out += "</div>\n";
    if (solved) {
        std::string prefix = "t";
        prefix += std::to_string(page_.Blocks());
        prefix += '-';
        const std::string svg = figure::Svg(solution, {.width = kFigureWidth,
                                                       .height = kFigureHeight,
                                                       .decimalSeparator = separator_,
                                                       .idPrefix = prefix,
                                                       .xmlDeclaration = false});
        // No empty figure: the block says why there is none.
        if (svg.empty()) {
            out += "<p class=\"problem\">";
            AppendEscaped(out, figure::NoFigureReason(solution));
            out += "</p>\n";
        } else {
            out += "<figure>\n";
            out += svg;
            out += "</figure>\n";
        }
    }
    // The worked solution, or why there is none, across the block under the data and
    // the figure.
    out += "<div class=\"steps\">\n<h3>";
    out += solution::kHeading;
    out += "</h3>\n";
    solution::AppendMathMl(out, solution::Work(solution, separator_));
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
