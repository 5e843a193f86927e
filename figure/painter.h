#pragma once

// The one interface the drawing goes through: a figure is a few lines, polygons, dots and
// texts in pixel coordinates (x to the right, y down), each tagged with what it stands for.
// svg_painter.h writes them as SVG, cairo_painter.h paints them into an image.

#include <span>
#include <string_view>
#include <vector>

namespace figure
{

struct Point {
    double x = 0;
    double y = 0;
};

// How a line is drawn: a CSS colour, a width in pixels, and dash lengths as SVG writes
// them ("6 4"), empty for a solid line.
struct Stroke {
    std::string_view colour;
    double width = 1;
    std::string_view dashes = {};
};

// How a text is drawn: a CSS colour and a size in pixels.
struct Font {
    std::string_view colour;
    double size = 14;
    bool italic = false;
};

// What an element stands for: its kind ("bisector", "vertex", ...) and, for the elements
// one looks up by name, a name unique in the figure ("bisector-a", "A"), otherwise empty.
struct Tag {
    std::string_view kind;
    std::string_view name = {};
};

class Painter
{
public:
    virtual ~Painter() = default;

    virtual void Line(Point from, Point to, const Stroke &stroke, const Tag &tag) = 0;
    // A closed outline; `fill` is a CSS colour or "none".
    virtual void Polygon(std::span<const Point> corners, const Stroke &stroke,
                         std::string_view fill, const Tag &tag) = 0;
    virtual void Dot(Point centre, double radius, std::string_view colour, const Tag &tag) = 0;
    // One line of text, centred on `centre`: the middle of the box TextSize estimates.
    virtual void Text(Point centre, std::string_view text, const Font &font, const Tag &tag) = 0;
};

// The extent the drawing reserves for a text: 0.6 of the font size per character (UTF-8
// code point), which is more than the serif fonts of the figure need for its letters and
// digits, and 1.2 times the font size in height, descenders included.
struct TextSize {
    double width = 0;
    double height = 0;
};
TextSize EstimateText(std::string_view text, double fontSize);

// The dash lengths of a stroke's dashes ("7 4"); empty for a solid line or a list that does
// not read.
std::vector<double> ReadDashes(std::string_view text);

// The fonts of the texts, the first installed: Liberation Serif, or Times New Roman, whose
// metrics it shares, or the generic serif face, as an SVG's font-family writes them.
inline constexpr std::string_view kFontFamilies = "Liberation Serif, Times New Roman, serif";

// Where the baseline of a text lies below the centre of its box, in font sizes.
inline constexpr double kBaselineBelowCentre = 0.35;

} // namespace figure
