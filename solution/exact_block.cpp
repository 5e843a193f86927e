#include "exact_block.h"

#include "elements.h"
#include "exact_values.h"
#include "kinds.h"
#include "notation.h"
#include "report.h"

namespace solution
{
namespace
{

// The report's name of a bisector, subscripted by its side's letter (calc::kBisectorLabels).
constexpr std::string_view kReportBisector = "Yg";

// The value as the report's label names it: a side by its segment (BC), the area S, a
// bisector Yg_a.
Expression LabelOf(calc::Named value)
{
    const auto side = static_cast<std::size_t>(value.index);
    switch (value.quantity) {
    case calc::Quantity::Side:
        return Symbol(calc::Info(calc::ElementOf(calc::ElementKind::Side, value.index)).segment);
    case calc::Quantity::Bisector:
        return Symbol(kReportBisector, calc::kSideLetters.at(side));
    default:
        return Symbol(calc::Info(calc::Element::Area).name);
    }
}

} // namespace

std::vector<Step> ExactValues(const calc::Solution &solution)
{
    const std::vector<calc::ExactLine> lines = calc::ExactLines(solution);
    Step step;
    Note differing; // the report's digits where they are not the exact value's
    for (const calc::ExactLine &line : lines) {
        const calc::exact::Exact &exact = *line.exact;
        Chain chain(LabelOf(line.value));
        chain.Then(Relation::Equal, FormExpression(*exact.form));
        if (!exact.form->Rational() || exact.form->d != 1) // a whole number is its own decimal
            chain.Is(Decimal(exact.digits));
        step.formulas.push_back(chain.Take());
    }
    // Of values with a form or without.
    for (const calc::ExactLine &line : calc::ReportedLines(solution))
        if (!calc::DifferingDigits(*line.reported, *line.exact).empty())
            differing.Add(differing.Empty() ? calc::kReportDigits : ", ")
                .Add(line.label)
                .Add(*line.reported);
    std::vector<Step> steps;
    if (!step.formulas.empty())
        steps.push_back(std::move(step));
    if (!differing.Empty())
        steps.push_back({.formulas = {}, .note = std::move(differing)});
    return steps;
}

} // namespace solution
