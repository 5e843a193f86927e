// The values of a triangle of the chapter as formulas: names, exact forms and digits.
#include "chapter_terms.h"

#include "exact_form.h"
#include "utf8.h"

#include <cmath>
#include <string>

namespace solution::chapter
{
namespace
{

Expression RationalOf(const calc::exact::Rational &value)
{
    const calc::exact::Integer top = abs(numerator(value));
    const calc::exact::Integer bottom = denominator(value);
    Expression whole = Whole(calc::exact::IntegerText(top));
    if (bottom != 1)
        whole = Fraction(std::move(whole), Whole(calc::exact::IntegerText(bottom)));
    return value < 0 ? Negative(std::move(whole)) : whole;
}

// c·√r: "35√3/4", "√6/4", "−√2".
Expression TermOf(const calc::exact::RootSum::Term &term)
{
    if (term.radicand == 1)
        return RationalOf(term.coefficient);
    const calc::exact::Integer top = abs(numerator(term.coefficient));
    const calc::exact::Integer bottom = denominator(term.coefficient);
    Expression root = Root(Whole(calc::exact::IntegerText(term.radicand)));
    Expression product = top == 1
                             ? std::move(root)
                             : Product(List(Whole(calc::exact::IntegerText(top)), std::move(root)));
    if (bottom != 1)
        product = Fraction(std::move(product), Whole(calc::exact::IntegerText(bottom)));
    return term.coefficient < 0 ? Negative(std::move(product)) : product;
}

Expression SumOf(const calc::exact::RootSum &value)
{
    const auto &terms = value.Terms();
    if (terms.empty())
        return Integer(0);
    if (terms.size() == 1)
        return TermOf(terms.front());
    // In the order of the radicands, the rational part first (74 − 35√3), but from the
    // first positive term on (6√3 − 6, √2 − 1), as a student writes it.
    std::size_t first = 0;
    while (first < terms.size() && terms[first].coefficient < 0)
        ++first;
    first = first == terms.size() ? 0 : first;
    std::vector<Expression> sum;
    sum.reserve(terms.size());
    for (std::size_t i = 0; i < terms.size(); ++i)
        sum.push_back(TermOf(terms[(first + i) % terms.size()]));
    return Sum(std::move(sum));
}

} // namespace

Expression Name(Element element)
{
    const std::string_view name = calc::Info(element).name;
    if (const std::size_t underscore = name.find('_'); underscore != std::string_view::npos)
        return Symbol(name.substr(0, underscore), name[underscore + 1]);
    return Symbol(name);
}

Expression DigitsOf(const calc::Number &number)
{
    if (number.digits.count != 0)
        return Decimal(number.digits);
    // Fifteen digits of the double, which the chapter's values round from.
    calc::Digits digits = calc::DigitsOf(std::fabs(number.value));
    digits.exact = false;
    digits.negative = number.value < 0;
    return Decimal(digits);
}

Expression Degrees(const calc::Number &number)
{
    return Product(List(DigitsOf(number), Symbol("°")));
}

std::optional<Expression> FormOf(const calc::exact::Radical &value)
{
    if (!value.Known())
        return std::nullopt;
    const std::string text = calc::exact::RadicalText(value);
    if (text.empty() || calc::Utf8Characters(text) > calc::exact::kMaxFormLength)
        return std::nullopt;
    Expression factor = SumOf(value.Factor());
    if (!value.HasRoot())
        return factor;
    Expression root = Root(SumOf(value.Radicand()));
    if (value.Factor() == calc::exact::RootSum(1))
        return root;
    return Product(List(std::move(factor), std::move(root)));
}

Terms::Terms(const calc::chapter::Solution &solution, std::size_t triangle)
    : solution_(solution), triangle_(solution.triangles[triangle])
{
    if (solution.exact && triangle < solution.exact->triangles.size())
        exact_ = &solution.exact->triangles[triangle];
    for (const calc::Given &given : solution.givens) {
        calc::exact::Integer significand = given.decimal.significand;
        std::int64_t exponent = given.decimal.exponent;
        while (exponent < 0 && significand != 0 && significand % 10 == 0) {
            significand /= 10;
            ++exponent;
        }
        decimals_ = decimals_ ||
                    (exponent < 0 && calc::Info(given.element).kind != calc::ElementKind::Angle);
    }
}

std::optional<Expression> TypedValue(const calc::chapter::Solution &solution, Element element)
{
    for (const calc::Given &given : solution.givens) {
        if (given.element != element)
            continue;
        const calc::exact::Decimal &value = given.decimal;
        if (value.sign <= 0)
            return std::nullopt;
        std::string text = calc::exact::IntegerText(value.significand);
        while (text.size() > 1 && text.back() == '0')
            text.pop_back();
        calc::Digits digits;
        if (text.size() > sizeof digits.digits)
            return std::nullopt;
        text.copy(digits.digits, text.size());
        digits.count = text.size();
        digits.exponent = value.Magnitude();
        digits.exact = true;
        Expression typed = Decimal(digits);
        if (calc::Info(element).kind == calc::ElementKind::Angle)
            return Product(List(std::move(typed), Symbol("°")));
        return typed;
    }
    return std::nullopt;
}

Expression Terms::Put(Element element) const
{
    if (std::optional<Expression> typed = TypedValue(solution_, element))
        return std::move(*typed);
    if (calc::Info(element).kind == calc::ElementKind::Angle) {
        // An angle whose cosine is that of a multiple of 15° is that multiple, exactly.
        if (exact_ != nullptr)
            if (const std::optional<int> degrees =
                    exact_->special[static_cast<std::size_t>(calc::Info(element).vertex)])
                return Product(List(Integer(*degrees), Symbol("°")));
        return Degrees(triangle_.Of(element));
    }
    if (exact_ != nullptr)
        if (std::optional<Expression> form =
                Form(exact_->values[static_cast<std::size_t>(element)]))
            return std::move(*form);
    return DigitsOf(triangle_.Of(element));
}

std::optional<Expression> Terms::Form(const calc::exact::Radical &value) const
{
    // Of decimal givens, a rational value with a decimal is that decimal (0,01, not 1/100).
    if (decimals_)
        if (const std::optional<calc::exact::RootSum> sum = value.AsRootSum();
            sum && sum->AsRational())
            if (const std::optional<calc::Digits> digits = calc::chapter::ExactDigits(value);
                digits && digits->exact)
                return Decimal(*digits);
    return FormOf(value);
}

// The end of a chain for a value: its exact form where there is one, then its digits,
// correctly rounded from the exact value where that is known ("5/4 = 1,25", "39"), else
// the report's.
void Terms::FinishWith(Chain &chain, const calc::exact::Radical *exact,
                       const calc::Number &reported) const
{
    if (exact != nullptr) {
        if (std::optional<Expression> form = Form(*exact))
            chain.Is(std::move(*form));
        if (const std::optional<calc::Digits> digits = calc::chapter::ExactDigits(*exact)) {
            chain.Is(Decimal(*digits));
            return;
        }
        if (exact->Known() && exact->Sign() == 0)
            return; // 0 is its own decimal
    }
    chain.Is(DigitsOf(reported));
}

void Terms::Finish(Chain &chain, Element element) const
{
    const calc::exact::Radical *exact =
        exact_ != nullptr ? &exact_->values[static_cast<std::size_t>(element)] : nullptr;
    if (calc::Info(element).kind != calc::ElementKind::Angle) {
        if (std::optional<Expression> typed = TypedValue(solution_, element)) {
            chain.Is(std::move(*typed));
            return;
        }
        FinishWith(chain, exact, triangle_.Of(element));
        return;
    }
    // Of an angle, the exact value is its cosine.
    if (exact != nullptr)
        if (std::optional<Expression> form = FormOf(*exact))
            chain.Is(std::move(*form));
}

const calc::chapter::RouteNumber *Terms::Route(calc::chapter::RouteValue value, int index) const
{
    for (const calc::chapter::RouteNumber &number : triangle_.route)
        if (number.value == value && number.index == index)
            return &number;
    return nullptr;
}

bool Terms::FinishRoute(Chain &chain, calc::chapter::RouteValue value, int index) const
{
    const calc::chapter::RouteNumber *number = Route(value, index);
    if (number == nullptr)
        return false;
    const calc::exact::Radical *exact = nullptr;
    if (exact_ != nullptr)
        for (const calc::chapter::ExactRouteValue &known : exact_->route)
            if (known.value == value && known.index == index) {
                exact = &known.number;
                break;
            }
    FinishWith(chain, exact, number->number);
    return true;
}

void Terms::FinishHalfPerimeter(Chain &chain) const
{
    // Half a double is exact: its digits are the perimeter's, halved.
    const calc::Number half{.value = triangle_.Of(Element::Perimeter).value / 2};
    if (exact_ == nullptr) {
        chain.Is(DigitsOf(half));
        return;
    }
    const calc::exact::Radical exact =
        exact_->values[static_cast<std::size_t>(Element::Perimeter)] / calc::exact::Radical(2);
    FinishWith(chain, &exact, half);
}

} // namespace solution::chapter
