#include "calculate.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <string>

namespace calc
{
namespace
{

// Appending a line reads the result text and replaces it with that text and the line.
void AppendLine(TextFields &texts, std::string_view label)
{
    std::string text = texts.ResultText();
    text += label;
    text += kLineEnd;
    texts.SetResultText(text);
}

void AppendLine(TextFields &texts, std::string_view label, double value,
                std::string_view decimalSeparator)
{
    std::string text = texts.ResultText();
    text.reserve(text.size() + label.size() + 32 + kLineEnd.size());
    text += label;
    AppendNumberText(text, value, decimalSeparator);
    text += kLineEnd;
    texts.SetResultText(text);
}

// Scales a result back by 2^exponent; false when it then leaves the range of normal
// doubles (overflow, or a nonzero value below DBL_MIN).
bool ScaleBack(double &value, int exponent)
{
    const double scaled = std::ldexp(value, exponent);
    if (value != 0 && !(std::isfinite(scaled) && std::fabs(scaled) >= DBL_MIN))
        return false;
    value = scaled;
    return true;
}

// Computes the sides, the area and the bisectors of the entered triple into `result`
// (mode taken from it), working at a scale that keeps every intermediate value in range.
Outcome Solve(TriangleState &result, double &area, std::array<double, 3> x)
{
    for (double v : x)
        if (!std::isfinite(v))
            return Outcome::Rejected;
    if (InputsRejected(x[0], x[1], x[2]))
        return Outcome::Rejected;

    int exponent = 0;
    std::frexp(std::max({x[0], x[1], x[2]}), &exponent);
    for (double &v : x)
        v = std::ldexp(v, -exponent);

    const std::optional<double> s = ReconstructSides(result, x[0], x[1], x[2]);
    if (!s)
        return Outcome::Rejected;
    ComputeBisectors(result);

    area = *s;
    for (double *length :
         {&result.a, &result.b, &result.c, &result.Yg_a, &result.Yg_b, &result.Yg_c})
        if (!ScaleBack(*length, exponent))
            return Outcome::OutOfRange;
    return ScaleBack(area, 2 * exponent) ? Outcome::Report : Outcome::OutOfRange;
}

} // namespace

Outcome Calculate(TriangleState &state, TextFields &texts, std::string_view decimalSeparator)
{
    std::array<double, 3> x{};
    for (int i = 0; i < 3; ++i)
        x[static_cast<std::size_t>(i)] = ReadNumber(texts.InputText(i));

    TriangleState result{.mode = state.mode};
    double area = 0;
    const Outcome outcome = Solve(result, area, x);
    switch (outcome) {
    case Outcome::Rejected:
        texts.SetResultText(std::string(kRejected));
        return outcome;
    case Outcome::OutOfRange:
        texts.SetResultText(std::string(kOutOfRange));
        return outcome;
    case Outcome::Report:
        break;
    }
    state = result;

    if (state.mode == InputMode::Sides) {
        texts.SetResultText({});
    } else {
        texts.SetResultText(std::string(kSidesHeading) + std::string(kLineEnd));
        AppendLine(texts, kSideA, state.a, decimalSeparator);
        AppendLine(texts, kSideB, state.b, decimalSeparator);
        AppendLine(texts, kSideC, state.c, decimalSeparator);
    }
    AppendLine(texts, kArea, area, decimalSeparator);
    ShowBisectors(state, texts, decimalSeparator);
    return outcome;
}

void ShowBisectors(const TriangleState &state, TextFields &texts, std::string_view decimalSeparator)
{
    AppendLine(texts, kBisectorsHeading);
    AppendLine(texts, kBisectorA, state.Yg_a, decimalSeparator);
    AppendLine(texts, kBisectorB, state.Yg_b, decimalSeparator);
    AppendLine(texts, kBisectorC, state.Yg_c, decimalSeparator);
}

} // namespace calc
