// The worked solution as HTML with Presentation MathML, laid out as in a notebook: a step
// is a grid of two columns (the page's CSS), a formula a row: its left-hand side in the
// first column, its relations ("= …", "≈ …") in the second. MathML has no line breaking of
// its own: a row is cut into <math> elements where it may wrap onto a further line, at a
// relation first (each relation is a group that keeps to one line where it fits one, and
// the further lines start under the first relation), then before a term of a sum and
// before a factor of a product that a dot or brackets set apart (· 2√13, )(): BreaksBefore,
// which the Office Math writer shares; and never inside brackets, a fraction or a root. A
// term that is such a product is a group too. A note follows its formula as text, after a
// colon, as the plain text has it.
#include "markup.h"
#include "paper.h"
#include "solution.h"
#include "utf8.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace solution
{
namespace
{

using figure::AppendEscaped;
using Kind = Expression::Kind;

constexpr std::string_view kRelations[] = {"=", "≈", "&lt;", "&gt;"};
constexpr std::string_view kDot = "·";
constexpr std::string_view kInvisibleTimes = "&#x2062;";
constexpr std::string_view kPieceEnd = "</mrow></math>";
// A note of more characters than a few words ("без кратък точен вид"), and left-hand sides
// wider (em) than a couple of letters and a sign ("a + b"): beside them a long note would
// have a narrow column on a phone.
constexpr std::size_t kShortNote = 40;
constexpr double kNarrowSide = 4;
// The colon of a proportion spaced as a relation, "a : b", not as punctuation, "a: b".
constexpr std::string_view kRatio = "<mo lspace=\"0.2778em\" rspace=\"0.2778em\">:</mo>";

void Write(std::string &out, const Expression &e);

// Whether a fraction stands anywhere in `e`.
bool HasFraction(const Expression &e)
{
    if (e.kind == Kind::Fraction)
        return true;
    for (const Expression &operand : e.operands)
        if (HasFraction(operand))
            return true;
    return false;
}

// One element: `e` in brackets where it needs them.
void WriteAt(std::string &out, const Expression &e, Place place)
{
    if (!Bracketed(e, place, false)) {
        Write(out, e);
        return;
    }
    // Brackets grow only round a fraction: round a line of text a stretched bracket is
    // taller than the text, and some engines reserve room beside it for its largest size.
    const std::string_view stretchy = HasFraction(e) ? "" : " stretchy=\"false\"";
    out += "<mrow><mo fence=\"true\"";
    out += stretchy;
    out += ">(</mo>";
    Write(out, e);
    out += "<mo fence=\"true\"";
    out += stretchy;
    out += ">)</mo></mrow>";
}

// The factors [begin, end) of a product: a dot, or the invisible times of factors side by
// side, between them.
void WriteFactors(std::string &out, const std::vector<Expression> &factors, std::size_t begin,
                  std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        if (i > begin) {
            out += "<mo>";
            out += NeedsDot(factors[i - 1], factors[i]) ? kDot : kInvisibleTimes;
            out += "</mo>";
        }
        WriteAt(out, factors[i], Place::Factor);
    }
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
        WriteFactors(out, e.operands, 0, e.operands.size());
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
                out += kRatio;
            Write(out, e.operands[i]);
        }
        out += "</mrow>";
        return;
    case Kind::Chain:
        // (written as rows by AppendMathMl)
        return;
    }
}

// A cell of the grid, written a piece at a time: each piece a <math> that begins with the
// operator before it, with a place to break the line before it (but the first).
class Cell
{
public:
    explicit Cell(std::string &out) : out_(out) {}

    // `e` after `before`, where nothing brackets it: an item of a chain, cut into pieces
    // (CutIntoPieces).
    void Item(std::string_view before, const Expression &e) { CutIntoPieces(before, e, *this); }

    // A piece: a <math> that begins with the operator before it.
    void Put(const solution::Piece &piece)
    {
        Piece(piece.joined ? kInvisibleTimes : piece.before, [&] {
            if (piece.factors != nullptr)
                WriteFactors(out_, *piece.factors, piece.begin, piece.end);
            else if (piece.place)
                WriteAt(out_, *piece.whole, *piece.place);
            else
                Write(out_, *piece.whole);
        });
    }

    // A term that is a product which may break: a group, which wraps inside only where it
    // is wider than a line.
    void Open()
    {
        if (pieces_ > 0)
            out_ += "<wbr/>";
        out_ += "<span class=\"group\">";
        grouping_ = true;
    }
    void Close() { out_ += "</span>"; }

    // A relation of a chain, "= …": a group of its own.
    void Relation(std::string_view relation, const Expression &e)
    {
        if (pieces_ > 0)
            out_ += "<wbr/>";
        out_ += "<span class=\"group\">";
        grouping_ = true;
        Item(relation, e);
        out_ += "</span>";
    }

