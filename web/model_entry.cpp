// The behaviour model's entry for the web page, compiled to WebAssembly with the
// calculation core, the figure and the worked solution: a C function for each of
// model::Calculator's actions and for each part of its state, and the figure and the
// worked solution of the solution it shows. Texts cross
// as UTF-8 with a final NUL; a text returned stays valid until the model's next action.
#include "calculator.h"
#include "exact_block.h"
#include "figure.h"
#include "report.h"
#include "solution.h"

#include <string>

using model::Calculator;

namespace
{

// The page is Bulgarian: beside the report box (whose numbers follow the browser's
// language, as the window's follow the system's), the figure, the exact values and the
// worked solution write the decimal comma whatever language the browser reports.
constexpr const char *kPageSeparator = ",";

} // namespace

extern "C" {

Calculator *ModelCreate(const char *decimalSeparator)
{
    return new Calculator(decimalSeparator);
}

void ModelLoad(Calculator *model)
{
    model->Load();
}

void ModelSelectKind(Calculator *model, int kind)
{
    if (kind >= 0 && kind < 3)
        model->SelectKind(static_cast<model::InputMode>(kind));
}

void ModelSetInput(Calculator *model, int index, const char *text)
{
    if (index >= 0 && index < model::kInputCount)
        model->SetInput(index, text);
}

void ModelCalculate(Calculator *model)
{
    model->Calculate();
}

void ModelClear(Calculator *model)
{
    model->Clear();
}

int ModelKind(const Calculator *model)
{
    return static_cast<int>(model->Kind());
}

const char *ModelLabel(const Calculator *model, int index)
{
    return model->Label(index);
}

const char *ModelInput(const Calculator *model, int index)
{
    return model->Input(index).c_str();
}

const char *ModelResult(const Calculator *model)
{
    return model->Result().c_str();
}

unsigned ModelFocusRequests(const Calculator *model)
{
    return model->FocusRequests();
}

unsigned ModelAnnouncements(const Calculator *model)
{
    return model->Announcements();
}

const char *ModelAnnouncement(const Calculator *model)
{
    return model->Announcement().c_str();
}

// The figure of the solution the result shows, as an SVG document of `width` x `height`
// pixels (empty when the result shows none), and its description in words.
const char *ModelFigure(const Calculator *model, int width, int height)
{
    static std::string svg;
    svg.clear();
    if (model->Solution())
        svg = figure::Svg(*model->Solution(), {.width = static_cast<double>(width),
                                               .height = static_cast<double>(height),
                                               .decimalSeparator = kPageSeparator});
    return svg.c_str();
}

// The exact values of the solution the result shows, a line each after a heading
// (calc::AppendExactValues); empty when it shows none.
const char *ModelExactValues(const Calculator *model)
{
    static std::string text;
    text.clear();
    if (model->Solution())
        calc::AppendExactValues(text, *model->Solution(),
                                {.decimalSeparator = kPageSeparator, .lineEnd = "\n"});
    return text.c_str();
}

// The same as HTML with MathML, a formula a row, under the heading; empty when there are none.
const char *ModelExactMathMl(const Calculator *model)
{
    static std::string html;
    html.clear();
    if (model->Solution()) {
        solution::WorkedSolution values;
        values.parts.push_back({calc::kExactHeading, solution::ExactValues(*model->Solution())});
        if (!values.parts.front().steps.empty())
            solution::AppendMathMl(html, values, kPageSeparator);
    }
    return html.c_str();
}

// The worked solution of what the result shows, as HTML with MathML, and as plain text, a
// line a formula, for screen readers; both empty when it shows none.
const char *ModelSolution(const Calculator *model)
{
    static std::string html;
    html.clear();
    if (model->Solution())
        solution::AppendMathMl(html, solution::Work(*model->Solution()), kPageSeparator);
    return html.c_str();
}

const char *ModelSolutionText(const Calculator *model)
{
    static std::string text;
    text.clear();
    if (model->Solution())
        solution::AppendText(text, solution::Work(*model->Solution()), kPageSeparator);
    return text.c_str();
}

const char *ModelFigureDescription(const Calculator *model)
{
    static std::string description;
    description.clear();
    if (model->Solution())
        description = figure::Description(*model->Solution(), kPageSeparator);
    return description.c_str();
}

} // extern "C"
