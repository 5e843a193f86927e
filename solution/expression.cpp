#include "expression.h"

#include "numbers.h"

#include <algorithm>
#include <cstdint>

namespace solution
{
namespace
{

using Node = Expression::Node;

Expression Of(Node node, std::vector<Expression> operands)
{
    Expression e;
    e.node = node;
    e.operands = std::move(operands);
    return e;
}

Expression Flattened(Node node, std::vector<Expression> operands)
{
    if (std::none_of(operands.begin(), operands.end(),
                     [node](const Expression &operand) { return operand.node == node; }))
        return Of(node, std::move(operands));
    std::vector<Expression> flat;
    flat.reserve(operands.size());
    for (Expression &operand : operands) {
        if (operand.node == node)
            for (Expression &inner : operand.operands)
                flat.push_back(std::move(inner));
        else
            flat.push_back(std::move(operand));
    }
    return Of(node, std::move(flat));
}

// The number of the digits, the first of them at decimal exponent `exponent`: the zeros
// before the first significant digit and after the last left out.
Expression NumberOf(std::string digits, std::int64_t exponent, Accuracy accuracy)
{
    digits.erase(digits.find_last_not_of('0') + 1);
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, first);
    Expression e;
    e.node = Node::Number;
    e.number.exponent = digits.empty() ? 0 : exponent - static_cast<std::int64_t>(first);
    e.number.digits = std::move(digits);
    e.number.accuracy = accuracy;
    return e;
}

} // namespace

Expression Symbol(std::string_view letters, char subscript)
{
    Expression e;
    e.node = Node::Symbol;
    e.letters = letters;
    e.subscript = subscript;
    return e;
}

Expression Integer(std::int64_t value)
{
    // The magnitude as an unsigned number: that of the least int64 has no int64.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    Expression whole;
    whole.node = Node::Number;
    if (magnitude != 0) {
        for (; magnitude % 10 == 0; magnitude /= 10)
            ++whole.number.exponent;
        char digits[20];
        std::size_t count = 0;
        for (; magnitude != 0; magnitude /= 10)
            digits[sizeof digits - ++count] = static_cast<char>('0' + magnitude % 10);
        whole.number.digits.assign(digits + sizeof digits - count, count);
        whole.number.exponent += static_cast<std::int64_t>(count) - 1;
    }
    return value < 0 ? Negative(std::move(whole)) : whole;
}

Expression Negative(Expression operand)
{
    return Of(Node::Negative, List(std::move(operand)));
}

Expression Sum(std::vector<Expression> terms)
{
    return Flattened(Node::Sum, std::move(terms));
}

Expression Product(std::vector<Expression> factors)
{
    return Flattened(Node::Product, std::move(factors));
}

Expression Fraction(Expression numerator, Expression denominator)
{
    return Of(Node::Fraction, List(std::move(numerator), std::move(denominator)));
}

Expression Root(Expression radicand)
{
    return Of(Node::Root, List(std::move(radicand)));
}

Expression Power(Expression base, std::int64_t exponent)
{
    return Of(Node::Power, List(std::move(base), Integer(exponent)));
}

Expression Square(Expression base)
{
    return Power(std::move(base), 2);
}

Expression Ratio(std::vector<Expression> terms)
{
    return Of(Node::Ratio, std::move(terms));
}

Expression Whole(std::string digits)
{
    const auto exponent = static_cast<std::int64_t>(digits.size()) - 1;
    return NumberOf(std::move(digits), exponent, Accuracy::Exact);
}

Expression Decimal(const calc::Digits &digits)
{
    if (digits.negative) {
        calc::Digits magnitude = digits;
        magnitude.negative = false;
        return Negative(Decimal(magnitude));
    }
    const Accuracy accuracy = digits.exact ? Accuracy::Exact : Accuracy::Rounded;
    const std::string_view significand(digits.digits, digits.count);
    constexpr calc::Layout kReport;
    if (digits.count == 0 ||
        (digits.exponent >= kReport.exponentBelow && digits.exponent < kReport.exponentFrom))
        return NumberOf(std::string(significand), digits.exponent, accuracy);
    // 1,5 · 10⁻⁷: the digits of the mantissa, then the power of ten.
    return Product(
        List(NumberOf(std::string(significand), 0, accuracy), Power(Integer(10), digits.exponent)));
}

bool Rounded(const Expression &e)
{
    if (e.node == Node::Number && e.number.accuracy != Accuracy::Exact)
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
    if (item == chain_.operands.back())
        return *this;
    const Relation relation = Rounded(item) ? Relation::Approximate : Relation::Equal;
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
    switch (e.node) {
    case Node::Symbol:
    case Node::Number:
        return false;
    case Node::Sum:
    case Node::Negative:
        return grouping ? linear : place != Place::Term;
    case Node::Product:
        return place == Place::Base ||
               (linear && (place == Place::Denominator || place == Place::Radicand));
    case Node::Fraction:
        return place == Place::Base || (linear && (grouping || place == Place::Factor));
    case Node::Root:
    case Node::Power:
        return place == Place::Base;
    case Node::Ratio:
    case Node::Chain:
        break;
    }
    return true;
}

bool NeedsDot(const Expression &before, const Expression &factor)
{
    if (before.node == Node::Root) // √51 · √155: a root's end stands apart from what follows
        return true;
    switch (factor.node) {
    case Node::Number:
    case Node::Fraction:
        return true;
    case Node::Symbol: // a · h_a, BL_a · CL_a, 2k · k; but 2h_a, bc
        return ((factor.subscript != 0 || factor.letters.size() > 1) &&
                before.node != Node::Number) ||
               (before.node == Node::Symbol && before.letters == factor.letters &&
                before.subscript == factor.subscript);
    case Node::Product:
    case Node::Power:
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
    if (e.node != Node::Product)
        return false;
    for (std::size_t i = 1; i < e.operands.size(); ++i)
        if (BreaksBefore(e.operands, i))
            return true;
    return false;
}

} // namespace solution
