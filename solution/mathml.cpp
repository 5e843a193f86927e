// The worked solution as HTML with Presentation MathML: a paragraph a step, its chain cut
// into <math> elements at each relation and between the terms and factors of a sum or a
// product that follows one, so that the browser wraps a long chain as it wraps words.
#include "markup.h"
#include "solution.h"

namespace solution
{
namespace
{

using figure::AppendEscaped;
using Kind = Expression::Kind;

constexpr std::string_view kRelations[] = {"=", "≈", "&lt;", "&gt;"};

void Write(std::string &out, const Expression &e);

// One element: `e` in brackets where it needs them.
void WriteAt(std::string &out, const Expression &e, Place place)
{
    if (!Bracketed(e, place, false)) {
        Write(out, e);
        return;
    }
    out += "<mrow><mo>(</mo>";
    Write(out, e);
    out += "<mo>)</mo></mrow>";
}

void Write(std::string &out, const Expression &e)
{
    switch (e.kind) {
    case Kind::Symbol:
        if (e.subscript != 0)
            out += "<msub>";
        out += "<mi>";
        AppendEscaped(out, e.text);
        out += "</mi>";
        if (e.subscript != 0) {
            out += "<mi>";
            out += e.subscript;
            out += "</mi></msub>";
        }
        return;
    case Kind::Number:
        out += "<mn>";
        AppendEscaped(out, e.text);
        out += "</mn>";
        return;
    case Kind::Negative:
        out += "<mrow><mo>−</mo>";
        WriteAt(out, e.operands.front(), Place::Negated);
        out += "</mrow>";
        return;
    case Kind::Sum:
        out += "<mrow>";
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            const Expression &term = e.operands[i];
            if (i == 0) {
                Write(out, term);
            } else if (term.kind == Kind::Negative) {
                out += "<mo>−</mo>";
                WriteAt(out, term.operands.front(), Place::Negated);
            } else {
                out += "<mo>+</mo>";
                WriteAt(out, term, Place::Term);
            }
        }
        out += "</mrow>";
        return;
    case Kind::Product:
        out += "<mrow>";
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0) // a dot, or the invisible times of factors side by side
                out +=
                    NeedsDot(e.operands[i - 1], e.operands[i]) ? "<mo>·</mo>" : "<mo>&#x2062;</mo>";
            WriteAt(out, e.operands[i], Place::Factor);
        }
        out += "</mrow>";
        return;
    case Kind::Fraction:
        out += "<mfrac>";
        WriteAt(out, e.operands[0], Place::Numerator);
        WriteAt(out, e.operands[1], Place::Denominator);
        out += "</mfrac>";
        return;
    case Kind::Root:
        out += "<msqrt>";
        WriteAt(out, e.operands.front(), Place::Radicand);
        out += "</msqrt>";
        return;
    case Kind::Power:
        if (const Expression &base = e.operands[0];
            base.kind == Kind::Symbol && base.subscript != 0) {
            // m_b²: the exponent over the subscript
            out += "<msubsup><mi>";
            AppendEscaped(out, base.text);
            out += "</mi><mi>";
            out += base.subscript;
            out += "</mi>";
        } else {
            out += "<msup>";
            WriteAt(out, base, Place::Base);
        }
        Write(out, e.operands[1]);
        out += e.operands[0].subscript != 0 ? "</msubsup>" : "</msup>";
        return;
    case Kind::Ratio:
        out += "<mrow>";
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0)
                out += "<mo>:</mo>";
            Write(out, e.operands[i]);
        }
        out += "</mrow>";
        return;
    case Kind::Chain:
        // (written a piece at a time by AppendMathMl)
        return;
    }
}

// A piece of a chain between two places where a line may break: an expression with the
// operator before it, in brackets where it stands in a sum or a product.
struct Piece {
    std::string_view before;
    const Expression *e;
    bool bracketed = false; // (as a term or a factor)
    Place place = Place::Term;
};

// The pieces of a chain: its first item whole, then each item after its relation, a sum
// a term at a time and a product a factor at a time.
std::vector<Piece> Pieces(const Expression &chain)
{
    std::vector<Piece> pieces;
    if (chain.operands.empty())
        return pieces;
    pieces.push_back({{}, &chain.operands[0]});
    for (std::size_t i = 1; i < chain.operands.size(); ++i) {
        const Expression &item = chain.operands[i];
        const std::string_view relation =
            kRelations[static_cast<std::size_t>(chain.relations[i - 1])];
        if (item.kind != Kind::Sum && item.kind != Kind::Product) {
            pieces.push_back({relation, &item});
            continue;
        }
        for (std::size_t n = 0; n < item.operands.size(); ++n) {
            const Expression &part = item.operands[n];
            if (item.kind == Kind::Product)
                pieces.push_back({n == 0 ? relation
                                  : NeedsDot(item.operands[n - 1], part)
                                      ? std::string_view("·")
                                      : std::string_view("&#x2062;"),
                                  &part, true, Place::Factor});
            else if (n == 0)
                pieces.push_back({relation, &part});
            else if (part.kind == Kind::Negative)
                pieces.push_back({"−", &part.operands.front(), true, Place::Negated});
            else
                pieces.push_back({"+", &part, true, Place::Term});
        }
    }
    return pieces;
}

// A <math> a piece, with a place to break the line between them, but for the first two:
// a left-hand side alone on a line says nothing. An operator at the start of a <math>
// stands between two operands, and is spaced so.
void WriteChain(std::string &out, const Expression &chain)
{
    const std::vector<Piece> pieces = Pieces(chain);
    for (std::size_t n = 0; n < pieces.size(); ++n) {
        const Piece &piece = pieces[n];
        if (n != 1)
            out += n == 0 ? "<math>" : "<wbr/><math>";
        if (!piece.before.empty()) {
            out += n == 1 ? "<mo>" : "<mo form=\"infix\">";
            out += piece.before;
            out += "</mo>";
        }
        if (piece.bracketed)
            WriteAt(out, *piece.e, piece.place);
        else
            Write(out, *piece.e);
        if (n != 0 || pieces.size() == 1)
            out += "</math>";
    }
}

} // namespace

void AppendMathMl(std::string &out, const WorkedSolution &worked)
{
    for (const Part &part : worked.parts) {
        out += "<p class=\"part\">";
        AppendEscaped(out, part.title);
        out += "</p>\n";
        for (const Step &step : part.steps) {
            out += "<p class=\"step\">";
            for (std::size_t i = 0; i < step.formulas.size(); ++i) {
                if (i > 0)
                    out += "; ";
                WriteChain(out, step.formulas[i]);
            }
            if (!step.note.empty()) {
                if (!step.formulas.empty())
                    out += ": ";
                AppendEscaped(out, step.note);
            }
            out += "</p>\n";
        }
    }
}

} // namespace solution
