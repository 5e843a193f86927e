#pragma once

// The painter that writes SVG: each call becomes one element (a text two: a white box
// behind it, then the text), with its tag as class and id and its look as presentation
// attributes (a colour as "#RRGGBB", dashes as "7 4"), so that the figure looks the same wherever
// it is pasted, with or without style sheets: in browsers, rsvg, Inkscape and LibreOffice alike,
// which is why it uses only what all of them draw (no paint-order, no quoted font names).

#include "painter.h"

#include <string>
#include <string_view>

namespace figure
{

class SvgPainter final : public Painter
{
public:
    // `idPrefix` goes before every id.
    explicit SvgPainter(std::string_view idPrefix = {});

    void Line(Point from, Point to, const Stroke &stroke, const Tag &tag) override;
    void Polygon(std::span<const Point> corners, const Stroke &stroke, std::optional<Colour> fill,
                 const Tag &tag) override;
    void Dot(Point centre, double radius, Colour colour, const Tag &tag) override;
    void Text(Point centre, std::string_view text, const Font &font, const Tag &tag) override;

    struct Document {
        double width = 0;
        double height = 0;
        double scale = 0; // written as data-scale: pixels per unit of length
        std::string_view title = {};
        std::string_view description = {};
        bool xmlDeclaration = true;
    };
    // Appends the document: the <svg> element with its title and description, a white
    // background, and everything painted so far.
    void AppendDocument(std::string &out, const Document &document) const;

private:
    void Open(std::string_view element, const Tag &tag);
    void Attribute(std::string_view name, double value);
    void Attribute(std::string_view name, std::string_view value);
    void Attribute(std::string_view name, Colour value);
    void StrokeAttributes(const Stroke &stroke);

    std::string prefix_;
    std::string body_;
};

} // namespace figure
