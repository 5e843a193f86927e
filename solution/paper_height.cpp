// How tall a worked solution is on paper, as mathml.cpp writes it for paper and a printed
// page's CSS sets it (worksheet/answer_key.cpp): each formula measured from the
// usual proportions of a serif font's digits and letters, its relations packed into lines
// as a row wraps them, the steps of a part two side by side. An estimate, in em of the
// formulas' font: close enough to tell a solution of half a page from one of a page.
#include "paper.h"
#include "walk.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace solution
{
namespace
{

using Node = Expression::Node;

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

// `b` beside `a` on one baseline.
void Beside(Extent &a, const Extent &b, double between = 0)
{
    a.width += b.width + between;
    a.above = std::max(a.above, b.above);
    a.below = std::max(a.below, b.below);
}

// A formula on one line, measured as the walk goes: each node from its operands, at the
// scale it is set in (the parts of a fraction within a fraction smaller, an exponent
// smaller still).
class Measure final : public Sink
{
public:
    explicit Measure(std::string_view decimalSeparator) : separator_(decimalSeparator) {}

    Extent Of(const Expression &e)
    {
        frames_.assign(1, Frame{});
        Walk(*this, e);
        return frames_.front().extent;
    }

    void Symbol(std::string_view letters, char subscript) override
    {
        Extent text = Text();
        const double scale = Next().scale;
        text.width = Characters(letters, kLetter) * scale;
        if (subscript != 0) {
            text.width += kLetter * kScript * scale;
            text.below += 0.12 * scale;
        }
        Deliver(text);
    }
    void Number(const solution::Number &number) override
    {
        digits_.clear();
        AppendNumber(digits_, number, separator_);
        Extent text = Text();
        text.width = Characters(digits_, kDigit) * Next().scale;
        Deliver(text);
    }

    void Open(const Expression &e) override
    {
        Push(&e);
        if (e.node == Node::Negative)
            frames_.back().extent.width = kOperator * frames_.back().scale;
    }
    void Between(const Expression &) override {}
    void Close(const Expression &e) override
    {
        const Frame frame = frames_.back();
        frames_.pop_back();
        Extent extent = frame.extent;
        const double scale = frame.scale;
        switch (e.node) {
        case Node::Fraction: {
            const Extent &numerator = frame.numerator, &denominator = frame.extent;
            extent = {std::max(numerator.width, denominator.width) + 0.2 * scale,
                      (kAxis + kBar) * scale + numerator.above + numerator.below,
                      (kBar - kAxis) * scale + denominator.above + denominator.below};
            break;
        }
        case Node::Root:
            extent.width += kRadical * scale;
            // The sign, from a font for formulas, is taller than a line of text, and a
            // little taller than what it covers.
            extent.above = std::max(extent.above + 0.15 * scale, 1.05 * scale);
            extent.below += 0.15 * scale;
            break;
        case Node::Power:
            extent.above += 0.3 * scale;
            break;
        default:
            break;
        }
        Deliver(extent);
    }

    void Operator(solution::Operator op) override
    {
        const bool spaced = op != Operator::Beside && op != Operator::Negation;
        frames_.back().between = spaced ? kOperator * frames_.back().scale : 0;
    }
    void Relation(solution::Relation) override
    {
        frames_.back().between = kRelation * frames_.back().scale;
    }

    // Brackets from a font for formulas, a little taller than text.
    void OpenBrackets(const Expression &) override { Push(nullptr); }
    void CloseBrackets(const Expression &) override
    {
        Extent extent = frames_.back().extent;
        const double scale = frames_.back().scale;
        frames_.pop_back();
        extent.width += kBrackets * scale;
        extent.above += 0.12 * scale;
        extent.below += 0.08 * scale;
        Deliver(extent);
    }

private:
    // A node, or brackets (none), being measured: its extent so far, from the operands
    // that came.
    struct Frame {
        const Expression *node = nullptr;
        double scale = 1;
        bool inFraction = false;
        Extent extent{};
        Extent numerator{}; // of a fraction
        std::size_t operands = 0;
        double between = 0; // before the next operand: an operator's room
    };
    struct Setting {
        double scale;
        bool inFraction;
    };

    // How the next operand of the innermost node is set.
    Setting Next() const
    {
        const Frame &frame = frames_.back();
        if (frame.node != nullptr && frame.node->node == Node::Fraction)
            return {frame.inFraction ? frame.scale * kNested : frame.scale, true};
        if (frame.node != nullptr && frame.node->node == Node::Power && frame.operands == 1)
            return {frame.scale * kScript, frame.inFraction}; // the exponent
        return {frame.scale, frame.inFraction};
    }
    Extent Text() const
    {
        const double scale = Next().scale;
        return {0, kAbove * scale, kBelow * scale};
    }

    void Push(const Expression *node)
    {
        const Setting setting = Next();
        frames_.push_back({.node = node,
                           .scale = setting.scale,
                           .inFraction = setting.inFraction,
                           .extent = {0, kAbove * setting.scale, kBelow * setting.scale}});
    }

    // An operand measured, to the innermost node.
    void Deliver(const Extent &operand)
    {
        Frame &frame = frames_.back();
        const std::size_t index = frame.operands++;
        if (frame.node == nullptr) { // the formula itself, or what brackets hold
            frame.extent = operand;
            return;
        }
        switch (frame.node->node) {
        case Node::Negative:
            Beside(frame.extent, operand);
            return;
        case Node::Fraction:
            (index == 0 ? frame.numerator : frame.extent) = operand;
            return;
        case Node::Power:
            if (index == 0)
                frame.extent = operand;
            else // the exponent
                frame.extent.width += operand.width;
            return;
        default:
            if (index == 0)
                frame.extent = operand;
            else
                Beside(frame.extent, operand, frame.between);
        }
    }

    std::string_view separator_;
    std::vector<Frame> frames_;
    std::string digits_; // a number laid out
};

// Whether a relation may break inside, where it is wider than a line: a sum before its
// terms, a product before a dot or between brackets (mathml.cpp).
bool Breaks(const Expression &e)
{
    return e.node == Node::Sum || BreaksInside(e);
}

// The lines of one formula in a step: its first item in a column `first` em wide, its
// relations packed into lines `room` em wide, then the note after its colon; an equation
// (`whole`) goes on from its first item, in lines as wide as both.
double FormulaHeight(Measure &measure, const Expression &chain, double first, double room,
                     std::string_view note, bool whole)
{
    const Extent lhs = measure.Of(chain.operands.front());
    if (whole) {
        room += first;
        first = room;
    }
    // The lines of the left-hand side itself where it is wider than its column.
    double height = 0;
    double lineWidth = whole ? std::fmod(lhs.width, std::max(room, 1.0)) : 0;
    Extent line{0, lhs.above, lhs.below};
    if (lhs.width > first) {
        const double lines = std::ceil(lhs.width / std::max(first, 1.0));
        height += (lines - 1) * (lhs.above + lhs.below + kPadding);
    }
    for (std::size_t i = 1; i < chain.operands.size(); ++i) {
        Extent relation = measure.Of(chain.operands[i]);
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

double StepHeight(const Step &step, double width, std::string_view separator)
{
    const std::string note = step.note.Text(separator);
    if (step.formulas.empty())
        return std::ceil(Characters(note, kTextLetter) / width) * kTextLine;
    Measure measure(separator);
    double first = 0; // the column of the left-hand sides, at most half the step
    const auto whole = [&](std::size_t i) {
        return step.equation && i + 1 == step.formulas.size();
    };
    for (std::size_t i = 0; i < step.formulas.size(); ++i)
        if (!whole(i))
            first = std::max(first, measure.Of(step.formulas[i].operands.front()).width);
    first = std::min(first, width / 2);
    double height = 0;
    for (std::size_t i = 0; i < step.formulas.size(); ++i)
        height += FormulaHeight(
            measure, step.formulas[i], first, width - first,
            i + 1 == step.formulas.size() ? std::string_view(note) : std::string_view(), whole(i));
    return height;
}

} // namespace

double PairHeight(const Part &part, std::size_t first, const Column &column,
                  std::string_view decimalSeparator)
{
    if (first + 1 >= part.steps.size())
        return StepHeight(part.steps[first], column.width - column.indent, decimalSeparator);
    const double half = (column.width - column.gap) / 2 - column.indent;
    return std::max(StepHeight(part.steps[first], half, decimalSeparator),
                    StepHeight(part.steps[first + 1], half, decimalSeparator));
}

double Width(const Expression &e, std::string_view decimalSeparator)
{
    return Measure(decimalSeparator).Of(e).width;
}

double TitleHeight(const Part &part, const Column &column)
{
    return std::ceil(Characters(part.title, kTextLetter) / column.width) * kTextLine +
           column.titleSpace;
}

double PaperHeight(const WorkedSolution &worked, const Column &column,
                   std::string_view decimalSeparator)
{
    double height = column.heading;
    for (const Part &part : worked.parts) {
        height += TitleHeight(part, column);
        for (std::size_t k = 0; k < part.steps.size(); k += 2)
            height += PairHeight(part, k, column, decimalSeparator);
    }
    return height;
}

} // namespace solution
