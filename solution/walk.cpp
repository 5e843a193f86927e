#include "walk.h"

#include "numbers.h"

#include <array>
#include <cstdint>
#include <limits>

namespace solution
{

using Node = Expression::Node;

std::string_view Glyph(Relation relation)
{
    constexpr std::array<std::string_view, kRelations> kGlyphs = {"=", "≈", "<", ">"};
    return kGlyphs[static_cast<std::size_t>(relation)];
}

std::string_view Glyph(Operator op)
{
    constexpr std::array<std::string_view, kOperators> kGlyphs = {"+", "−", "−", "·", "", ":"};
    return kGlyphs[static_cast<std::size_t>(op)];
}

void AppendDigitsOf(std::string &out, const Number &number, std::string_view decimalSeparator)
{
    calc::AppendDigits(out, number.digits, number.exponent, false,
                       {.decimalSeparator = decimalSeparator,
                        .exponentBelow = std::numeric_limits<std::int64_t>::min(),
                        .exponentFrom = std::numeric_limits<std::int64_t>::max()});
}

bool ScriptedOverSubscript(const Expression &power)
{
    const Expression &base = power.operands.front();
    return base.node == Node::Symbol && base.subscript != 0;
}

void CutIntoPieces(Pieces &pieces, Lead lead, const Expression &e)
{
    if (e.node == Node::Sum) {
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            const Expression &term = e.operands[i];
            const bool negative = i > 0 && term.node == Node::Negative;
            const Expression &shown = negative ? term.operands.front() : term;
            const std::optional<Place> place =
                i == 0 ? std::nullopt : std::optional(negative ? Place::Negated : Place::Term);
            const Lead sign = i == 0 ? lead : Lead(negative ? Operator::Minus : Operator::Plus);
            if ((place && Bracketed(shown, *place, false)) || !BreaksInside(shown)) {
                pieces.Put(Piece{.lead = sign, .whole = &shown, .place = place});
                continue;
            }
            pieces.Open();
            CutIntoPieces(pieces, sign, shown);
            pieces.Close();
        }
        return;
    }
    if (e.node != Node::Product) {
        pieces.Put(Piece{.lead = lead, .whole = &e});
        return;
    }
    const std::vector<Expression> &factors = e.operands;
    std::size_t begin = 0;
    for (std::size_t end = 1; end <= factors.size(); ++end) {
        if (end < factors.size() && !BreaksBefore(factors, end))
            continue;
        const Lead sign =
            begin == 0 ? lead
                       : Lead(NeedsDot(factors[begin - 1], factors[begin]) ? Operator::Dot
                                                                           : Operator::Beside);
        pieces.Put(Piece{.lead = sign, .factors = &factors, .begin = begin, .end = end});
        begin = end;
    }
}

} // namespace solution
