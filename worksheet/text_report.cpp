#include "text_report.h"

#include "solution.h"

namespace worksheet
{

TextReport::TextReport(std::string_view decimalSeparator, bool exact, bool steps)
    : separator_(decimalSeparator), exact_(exact), steps_(steps)
{
}

void TextReport::AddReport(std::string &out, const calc::Solution &solution) const
{
    const calc::ReportStyle style{.decimalSeparator = separator_, .lineEnd = "\n"};
    calc::AppendReport(out, solution, style);
    if (exact_)
        calc::AppendExactValues(out, solution, style);
    AddSteps(out, solution);
}

void TextReport::AddSteps(std::string &out, const calc::Solution &solution) const
{
    if (!steps_)
        return;
    out += solution::kHeading;
    out += '\n';
    solution::AppendText(out, solution::Work(solution, separator_));
}

void TextReport::Add(std::string &out, const Record &record)
{
    if (!first_)
        out += '\n';
    first_ = false;
    out += record.fields;
    out += '\n';
    if (record.Solved()) {
        AddReport(out, *record.solution);
        return;
    }
    out += Problem(record);
    out += '\n';
    if (!record.Malformed())
        AddSteps(out, *record.solution);
}

} // namespace worksheet
