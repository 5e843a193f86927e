#pragma once

// How the worked solution writes the core's exact values: as a student writes them on the
// board. A value with a short exact form is that form (12/5, 4√10/3), or, where the given
// lengths are decimals, the decimal it is exactly (0,6 rather than 3/5); a value without
// one is its decimal, rounded once from the exact value and marked so (≈).

#include "exact_values.h"
#include "expression.h"
#include "quantity.h"
#include "solution.h"

#include <string>
#include <string_view>

namespace solution
{

// n√r/d as a student writes it.
Expression FormExpression(const calc::exact::Surd &form);

class Notation
{
public:
    explicit Notation(const calc::Solution &solution);

    const calc::exact::Exact &Of(calc::Quantity quantity, int index = 0) const
    {
        return values_.Of(quantity, index);
    }
    const std::optional<calc::exact::Surd> &FormOf(calc::Quantity quantity, int index = 0) const
    {
        return values_.FormOf({quantity, index});
    }
    bool HasForm(calc::Quantity quantity, int index = 0) const
    {
        return FormOf(quantity, index).has_value();
    }

    // The value as it is.
    Expression Value(calc::Quantity quantity, int index = 0) const;
    // The value as the route puts it into a formula: for altitudes, the values worked out
    // on the sides' ratio in k ("5k/3", "22k²/9"), the others as they are.
    Expression Put(calc::Quantity quantity, int index = 0) const;
    // Side a, b or c as the route puts it: "5k" for altitudes.
    Expression Side(int index) const;
    // The value's decimal, "≈" where it is rounded.
    Expression DecimalOf(calc::Quantity quantity, int index = 0) const;
    // The number n/d or n√r/d of a form.
    Expression Form(const calc::exact::Surd &form) const;
    // A whole number.
    static Expression Whole(const calc::exact::Integer &n);

    // The end of a chain: the value's form (as Put writes it), then, for a result
    // (`decimal`), its decimal, and always the decimal of a value without a form.
    void Finish(Chain &chain, calc::Quantity quantity, int index = 0, bool decimal = false) const;

    // x = √q for a rational q: "√720 = √(144 · 5) = 12√5", "√(160/9) = √(16 · 10)/3 =
    // 4√10/3", the square factor taken out where there is one; then Finish.
    void Root(Chain &chain, calc::Quantity square, calc::Quantity root, int index = 0,
              bool decimal = false) const;

    // √(n² · r)/d of a root q√r/d (= n√r/d) of the rational `square`, its square factor
    // shown before it is taken out; nothing where there is none to take out.
    std::optional<Expression> SquareFactor(calc::Quantity square, calc::Quantity root,
                                           int index = 0) const;

    // The value written with its unrationalized root, q·r/√r for q√r ("40/√231"), where
    // that is how it comes out of a division by a root; nothing for other values.
    bool OverRoot(Chain &chain, calc::Quantity quantity, int index = 0) const;

    // The value times k^power: "11k/2", "(k²/4)√231", "5k".
    Expression TimesScale(calc::Quantity coefficient, int index, int power) const;

    // The note of a result: that it has no short exact form; empty when it has one. (Where
    // the report prints its formula's digits instead of the decimal here, the exact values
    // say so, not the student's solution.)
    Note Notes(calc::Quantity quantity, int index = 0) const;

private:
    const calc::exact::Values &values_;
    bool decimals_ = false; // the given lengths are not all whole numbers
    bool inK_ = false;      // altitudes: the sides are x·k
};

} // namespace solution
