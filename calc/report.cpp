#include "report.h"

#include "exact_values.h"
#include "numbers.h"
#include "quantity.h"

#include <algorithm>

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

void AppendExactValues(std::string &out, const Solution &solution, const ReportStyle &style)
{
    if (solution.outcome != Outcome::Solved || !solution.exact)
        return;
    const exact::Values &values = *solution.exact;
    const bool sidesShown = solution.mode != InputMode::Sides;
    std::string lines;
    for (const Named value : kResults) {
        if (value.quantity == Quantity::Side && !sidesShown)
            continue;
        if (!values.FormOf(value))
            continue;
        const exact::Exact &exact = values.Of(value);
        const auto i = static_cast<std::size_t>(value.index);
        lines += value.quantity == Quantity::Side   ? kSideLabels[i]
                 : value.quantity == Quantity::Area ? kExactAreaLabel
                                                    : kBisectorLabels[i];
        AppendExactValue(lines, exact, style.decimalSeparator);
        lines += style.lineEnd;
    }
    if (lines.empty())
        return;
    out += kExactHeading;
    out += style.lineEnd;
    out += lines;
}

std::string ReportText(const Solution &solution, const ReportStyle &style)
{
    std::string text;
    text.reserve(512);
    AppendReport(text, solution, style);
    return text;
}

} // namespace calc
