#pragma once

// The one walk of a formula tree (expression.h), which every writer of formulas follows:
// the plain text (text.cpp), the MathML (mathml.cpp), the Office Math (omml_math.cpp) and
// the estimates of how wide and how tall a formula is set (paper_height.cpp, omml.cpp).
// The walk decides, once for all of them, what comes in which order: the operands of each
// node, the brackets round an operand where it needs them (Bracketed), the dot or nothing
// between two factors (NeedsDot), the sign before a term; a Sink is told each of them and
// writes, or measures, them in its own terms. For the writers whose lines wrap, a chain's
// item is walked in pieces between the places where a line may break (CutIntoPieces).

#include "expression.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace solution
{

// An operator that the walk puts before or between operands.
enum class Operator {
    Plus,     // + before a term
    Minus,    // − before a term that is subtracted
    Negation, // − before what a Negative negates
    Dot,      // · between two factors (NeedsDot)
    Beside,   // between two factors side by side: no sign
    Colon,    // : between the terms of a proportion
};

inline constexpr std::size_t kRelations = static_cast<std::size_t>(Relation::Greater) + 1;
inline constexpr std::size_t kOperators = static_cast<std::size_t>(Operator::Colon) + 1;

// The signs of the relations and the operators, as the writers show them: "=", "≈", "<",
// ">"; "+", "−", "−", "·", none, ":".
std::string_view Glyph(Relation relation);
std::string_view Glyph(Operator op);

// A number of a formula laid out in full with `decimalSeparator` by the core's one writer
// (calc::AppendDigits); a whole number that is its digits alone (12, 231), as most are, is
// those digits.
void AppendDigitsOf(std::string &out, const Number &number, std::string_view decimalSeparator);
inline void AppendNumber(std::string &out, const Number &number, std::string_view decimalSeparator)
{
    if (number.exponent >= 0 &&
        static_cast<std::uint64_t>(number.exponent) + 1 == number.digits.size())
        out += number.digits;
    else
        AppendDigitsOf(out, number, decimalSeparator);
}

// Whether a power is of a letter with a subscript, whose exponent a writer that sets scripts
// puts over the subscript (m_b²) rather than after it.
bool ScriptedOverSubscript(const Expression &power);

// What a walk tells, in the order of the formula: the writers and the measures derive from
// it, each a final class.
class Sink
{
public:
    virtual ~Sink() = default;

    // Whether the sink writes on one line, as plain text does: a fraction is a slash and
    // a root covers only what follows it, so that more operands are put in brackets.
    virtual bool Linear() const { return false; }

    // A letter with its subscript (none: 0), and a number.
    virtual void Symbol(std::string_view letters, char subscript) = 0;
    virtual void Number(const solution::Number &number) = 0;
    // Any other node, before its operands and after them.
    virtual void Open(const Expression &e) = 0;
    virtual void Close(const Expression &e) = 0;
    // Between the two operands of a fraction (numerator, denominator) or a power (base,
    // exponent).
    virtual void Between(const Expression &e) = 0;
    // An operator before an operand, and a relation between two items of a chain.
    virtual void Operator(solution::Operator op) = 0;
    virtual void Relation(solution::Relation relation) = 0;
    // Brackets round `inside`.
    virtual void OpenBrackets(const Expression &inside) = 0;
    virtual void CloseBrackets(const Expression &inside) = 0;
};

// The walk itself, written once for every sink: a template over the sink's own (final)
// type, so that each writer's calls are its own and inlined, not looked up a node at a
// time.

// `e` as it is, with no brackets round it.
template<typename Writer> void Walk(Writer &sink, const Expression &e);

// `e` where it stands at `place`, in brackets where it needs them there.
template<typename Writer> void Walk(Writer &sink, const Expression &e, Place place)
{
    if (!Bracketed(e, place, sink.Linear())) {
        Walk(sink, e);
        return;
    }
    sink.OpenBrackets(e);
    Walk(sink, e);
    sink.CloseBrackets(e);
}

// The factors [begin, end) of a product, each with the dot or nothing before it but the
// first.
template<typename Writer>
void WalkFactors(Writer &sink, const std::vector<Expression> &factors, std::size_t begin,
                 std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        if (i > begin)
            sink.Operator(NeedsDot(factors[i - 1], factors[i]) ? Operator::Dot : Operator::Beside);
        Walk(sink, factors[i], Place::Factor);
    }
}

