// The worked solution as WordprocessingML paragraphs with Office Math (omml_math.h), laid
// out as the HTML is, as in a notebook: a formula a paragraph, its left-hand side, then at
// a tab stop its relations, which wrap at a relation first, the further lines under the
// first relation; two narrow steps side by side.
#include "omml_math.h"
#include "utf8.h"
#include "wordml.h"

#include <algorithm>

namespace solution
{
namespace
{

using Kind = Expression::Kind;

using wordml::AppendParagraph;
using wordml::AppendRun;
using wordml::OpenParagraph;

double Width(const Expression &e);

// A character of the steps' 10.5 pt text is about 5 pt wide: 100 twentieths of a point.
constexpr double kCharacter = 100;

// A formula a paragraph: its left-hand side, a tab, then its relations, each a formula of
// its own where it fits in the line after the tab stop (`width`, in twentieths of a point;
// 0 where unknown), so that the line wraps at a relation first, and in pieces where it does
// not; the further lines start under the first relation (the style's hanging indent). The
// colon before a note after the last relation.
void WriteChain(std::string &out, const Expression &chain, bool colon, bool keepNext, int width)
{
    const double room = (width - kRelationsAt) / kCharacter;
    OpenParagraph(out, kOmmlStepStyle, keepNext);
    AppendOmmlLine(out, {}, chain.operands.front());
    if (chain.operands.size() > 1)
        out += "<w:r><w:tab/></w:r>";
    for (std::size_t i = 1; i < chain.operands.size(); ++i) {
        const std::string_view sign = Sign(chain.relations[i - 1]);
        if (width > 0 && 3 + Width(chain.operands[i]) <= room)
            AppendOmmlWhole(out, sign, chain.operands[i]);
        else
            AppendOmmlLine(out, sign, chain.operands[i]);
    }
    if (colon)
        AppendRun(out, ":");
    out += "</w:p>\n";
}

// A step in `width` twentieths of a point, its paragraphs kept together, as the HTML keeps
// a step whole.
void WriteStep(std::string &out, const Step &step, int width)
{
    for (std::size_t i = 0; i < step.formulas.size(); ++i) {
        const bool last = i + 1 == step.formulas.size();
        WriteChain(out, step.formulas[i], last && !step.note.empty(), !last || !step.note.empty(),
                   width);
    }
    if (!step.note.empty()) {
        AppendParagraph(out, kOmmlNoteStyle, step.note);
    }
}

// About how wide `e` is written, in characters of the text around it (a fraction as wide as
// its wider part, an exponent or a subscript as most of one): enough to tell a step that
// fits in half a line from one that does not.
double Width(const Expression &e)
{
    const auto characters = [](std::string_view text) {
        return static_cast<double>(calc::Utf8Characters(text));
    };
    const auto at = [](const Expression &operand, Place place) {
        return Width(operand) + (Bracketed(operand, place, false) ? 2 : 0);
    };
    double width = 0;
    switch (e.kind) {
    case Kind::Symbol:
        return characters(e.text) + (e.subscript != 0 ? 0.7 : 0);
    case Kind::Number:
        return characters(e.text);
    case Kind::Negative:
        return 1 + at(e.operands.front(), Place::Negated);
    case Kind::Fraction:
        return 1 +
               std::max(at(e.operands[0], Place::Numerator), at(e.operands[1], Place::Denominator));
    case Kind::Root:
        return 1.5 + at(e.operands.front(), Place::Radicand);
    case Kind::Power:
        return at(e.operands[0], Place::Base) + 0.7 * Width(e.operands[1]);
    case Kind::Sum:
    case Kind::Product:
    case Kind::Ratio:
    case Kind::Chain:
        for (std::size_t i = 0; i < e.operands.size(); ++i)
            width +=
                at(e.operands[i], e.kind == Kind::Sum ? Place::Term : Place::Factor) +
                (i > 0 && (e.kind != Kind::Product || NeedsDot(e.operands[i - 1], e.operands[i]))
                     ? 3
                     : 0);
        return width;
    }
    return width;
}

// Whether a step fits in half a line of `lineWidth` twentieths of a point: every
// left-hand side before the tab stop, every relation after it, the note short.
bool Narrow(const Step &step, int lineWidth)
{
    const double row = (lineWidth / 2.0 - kRelationsAt) / kCharacter;
    if (static_cast<double>(step.note.size()) / 2 > 2 * row) // (two bytes a Cyrillic letter)
        return false;
    for (const Expression &chain : step.formulas) {
        if (chain.operands.empty() ||
            Width(chain.operands[0]) > (kRelationsAt - kStepIndent) / kCharacter)
            return false;
        for (std::size_t i = 1; i < chain.operands.size(); ++i)
            if (3 + Width(chain.operands[i]) > row)
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

void WritePair(std::string &out, const Step &left, const Step &right, int lineWidth)
{
    const std::string cell = "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(lineWidth / 2) +
                             "\" w:type=\"dxa\"/></w:tcPr>";
    out += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
    for (const Step *step : {&left, &right}) {
        out += cell;
        WriteStep(out, *step, lineWidth / 2);
        out += "</w:tc>";
    }
    out += "</w:tr>\n";
}

} // namespace

void AppendOmml(std::string &out, const WorkedSolution &worked, int lineWidth)
{
    for (const Part &part : worked.parts) {
        AppendParagraph(out, kOmmlPartStyle, part.title);
        const std::vector<Step> &steps = part.steps;
        bool pairing = false;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const bool pair = lineWidth > 0 && i + 1 < steps.size() &&
                              Narrow(steps[i], lineWidth) && Narrow(steps[i + 1], lineWidth);
            if (pair && !pairing)
                OpenPairs(out, lineWidth);
            else if (!pair && pairing)
                out += "</w:tbl>\n";
            pairing = pair;
            if (pair)
                WritePair(out, steps[i], steps[i + 1], lineWidth), ++i;
            else
                WriteStep(out, steps[i], lineWidth);
        }
        if (pairing)
            out += "</w:tbl>\n";
    }
}

} // namespace solution
