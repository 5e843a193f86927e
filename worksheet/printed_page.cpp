#include "printed_page.h"

#include "chapter.h"
#include "fields.h"

#include "kinds.h"
#include "markup.h"
#include "numbers.h"

namespace worksheet
{
namespace
{

constexpr std::string_view kStyle = R"(@page { size: A4; margin: 14mm 15mm 16mm; }
html { font-family: "Liberation Serif", "Times New Roman", serif; font-size: 12pt;
       color: #000; background: #fff; }
body { max-width: 180mm; margin: 0 auto; padding: 0 4mm; }
h1 { font-size: 17pt; margin: 0 0 2pt; }
.kind { margin: 0 0 8pt; }
.variant { font-size: 15pt; margin: 4pt 0; }
.variant.next { break-before: page; page-break-before: always; }
.task { break-inside: avoid; page-break-inside: avoid; display: flex; flex-wrap: wrap;
        gap: 2mm 6mm; align-items: flex-start; border-top: 0.6pt solid #777; padding: 3mm 0; }
.task h2 { flex: 0 0 100%; font-size: 13pt; margin: 0; }
.data { flex: 1 1 70mm; }
.given { border-collapse: collapse; margin-bottom: 3pt; }
.given th { font-weight: normal; text-align: left; padding: 0 6pt 0 0; }
.given td { white-space: pre-wrap; }
.problem { font-weight: bold; }
@media screen { .task { content-visibility: auto; contain-intrinsic-size: auto 60mm; } }
)";

} // namespace

std::string CountText(std::size_t count)
{
    return "Редът трябва да съдържа три числа, а съдържа " + std::to_string(count) + ".";
}

PrintedPage::PrintedPage(Topic topic, std::string_view decimalSeparator, std::string_view heading,
                         std::string_view style, std::string_view introduction,
                         std::string_view preface)
    : topic_(topic), separator_(decimalSeparator), heading_(heading), style_(style),
      introduction_(introduction), preface_(preface)
{
}

void PrintedPage::AppendHead(std::string &out) const
{
    out += "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    out += heading_;
    out += "</title>\n<style>";
    out += Style(style_);
    out += "</style>\n</head>\n<body>\n<h1>";
    out += heading_;
    out += "</h1>\n<p class=\"kind\">";
    out += topic_.givens ? kGivensGiven : calc::Words(topic_.mode).given;
    if (!introduction_.empty()) {
        out += ' ';
        out += introduction_;
    }
    out += "</p>\n";
    out += preface_;
}

void PrintedPage::OpenBlock(std::string &out, const Record &record, std::string_view classes,
                            bool head)
{
    if (blocks_ == 0)
        AppendHead(out);
    if (record.variant != variant_) { // each variant of a class test from a new page
        out += variant_.empty() ? "<h2 class=\"variant\">" : "<h2 class=\"variant next\">";
        variant_ = record.variant;
        out += kVariantTitle;
        figure::AppendEscaped(out, variant_);
        out += "</h2>\n";
    }
    out += "<section class=\"";
    out += classes;
    out += "\" id=\"task-";
    out += std::to_string(++blocks_);
    out += head ? "\">\n<div class=\"head\">\n<h2>" : "\">\n<h2>";
    out += kTaskTitle;
    out += std::to_string(record.task);
    out += "</h2>\n<div class=\"data\">\n<table class=\"given\">\n";
    if (record.Malformed()) {
        out += "<tr><th>";
        out += kLineLabel;
        out += "</th><td>";
        figure::AppendEscaped(out, record.line);
        out += "</td></tr>\n</table>\n<p class=\"problem\">";
        if (record.givenProblem.empty()) {
            out += CountText(record.count);
        } else {
            figure::AppendEscaped(out, record.givenProblem);
            out += '.';
        }
        out += "</p>\n";
        return;
    }
    if (record.chapter) {
        AppendGivens(out, *record.chapter);
        return;
    }
    std::string numberText;
    for (std::size_t i = 0; i < 3; ++i) {
        out += "<tr><th>";
        out += calc::Words(topic_.mode).labels[i];
        out += "</th><td>";
        // The length as the core read it from the text, written as the report writes
        // numbers: what was solved, in the locale's notation.
        numberText.clear();
        calc::AppendNumberText(numberText, record.solution->given[i], separator_);
        figure::AppendEscaped(out, numberText);
        out += "</td></tr>\n";
    }
    out += "</table>\n";
}

void PrintedPage::AppendGivens(std::string &out, const calc::chapter::Solution &solution) const
{
    std::string numberText;
    for (const calc::Given &given : solution.givens) {
        out += "<tr><th>";
        out += calc::Info(given.element).name;
        out += "</th><td>";
        numberText.clear();
        calc::AppendNumberText(numberText, given.value, separator_);
        figure::AppendEscaped(out, numberText);
        if (calc::Info(given.element).kind == calc::ElementKind::Angle)
            out += "°";
        out += "</td></tr>\n";
    }
    out += "</table>\n";
}

std::string PrintedPage::Style(std::string_view style)
{
    std::string text = "\n";
    text += kStyle;
    text += style;
    return text;
}

void PrintedPage::Finish(std::string &out)
{
    if (blocks_ == 0) {
        AppendHead(out);
        out += "<p>";
        out += kNoTasks;
        out += "</p>\n";
    }
    out += "</body>\n</html>\n";
    blocks_ = 0;
    variant_.clear();
}

} // namespace worksheet
