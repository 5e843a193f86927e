#pragma once

// The painter that writes the figure as shapes of Word's drawings (DrawingML: a group of
// word-processing shapes), for the documents for Word and Writer: each line, outline and
// dot a shape, each text a text box, in the figure's pixels scaled to English Metric
// Units. Word and LibreOffice Writer both show the group as a drawing of their own, sharp
// at every size and editable, and writing it costs no more than writing the SVG: no image
// is painted or compressed.

#include "painter.h"

#include <optional>
#include <string>
#include <string_view>

namespace figure
{

class DrawingMlPainter final : public Painter
{
public:
    // `emuPerPixel`: the size of a pixel of the figure on the page; `firstId`: the number
    // of the first shape, which the document keeps unique among its drawings.
    DrawingMlPainter(double emuPerPixel, long firstId);

    void Line(Point from, Point to, const Stroke &stroke, const Tag &tag) override;
    void Polygon(std::span<const Point> corners, const Stroke &stroke, std::optional<Colour> fill,
                 const Tag &tag) override;
    void Dot(Point centre, double radius, Colour colour, const Tag &tag) override;
    void Text(Point centre, std::string_view text, const Font &font, const Tag &tag) override;

    // Appends the group (wpg:wgp) of everything painted so far, `width` x `height` pixels,
    // as the content of an a:graphicData of the word-processing group's URI (kGroupUri).
    void AppendGroup(std::string &out, double width, double height) const;

    // The number after the last shape's.
    long NextId() const { return nextId_; }

private:
    long Emu(double pixels) const;
    void OpenShape(const Tag &tag, std::string_view properties);
    void Box(double left, double top, double width, double height, std::string_view flips = {});
    void Outline(const Stroke &stroke);

    double emuPerPixel_;
    long nextId_;
    std::string shapes_;
};

inline constexpr std::string_view kGroupUri =
    "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup";

// A colour as DrawingML writes it, "RRGGBB".
std::string DrawingMlColour(Colour colour);

} // namespace figure
