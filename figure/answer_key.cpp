#include "answer_key.h"

#include "calculate.h"
#include "calculator.h"
#include "markup.h"
#include "names.h"
#include "worksheet_line.h"

namespace figure
{
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
figure { flex: 0 0 auto; margin: 0; }
figure svg { display: block; width: 84mm; height: auto; }
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
    AppendHead(html_, mode_);
}

void AnswerKey::OpenBlock(std::string_view kind)
{
    const std::string number = std::to_string(++blocks_);
    html_ += "<section class=\"";
    html_ += kind;
    html_ += "\" id=\"task-";
    html_ += number;
    html_ += "\">\n<h2>Задача ";
    html_ += number;
    html_ += "</h2>\n<div class=\"data\">\n";
}

calc::Outcome AnswerKey::Add(const std::array<std::string_view, 3> &inputs)
{
    const calc::Solution solution = calc::Calculate(mode_, inputs, separator_);
    const bool solved = solution.outcome == calc::Outcome::Solved;
    OpenBlock(solved ? "task" : "task refused");
    html_ += "<table class=\"given\">\n";
    for (std::size_t i = 0; i < 3; ++i) {
        html_ += "<tr><th>";
        html_ += model::kInputLabels[static_cast<int>(mode_)][i];
        html_ += "</th><td>";
        AppendEscaped(html_, inputs[i]);
        html_ += "</td></tr>\n";
    }
    html_ += "</table>\n<pre class=\"report\">";
    scratch_.clear();
    calc::AppendReport(scratch_, solution, {.decimalSeparator = separator_, .lineEnd = "\n"});
    AppendEscaped(html_, scratch_);
    html_ += "</pre>\n</div>\n";
    if (solved) {
        std::string prefix = "t";
        prefix += std::to_string(blocks_);
        prefix += '-';
        const std::string svg = Svg(solution, {.width = kFigureWidth,
                                               .height = kFigureHeight,
                                               .decimalSeparator = separator_,
                                               .idPrefix = prefix,
                                               .xmlDeclaration = false});
        // No empty figure: the block says why there is none.
        if (svg.empty()) {
            html_ += "<p class=\"problem\">";
            AppendEscaped(html_, NoFigureReason(solution));
            html_ += "</p>\n";
        } else {
            html_ += "<figure>\n";
            html_ += svg;
            html_ += "</figure>\n";
        }
    }
    html_ += "</section>\n";
    return solution.outcome;
}

AnswerKey::Line AnswerKey::AddLine(std::string_view line)
{
    calc::WorksheetLine fields(line);
    if (fields.Skipped())
        return Line::Skipped;
    std::array<std::string_view, 3> triple;
    std::size_t count = 0;
    for (std::string_view field; fields.Next(field); ++count)
        if (count < triple.size())
            triple[count] = field;
    if (count == triple.size()) {
        const calc::Outcome outcome = Add(triple);
        return outcome == calc::Outcome::Solved     ? Line::Solved
               : outcome == calc::Outcome::Rejected ? Line::Rejected
                                                    : Line::OutOfRange;
    }
    OpenBlock("task malformed");
    html_ += "<table class=\"given\">\n<tr><th>Ред:</th><td>";
    AppendEscaped(html_, fields.Text());
    html_ += "</td></tr>\n</table>\n<p class=\"problem\">Редът трябва да съдържа три числа, а "
             "съдържа ";
    html_ += std::to_string(count);
    html_ += ".</p>\n</div>\n</section>\n";
    return Line::Malformed;
}

std::string AnswerKey::Finish()
{
    if (blocks_ == 0)
        html_ += "<p>Няма задачи.</p>\n";
    html_ += "</body>\n</html>\n";
    std::string page = std::move(html_);
    html_.clear();
    blocks_ = 0;
    AppendHead(html_, mode_);
    return page;
}

} // namespace figure
