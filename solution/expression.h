#pragma once

// A formula as a small tree, as a student writes it: letters with subscripts, numbers,
// sums, products, fractions, roots, powers and chains of equalities. The trees are built
// once (worked.cpp) and written three times, as plain text (text.cpp), as MathML
// (mathml.cpp) and as Office Math (omml.cpp); what the writers share, where brackets go and
// where a product needs its dot and where a line of formulas may break, is decided here.

#include "numbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solution
{

// How two neighbours of a chain are related.
enum class Relation {
    Equal,       // =
    Approximate, // ≈: the right-hand side is rounded
    Less,        // <
    Greater,     // >
};

struct Expression {
    enum class Kind {
        Symbol,   // a letter, with a subscript or not: S, p, a, h_a, l_b
        Number,   // a positive decimal as the report writes its digits: 6,75082412551434
        Negative, // −x
        Sum,      // the operands added; a Negative operand after the first is subtracted
        Product,  // the operands multiplied, side by side, or with "·" (NeedsDot)
        Fraction, // numerator / denominator
        Root,     // √x
        Power,    // base, exponent
        Ratio,    // the operands in proportion: 5 : 4 : 2
        Chain,    // the operands related one to the next by `relations`
    };
    Kind kind = Kind::Chain;
    // Symbol: the letter; Number: the digits and the decimal separator.
    std::string text;
    char subscript = 0; // Symbol: 'a', 'b', 'c', or none
    // Number: a decimal that is the value rounded, not the value itself.
    bool rounded = false;
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

Expression Symbol(std::string_view letter, char subscript = 0);
Expression Integer(int value);
Expression Negative(Expression operand);
// Nested sums and products are flattened into one.
Expression Sum(std::vector<Expression> terms);
Expression Product(std::vector<Expression> factors);
Expression Fraction(Expression numerator, Expression denominator);
Expression Root(Expression radicand);
Expression Power(Expression base, int exponent);
Expression Square(Expression base);

Expression Ratio(std::vector<Expression> terms);

// A whole number written in decimal digits, as it is (no sign).
Expression Whole(std::string_view digits);

// A number as calc::AppendDigits writes it, as a tree: a sign before it is a Negative, an
// exponent a product with a power of ten (1,5 · 10⁻⁷). `rounded`: it is the value rounded.
Expression DecimalOf(const calc::Digits &digits, std::string_view separator, bool rounded);

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

// A piece of a chain's item between two places where a line may break, for the writers
// whose lines wrap: the operator before it ("=", "+", "−", "·"; none between factors side
// by side, `joined`), and either an expression whole, in brackets where it stands at
// `place`, or the factors [begin, end) of a product.
struct Piece {
    std::string_view before{};
    bool joined = false;
    const Expression *whole = nullptr;
    std::optional<Place> place{};
    const std::vector<Expression> *factors = nullptr;
    std::size_t begin = 0, end = 0;
};

// Cuts `e`, after `before`, into pieces: a sum a term at a time, a product a run of factors
// from one place to break to the next (BreaksBefore). A term that is a product which may
// break is a group: `visit.Open()` before its pieces and `visit.Close()` after them, so that
// a writer can keep it on one line where it fits; each piece goes to `visit.Put(piece)`.
template<typename Visitor>
void CutIntoPieces(std::string_view before, const Expression &e, Visitor &visit)
{
    if (e.kind == Expression::Kind::Sum) {
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            const Expression &term = e.operands[i];
            const bool negative = i > 0 && term.kind == Expression::Kind::Negative;
            const Expression &shown = negative ? term.operands.front() : term;
            const std::optional<Place> place =
                i == 0 ? std::nullopt : std::optional(negative ? Place::Negated : Place::Term);
            const std::string_view sign = i == 0 ? before : negative ? "−" : "+";
            if ((place && Bracketed(shown, *place, false)) || !BreaksInside(shown)) {
                visit.Put(Piece{.before = sign, .whole = &shown, .place = place});
                continue;
            }
            visit.Open();
            CutIntoPieces(sign, shown, visit);
            visit.Close();
        }
        return;
    }
    if (e.kind != Expression::Kind::Product) {
        visit.Put(Piece{.before = before, .whole = &e});
        return;
    }
    const std::vector<Expression> &factors = e.operands;
    std::size_t begin = 0;
    for (std::size_t end = 1; end <= factors.size(); ++end) {
        if (end < factors.size() && !BreaksBefore(factors, end))
            continue;
        const bool dot = begin > 0 && NeedsDot(factors[begin - 1], factors[begin]);
        visit.Put(Piece{.before = begin == 0 ? before
                                  : dot      ? std::string_view("·")
                                             : std::string_view(),
                        .joined = begin > 0 && !dot,
                        .factors = &factors,
                        .begin = begin,
                        .end = end});
        begin = end;
    }
}

} // namespace solution
