#include "answer_key.h"

#include "figure.h"
#include "input_labels.h"
#include "markup.h"
#include "numbers.h"
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

constexpr std::string_view kStyle = R"(@page { size: A4; margin: 14mm 15mm 16mm; }
html { font-family: "Liberation Serif", "Times New Roman", serif; font-size: 12pt;
       color: #000; background: #fff; }
body { max-width: 180mm; margin: 0 auto; padding: 0 4mm; }
h1 { font-size: 17pt; margin: 0 0 2pt; }
.kind { margin: 0 0 8pt; }
.task { break-inside: avoid; page-break-inside: avoid; display: flex; flex-wrap: wrap;
        gap: 2mm 6mm; align-items: flex-start; border-top: 0.6pt solid #777; padding: 3mm 0; }
.task h2 { flex: 0 0 100%; font-size: 13pt; margin: 0; }
.data { flex: 1 1 70mm; }
.given { border-collapse: collapse; margin-bottom: 3pt; }
.given th { font-weight: normal; text-align: left; padding: 0 6pt 0 0; }
.given td { white-space: pre-wrap; }
.report { font-family: inherit; font-size: 11.5pt; white-space: pre-wrap; margin: 0; }
.refused .report, .problem { font-weight: bold; }
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

std::string_view KindText(calc::InputMode mode)
{
    switch (mode) {
    case calc::InputMode::Heights:
        return "Дадени са трите височини на триъгълника: ha, hb и hc.";
    case calc::InputMode::Medians:
        return "Дадени са трите медиани на триъгълника: ma, mb и mc.";
    case calc::InputMode::Sides:
        break;
    }
    return "Дадени са трите страни на триъгълника: a, b и c.";
}

void AppendHead(std::string &html, calc::InputMode mode)
{
    html += "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    html += kHeading;
    html += "</title>\n<style>\n";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n<h1>";
    html += kHeading;
    html += "</h1>\n<p class=\"kind\">";
    html += KindText(mode);
    html += "</p>\n";
}

} // namespace

AnswerKey::AnswerKey(calc::InputMode mode, std::string_view decimalSeparator)
    : mode_(mode), separator_(decimalSeparator)
{
}

void AnswerKey::OpenBlock(std::string &out, std::string_view kind)
{
    if (blocks_ == 0)
        AppendHead(out, mode_);
    const std::string number = std::to_string(++blocks_);
    out += "<section class=\"";
    out += kind;
    out += "\" id=\"task-";
    out += number;
    out += "\">\n<h2>Задача ";
    out += number;
    out += "</h2>\n<div class=\"data\">\n";
}

void AnswerKey::Add(std::string &out, const Record &record)
{
    if (record.Malformed()) {
        OpenBlock(out, "task malformed");
        out += "<table class=\"given\">\n<tr><th>Ред:</th><td>";
        AppendEscaped(out, record.line);
        out += "</td></tr>\n</table>\n<p class=\"problem\">Редът трябва да съдържа три числа, "
               "а съдържа ";
        out += std::to_string(record.count);
        out += ".</p>\n</div>\n</section>\n";
        return;
    }
    const calc::Solution &solution = *record.solution;
    const bool solved = record.Solved();
    OpenBlock(out, solved ? "task" : "task refused");
    out += "<table class=\"given\">\n";
    for (std::size_t i = 0; i < 3; ++i) {
        out += "<tr><th>";
        out += calc::kInputLabels[static_cast<int>(mode_)][i];
        out += "</th><td>";
        // The length as the core read it from the text, written as the report writes
        // numbers: what was solved, in the locale's notation.
        scratch_.clear();
        calc::AppendNumberText(scratch_, solution.given[i], separator_);
        AppendEscaped(out, scratch_);
        out += "</td></tr>\n";
    }
    out += "</table>\n<pre class=\"report\">";
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
        prefix += std::to_string(blocks_);
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
    if (blocks_ == 0) {
        AppendHead(out, mode_);
        out += "<p>Няма задачи.</p>\n";
    }
    out += "</body>\n</html>\n";
    blocks_ = 0;
}

} // namespace worksheet
