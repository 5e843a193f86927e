#include "exact_block.h"

#include "exact_values.h"
#include "notation.h"
#include "report.h"

namespace solution
{
namespace
{

// A label of the report ("BC = ", "Yg_a = ") as the symbol it names.
Expression Label(std::string_view label)
{
    label = label.substr(0, label.find(' '));
    const std::size_t underscore = label.find('_');
    if (underscore == std::string_view::npos || underscore + 1 >= label.size())
        return Symbol(label);
    return Symbol(label.substr(0, underscore), label[underscore + 1]);
}

} // namespace

std::vector<Step> ExactValues(const calc::Solution &solution, std::string_view decimalSeparator)
{
    const std::vector<calc::ExactLine> lines = calc::ExactLines(solution);
    Step step;
    for (const calc::ExactLine &line : lines) {
        const calc::exact::Exact &exact = *line.exact;
        Chain chain(Label(line.label));
        chain.Then(Relation::Equal, FormExpression(*exact.form));
        if (!exact.form->Rational() || exact.form->d != 1) // a whole number is its own decimal
            chain.Is(DecimalOf(exact.digits, decimalSeparator, !exact.digits.exact));
        step.formulas.push_back(chain.Take());
    }
    std::vector<Step> steps;
    if (!step.formulas.empty())
        steps.push_back(std::move(step));
    if (std::string note = calc::ReportDigitsNote(calc::ReportedLines(solution), decimalSeparator);
        !note.empty())
        steps.push_back({.formulas = {}, .note = std::move(note)});
    return steps;
}

} // namespace solution