template<typename Writer> void Walk(Writer &sink, const Expression &e)
{
    using Node = Expression::Node;
    const std::vector<Expression> &operands = e.operands;
    switch (e.node) {
    case Node::Symbol:
        sink.Symbol(e.letters, e.subscript);
        return;
    case Node::Number:
        sink.Number(e.number);
        return;
    case Node::Negative:
        sink.Open(e);
        sink.Operator(Operator::Negation);
        Walk(sink, operands.front(), Place::Negated);
        break;
    case Node::Sum:
        sink.Open(e);
        for (std::size_t i = 0; i < operands.size(); ++i) {
            const Expression &term = operands[i];
            if (i == 0) {
                Walk(sink, term);
            } else if (term.node == Node::Negative) {
                sink.Operator(Operator::Minus);
                Walk(sink, term.operands.front(), Place::Negated);
            } else {
                sink.Operator(Operator::Plus);
                Walk(sink, term, Place::Term);
            }
        }
        break;
    case Node::Product:
        sink.Open(e);
        WalkFactors(sink, operands, 0, operands.size());
        break;
    case Node::Fraction:
        sink.Open(e);
        Walk(sink, operands[0], Place::Numerator);
        sink.Between(e);
        Walk(sink, operands[1], Place::Denominator);
        break;
    case Node::Root:
        sink.Open(e);
        Walk(sink, operands.front(), Place::Radicand);
        break;
    case Node::Power:
        sink.Open(e);
        Walk(sink, operands[0], Place::Base);
        sink.Between(e);
        Walk(sink, operands[1]);
        break;
    case Node::Ratio:
    case Node::Chain:
        sink.Open(e);
        for (std::size_t i = 0; i < operands.size(); ++i) {
            if (i > 0 && e.node == Node::Ratio)
                sink.Operator(Operator::Colon);
            else if (i > 0)
                sink.Relation(e.relations[i - 1]);
            Walk(sink, operands[i]);
        }
        break;
    }
    sink.Close(e);
}

// What a piece of a line begins with: nothing (a left-hand side), a relation ("= 6"), or an
// operator ("+ 1/3", "· 2√13"; Operator::Beside for a factor side by side with the one
// before it).
using Lead = std::variant<std::monostate, solution::Relation, solution::Operator>;

// A piece of a chain's item between two places where a line may break, for the writers
// whose lines wrap: what it begins with, and either an expression whole, in brackets where
// it stands at `place`, or the factors [begin, end) of a product.
struct Piece {
    Lead lead{};
    const Expression *whole = nullptr;
    std::optional<Place> place{};
    const std::vector<Expression> *factors = nullptr;
    std::size_t begin = 0, end = 0;
};

// What CutIntoPieces tells: each piece, and a group of them that a writer may keep on one
// line where it fits.
class Pieces
{
public:
    virtual ~Pieces() = default;
    virtual void Put(const Piece &piece) = 0;
    virtual void Open() {}
    virtual void Close() {}
};

// Cuts `e`, after `lead`, into pieces: a sum a term at a time, a product a run of factors
// from one place to break to the next (BreaksBefore). A term that is a product which may
// break is a group: Open() before its pieces and Close() after them.
void CutIntoPieces(Pieces &pieces, Lead lead, const Expression &e);

// The content of a piece, without what it begins with.
template<typename Writer> void WalkPiece(Writer &sink, const Piece &piece)
{
    if (piece.factors != nullptr)
        WalkFactors(sink, *piece.factors, piece.begin, piece.end);
    else if (piece.place)
        Walk(sink, *piece.whole, *piece.place);
    else
        Walk(sink, *piece.whole);
}

} // namespace solution
