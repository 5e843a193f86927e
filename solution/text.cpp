// The worked solution as plain text, on one line a step: fractions with a slash, roots
// with √ before what they cover, exponents as superscript characters (m_b², 10⁻⁷).
#include "solution.h"
#include "walk.h"

#include <array>

namespace solution
{
namespace
{

using Node = Expression::Node;

constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

class Text final : public Sink
{
public:
    Text(std::string &out, std::string_view decimalSeparator)
        : out_(out), separator_(decimalSeparator)
    {
        for (std::size_t i = 0; i < relations_.size(); ++i)
            relations_[i] = Spaced(Glyph(static_cast<solution::Relation>(i)));
        for (std::size_t i = 0; i < operators_.size(); ++i)
            operators_[i] = Spaced(Glyph(static_cast<solution::Operator>(i)));
    }

    bool Linear() const override { return true; }

    void Symbol(std::string_view letters, char subscript) override
    {
        out_ += letters;
        if (subscript != 0) {
            out_ += '_';
            out_ += subscript;
        }
    }

    void Number(const solution::Number &number) override
    {
        if (!exponent_) {
            AppendNumber(out_, number, separator_);
            return;
        }
        // An exponent, a whole number, in superscript digits.
        digits_.clear();
        AppendNumber(digits_, number, separator_);
        for (const char c : digits_)
            out_ += kSuperscripts[c - '0'];
    }

    void Open(const Expression &e) override
    {
        if (e.node == Node::Root)
            out_ += "√";
    }
    void Between(const Expression &e) override
    {
        if (e.node == Node::Fraction)
            out_ += '/';
        else
            exponent_ = true;
    }
    void Close(const Expression &e) override
    {
        if (e.node == Node::Power)
            exponent_ = false;
    }

    void Operator(solution::Operator op) override
    {
        if (op == Operator::Negation)
            out_ += exponent_ ? "⁻" : "−";
        else if (op != Operator::Beside)
            out_ += operators_[static_cast<std::size_t>(op)];
    }
    void Relation(solution::Relation relation) override
    {
        out_ += relations_[static_cast<std::size_t>(relation)];
    }

    void OpenBrackets(const Expression &) override { out_ += '('; }
    void CloseBrackets(const Expression &) override { out_ += ')'; }

private:
    // A sign with a space either side: " = ".
    static std::string Spaced(std::string_view glyph)
    {
        std::string spaced = " ";
        spaced += glyph;
        spaced += ' ';
        return spaced;
    }

    std::string &out_;
    std::string_view separator_;
    // The signs with a space either side, by Relation and by Operator.
    std::array<std::string, kRelations> relations_;
    std::array<std::string, kOperators> operators_;
    std::string digits_;    // an exponent laid out
    bool exponent_ = false; // within the exponent of a power
};

} // namespace

void AppendText(std::string &out, const WorkedSolution &worked, std::string_view decimalSeparator,
                std::string_view lineEnd)
{
    Text text(out, decimalSeparator);
    for (const Part &part : worked.parts) {
        out += part.title;
        out += lineEnd;
        for (const Step &step : part.steps) {
            for (std::size_t i = 0; i < step.formulas.size(); ++i) {
                if (i > 0)
                    out += lineEnd;
                Walk(text, step.formulas[i]);
            }
            if (!step.note.Empty()) {
                if (!step.formulas.empty())
                    out += ": ";
                step.note.AppendText(out, decimalSeparator);
            }
            out += lineEnd;
        }
    }
}

} // namespace solution
