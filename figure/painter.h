#pragma once

// The one interface the drawing goes through: a figure is a few lines, polygons, dots and
// texts in pixel coordinates (x to the right, y down), each tagged with what it stands for.
// Their looks are values (a colour, a dash pattern, a size): svg_painter.h writes them as
// SVG, cairo_painter.h paints them into an image with them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace figure
{

struct Point {
    double x = 0;
    double y = 0;
};

// A colour by its red, green and blue, 0 to 255 each.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

inline constexpr Colour kWhite{255, 255, 255};

// Appends the colour's channels as six hexadecimal digits in capitals, "RRGGBB", as SVG
// (after its '#') and DrawingML write them.
void AppendHexDigits(std::string &out, Colour colour);

// Dashes of a line: `dash` pixels drawn, then `gap` pixels left out, over and over; no
// dashes (0) for a solid line.
struct Dashes {
    double dash = 0;
    double gap = 0;

    bool Solid() const { return !(dash > 0); }
};

// How a line is drawn: its colour, its width in pixels and its dashes.
struct Stroke {
    Colour colour;
    double width = 1;
    Dashes dashes = {};
};

// How a text is drawn: its colour and its size in pixels.
struct Font {
    Colour colour;
    double size = 14;
    bool italic = false;
};

// What an element stands for: its classes, as the SVG names them ("bisector", "label
// vertex-label"), and for the elements one looks up by name a name unique in the figure
// ("bisector-a", "A"), otherwise empty.
struct Tag {
    std::string_view classes;
    std::string_view name = {};
};

class Painter
{
public:
    virtual ~Painter() = default;

    virtual void Line(Point from, Point to, const Stroke &stroke, const Tag &tag) = 0;
    // A closed outline, filled with `fill` where there is one.
    virtual void Polygon(std::span<const Point> corners, const Stroke &stroke,
                         std::optional<Colour> fill, const Tag &tag) = 0;
    virtual void Dot(Point centre, double radius, Colour colour, const Tag &tag) = 0;
    // One line of text, centred on `centre`: the middle of the box TextSize estimates, which
    // is painted white (kLabelBackground) behind it.
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

// The fonts of the texts, the first installed: Liberation Serif, or Times New Roman, whose
// metrics it shares, or the generic serif face, as an SVG's font-family writes them.
inline constexpr std::string_view kFontFamilies = "Liberation Serif, Times New Roman, serif";

// Where the baseline of a text lies below the centre of its box, in font sizes.
inline constexpr double kBaselineBelowCentre = 0.35;

// The box behind a text, which keeps it legible where it crosses a line: white, a little
// transparent, with rounded corners of this radius in pixels.
inline constexpr Colour kLabelBackground = kWhite;
inline constexpr double kLabelBackgroundOpacity = 0.85;
inline constexpr double kLabelCornerRadius = 2;

} // namespace figure
