#include "svg_figure.h"

#include "figure.h"

namespace worksheet
{

Verdict SvgFigure::Add(std::string &out, const Record &record)
{
    if (record.Malformed())
        return {2, CountProblem(record.count)};
    // A solved triangle may still have no figure (a side of length 0): no empty document.
    const std::string svg = figure::Svg(*record.solution, {.decimalSeparator = separator_});
    if (svg.empty())
        return {1, std::string(figure::NoFigureReason(*record.solution))};
    out += svg;
    return {};
}

} // namespace worksheet
