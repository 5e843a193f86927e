#include "chapter_figures.h"

#include "calculate.h"
#include "chapter_report.h"
#include "markup.h"
#include "triangle.h"

#include <fmt/format.h>

#include <vector>

namespace figure
{
namespace
{

// The room above each figure for its heading, and between two figures, in pixels.
constexpr double kHeadingHeight = 28;
constexpr double kGap = 16;

// The figure of a triangle of the chapter: that of its three sides.
std::string TriangleSvg(const calc::chapter::SolvedTriangle &triangle, FigureOptions options,
                        const std::string &prefix)
{
    const calc::Solution sides = calc::Solve(calc::InputMode::Sides, triangle.Sides());
    options.idPrefix = prefix;
    options.xmlDeclaration = false;
    return Svg(sides, options);
}

} // namespace

std::string ChapterSvg(const calc::chapter::Solution &solution, const FigureOptions &options)
{
    if (solution.count != calc::chapter::Count::Finite)
        return {};
    const Frame frame = FrameOf(options);
    const bool headed = solution.triangles.size() > 1;
    const double top = headed ? kHeadingHeight : 0;
    std::string figures;
    double x = 0;
    for (std::size_t t = 0; t < solution.triangles.size(); ++t) {
        const std::string svg =
            TriangleSvg(solution.triangles[t], options, fmt::format("t{}-", t + 1));
        if (svg.empty())
            continue;
        if (x > 0)
            x += kGap;
        figures += fmt::format(
            "<g class=\"triangle\" id=\"triangle-{}\" transform=\"translate({} {})\">\n", t + 1, x,
            top);
        if (headed) {
            figures +=
                fmt::format("<text x=\"{}\" y=\"{}\" font-size=\"16\" text-anchor=\"middle\">",
                            frame.width / 2, -kHeadingHeight / 3);
            AppendEscaped(figures, calc::chapter::kTriangleHeading);
            figures += fmt::format("{}</text>\n", t + 1);
        }
        figures += svg;
        figures += "</g>\n";
        x += frame.width;
    }
    if (figures.empty())
        return {};
    std::string out;
    if (options.xmlDeclaration)
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += fmt::format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0}\" height=\"{1}\" "
                       "viewBox=\"0 0 {0} {1}\">\n",
                       x, frame.height + top);
    // The headline without the colon that leads to the report.
    std::string title = calc::chapter::Headline(solution);
    if (title.ends_with(':'))
        title.pop_back();
    out += "<title>";
    AppendEscaped(out, title);
    out += "</title>\n";
    out += figures;
    out += "</svg>\n";
    return out;
}

std::string ChapterNoFigureReason(const calc::chapter::Solution &solution)
{
    if (solution.count == calc::chapter::Count::None) {
        std::string reason = calc::chapter::Headline(solution);
        if (const std::string why = calc::chapter::Explanation(solution); !why.empty())
            reason += " " + why;
        return reason;
    }
    if (solution.count == calc::chapter::Count::Infinite)
        return calc::chapter::Explanation(solution) + " Няма един триъгълник за чертане.";
    if (ChapterSvg(solution).empty())
        return "триъгълникът е твърде тесен, за да бъде начертан";
    return {};
}

} // namespace figure
