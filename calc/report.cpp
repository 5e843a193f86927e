#include "report.h"

#include "exact_values.h"
#include "numbers.h"
#include "quantity.h"

#include <cmath>

namespace calc
{
namespace
{

void AppendLine(std::string &out, std::string_view label, const Number &number,
                const ReportStyle &style)
{
    out += label;
    AppendNumber(out, number, style.decimalSeparator);
    out += style.lineEnd;
}

// A result's label in the exact block: the report's, with "S = " for the area.
std::string_view ExactLabel(Named value)
{
    const auto i = static_cast<std::size_t>(value.index);
    return value.quantity == Quantity::Side   ? kSideLabels[i]
           : value.quantity == Quantity::Area ? kExactAreaLabel
                                              : kBisectorLabels[i];
}

} // namespace

std::string_view RefusalText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Rejected:
        return kRejected;
    case Outcome::OutOfRange:
        return kOutOfRange;
    case Outcome::TooLong:
        return kTooLong;
    case Outcome::Solved:
        break;
    }
    return {};
}

void AppendReport(std::string &out, const Solution &solution, const ReportStyle &style)
{
    if (solution.outcome != Outcome::Solved) {
        out += RefusalText(solution.outcome);
        return;
    }
    const Triangle &t = solution.triangle;
    if (solution.mode != InputMode::Sides) {
        out += kSidesHeading;
        out += style.lineEnd;
        for (std::size_t i = 0; i < 3; ++i)
            AppendLine(out, kSideLabels[i], t.sides[i], style);
    }
    AppendLine(out, kArea, t.area, style);
    out += kBisectorsHeading;
    out += style.lineEnd;
    for (std::size_t i = 0; i < 3; ++i)
        AppendLine(out, kBisectorLabels[i], t.bisectors[i], style);
}

void AppendNumber(std::string &out, const Number &number, std::string_view decimalSeparator)
{
    if (number.digits.count > 0)
        AppendDigits(out, number.digits, decimalSeparator);
    else
        AppendNumberText(out, number.value, decimalSeparator);
}

void AppendExactValue(std::string &out, const exact::Exact &value, std::string_view separator)
{
    out += exact::FormText(*value.form);
    if (value.form->r == 1 && value.form->d == 1)
        return; // a whole number is its own decimal
    out += value.digits.exact ? " = " : " ≈ ";
    AppendDigits(out, value.digits, separator);
}

namespace
{

// The values of the report with their exact values, in its order: all of them, or only
// those with an exact form.
std::vector<ExactLine> Lines(const Solution &solution, bool formed)
{
    std::vector<ExactLine> lines;
    if (solution.outcome != Outcome::Solved || !solution.exact)
        return lines;
    for (const Named value : kResults) {
        if (value.quantity == Quantity::Side && solution.mode == InputMode::Sides)
            continue;
        if (formed ? !solution.exact->FormOf(value) : solution.exact->DigitsOf(value).count == 0)
            continue;
        lines.push_back(
            {value, ExactLabel(value), &solution.triangle.At(value), &solution.exact->Of(value)});
    }
    return lines;
}

} // namespace

std::vector<ExactLine> ExactLines(const Solution &solution)
{
    return Lines(solution, true);
}

std::vector<ExactLine> ReportedLines(const Solution &solution)
{
    return Lines(solution, false);
}

void AppendExactValues(std::string &out, const Solution &solution, const ReportStyle &style)
{
    const std::vector<ExactLine> lines = ExactLines(solution);
    const std::string note = ReportDigitsNote(ReportedLines(solution), style.decimalSeparator);
    if (lines.empty() && note.empty())
        return;
    out += kExactHeading;
    out += style.lineEnd;
    for (const ExactLine &line : lines) {
        out += line.label;
        AppendExactValue(out, *line.exact, style.decimalSeparator);
        out += style.lineEnd;
    }
    if (!note.empty()) {
        out += note;
        out += style.lineEnd;
    }
}

std::string DifferingDigits(const Number &reported, const exact::Exact &exact,
                            std::string_view decimalSeparator)
{
    // The report's digits are its own, or its double's rounded as the report rounds them.
    const bool same = reported.digits.count > 0 ? reported.digits == exact.digits
                                                : std::isfinite(reported.value) &&
                                                      DigitsOf(reported.value) == exact.digits;
    if (same)
        return {};
    std::string printed;
    AppendNumber(printed, reported, decimalSeparator);
    return printed;
}

std::string ReportDigitsNote(const std::vector<ExactLine> &lines, std::string_view decimalSeparator)
{
    std::string differing;
    for (const ExactLine &line : lines) {
        const std::string printed = DifferingDigits(*line.reported, *line.exact, decimalSeparator);
        if (printed.empty())
            continue;
        differing += differing.empty() ? "" : ", ";
        differing += line.label;
        differing += printed;
    }
    if (differing.empty())
        return differing;
    return std::string(kReportDigits) + differing;
}

std::string ReportText(const Solution &solution, const ReportStyle &style)
{
    std::string text;
    text.reserve(512);
    AppendReport(text, solution, style);
    return text;
}

} // namespace calc
