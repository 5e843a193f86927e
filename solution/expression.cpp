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

Expression Ratio(std::vector<Expression> terms)
{
    return Node(Kind::Ratio, std::move(terms));
}

Expression Whole(std::string_view digits)
{
    return Digits(digits, false);
}

Expression DecimalOf(const calc::Digits &digits, std::string_view separator, bool rounded)
{
    if (digits.negative) {
        calc::Digits magnitude = digits;
        magnitude.negative = false;
        return Negative(DecimalOf(magnitude, separator, rounded));
    }
    std::string text;
    if (digits.count == 0 || (digits.exponent >= -4 && digits.exponent < 15)) {
        calc::AppendDigits(text, digits, separator);
        return Digits(text, rounded);
    }
    // 1,5 · 10⁻⁷: the digits of the mantissa, then the power of ten.
    calc::Digits mantissa = digits;
    mantissa.exponent = 0;
    calc::AppendDigits(text, mantissa, separator);
    const std::int64_t exponent = digits.exponent;
    Expression power = Node(Kind::Power, {});
    power.operands.push_back(Digits("10", false));
    const std::string magnitude =
        std::to_string(exponent < 0 ? static_cast<std::uint64_t>(-(exponent + 1)) + 1
                                    : static_cast<std::uint64_t>(exponent));
    power.operands.push_back(exponent < 0 ? Negative(Digits(magnitude, false))
                                          : Digits(magnitude, false));
    std::vector<Expression> factors;
    factors.push_back(Digits(text, rounded));
    factors.push_back(std::move(power));
    return Product(std::move(factors));
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
    case Kind::Ratio:
    case Kind::Chain:
        break;
    }
    return true;
}

bool NeedsDot(const Expression &before, const Expression &factor)
{
    if (before.kind == Kind::Root) // √51 · √155: a root's end stands apart from what follows
        return true;
    switch (factor.kind) {
    case Kind::Number:
    case Kind::Fraction:
        return true;
    case Kind::Symbol: // a · h_a, BL_a · CL_a; but 2h_a
        return (factor.subscript != 0 || factor.text.size() > 1) && before.kind != Kind::Number;
    case Kind::Product:
    case Kind::Power:
        return NeedsDot(before, factor.operands.front());
    default:
        return false;
    }
}

bool BreaksBefore(const std::vector<Expression> &factors, std::size_t i)
{
    return NeedsDot(factors[i - 1], factors[i]) ||
           (Bracketed(factors[i - 1], Place::Factor, false) &&
            Bracketed(factors[i], Place::Factor, false));
}

bool BreaksInside(const Expression &e)
{
    if (e.kind != Kind::Product)
        return false;
    for (std::size_t i = 1; i < e.operands.size(); ++i)
        if (BreaksBefore(e.operands, i))
            return true;
    return false;
}

} // namespace solution
