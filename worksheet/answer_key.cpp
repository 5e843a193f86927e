#include "answer_key.h"

#include "figure.h"
#include "markup.h"
#include "solution.h"

namespace worksheet
{

using figure::AppendEscaped;
namespace
{

constexpr std::string_view kHeading = "Ключ с отговори — ъглополовящи в триъгълник";

// The figures of the key are smaller than a standalone one; the page sets their printed
// width.
constexpr double kFigureWidth = 360;
constexpr double kFigureHeight = 270;

// The key's own rules, after those of every printed page.
constexpr std::string_view kStyle =
    R"(.report { font-family: inherit; font-size: 11.5pt; white-space: pre-wrap; margin: 0; }
.refused .report { font-weight: bold; }
.report.exact { margin-top: 3pt; }
figure { flex: 0 0 auto; margin: 0; }
figure svg { display: block; width: 84mm; height: auto; }
.steps { flex: 0 0 100%; font-size: 10.5pt; line-height: 1.2; }
.steps h3 { font-size: 11.5pt; margin: 0; }
.steps p { margin: 0; }
.steps .part { font-style: italic; margin-top: 2pt; }
.steps .step { padding-left: 6mm; text-indent: -3mm; }
.steps math { font-family: inherit; font-size: 10.5pt; }
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
