// How tall a worked solution is on paper, as mathml.cpp writes it for paper and a printed
// page's CSS sets it (worksheet/answer_key.cpp): each formula measured from the
// usual proportions of a serif font's digits and letters, its relations packed into lines
// as a row wraps them, the steps of a part two side by side. An estimate, in em of the
// formulas' font: close enough to tell a solution of half a page from one of a page.
#include "paper.h"

#include <algorithm>
#include <cmath>

namespace solution
{
namespace
{

using Kind = Expression::Kind;

// A formula on one line: its width and how far it reaches above and below the baseline.
struct Extent {
    double width = 0;
    double above = 0;
    double below = 0;
};

constexpr double kDigit = 0.5;       // a digit; a decimal point is half of one
constexpr double kLetter = 0.5;      // an italic letter
constexpr double kOperator = 0.9;    // +, − or ·, with the spaces round it
constexpr double kRelation = 1.1;    // =, ≈, < or >, with the wider spaces round it
constexpr double kAbove = 0.7;       // a line of text above its baseline
constexpr double kBelow = 0.23;      // and below it
constexpr double kScript = 0.7;      // a subscript or an exponent, to the text
constexpr double kNested = 0.85;     // the parts of a fraction within a fraction (the CSS)
constexpr double kAxis = 0.26;       // a fraction's bar above the baseline
constexpr double kBar = 0.08;        // from the bar to a numerator or a denominator
constexpr double kBrackets = 0.66;   // a pair of brackets
constexpr double kRadical = 0.9;     // a root's sign
constexpr double kPadding = 0.3;     // round each line of formulas (the CSS: 0.15em twice)
constexpr double kTextLine = 1.2;    // a line of the text (the CSS's line height)
constexpr double kTextLetter = 0.46; // a letter of the text, on average

double Characters(std::string_view text, double digit)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue; // within a character of several bytes
        width += byte == '.' || byte == ',' ? digit / 2 : digit;
    }
    return width;
}

Extent Measure(const Expression &e, double scale, bool inFraction);

// `e` where it stands in its parent, in brackets where it needs them.
Extent MeasureAt(const Expression &e, Place place, double scale, bool inFraction)
{
    Extent extent = Measure(e, scale, inFraction);
    if (Bracketed(e, place, false)) { // from a font for formulas, a little taller than text
        extent.width += kBrackets * scale;
        extent.above += 0.12 * scale;
        extent.below += 0.08 * scale;
    }
    return extent;
}

// `b` beside `a` on one baseline.
void Beside(Extent &a, const Extent &b, double between = 0)
{
    a.width += b.width + between;
    a.above = std::max(a.above, b.above);
    a.below = std::max(a.below, b.below);
}

Extent Measure(const Expression &e, double scale, bool inFraction)
{
    Extent text{0, kAbove * scale, kBelow * scale};
    switch (e.kind) {
    case Kind::Symbol:
        text.width = Characters(e.text, kLetter) * scale;
        if (e.subscript != 0) {
            text.width += kLetter * kScript * scale;
            text.below += 0.12 * scale;
        }
        return text;
    case Kind::Number:
        text.width = Characters(e.text, kDigit) * scale;
        return text;
    case Kind::Negative:
        text.width = kOperator * scale;
        Beside(text, MeasureAt(e.operands.front(), Place::Negated, scale, inFraction));
        return text;
    case Kind::Sum:
    case Kind::Ratio:
    case Kind::Product: {
        Extent all = e.kind == Kind::Product
                         ? MeasureAt(e.operands.front(), Place::Factor, scale, inFraction)
                         : Measure(e.operands.front(), scale, inFraction);
        for (std::size_t i = 1; i < e.operands.size(); ++i) {
            const Expression &item = e.operands[i];
            if (e.kind == Kind::Product)
                Beside(all, MeasureAt(item, Place::Factor, scale, inFraction),
                       NeedsDot(e.operands[i - 1], item) ? kOperator * scale : 0);
            else if (e.kind == Kind::Sum && item.kind == Kind::Negative)
                Beside(all, MeasureAt(item.operands.front(), Place::Negated, scale, inFraction),
                       kOperator * scale);
            else
                Beside(all, MeasureAt(item, Place::Term, scale, inFraction), kOperator * scale);
        }
        return all;
    }
    case Kind::Fraction: {
        const double inner = inFraction ? scale * kNested : scale;
        const Extent numerator = MeasureAt(e.operands[0], Place::Numerator, inner, true);
        const Extent denominator = MeasureAt(e.operands[1], Place::Denominator, inner, true);
        return {std::max(numerator.width, denominator.width) + 0.2 * scale,
                (kAxis + kBar) * scale + numerator.above + numerator.below,
                (kBar - kAxis) * scale + denominator.above + denominator.below};
    }
    case Kind::Root: {
        Extent radicand = MeasureAt(e.operands.front(), Place::Radicand, scale, inFraction);
        radicand.width += kRadical * scale;
        // The sign, from a font for formulas, is taller than a line of text, and a little
        // taller than what it covers.
        radicand.above = std::max(radicand.above + 0.15 * scale, 1.05 * scale);
        radicand.below += 0.15 * scale;
        return radicand;
    }
    case Kind::Power: {
        Extent base = MeasureAt(e.operands[0], Place::Base, scale, inFraction);
        base.width += Measure(e.operands[1], scale * kScript, inFraction).width;
        base.above += 0.3 * scale;
        return base;
    }
    case Kind::Chain:
        break;
    }
    return text;
}

