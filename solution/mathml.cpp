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
#include "walk.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace solution
{
namespace
{

using figure::AppendEscaped;
using Node = Expression::Node;

constexpr std::string_view kInvisibleTimes = "&#x2062;";
constexpr std::string_view kPieceEnd = "</mrow></math>";
// A note of more characters than a few words ("без кратък точен вид"), and left-hand sides
// wider (em) than a couple of letters and a sign ("a + b"): beside them a long note would
// have a narrow column on a phone.
constexpr std::size_t kShortNote = 40;
constexpr double kNarrowSide = 4;
// The colon of a proportion spaced as a relation, "a : b", not as punctuation, "a: b".
constexpr std::string_view kRatio = "<mo lspace=\"0.2778em\" rspace=\"0.2778em\">:</mo>";

// Whether a fraction stands anywhere in `e`.
bool HasFraction(const Expression &e)
{
    if (e.node == Node::Fraction)
        return true;
    for (const Expression &operand : e.operands)
        if (HasFraction(operand))
            return true;
    return false;
}

// A formula as MathML elements.
class MathMl final : public Sink
{
public:
    MathMl(std::string &out, std::string_view decimalSeparator)
        : out_(out), separator_(decimalSeparator)
    {
    }

    void Symbol(std::string_view letters, char subscript) override
    {
        // The base of m_b²: the letter and its subscript, the exponent after them.
        const bool scripted = std::exchange(scriptedBase_, false);
        if (const std::size_t space = letters.find(' ');
            subscript == 0 && !scripted && space != std::string_view::npos) {
            // A function and its argument, "cos α": the two apart, and their application,
            // so that no layout breaks the name between them.
            out_ += "<mrow><mi>";
            AppendEscaped(out_, letters.substr(0, space));
            out_ += "</mi><mo>&#x2061;</mo><mi>";
            AppendEscaped(out_, letters.substr(space + 1));
            out_ += "</mi></mrow>";
            return;
        }
        if (subscript != 0 && !scripted)
            out_ += "<msub>";
        out_ += "<mi>";
        AppendEscaped(out_, letters);
        out_ += "</mi>";
        if (subscript != 0) {
            out_ += "<mi>";
            out_ += subscript;
            out_ += scripted ? "</mi>" : "</mi></msub>";
        }
    }

    void Number(const solution::Number &number) override
    {
        out_ += "<mn>";
        digits_.clear();
        AppendNumber(digits_, number, separator_);
        AppendEscaped(out_, digits_);
        out_ += "</mn>";
    }

    void Open(const Expression &e) override
    {
        switch (e.node) {
        case Node::Fraction:
            out_ += "<mfrac>";
            return;
        case Node::Root:
            out_ += "<msqrt>";
            return;
        case Node::Power:
            scriptedBase_ = ScriptedOverSubscript(e);
            out_ += scriptedBase_ ? "<msubsup>" : "<msup>";
            return;
        case Node::Chain: // (written as rows by AppendMathMl)
            return;
        default:
            out_ += "<mrow>";
        }
    }
    void Between(const Expression &) override {}
    void Close(const Expression &e) override
    {
        switch (e.node) {
        case Node::Fraction:
            out_ += "</mfrac>";
            return;
        case Node::Root:
            out_ += "</msqrt>";
            return;
        case Node::Power:
            out_ += ScriptedOverSubscript(e) ? "</msubsup>" : "</msup>";
            return;
        case Node::Chain:
            return;
        default:
            out_ += "</mrow>";
        }
    }

    void Operator(solution::Operator op) override
    {
        if (op == Operator::Colon) {
            out_ += kRatio;
            return;
        }
        out_ += "<mo>";
        out_ += op == Operator::Beside ? kInvisibleTimes : Glyph(op);
        out_ += "</mo>";
    }
    void Relation(solution::Relation relation) override
    {
        out_ += "<mo>";
        AppendEscaped(out_, Glyph(relation));
        out_ += "</mo>";
    }

    // Brackets grow only round a fraction: round a line of text a stretched bracket is
    // taller than the text, and some engines reserve room beside it for its largest size.
    void OpenBrackets(const Expression &inside) override
    {
        out_ += "<mrow><mo fence=\"true\"";
        out_ += Stretchy(inside);
        out_ += ">(</mo>";
    }
    void CloseBrackets(const Expression &inside) override
    {
        out_ += "<mo fence=\"true\"";
        out_ += Stretchy(inside);
        out_ += ">)</mo></mrow>";
    }

private:
    static std::string_view Stretchy(const Expression &inside)
    {
        return HasFraction(inside) ? "" : " stretchy=\"false\"";
    }

    std::string &out_;
    std::string_view separator_;
    std::string digits_;        // a number laid out, before it is escaped
    bool scriptedBase_ = false; // the next symbol is the base of m_b²
};

// A cell of the grid, written a piece at a time: each piece a <math> that begins with the
// operator before it, with a place to break the line before it (but the first).
class Cell final : public Pieces
{
public:
    Cell(std::string &out, std::string_view decimalSeparator)
        : out_(out), formula_(out, decimalSeparator)
    {
    }

    // `e` after `lead`, where nothing brackets it: an item of a chain, cut into pieces
    // (CutIntoPieces).
    void Item(Lead lead, const Expression &e) { CutIntoPieces(*this, lead, e); }

    // A piece: a <math> that begins with the operator before it.
    void Put(const solution::Piece &piece) override
    {
        if (pieces_++ > 0 && !grouping_)
            out_ += "<wbr/>";
        grouping_ = false;
        out_ += "<math><mrow>"; // one child: Firefox breaks lines between those of a <math>
        // At the start of a <math> an operator stands between two operands all the same.
        if (const auto *relation = std::get_if<solution::Relation>(&piece.lead)) {
            out_ += "<mo form=\"infix\">";
            AppendEscaped(out_, Glyph(*relation));
            out_ += "</mo>";
        } else if (const auto *op = std::get_if<solution::Operator>(&piece.lead)) {
            out_ += "<mo form=\"infix\">";
            out_ += *op == Operator::Beside ? kInvisibleTimes : Glyph(*op);
            out_ += "</mo>";
        }
        WalkPiece(formula_, piece);
        out_ += kPieceEnd;
    }

    // A term that is a product which may break: a group, which wraps inside only where it
    // is wider than a line.
    void Open() override
    {
        if (pieces_ > 0)
            out_ += "<wbr/>";
        out_ += "<span class=\"group\">";
        grouping_ = true;
    }
    void Close() override { out_ += "</span>"; }

    // A relation of a chain, "= …": a group of its own.
    void Relation(solution::Relation relation, const Expression &e)
    {
        Open();
        Item(relation, e);
        Close();
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
    std::string &out_;
    MathMl formula_;
    std::size_t pieces_ = 0;
    bool grouping_ = false; // the next piece opens a group: its break is before the group
};

// A chain as cells of the step's grid: its first item, then its relations in one row (an
// equation, or a chain of one item, whole in a cell across the grid),
// each a group: the row wraps at a relation first, its further lines starting under the
// first relation, and inside a relation only where that is wider than a line. The step's
// note (why a triple is refused, what a decimal is) follows its last chain, after a colon;
// `wide`: beside left-hand sides too wide to leave a long note room on a phone.
void WriteChain(std::string &out, const Expression &chain, std::string_view separator,
                std::string_view note, bool wide, bool equation)
{
    const bool whole = chain.operands.size() == 1 || equation;
    out += whole ? "<div class=\"lhs alone\">" : "<div class=\"lhs\">";
    Cell lhs(out, separator);
    lhs.Item({}, chain.operands.front());
    if (whole) {
        for (std::size_t i = 1; i < chain.operands.size(); ++i)
            lhs.Relation(chain.relations[i - 1], chain.operands[i]);
        if (!note.empty())
            lhs.Note(note, wide);
    } else {
        out += "</div><div class=\"row\">";
        Cell cell(out, separator);
        for (std::size_t i = 1; i < chain.operands.size(); ++i)
            cell.Relation(chain.relations[i - 1], chain.operands[i]);
        if (!note.empty())
            cell.Note(note, wide);
    }
    out += "</div>";
}

// A step as a grid of its formulas, a note after them or alone.
void WriteStep(std::string &out, const Step &step, std::string_view separator)
{
    const std::string note = step.note.Text(separator);
    const bool wide =
        calc::Utf8Characters(note) > kShortNote &&
        std::any_of(step.formulas.begin(), step.formulas.end(), [&](const Expression &chain) {
            return Width(chain.operands.front(), separator) > kNarrowSide;
        });
    out += "<div class=\"step\">";
    for (std::size_t i = 0; i < step.formulas.size(); ++i)
        WriteChain(out, step.formulas[i], separator,
                   i + 1 == step.formulas.size() ? std::string_view(note) : std::string_view(),
                   wide, step.equation && i + 1 == step.formulas.size());
    if (step.formulas.empty() && !note.empty()) {
        out += "<p class=\"note\">";
        AppendEscaped(out, note);
        out += "</p>";
    }
    out += "</div>\n";
}

} // namespace

void AppendMathMl(std::string &out, const WorkedSolution &worked, std::string_view decimalSeparator)
{
    for (const Part &part : worked.parts) {
        out += "<p class=\"part\">";
        AppendEscaped(out, part.title);
        out += "</p>\n";
        for (const Step &step : part.steps)
            WriteStep(out, step, decimalSeparator);
    }
}

void AppendMathMl(std::string &out, const WorkedSolution &worked, std::string_view decimalSeparator,
                  const Paper &paper)
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
            tail += PairHeight(part, k, paper.column, decimalSeparator) +
                    (k == 0 ? TitleHeight(part, paper.column) : 0);
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
            WriteStep(out, part.steps[k], decimalSeparator);
            if (k + 1 < part.steps.size())
                WriteStep(out, part.steps[k + 1], decimalSeparator);
            out += k == 0 ? "</div></div>\n" : "</div>\n"; // and the first, its title's group
        }
        if (part.steps.empty())
            out += "</div>\n";
    }
    if (tailPart < worked.parts.size())
        out += "</div>\n";
}

} // namespace solution
