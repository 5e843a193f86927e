// The worked solution as WordprocessingML paragraphs with Office Math (omml_math.h), laid
// out as the HTML is, as in a notebook: a formula a paragraph, its left-hand side, then at
// a tab stop its relations, which wrap at a relation first, the further lines under the
// first relation; two narrow steps side by side.
#include "omml_math.h"
#include "utf8.h"
#include "wordml.h"

#include <algorithm>
#include <vector>

namespace solution
{
namespace
{

using Node = Expression::Node;

using wordml::AppendParagraph;
using wordml::AppendRun;
using wordml::OpenParagraph;

// About how wide a formula is written, in characters of the text around it, as the walk
// goes (a fraction as wide as its wider part, an exponent or a subscript as most of one, an
// operator with its spaces three, and a minus sign before a term one more): enough to tell
// a step that fits in half a line from one that does not.
class Characters final : public Sink
{
public:
    explicit Characters(std::string_view decimalSeparator) : separator_(decimalSeparator) {}

    double Of(const Expression &e)
    {
        frames_.assign(1, Frame{});
        Walk(*this, e);
        return frames_.front().width;
    }

    void Symbol(std::string_view letters, char subscript) override
    {
        Deliver(static_cast<double>(calc::Utf8Characters(letters)) + (subscript != 0 ? 0.7 : 0));
    }
    void Number(const solution::Number &number) override
    {
        digits_.clear();
        AppendNumber(digits_, number, separator_);
        Deliver(static_cast<double>(calc::Utf8Characters(digits_)));
    }

    void Open(const Expression &e) override { frames_.push_back({.node = &e}); }
    void Between(const Expression &) override {}
    void Close(const Expression &e) override
    {
        const Frame frame = frames_.back();
        frames_.pop_back();
        switch (e.node) {
        case Node::Negative:
            Deliver(1 + frame.width);
            return;
        case Node::Fraction:
            Deliver(1 + std::max(frame.numerator, frame.width));
            return;
        case Node::Root:
            Deliver(1.5 + frame.width);
            return;
        default:
            Deliver(frame.width);
        }
    }

    void Operator(solution::Operator op) override
    {
        Frame &frame = frames_.back();
        frame.between = op == Operator::Beside || op == Operator::Negation ? 0 : 3;
        frame.minus = op == Operator::Minus;
    }
    void Relation(solution::Relation) override { frames_.back().between = 3; }

    void OpenBrackets(const Expression &) override { frames_.push_back({}); }
    void CloseBrackets(const Expression &) override
    {
        const double width = frames_.back().width;
        frames_.pop_back();
        Deliver(width + 2);
    }

private:
    // A node, or brackets (none), being measured: its width so far.
    struct Frame {
        const Expression *node = nullptr;
        double width = 0;
        double numerator = 0; // of a fraction
        std::size_t operands = 0;
        double between = 0; // before the next operand: an operator's
        bool minus = false; // the next operand is a term subtracted
    };

    // An operand measured, to the innermost node.
    void Deliver(double operand)
    {
        Frame &frame = frames_.back();
        const std::size_t index = frame.operands++;
        if (frame.node == nullptr) { // the formula itself, or what brackets hold
            frame.width = operand;
            return;
        }
        switch (frame.node->node) {
        case Node::Fraction:
            (index == 0 ? frame.numerator : frame.width) = operand;
            return;
        case Node::Power:
            frame.width = index == 0 ? operand : frame.width + 0.7 * operand;
            return;
        case Node::Negative:
        case Node::Root:
            frame.width = operand;
            return;
        default:
            frame.width += (frame.minus ? 1 + operand : operand) + frame.between;
            frame.between = 0;
            frame.minus = false;
        }
    }

