#include "png.h"

#include "cairo_painter.h"

namespace figure
{

std::string Png(const calc::Solution &solution, const FigureOptions &options, double resolution)
{
    if (!NoFigureReason(solution).empty())
        return {};
    const Frame box = FrameOf(options);
    CairoPainter painter(box.width, box.height, resolution);
    std::string png;
    if (Draw(solution, options, painter).scale == 0 || !painter.AppendPng(png))
        return {};
    return png;
}

} // namespace figure
