#pragma once

// The figure of a solved triangle: triangle ABC to scale with its three internal bisectors
// and, for altitudes and medians, the given elements, as a student draws it in a notebook.
//
//   geometry.h     where the vertices and the feet of the bisectors, altitudes and medians
//                  lie, with the longest side at the bottom
//   figure.h       Draw: that placement fitted into a box of pixels, with the vertex
//                  letters, the feet and the bisectors' lengths (labels.h keeps the labels
//                  off the lines and off each other), painted through painter.h, whose
//                  colours and dashes are values each painter writes in its own way
//   names.h        the elements' names, and their SVG classes and ids
//   markup.h       the lengths written to four digits (the core's digits, its one writer)
//   svg_painter.h  the painter that writes an SVG document; Svg below puts it together
//   png.h          the same drawing painted with cairo as a PNG image (a library of its own)
//   drawingml_painter.h  the painter that writes the drawing as shapes for Word and Writer
//   description    the figure read out in Bulgarian, as a text alternative
//
// Nothing here knows of windows or pages: the command line, the answer key (worksheet/)
// and the web page take the SVG texts as they are. A triple the core refuses has no figure,
// nor has a solved triangle with a side of length 0 (NoFigureReason says why).

#include "painter.h"
#include "triangle.h"

#include <string>
#include <string_view>

namespace figure
{

struct FigureOptions {
    // The figure's box in pixels; sizes below 160 x 120 (or not finite) are raised to it,
    // sizes beyond 10000 lowered to it.
    double width = 480;
    double height = 360;
    // The decimal separator of the lengths in the labels and the description.
    std::string_view decimalSeparator = ".";
    // Put before every id in the SVG, so that several figures can share an HTML page.
    std::string_view idPrefix = {};
    // The "<?xml ...?>" line of a standalone document; SVG inside HTML goes without it.
    bool xmlDeclaration = true;
};

// The box a figure was drawn in and its scale.
struct Frame {
    double width = 0; // the options' size, raised or lowered into range
    double height = 0;
    double scale = 0; // pixels per unit of length; 0 when nothing was drawn
};

// The box a figure of the options is drawn in, of scale 0.
Frame FrameOf(const FigureOptions &options);

// Draws the figure of a solved triangle with `painter`, fitted into the options' box.
// A solution that is not Solved draws nothing.
Frame Draw(const calc::Solution &solution, const FigureOptions &options, Painter &painter);

// The figure as a standalone SVG document (UTF-8), its description as <desc>; empty for a
// solution that is not Solved. The root element carries the scale as data-scale; the
// elements carry classes and ids: the vertices "A", "B", "C", the bisectors "bisector-a"
// (from A) ..., their feet "L_a" ..., the altitudes "altitude-a" ... with the feet "H",
// "G", "E", the medians "median-a" ... with the feet "K", "M", "N".
std::string Svg(const calc::Solution &solution, const FigureOptions &options = {});

// Why a solution has no figure, as a sentence for the user: the refusal, or that the
// triangle cannot be drawn (a side of length 0, or too thin to place); empty when Svg
// draws it.
std::string_view NoFigureReason(const calc::Solution &solution);

// The figure read out in Bulgarian: how the triangle was given, its kind (acute, right or
// obtuse, and where), the given lengths, the sides and the bisectors, to four significant
// digits. Empty for a solution that is not Solved.
std::string Description(const calc::Solution &solution, std::string_view decimalSeparator = ".");

} // namespace figure