    std::string_view separator_;
    std::vector<Frame> frames_;
    std::string digits_; // a number laid out
};

// A character of the steps' 10.5 pt text is about 5 pt wide: 100 twentieths of a point.
constexpr double kCharacter = 100;

// A formula a paragraph: its left-hand side, a tab, then its relations, each a formula of
// its own where it fits in the line after the tab stop (`width`, in twentieths of a point;
// 0 where unknown), so that the line wraps at a relation first, and in pieces where it does
// not; the further lines start under the first relation (the style's hanging indent). The
// colon before a note after the last relation.
void WriteChain(std::string &out, const Expression &chain, std::string_view separator, bool colon,
                bool keepNext, int width)
{
    const double room = (width - kRelationsAt) / kCharacter;
    OpenParagraph(out, kOmmlStepStyle, keepNext);
    AppendOmmlLine(out, {}, chain.operands.front(), separator);
    if (chain.operands.size() > 1)
        out += "<w:r><w:tab/></w:r>";
    Characters characters(separator);
    for (std::size_t i = 1; i < chain.operands.size(); ++i) {
        const Relation relation = chain.relations[i - 1];
        if (width > 0 && 3 + characters.Of(chain.operands[i]) <= room)
            AppendOmmlWhole(out, relation, chain.operands[i], separator);
        else
            AppendOmmlLine(out, relation, chain.operands[i], separator);
    }
    if (colon)
        AppendRun(out, ":");
    out += "</w:p>\n";
}

// A step in `width` twentieths of a point, its paragraphs kept together, as the HTML keeps
// a step whole.
void WriteStep(std::string &out, const Step &step, std::string_view separator, int width)
{
    const bool note = !step.note.Empty();
    for (std::size_t i = 0; i < step.formulas.size(); ++i) {
        const bool last = i + 1 == step.formulas.size();
        WriteChain(out, step.formulas[i], separator, last && note, !last || note, width);
    }
    if (note)
        AppendParagraph(out, kOmmlNoteStyle, step.note.Text(separator));
}

// Whether a step fits in half a line of `lineWidth` twentieths of a point: every
// left-hand side before the tab stop, every relation after it, the note short.
bool Narrow(const Step &step, std::string_view separator, int lineWidth)
{
    const double row = (lineWidth / 2.0 - kRelationsAt) / kCharacter;
    if (static_cast<double>(step.note.Text(separator).size()) / 2 >
        2 * row) // (two bytes a Cyrillic letter)
        return false;
    Characters characters(separator);
    for (const Expression &chain : step.formulas) {
        if (chain.operands.empty() ||
            characters.Of(chain.operands[0]) > (kRelationsAt - kStepIndent) / kCharacter)
            return false;
        for (std::size_t i = 1; i < chain.operands.size(); ++i)
            if (3 + characters.Of(chain.operands[i]) > row)
                return false;
    }
    return true;
}

// Steps side by side: a table of two columns without borders, a row a pair.
void OpenPairs(std::string &out, int lineWidth)
{
    const std::string half = std::to_string(lineWidth / 2);
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"";
    out += std::to_string(lineWidth / 2 * 2);
    out += "\" w:type=\"dxa\"/><w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"0\" "
           "w:type=\"dxa\"/><w:right w:w=\"0\" w:type=\"dxa\"/></w:tblCellMar>"
           "<w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid><w:gridCol w:w=\"";
    out += half;
    out += "\"/><w:gridCol w:w=\"";
    out += half;
    out += "\"/></w:tblGrid>\n";
}

void WritePair(std::string &out, const Step &left, const Step &right, std::string_view separator,
               int lineWidth)
{
    const std::string cell = "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(lineWidth / 2) +
                             "\" w:type=\"dxa\"/></w:tcPr>";
    out += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
    for (const Step *step : {&left, &right}) {
        out += cell;
        WriteStep(out, *step, separator, lineWidth / 2);
        out += "</w:tc>";
    }
    out += "</w:tr>\n";
}

} // namespace

void AppendOmml(std::string &out, const WorkedSolution &worked, std::string_view decimalSeparator,
                int lineWidth)
{
    for (const Part &part : worked.parts) {
        AppendParagraph(out, kOmmlPartStyle, part.title);
        const std::vector<Step> &steps = part.steps;
        bool pairing = false;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const bool pair = lineWidth > 0 && i + 1 < steps.size() &&
                              Narrow(steps[i], decimalSeparator, lineWidth) &&
                              Narrow(steps[i + 1], decimalSeparator, lineWidth);
            if (pair && !pairing)
                OpenPairs(out, lineWidth);
            else if (!pair && pairing)
                out += "</w:tbl>\n";
            pairing = pair;
            if (pair)
                WritePair(out, steps[i], steps[i + 1], decimalSeparator, lineWidth), ++i;
            else
                WriteStep(out, steps[i], decimalSeparator, lineWidth);
        }
        if (pairing)
            out += "</w:tbl>\n";
    }
}

} // namespace solution