// Whether a relation may break inside, where it is wider than a line: a sum before its
// terms, a product before a dot or between brackets (mathml.cpp).
bool Breaks(const Expression &e)
{
    if (e.kind == Kind::Sum)
        return true;
    if (e.kind != Kind::Product)
        return false;
    for (std::size_t i = 1; i < e.operands.size(); ++i)
        if (NeedsDot(e.operands[i - 1], e.operands[i]) ||
            (Bracketed(e.operands[i - 1], Place::Factor, false) &&
             Bracketed(e.operands[i], Place::Factor, false)))
            return true;
    return false;
}

// The lines of one formula in a step: its first item in a column `first` em wide, its
// relations packed into lines `room` em wide, then the note after its colon.
double FormulaHeight(const Expression &chain, double first, double room, std::string_view note)
{
    const Extent lhs = Measure(chain.operands.front(), 1, false);
    // The lines of the left-hand side itself where it is wider than its column.
    double height = 0;
    double lineWidth = 0;
    Extent line{0, lhs.above, lhs.below};
    if (lhs.width > first) {
        const double lines = std::ceil(lhs.width / std::max(first, 1.0));
        height += (lines - 1) * (lhs.above + lhs.below + kPadding);
    }
    for (std::size_t i = 1; i < chain.operands.size(); ++i) {
        Extent relation = Measure(chain.operands[i], 1, false);
        relation.width += kRelation;
        if (lineWidth > 0 && lineWidth + relation.width > room) {
            height += line.above + line.below + kPadding;
            line = {};
            lineWidth = 0;
        }
        if (relation.width > room && Breaks(chain.operands[i])) { // a line as tall as it each
            const double lines = std::ceil(relation.width / std::max(room - 1, 1.0));
            height += (lines - 1) * (relation.above + relation.below + kPadding);
            relation.width = std::fmod(relation.width, std::max(room - 1, 1.0)) + 1;
        }
        lineWidth += relation.width;
        line.above = std::max(line.above, relation.above);
        line.below = std::max(line.below, relation.below);
    }
    height += line.above + line.below + kPadding;
    if (!note.empty()) { // the note's text goes on from the colon, then line by line
        const double text = Characters(note, kTextLetter);
        height += std::floor((lineWidth + text) / std::max(room, 1.0)) * kTextLine;
    }
    return height;
}

double StepHeight(const Step &step, double width)
{
    if (step.formulas.empty())
        return std::ceil(Characters(step.note, kTextLetter) / width) * kTextLine;
    double first = 0; // the column of the left-hand sides, at most half the step
    for (const Expression &chain : step.formulas)
        first = std::max(first, Measure(chain.operands.front(), 1, false).width);
    first = std::min(first, width / 2);
    double height = 0;
    for (std::size_t i = 0; i < step.formulas.size(); ++i)
        height += FormulaHeight(step.formulas[i], first, width - first,
                                i + 1 == step.formulas.size() ? std::string_view(step.note)
                                                              : std::string_view());
    return height;
}

} // namespace

double PairHeight(const Part &part, std::size_t first, const Column &column)
{
    if (first + 1 >= part.steps.size())
        return StepHeight(part.steps[first], column.width - column.indent);
    const double half = (column.width - column.gap) / 2 - column.indent;
    return std::max(StepHeight(part.steps[first], half), StepHeight(part.steps[first + 1], half));
}

double Width(const Expression &e)
{
    return Measure(e, 1, false).width;
}

double TitleHeight(const Part &part, const Column &column)
{
    return std::ceil(Characters(part.title, kTextLetter) / column.width) * kTextLine +
           column.titleSpace;
}

double PaperHeight(const WorkedSolution &worked, const Column &column)
{
    double height = column.heading;
    for (const Part &part : worked.parts) {
        height += TitleHeight(part, column);
        for (std::size_t k = 0; k < part.steps.size(); k += 2)
            height += PairHeight(part, k, column);
    }
    return height;
}

} // namespace solution
