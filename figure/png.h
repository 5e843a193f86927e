#pragma once

// The figure as a PNG image, painted with cairo (cairo_painter.h) by the drawing that
// writes the SVG (figure.h), for documents that need a picture beside the SVG or instead
// of it. A library of its own (figure_png), linked only where cairo may be loaded.

#include "figure.h"

#include <string>

namespace figure
{

// The image pixels to a pixel of the figure's box in the documents' pictures: a figure
// printed 84 mm wide has over 300 pixels to the inch. (The web page paints its pictures
// at the same size, ceil(box * kPngResolution) pixels each way.)
inline constexpr double kPngResolution = 3;

// The figure of a solved triangle as a PNG image of the options' box, `resolution` image
// pixels to a pixel of the box. Empty where Svg is empty, and when the image could not be
// made.
std::string Png(const calc::Solution &solution, const FigureOptions &options,
                double resolution = kPngResolution);

} // namespace figure
