// Formulas as Office Math (OMML), which Word and LibreOffice Writer open as formulas of
// their own: fractions stacked, roots drawn over their radicand, exponents raised, brackets
// that grow. A line of a step is cut into <m:oMath> elements where the HTML's is cut
// (BreaksBefore), since Writer makes each a formula object that does not wrap. The sign
// before a piece is plain text with spaces, the one form both programs take at the start of
// a formula ("= 6" alone is a syntax error to Writer); numbers are plain text too, so that a
// decimal comma stays inside its number instead of being spaced as punctuation.
#include "omml_math.h"

#include "markup.h"

#include <utility>

namespace solution
{
namespace
{

using figure::AppendEscaped;
using Node = Expression::Node;

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

// A formula as the elements of Office Math, without the <m:oMath> round it.
class Omml final : public Sink
{
public:
    Omml(std::string &out, std::string_view decimalSeparator)
        : out_(out), separator_(decimalSeparator)
    {
    }

    void Symbol(std::string_view letters, char subscript) override
    {
        if (std::exchange(scriptedBase_, false)) { // the base of m_b², in its <m:sSubSup>
            Run(out_, letters);
            out_ += "</m:e><m:sub>";
            Letter(out_, subscript);
            out_ += "</m:sub>";
            return;
        }
        if (subscript == 0) {
            Run(out_, letters);
            return;
        }
        out_ += "<m:sSub><m:e>";
        Run(out_, letters);
        out_ += "</m:e><m:sub>";
        Letter(out_, subscript);
        out_ += "</m:sub></m:sSub>";
    }

    void Number(const solution::Number &number) override
    {
        digits_.clear();
        AppendNumber(digits_, number, separator_);
        Plain(out_, digits_);
    }

    void Open(const Expression &e) override
    {
        switch (e.node) {
        case Node::Fraction:
            out_ += "<m:f><m:num>";
            return;
        case Node::Root:
            out_ += "<m:rad><m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/><m:e>";
            return;
        case Node::Power:
            scriptedBase_ = ScriptedOverSubscript(e);
            out_ += scriptedBase_ ? "<m:sSubSup><m:e>" : "<m:sSup><m:e>";
            return;
        default:
            return;
        }
    }
    void Between(const Expression &e) override
    {
        if (e.node == Node::Fraction)
            out_ += "</m:num><m:den>";
        else
            out_ += ScriptedOverSubscript(e) ? "<m:sup>" : "</m:e><m:sup>";
    }
    void Close(const Expression &e) override
    {
        switch (e.node) {
        case Node::Fraction:
            out_ += "</m:den></m:f>";
            return;
        case Node::Root:
            out_ += "</m:e></m:rad>";
            return;
        case Node::Power:
            out_ += ScriptedOverSubscript(e) ? "</m:sup></m:sSubSup>" : "</m:sup></m:sSup>";
            return;
        default:
            return;
        }
    }

    void Operator(solution::Operator op) override
    {
        if (op != Operator::Beside)
            Run(out_, Glyph(op));
    }
    void Relation(solution::Relation relation) override { Run(out_, Glyph(relation)); }

    // A delimiter that grows with what it holds.
    void OpenBrackets(const Expression &) override { out_ += "<m:d><m:e>"; }
    void CloseBrackets(const Expression &) override { out_ += "</m:e></m:d>"; }

private:
    std::string &out_;
    std::string_view separator_;
    std::string digits_;        // a number laid out, before it is escaped
    bool scriptedBase_ = false; // the next symbol is the base of m_b²
};

// The pieces of a line, an <m:oMath> each, the sign before a piece inside it.
class Line final : public Pieces
{
public:
    Line(std::string &out, std::string_view decimalSeparator)
        : out_(out), formula_(out, decimalSeparator)
    {
    }

    // A piece; a term that may break inside is no group here, its pieces the line's.
    void Put(const solution::Piece &piece) override
    {
        Begin(piece.lead);
        WalkPiece(formula_, piece);
        out_ += "</m:oMath>";
    }

    // `e` after `lead`, in one piece.
    void Whole(Lead lead, const Expression &e)
    {
        Begin(lead);
        Walk(formula_, e);
        out_ += "</m:oMath>";
    }

private:
    void Begin(Lead lead)
    {
        out_ += "<m:oMath>";
        std::string_view sign;
        if (const auto *relation = std::get_if<solution::Relation>(&lead))
            sign = Glyph(*relation);
        else if (const auto *op = std::get_if<solution::Operator>(&lead))
            sign = Glyph(*op);
        if (!sign.empty()) {
            std::string spaced = " ";
            spaced += sign;
            spaced += ' ';
            Plain(out_, spaced);
        }
    }

    std::string &out_;
    Omml formula_;
};

} // namespace

void AppendOmmlLine(std::string &out, Lead lead, const Expression &e,
                    std::string_view decimalSeparator)
{
    Line line(out, decimalSeparator);
    CutIntoPieces(line, lead, e);
}

void AppendOmmlWhole(std::string &out, Lead lead, const Expression &e,
                     std::string_view decimalSeparator)
{
    Line(out, decimalSeparator).Whole(lead, e);
}

void AppendOmml(std::string &out, const Expression &e, std::string_view decimalSeparator)
{
    out += "<m:oMath>";
    Omml formula(out, decimalSeparator);
    Walk(formula, e);
    out += "</m:oMath>";
}

} // namespace solution
