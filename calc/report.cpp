#include "report.h"

#include "numbers.h"

#include <algorithm>

namespace calc
{
namespace
{

void AppendLine(std::string &out, std::string_view label, double value, const ReportStyle &style)
{
    out += label;
    AppendNumberText(out, value, style.decimalSeparator);
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

void AppendExactValues(std::string &out, const Solution &solution, const ReportStyle &style)
{
    if (solution.outcome != Outcome::Solved || !solution.exact)
        return;
    const ExactForms &exact = *solution.exact;
    const bool sidesShown = solution.mode != InputMode::Sides;
    const auto any = [](const auto &forms) {
        return std::any_of(forms.begin(), forms.end(),
                           [](const std::string &f) { return !f.empty(); });
    };
    if ((!sidesShown || !any(exact.sides)) && exact.area.empty() && !any(exact.bisectors))
        return;
    const auto line = [&](std::string_view label, const std::string &form) {
        if (form.empty())
            return;
        out += label;
        out += form;
        out += style.lineEnd;
    };
    out += kExactHeading;
    out += style.lineEnd;
    if (sidesShown)
        for (std::size_t i = 0; i < 3; ++i)
            line(kSideLabels[i], exact.sides[i]);
    line(kExactAreaLabel, exact.area);
    for (std::size_t i = 0; i < 3; ++i)
        line(kBisectorLabels[i], exact.bisectors[i]);
}

std::string ReportText(const Solution &solution, const ReportStyle &style)
{
    std::string text;
    text.reserve(512);
    AppendReport(text, solution, style);
    return text;
}

} // namespace calc
