#include "notation.h"

#include <cstdint>
#include <limits>

namespace solution
{

using calc::Quantity;
using BigInteger = calc::exact::Integer;
using calc::exact::Surd;

Notation::Notation(const calc::Solution &solution)
    : values_(*solution.exact),
      inK_(solution.mode == calc::InputMode::Heights && solution.outcome == calc::Outcome::Solved)
{
    for (int i = 0; i < 3; ++i) {
        const calc::exact::Quadratic &given = values_.ValueOf({Quantity::Given, i});
        decimals_ = decimals_ || (given.Known() && denominator(given.Number()) != 1);
    }
}

Expression Notation::Whole(const BigInteger &n)
{
    if (n < 0)
        return Negative(Whole(BigInteger(-n)));
    // Most are short, as a school's are: without their decimal text made first.
    if (n <= std::numeric_limits<std::int64_t>::max())
        return Integer(n.convert_to<std::int64_t>());
    return solution::Whole(calc::exact::IntegerText(n));
}

Expression FormExpression(const Surd &form)
{
    if (form.n < 0)
        return Negative(FormExpression({BigInteger(-form.n), form.r, form.d}));
    Expression numerator = Notation::Whole(form.n);
    if (!form.Rational()) {
        Expression root = solution::Root(Notation::Whole(form.r));
        numerator =
            form.n == 1 ? std::move(root) : Product(List(std::move(numerator), std::move(root)));
    }
    return form.d == 1 ? std::move(numerator)
                       : Fraction(std::move(numerator), Notation::Whole(form.d));
}

Expression Notation::Form(const Surd &form) const
{
    if (form.Rational() && decimals_ && form.d != 1) {
        const calc::Digits digits =
            calc::exact::RoundToDigits(calc::exact::Rational(form.n, form.d), false);
        if (digits.exact)
            return Decimal(digits);
    }
    return FormExpression(form);
}

Expression Notation::DecimalOf(Quantity quantity, int index) const
{
    return Decimal(values_.DigitsOf({quantity, index}));
}

Expression Notation::Value(Quantity quantity, int index) const
{
    const std::optional<Surd> &form = FormOf(quantity, index);
    if (!form)
        return DecimalOf(quantity, index);
    if (form->Rational() && decimals_ && form->d != 1) {
        const calc::Digits &digits = values_.DigitsOf({quantity, index});
        if (digits.exact) // the decimal it is exactly
            return Decimal(digits);
    }
    return FormExpression(*form);
}

Expression Notation::Put(Quantity quantity, int index) const
{
    const calc::QuantityInfo &info = calc::Info(quantity);
    if (inK_ && info.ofBase && HasForm(quantity, index))
        return TimesScale(quantity, index, info.degree);
    return Value(quantity, index);
}

Expression Notation::Side(int index) const
{
    return inK_ ? TimesScale(Quantity::Ratio, index, 1) : Value(Quantity::Side, index);
}

void Notation::Finish(Chain &chain, Quantity quantity, int index, bool decimal) const
{
    const bool form = HasForm(quantity, index);
    if (form)
        chain.Is(Put(quantity, index));
    if (decimal || !form)
        chain.Is(DecimalOf(quantity, index));
}

void Notation::Root(Chain &chain, Quantity square, Quantity root, int index, bool decimal) const
{
    const std::optional<Surd> &squared = FormOf(square, index);
    chain.Is(solution::Root(Value(square, index)));
    // √19,0944 = √(11934/625): a decimal under the root as the fraction it is, first.
    if (squared && squared->Rational() && squared->d != 1 && decimals_)
        chain.Is(solution::Root(FormExpression(*squared)));
    if (std::optional<Expression> factored = SquareFactor(square, root, index))
        chain.Is(std::move(*factored));
    Finish(chain, root, index, decimal);
}

std::optional<Expression> Notation::SquareFactor(Quantity square, Quantity root, int index) const
{
    const std::optional<Surd> &squared = FormOf(square, index);
    const std::optional<Surd> &rootForm = FormOf(root, index);
    if (!squared || !squared->Rational() || !rootForm || rootForm->Rational() || rootForm->n == 1 ||
        squared->d != rootForm->d * rootForm->d)
        return std::nullopt;
    // √(n²r/d²) = √(n² · r)/d: the square factor shown before it is taken out.
    const Surd &form = *rootForm;
    Expression inside = solution::Root(Product(List(Whole(form.n * form.n), Whole(form.r))));
    return form.d == 1 ? std::move(inside) : Fraction(std::move(inside), Whole(form.d));
}

bool Notation::OverRoot(Chain &chain, Quantity quantity, int index) const
{
    const std::optional<Surd> &written = FormOf(quantity, index);
    if (!written || written->Rational())
        return false;
    // q√r = qr/√r, written so where qr is a whole number or a fraction.
    const Surd &form = *written;
    const calc::exact::Rational numerator(form.n * form.r, form.d);
    chain.Is(Fraction(Form({boost::multiprecision::numerator(numerator), 1,
                            boost::multiprecision::denominator(numerator)}),
                      solution::Root(Whole(form.r))));
    return true;
}

Expression Notation::TimesScale(Quantity coefficient, int index, int power) const
{
    const auto k = [power] {
        return power == 1 ? Symbol("k") : solution::Power(Symbol("k"), power);
    };
    const std::optional<Surd> &written = FormOf(coefficient, index);
    if (!written)
        return Product(List(DecimalOf(coefficient, index), k()));
    const Surd &form = *written;
    if (form.Rational() && (form.d == 1 || decimals_)) {
        Expression number = Value(coefficient, index); // 5, or 5,5 where it is a decimal
        if (number.node == Expression::Node::Number && number.number.IsOne())
            return k();
        if (number.node != Expression::Node::Fraction)
            return Product(List(std::move(number), k()));
    }
    // n·k^p/d, then the root after it: 11k/2, (k²/4)√231.
    Expression numerator = form.n == 1 ? k() : Product(List(Whole(form.n), k()));
    Expression scaled =
        form.d == 1 ? std::move(numerator) : Fraction(std::move(numerator), Whole(form.d));
    if (form.Rational())
        return scaled;
    return Product(List(std::move(scaled), solution::Root(Whole(form.r))));
}

Note Notation::Notes(Quantity quantity, int index) const
{
    const calc::exact::Exact &value = Of(quantity, index);
    Note notes;
    if (!value.form && !value.digits.exact)
        notes.Add("точната стойност няма кратък запис с корени");
    return notes;
}

} // namespace solution