    // After the last piece: a colon inside it, then the note, as text that goes on from
    // the formula on its line and wraps as text does, its further lines under the first
    // relation. `wide`: the note is long and the left-hand sides beside it wide, so that a
    // narrow screen would leave it a narrow column: a class of its own ("long") for the
    // screen to give it the whole width.
    void Note(std::string_view note, bool wide)
    {
        if (const std::size_t end = out_.rfind(kPieceEnd); end != std::string::npos)
            out_.insert(end, "<mtext>:</mtext>");
        out_ += wide ? " <span class=\"note long\">" : " <span class=\"note\">";
        AppendEscaped(out_, note);
        out_ += "</span>";
    }

private:
    template<typename Content> void Piece(std::string_view before, Content &&content)
    {
        if (pieces_++ > 0 && !grouping_)
            out_ += "<wbr/>";
        grouping_ = false;
        out_ += "<math><mrow>"; // one child: Firefox breaks lines between those of a <math>
        if (!before.empty()) {
            // At the start of a <math> an operator stands between two operands all the same.
            out_ += "<mo form=\"infix\">";
            out_ += before;
            out_ += "</mo>";
        }
        content();
        out_ += kPieceEnd;
    }

    std::string &out_;
    std::size_t pieces_ = 0;
    bool grouping_ = false; // the next piece opens a group: its break is before the group
};

// A chain as cells of the step's grid: its first item, then its relations in one row,
// each a group: the row wraps at a relation first, its further lines starting under the
// first relation, and inside a relation only where that is wider than a line. The step's
// note (why a triple is refused, what a decimal is) follows its last chain, after a colon;
// `wide`: beside left-hand sides too wide to leave a long note room on a phone.
void WriteChain(std::string &out, const Expression &chain, std::string_view note, bool wide)
{
    out += chain.operands.size() == 1 ? "<div class=\"lhs alone\">" : "<div class=\"lhs\">";
    Cell lhs(out);
    lhs.Item({}, chain.operands.front());
    if (chain.operands.size() > 1) {
        out += "</div><div class=\"row\">";
        Cell cell(out);
        for (std::size_t i = 1; i < chain.operands.size(); ++i)
            cell.Relation(kRelations[static_cast<std::size_t>(chain.relations[i - 1])],
                          chain.operands[i]);
        if (!note.empty())
            cell.Note(note, wide);
    } else if (!note.empty()) {
        lhs.Note(note, wide);
    }
    out += "</div>";
}

// A step as a grid of its formulas, a note after them or alone.
void WriteStep(std::string &out, const Step &step)
{
    const bool wide =
        calc::Utf8Characters(step.note) > kShortNote &&
        std::any_of(step.formulas.begin(), step.formulas.end(), [](const Expression &chain) {
            return Width(chain.operands.front()) > kNarrowSide;
        });
    out += "<div class=\"step\">";
    for (std::size_t i = 0; i < step.formulas.size(); ++i)
        WriteChain(out, step.formulas[i],
                   i + 1 == step.formulas.size() ? std::string_view(step.note) : std::string_view(),
                   wide);
    if (step.formulas.empty() && !step.note.empty()) {
        out += "<p class=\"note\">";
        AppendEscaped(out, step.note);
        out += "</p>";
    }
    out += "</div>\n";
}

} // namespace

void AppendMathMl(std::string &out, const WorkedSolution &worked)
{
    for (const Part &part : worked.parts) {
        out += "<p class=\"part\">";
        AppendEscaped(out, part.title);
        out += "</p>\n";
        for (const Step &step : part.steps)
            WriteStep(out, step);
    }
}

void AppendMathMl(std::string &out, const WorkedSolution &worked, const Paper &paper)
{
    // Where the end kept together begins: at the part and the pair (its first step) from
    // which the pairs and titles to the end are `paper.tail` em tall, never within the
    // beginning, which is kept together anyway.
    std::size_t tailPart = worked.parts.size();
    std::size_t tailStep = 0;
    double tail = 0;
    for (std::size_t p = worked.parts.size(); p-- > 0 && tail < paper.tail;) {
        const Part &part = worked.parts[p];
        for (std::size_t k = (part.steps.size() + 1) / 2 * 2; k >= 2 && tail < paper.tail;) {
            k -= 2;
            tail +=
                PairHeight(part, k, paper.column) + (k == 0 ? TitleHeight(part, paper.column) : 0);
            tailPart = p;
            tailStep = k;
        }
    }
    if (tailPart == 0 && tailStep == 0)
        tailPart = worked.parts.size();

    for (std::size_t p = 0; p < worked.parts.size(); ++p) {
        const Part &part = worked.parts[p];
        if (p == tailPart && tailStep == 0)
            out += "<div class=\"keep\">";
        // The title goes with the part's first pair of steps, and the heading with the
        // first title: a page breaks between pairs, never after a title.
        out += "<div class=\"keep\">";
        if (p == 0)
            out += "<h3>" + std::string(kHeading) + "</h3>";
        out += "<p class=\"part\">";
        AppendEscaped(out, part.title);
        out += "</p>\n";
        for (std::size_t k = 0; k < part.steps.size(); k += 2) {
            if (p == tailPart && k == tailStep && k > 0)
                out += "<div class=\"keep\">";
            out += "<div class=\"pair\">";
            WriteStep(out, part.steps[k]);
            if (k + 1 < part.steps.size())
                WriteStep(out, part.steps[k + 1]);
            out += k == 0 ? "</div></div>\n" : "</div>\n"; // and the first, its title's group
        }
        if (part.steps.empty())
            out += "</div>\n";
    }
    if (tailPart < worked.parts.size())
        out += "</div>\n";
}

} // namespace solution
