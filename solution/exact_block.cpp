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

Step ExactValues(const calc::Solution &solution, std::string_view decimalSeparator)
{
    Step step;
    if (solution.outcome != calc::Outcome::Solved || !solution.exact)
        return step;
    for (const calc::Named value : calc::kResults) {
        if (value.quantity == calc::Quantity::Side && solution.mode == calc::InputMode::Sides)
            continue;
        if (!solution.exact->FormOf(value))
            continue;
        const calc::exact::Exact &exact = solution.exact->Of(value);
        const auto i = static_cast<std::size_t>(value.index);
        Chain chain(Label(value.quantity == calc::Quantity::Side   ? calc::kSideLabels[i]
                          : value.quantity == calc::Quantity::Area ? calc::kExactAreaLabel
                                                                   : calc::kBisectorLabels[i]));
        chain.Then(Relation::Equal, FormExpression(*exact.form));
        if (!exact.form->Rational() || exact.form->d != 1) // a whole number is its own decimal
            chain.Is(DecimalOf(exact.digits, decimalSeparator, !exact.digits.exact));
        step.formulas.push_back(chain.Take());
    }
    return step;
}

} // namespace solution
