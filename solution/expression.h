#pragma once

// A formula as a small tree, as a student writes it: letters with subscripts, numbers,
// sums, products, fractions, roots, powers and chains of equalities. The trees are built
// once (the Worker, worker.h) and hold values, not text: a letter and its subscript, a
// number as its digits and its decimal exponent, which a writer lays out with its own
// decimal separator. What the writers share, where brackets go, where a product needs its
// dot and where a line of formulas may break, is decided here; the one walk of a tree that
// feeds them is walk.h's.

#include "numbers.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace solution
{

// How two neighbours of a chain are related.
enum class Relation : std::uint8_t {
    Equal,       // =
    Approximate, // ≈: the right-hand side is rounded
    Less,        // <
    Greater,     // >
};

// What a number in a formula is of the value it stands for.
enum class Accuracy : std::uint8_t {
    Exact,   // the value itself
    Rounded, // the value rounded (to fifteen significant digits): a chain puts it after ≈
};

// A number of a formula, not negative, as its decimal digits: the significant digits, the
// first and the last not 0 (none for zero), and the decimal exponent of the first. 6,75 is
// "675" and 0, 0,04 is "4" and −2, 200 is "2" and 2; a whole number of an exact form has as
// many digits as it takes. The writers lay it out in full (numbers.h's one writer), with
// their decimal separator; a power of ten is a factor of its own (Decimal, below).
struct Number {
    std::string digits;
    std::int64_t exponent = 0;
    Accuracy accuracy = Accuracy::Exact;

    bool IsOne() const { return digits == "1" && exponent == 0; }

    bool operator==(const Number &) const = default;
};

struct Expression {
    enum class Node : std::uint8_t {
        Symbol,   // a letter, with a subscript or not: S, p, a, h_a, l_b
        Number,   // a number not negative: 6,75082412551434
        Negative, // −x
        Sum,      // the operands added; a Negative operand after the first is subtracted
        Product,  // the operands multiplied, side by side, or with "·" (NeedsDot)
        Fraction, // numerator / denominator
        Root,     // √x
        Power,    // base, exponent: a whole number, or a Negative of one (Power, below)
        Ratio,    // the operands in proportion: 5 : 4 : 2
        Chain,    // the operands related one to the next by `relations`
    };
    Node node = Node::Chain;
    char subscript = 0;  // Symbol: 'a', 'b', 'c', or none
    std::string letters; // Symbol: its letter, or its letters (BL of BL_a)
    Number number;       // Number
    std::vector<Expression> operands;
    std::vector<Relation> relations; // Chain: one fewer than the operands

    bool operator==(const Expression &) const = default;
};

// The operands of a sum or a product, moved in where they can be (a braced list would
// copy every tree).
template<typename... Operands> std::vector<Expression> List(Operands &&...operands)
{
    std::vector<Expression> list;
    list.reserve(sizeof...(operands));
    (list.emplace_back(std::forward<Operands>(operands)), ...);
    return list;
}

Expression Symbol(std::string_view letters, char subscript = 0);
Expression Integer(std::int64_t value);
Expression Negative(Expression operand);
// Nested sums and products are flattened into one.
Expression Sum(std::vector<Expression> terms);
Expression Product(std::vector<Expression> factors);
Expression Fraction(Expression numerator, Expression denominator);
Expression Root(Expression radicand);
Expression Power(Expression base, std::int64_t exponent);
Expression Square(Expression base);

Expression Ratio(std::vector<Expression> terms);

// A whole number of the decimal digits, as calc::exact::IntegerText writes one (no sign).
Expression Whole(std::string digits);

// A number of the core's digits: a sign before it is a Negative, and from the exponents at
// which the report writes a number in exponent form on (calc::Layout's), a product with a
// power of ten (1,5 · 10⁻⁷). It is exact, or the value rounded, as the digits say
// (calc::Digits::exact).
Expression Decimal(const calc::Digits &digits);

// Whether any number of the tree is rounded.
bool Rounded(const Expression &e);

// A chain of equalities, an item at a time: "a = 2S/h_a ≈ 6,75".
class Chain
{
public:
    explicit Chain(Expression first);

    // The next item, after "=", or after "≈" where it is rounded; an item the same as the
    // one before it is left out.
    Chain &Is(Expression item);
    // The next item after `relation`.
    Chain &Then(Relation relation, Expression item);

    Expression Take() { return std::move(chain_); }

private:
    Expression chain_;
};

// Where an expression stands in its parent, for its brackets.
enum class Place {
    Term,        // of a sum, after the first
    Factor,      // of a product
    Numerator,   // of a fraction
    Denominator, // of a fraction
    Radicand,    // under a root
    Base,        // of a power
    Negated,     // after a minus sign
};

// Whether `e` is put in brackets at `place`. `linear`: written on one line, as plain text
// is, where a fraction is a slash and a root covers only what follows it.
bool Bracketed(const Expression &e, Place place, bool linear);

// Whether a product writes "·" between `factor` and the factor before it: before a
// number or a fraction (2 · 6, 2 · 12/5), where side by side would read as other digits
// or a mixed number, and before a name with a subscript or of two letters after anything but
// a number (a · h_a, BL_a · CL_a, but 2m_b), and after a root (√51 · √155); letters,
// roots and brackets follow without it (2S, 4√10, p(p − a)).
bool NeedsDot(const Expression &before, const Expression &factor);

// Where a line of formulas may break, for the writers whose lines wrap (MathML, Office Math):
// before factor `i` of a product where a dot stands, or between two factors in brackets;
// never between a coefficient and what it multiplies (2√13, 2S).
bool BreaksBefore(const std::vector<Expression> &factors, std::size_t i);

// Whether a line may break inside `e`: a product with such a place.
bool BreaksInside(const Expression &e);

} // namespace solution
