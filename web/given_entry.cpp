// The page's part "Триъгълник по три елемента" in WebAssembly: a triangle from three of its
// elements, each chosen by its name and typed as a value, solved by the chapter's core
// (calc/chapter.h) and shown a triangle at a time: the report's first lines, each triangle's
// heading, lines and exact values, its figure (drawn from its sides) and the figure read out
// in words. What the page shows, put together in that order, is what `bisectors --given
// --exact` prints for the same words. Texts cross as UTF-8 with a final NUL; a text returned
// stays valid until the part's next call.
#include "calculate.h"
#include "chapter_report.h"
#include "figure.h"
#include "givens.h"
#include "triangle.h"

#include <array>
#include <string>
#include <string_view>

namespace
{

using calc::chapter::Solution;

// The givens last read and their solution, with the line the givens' texts point into.
struct Givens {
    std::string separator = ".";
    std::string line;
    calc::GivenLine read;
    Solution solution;
    std::string text; // the last text returned
};

Givens &State()
{
    static Givens state;
    return state;
}

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

const char *Returned(std::string text)
{
    State().text = std::move(text);
    return State().text.c_str();
}

calc::ReportStyle Style()
{
    return {.decimalSeparator = State().separator, .lineEnd = "\n"};
}

bool Shown(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < State().solution.triangles.size();
}

// Today's kind of solution for the sides of triangle `index`, which the figure draws.
calc::Solution OfSides(int index)
{
    return calc::Solve(calc::InputMode::Sides,
                       State().solution.triangles[static_cast<std::size_t>(index)].Sides());
}

} // namespace

extern "C" {

// Reads and solves three givens, each an element's name (its ASCII spelling, as the page's
// choosers hold them) and a value as typed, with `separator` as the decimal separator the
// values may use and the report writes. A value is read as the command line reads the word
// after "=": one word, blanks around it dropped; a value of several words is no given (the
// problem says so), never words of the line's own. Returns, as the command line exits, 0
// for triangles (or infinitely many), 1 for none, 2 for givens that are no triple.
int GivenSolve(const char *separator, const char *name0, const char *value0, const char *name1,
               const char *value1, const char *name2, const char *value2)
{
    Givens &state = State();
    state.separator = separator;
    state.solution = {};
    const std::array<std::string_view, 3> names{name0, name1, name2};
    const std::array<std::string_view, 3> values{Trimmed(value0), Trimmed(value1), Trimmed(value2)};
    state.line.clear();
    std::array<std::size_t, 3> starts{};
    for (std::size_t k = 0; k < 3; ++k) {
        state.line += k == 0 ? "" : " ";
        starts[k] = state.line.size();
        state.line += names[k];
        state.line += '=';
        state.line += values[k];
    }
    state.read = {};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string_view value = values[k];
        bool words = value.find('=') != std::string_view::npos;
        for (const char c : value)
            words = words || Blank(c);
        if (words) {
            state.read.problem = calc::GivenProblem::NotNamed;
            state.read.about =
                std::string_view(state.line).substr(starts[k], names[k].size() + 1 + value.size());
            return 2;
        }
    }
    state.read = calc::ReadGivens(state.line, state.separator);
    if (state.read.problem != calc::GivenProblem::None)
        return 2;
    state.solution = calc::chapter::Solve(state.read.givens, {.exactValues = true});
    return state.solution.count == calc::chapter::Count::None ? 1 : 0;
}

// What comes before the triangles: for givens that are no triple, what is wrong with them;
// else the report's first line and, where there is no triangle or infinitely many, why.
// A line each.
const char *GivenSummary()
{
    const Givens &state = State();
    if (state.read.problem != calc::GivenProblem::None)
        return Returned(calc::GivenProblemText(state.read) + "\n");
    std::string text = calc::chapter::Headline(state.solution) + "\n";
    if (state.solution.count != calc::chapter::Count::Finite)
        if (const std::string why = calc::chapter::Explanation(state.solution); !why.empty())
            text += why + "\n";
    return Returned(std::move(text));
}

int GivenTriangles()
{
    return static_cast<int>(State().solution.triangles.size());
}

// "Триъгълник 2:" of two or more triangles; empty for the only one.
const char *GivenHeading(int index)
{
    if (!Shown(index) || GivenTriangles() < 2)
        return Returned({});
    return Returned(std::string(calc::chapter::kTriangleHeading) + std::to_string(index + 1) +
                    ":\n");
}

const char *GivenTriangle(int index)
{
    std::string text;
    if (Shown(index))
        calc::chapter::AppendTriangle(text, State().solution, static_cast<std::size_t>(index),
                                      Style());
    return Returned(std::move(text));
}

const char *GivenExact(int index)
{
    std::string text;
    if (Shown(index))
        calc::chapter::AppendTriangleExact(text, State().solution, static_cast<std::size_t>(index),
                                           Style());
    return Returned(std::move(text));
}

// After the triangles: why they have no exact values, or nothing.
const char *GivenNoExactValues()
{
    const std::string_view none = calc::chapter::NoExactValues(State().solution);
    return Returned(none.empty() ? std::string() : std::string(none) + "\n");
}

// The figure of triangle `index` as an SVG document of `width` x `height` pixels, and the
// figure in words; empty for no such triangle.
const char *GivenFigure(int index, int width, int height)
{
    if (!Shown(index))
        return Returned({});
    return Returned(figure::Svg(OfSides(index), {.width = static_cast<double>(width),
                                                 .height = static_cast<double>(height),
                                                 .decimalSeparator = State().separator}));
}

const char *GivenFigureDescription(int index)
{
    if (!Shown(index))
        return Returned({});
    return Returned(figure::Description(OfSides(index), State().separator));
}

} // extern "C"
