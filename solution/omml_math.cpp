// Formulas as Office Math (OMML), which Word and LibreOffice Writer open as formulas of
// their own: fractions stacked, roots drawn over their radicand, exponents raised, brackets
// that grow. A line of a step is cut into <m:oMath> elements where the HTML's is cut
// (BreaksBefore), since Writer makes each a formula object that does not wrap. The sign
// before a piece is plain text with spaces, the one form both programs take at the start of
// a formula ("= 6" alone is a syntax error to Writer); numbers are plain text too, so that a
// decimal comma stays inside its number instead of being spaced as punctuation.
#include "omml_math.h"

#include "markup.h"

#include <optional>

namespace solution
{
namespace
{

using figure::AppendEscaped;
using Kind = Expression::Kind;

// A run of math: a letter or an operator, as the math fonts draw it.
void Run(std::string &out, std::string_view text)
{
    out += "<m:r><m:t>";
    AppendEscaped(out, text);
    out += "</m:t></m:r>";
}

// A run of plain text in math: upright, in the paragraph's font, spaces kept.
void Plain(std::string &out, std::string_view text)
{
    out += "<m:r><m:rPr><m:nor/></m:rPr><m:t xml:space=\"preserve\">";
    AppendEscaped(out, text);
    out += "</m:t></m:r>";
}

void Letter(std::string &out, char letter)
{
    Run(out, std::string_view(&letter, 1));
}

void Write(std::string &out, const Expression &e);

// `e` in brackets where it needs them, as a delimiter that grows with what it holds.
void WriteAt(std::string &out, const Expression &e, Place place)
{
    if (!Bracketed(e, place, false)) {
        Write(out, e);
        return;
    }
    out += "<m:d><m:e>";
    Write(out, e);
    out += "</m:e></m:d>";
}

// The factors [begin, end) of a product, a dot between those that need one.
void WriteFactors(std::string &out, const std::vector<Expression> &factors, std::size_t begin,
                  std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        if (i > begin && NeedsDot(factors[i - 1], factors[i]))
            Run(out, "·");
        WriteAt(out, factors[i], Place::Factor);
    }
}

void Write(std::string &out, const Expression &e)
{
    switch (e.kind) {
    case Kind::Symbol:
        if (e.subscript == 0) {
            Run(out, e.text);
            return;
        }
        out += "<m:sSub><m:e>";
        Run(out, e.text);
        out += "</m:e><m:sub>";
        Letter(out, e.subscript);
        out += "</m:sub></m:sSub>";
        return;
    case Kind::Number:
        Plain(out, e.text);
        return;
    case Kind::Negative:
        Run(out, "−");
        WriteAt(out, e.operands.front(), Place::Negated);
        return;
    case Kind::Sum:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            const Expression &term = e.operands[i];
            if (i == 0) {
                Write(out, term);
            } else if (term.kind == Kind::Negative) {
                Run(out, "−");
                WriteAt(out, term.operands.front(), Place::Negated);
            } else {
                Run(out, "+");
                WriteAt(out, term, Place::Term);
            }
        }
        return;
    case Kind::Product:
        WriteFactors(out, e.operands, 0, e.operands.size());
        return;
    case Kind::Fraction:
        out += "<m:f><m:num>";
        WriteAt(out, e.operands[0], Place::Numerator);
        out += "</m:num><m:den>";
        WriteAt(out, e.operands[1], Place::Denominator);
        out += "</m:den></m:f>";
        return;
    case Kind::Root:
        out += "<m:rad><m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/><m:e>";
        WriteAt(out, e.operands.front(), Place::Radicand);
        out += "</m:e></m:rad>";
        return;
    case Kind::Power:
        if (const Expression &base = e.operands[0];
            base.kind == Kind::Symbol && base.subscript != 0) {
            // m_b²: the exponent over the subscript
            out += "<m:sSubSup><m:e>";
            Run(out, base.text);
            out += "</m:e><m:sub>";
            Letter(out, base.subscript);
            out += "</m:sub><m:sup>";
        } else {
            out += "<m:sSup><m:e>";
            WriteAt(out, base, Place::Base);
            out += "</m:e><m:sup>";
        }
        Write(out, e.operands[1]);
        out += e.operands[0].subscript != 0 ? "</m:sup></m:sSubSup>" : "</m:sup></m:sSup>";
        return;
    case Kind::Ratio:
    case Kind::Chain:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0)
                Run(out, e.kind == Kind::Ratio ? ":" : Sign(e.relations[i - 1]));
            Write(out, e.operands[i]);
        }
        return;
    }
}

// The pieces of a line, an <m:oMath> each, the sign before a piece inside it.
class Line
{
public:
    explicit Line(std::string &out) : out_(out) {}

    // `e` after `before`, where nothing brackets it: an item of a chain, cut into pieces
    // (CutIntoPieces); a term that may break inside is no group here, its pieces the line's.
    void Item(std::string_view before, const Expression &e) { CutIntoPieces(before, e, *this); }

    void Put(const solution::Piece &piece)
    {
        Piece(piece.before, [&] {
            if (piece.factors != nullptr)
                WriteFactors(out_, *piece.factors, piece.begin, piece.end);
            else if (piece.place)
                WriteAt(out_, *piece.whole, *piece.place);
            else
                Write(out_, *piece.whole);
        });
    }
    void Open() {}
    void Close() {}

    // `e` after `before`, in one piece.
    void Whole(std::string_view before, const Expression &e)
    {
        Piece(before, [&] { Write(out_, e); });
    }

private:
    template<typename Content> void Piece(std::string_view before, Content &&content)
    {
        out_ += "<m:oMath>";
        if (!before.empty()) {
            std::string spaced = " ";
            spaced += before;
            spaced += ' ';
            Plain(out_, spaced);
        }
        content();
        out_ += "</m:oMath>";
    }

    std::string &out_;
};

} // namespace

std::string_view Sign(Relation relation)
{
    constexpr std::string_view kRelations[] = {"=", "≈", "<", ">"};
    return kRelations[static_cast<std::size_t>(relation)];
}

void AppendOmmlLine(std::string &out, std::string_view before, const Expression &e)
{
    Line(out).Item(before, e);
}

void AppendOmmlWhole(std::string &out, std::string_view before, const Expression &e)
{
    Line(out).Whole(before, e);
}

void AppendOmml(std::string &out, const Expression &e)
{
    out += "<m:oMath>";
    Write(out, e);
    out += "</m:oMath>";
}

} // namespace solution
