#include "text_report.h"

#include "fields.h"
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
    solution::AppendText(out, solution::Work(solution), separator_);
}

Verdict TextReport::Add(std::string &out, const Record &record)
{
    if (record.number == 0) { // three numbers on their own: the report, or why there is none
        if (record.Solved()) {
            AddReport(out, *record.solution);
            return {};
        }
        AddSteps(out, *record.solution);
        return {1, Problem(record)};
    }
    if (!first_)
        out += '\n';
    first_ = false;
    if (record.variant != variant_) { // a variant of a list of exercises
        variant_ = record.variant;
        out += kVariantMark;
        out += variant_;
        out += "\n\n";
    }
    out += record.fields;
    out += '\n';
    if (record.Solved()) {
        AddReport(out, *record.solution);
        return {};
    }
    std::string problem = Problem(record);
    out += problem;
    out += '\n';
    if (!record.Malformed())
        AddSteps(out, *record.solution);
    return {record.Malformed() ? 2 : 1, std::move(problem)};
}

Ending TextReport::Finish(std::string & /*out: the report has no end of its own*/)
{
    first_ = true;
    variant_.clear();
    return {};
}

} // namespace worksheet
