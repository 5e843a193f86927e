#include "figure.h"
#include "svg_painter.h"

namespace figure
{

std::string Svg(const calc::Solution &solution, const FigureOptions &options)
{
    SvgPainter painter(options.idPrefix);
    const Frame frame = Draw(solution, options, painter);
    if (frame.scale == 0)
        return {};
    const std::string description = Description(solution, options.decimalSeparator);
    std::string svg;
    svg.reserve(8192);
    painter.AppendDocument(svg, {.width = frame.width,
                                 .height = frame.height,
                                 .scale = frame.scale,
                                 .title = "Триъгълник ABC с ъглополовящите му",
                                 .description = description,
                                 .xmlDeclaration = options.xmlDeclaration});
    return svg;
}

} // namespace figure
