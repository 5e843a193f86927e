// The worked solution as plain text, on one line a step: fractions with a slash, roots
// with √ before what they cover, exponents as superscript characters (m_b², 10⁻⁷).
#include "solution.h"

namespace solution
{
namespace
{

using Kind = Expression::Kind;

constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr std::string_view kRelations[] = {" = ", " ≈ ", " < ", " > "};

void Write(std::string &out, const Expression &e);

void WriteAt(std::string &out, const Expression &e, Place place)
{
    const bool brackets = Bracketed(e, place, true);
    if (brackets)
        out += '(';
    Write(out, e);
    if (brackets)
        out += ')';
}

// An integer exponent as superscript characters; another after "^".
void WriteExponent(std::string &out, const Expression &e)
{
    const bool negative = e.kind == Kind::Negative;
    const Expression &digits = negative ? e.operands.front() : e;
    if (digits.kind != Kind::Number ||
        digits.text.find_first_not_of("0123456789") != std::string::npos) {
        out += '^';
        WriteAt(out, e, Place::Base);
        return;
    }
    if (negative)
        out += "⁻";
    for (const char c : digits.text)
        out += kSuperscripts[c - '0'];
}

void Write(std::string &out, const Expression &e)
{
    switch (e.kind) {
    case Kind::Symbol:
        out += e.text;
        if (e.subscript != 0) {
            out += '_';
            out += e.subscript;
        }
        return;
    case Kind::Number:
        out += e.text;
        return;
    case Kind::Negative:
        out += "−";
        WriteAt(out, e.operands.front(), Place::Negated);
        return;
    case Kind::Sum:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            const Expression &term = e.operands[i];
            if (i == 0) {
                Write(out, term);
            } else if (term.kind == Kind::Negative) {
                out += " − ";
                WriteAt(out, term.operands.front(), Place::Negated);
            } else {
                out += " + ";
                WriteAt(out, term, Place::Term);
            }
        }
        return;
    case Kind::Product:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0 && NeedsDot(e.operands[i - 1], e.operands[i]))
                out += " · ";
            WriteAt(out, e.operands[i], Place::Factor);
        }
        return;
    case Kind::Fraction:
        WriteAt(out, e.operands[0], Place::Numerator);
        out += '/';
        WriteAt(out, e.operands[1], Place::Denominator);
        return;
    case Kind::Root:
        out += "√";
        WriteAt(out, e.operands.front(), Place::Radicand);
        return;
    case Kind::Power:
        WriteAt(out, e.operands[0], Place::Base);
        WriteExponent(out, e.operands[1]);
        return;
    case Kind::Ratio:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0)
                out += " : ";
            Write(out, e.operands[i]);
        }
        return;
    case Kind::Chain:
        for (std::size_t i = 0; i < e.operands.size(); ++i) {
            if (i > 0)
                out += kRelations[static_cast<std::size_t>(e.relations[i - 1])];
            Write(out, e.operands[i]);
        }
        return;
    }
}

} // namespace

void AppendText(std::string &out, const WorkedSolution &worked, std::string_view lineEnd)
{
    for (const Part &part : worked.parts) {
        out += part.title;
        out += lineEnd;
        for (const Step &step : part.steps) {
            for (std::size_t i = 0; i < step.formulas.size(); ++i) {
                if (i > 0)
                    out += lineEnd;
                Write(out, step.formulas[i]);
            }
            if (!step.note.empty()) {
                if (!step.formulas.empty())
                    out += ": ";
                out += step.note;
            }
            out += lineEnd;
        }
    }
}

} // namespace solution
