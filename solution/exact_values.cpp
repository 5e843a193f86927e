#include "exact_values.h"

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

Expression ExactValue(const std::string &form)
{
    return ExactForm(form);
}

Step ExactValues(const calc::Solution &solution)
{
    Step step;
    if (solution.outcome != calc::Outcome::Solved || !solution.exact)
        return step;
    const calc::ExactForms &exact = *solution.exact;
    const auto add = [&](std::string_view label, const std::string &form) {
        if (!form.empty())
            step.formulas.push_back(
                Chain(Label(label)).Then(Relation::Equal, ExactValue(form)).Take());
    };
    if (solution.mode != calc::InputMode::Sides)
        for (std::size_t i = 0; i < 3; ++i)
            add(calc::kSideLabels[i], exact.sides[i]);
    add(calc::kExactAreaLabel, exact.area);
    for (std::size_t i = 0; i < 3; ++i)
        add(calc::kBisectorLabels[i], exact.bisectors[i]);
    return step;
}

} // namespace solution
