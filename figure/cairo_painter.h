#pragma once

// The painter that draws with cairo into an image, for documents whose programs show no
// SVG, or show it only beside a picture: each call draws what SvgPainter writes for it
// (a text on the same white box, in the fonts the SVG asks for), into a white image of the
// figure's box, `resolution` image pixels to a pixel of the box, so that a figure printed
// at its size in a document is sharp. AppendPng writes the image as PNG. Only the library
// that makes those documents links cairo; the rest of the program knows nothing of it.

#include "painter.h"

#include <cairo.h>

#include <string>

namespace figure
{

class CairoPainter final : public Painter
{
public:
    CairoPainter(double width, double height, double resolution);
    ~CairoPainter() override;
    CairoPainter(const CairoPainter &) = delete;
    CairoPainter &operator=(const CairoPainter &) = delete;

    void Line(Point from, Point to, const Stroke &stroke, const Tag &tag) override;
    void Polygon(std::span<const Point> corners, const Stroke &stroke, std::optional<Colour> fill,
                 const Tag &tag) override;
    void Dot(Point centre, double radius, Colour colour, const Tag &tag) override;
    void Text(Point centre, std::string_view text, const Font &font, const Tag &tag) override;

    // Appends the image as a PNG file; false, with nothing appended, when cairo failed
    // (out of memory).
    bool AppendPng(std::string &out) const;

private:
    void SetColour(Colour colour, double opacity = 1);
    void StrokePath(const Stroke &stroke);

    cairo_surface_t *surface_;
    cairo_t *cairo_;
};

} // namespace figure
