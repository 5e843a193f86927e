#include "expression.h"

#include "numbers.h"

#include <cstdint>
#include <numeric>
#include <optional>

namespace solution
{
namespace
{

using Kind = Expression::Kind;

Expression Node(Kind kind, std::vector<Expression> operands)
{
    Expression e;
    e.kind = kind;
    e.operands = std::move(operands);
    return e;
}

Expression Flattened(Kind kind, std::vector<Expression> operands)
{
    std::vector<Expression> flat;
    flat.reserve(operands.size());
    for (Expression &operand : operands) {
        if (operand.kind == kind)
            for (Expression &inner : operand.operands)
                flat.push_back(std::move(inner));
        else
            flat.push_back(std::move(operand));
    }
    return Node(kind, std::move(flat));
}

Expression Digits(std::string_view digits, bool rounded)
{
    Expression e;
    e.kind = Kind::Number;
    e.text = digits;
    e.rounded = rounded;
    return e;
}

// The digits of an integer of at most 19 digits, as a number; false otherwise.
bool ReadInteger(std::string_view digits, std::uint64_t &value)
{
    const std::optional<std::uint64_t> read =
        digits.size() <= 19 ? calc::ReadWhole(digits) : std::nullopt;
    value = read.value_or(0);
    return read.has_value();
}

constexpr std::string_view kRootSign = "√";

} // namespace

Expression Symbol(std::string_view letter, char subscript)
{
    Expression e;
    e.kind = Kind::Symbol;
    e.text = letter;
    e.subscript = subscript;
    return e;
}

Expression Integer(int value)
{
    return value < 0 ? Negative(Digits(std::to_string(-value), false))
                     : Digits(std::to_string(value), false);
}

Expression Negative(Expression operand)
{
    return Node(Kind::Negative, List(std::move(operand)));
}

Expression Sum(std::vector<Expression> terms)
{
    return Flattened(Kind::Sum, std::move(terms));
}

Expression Product(std::vector<Expression> factors)
{
    return Flattened(Kind::Product, std::move(factors));
}

Expression Fraction(Expression numerator, Expression denominator)
{
    std::vector<Expression> operands;
    operands.push_back(std::move(numerator));
    operands.push_back(std::move(denominator));
    return Node(Kind::Fraction, std::move(operands));
}

Expression Root(Expression radicand)
{
    return Node(Kind::Root, List(std::move(radicand)));
}

Expression Power(Expression base, int exponent)
{
    std::vector<Expression> operands;
    operands.push_back(std::move(base));
    operands.push_back(Integer(exponent));
    return Node(Kind::Power, std::move(operands));
}

Expression Square(Expression base)
{
    return Power(std::move(base), 2);
}

Expression Decimal(std::string_view text, bool rounded)
{
    if (text.starts_with('-'))
        return Negative(Decimal(text.substr(1), rounded));
    const std::size_t e = text.find('E');
    if (e == std::string_view::npos)
        return Digits(text, rounded);
    // E+200, E-07: the exponent without its plus sign and its leading zeros.
    std::string_view exponent = text.substr(e + 1);
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+'))
        exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0')
        exponent.remove_prefix(1);
    Expression ten = Node(Kind::Power, {});
    ten.operands.push_back(Digits("10", false));
    ten.operands.push_back(negative ? Negative(Digits(exponent, false)) : Digits(exponent, false));
    std::vector<Expression> factors;
    factors.push_back(Digits(text.substr(0, e), rounded));
    factors.push_back(std::move(ten));
    return Product(std::move(factors));
}

Expression ExactForm(std::string_view form)
{
    const std::size_t slash = form.find('/');
    const std::string_view above = form.substr(0, slash);
    const std::size_t root = above.find(kRootSign);
    Expression numerator;
    if (root == std::string_view::npos) {
        numerator = Digits(above, false);
    } else {
        Expression radical = Root(Digits(above.substr(root + kRootSign.size()), false));
        if (root == 0) {
            numerator = std::move(radical);
        } else {
            std::vector<Expression> factors;
            factors.push_back(Digits(above.substr(0, root), false));
            factors.push_back(std::move(radical));
            numerator = Product(std::move(factors));
        }
    }
    if (slash == std::string_view::npos)
        return numerator;
    return Fraction(std::move(numerator), Digits(form.substr(slash + 1), false));
}

bool SameValue(std::string_view decimal, std::string_view separator, std::string_view form)
{
    if (form.empty() || form.find(kRootSign) != std::string_view::npos)
        return false;
    const std::size_t slash = form.find('/');
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;
    if (!ReadInteger(form.substr(0, slash), numerator) ||
        (slash != std::string_view::npos && !ReadInteger(form.substr(slash + 1), denominator)))
        return false;
    // The decimal as digits over a power of ten, in lowest terms: the form's, if the same.
    std::string digits(decimal);
    std::uint64_t power = 1;
    if (const std::size_t point = decimal.find(separator);
        !separator.empty() && point != std::string_view::npos) {
        const std::size_t places = decimal.size() - point - separator.size();
        if (places > 19)
            return false;
        for (std::size_t i = 0; i < places; ++i)
            power *= 10;
        digits.erase(point, separator.size());
    }
    std::uint64_t value = 0;
    if (!ReadInteger(digits, value) || value == 0)
        return false;
    const std::uint64_t common = std::gcd(value, power);
    return value / common == numerator && power / common == denominator;
}

bool Rounded(const Expression &e)
{
    if (e.rounded)
        return true;
    for (const Expression &operand : e.operands)
        if (Rounded(operand))
            return true;
    return false;
}

Chain::Chain(Expression first)
{
    chain_.operands.push_back(std::move(first));
}

Chain &Chain::Is(Expression item)
{
    const Relation relation = Rounded(item) ? Relation::Approximate : Relation::Equal;
    if (item == chain_.operands.back())
        return *this;
    return Then(relation, std::move(item));
}

Chain &Chain::Then(Relation relation, Expression item)
{
    chain_.relations.push_back(relation);
    chain_.operands.push_back(std::move(item));
    return *this;
}

bool Bracketed(const Expression &e, Place place, bool linear)
{
    // On one line a fraction and a root take no more than what stands next to them.
    const bool grouping =
        place == Place::Numerator || place == Place::Denominator || place == Place::Radicand;
    switch (e.kind) {
    case Kind::Symbol:
    case Kind::Number:
        return false;
    case Kind::Sum:
    case Kind::Negative:
        return grouping ? linear : place != Place::Term;
    case Kind::Product:
        return place == Place::Base ||
               (linear && (place == Place::Denominator || place == Place::Radicand));
    case Kind::Fraction:
        return place == Place::Base || (linear && (grouping || place == Place::Factor));
    case Kind::Root:
    case Kind::Power:
        return place == Place::Base;
    case Kind::Chain:
        break;
    }
    return true;
}

bool NeedsDot(const Expression &factor)
{
    switch (factor.kind) {
    case Kind::Number:
    case Kind::Fraction:
        return true;
    case Kind::Product:
    case Kind::Power:
        return NeedsDot(factor.operands.front());
    default:
        return false;
    }
}

} // namespace solution
