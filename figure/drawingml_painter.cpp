#include "drawingml_painter.h"

#include "markup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace figure
{
namespace
{

// English Metric Units in a point, for the font sizes in half-points.
constexpr double kEmuPerPoint = 12700;

void AppendSolidFill(std::string &out, const std::string &colour, int alphaThousandths = 100000)
{
    out += "<a:solidFill><a:srgbClr val=\"";
    out += colour;
    out += '"';
    if (alphaThousandths < 100000) {
        out += "><a:alpha val=\"";
        out += std::to_string(alphaThousandths);
        out += "\"/></a:srgbClr></a:solidFill>";
    } else {
        out += "/></a:solidFill>";
    }
}

} // namespace

std::string DrawingMlColour(Colour colour)
{
    std::string hex;
    AppendHexDigits(hex, colour);
    return hex;
}

DrawingMlPainter::DrawingMlPainter(double emuPerPixel, long firstId)
    : emuPerPixel_(emuPerPixel), nextId_(firstId)
{
}

long DrawingMlPainter::Emu(double pixels) const
{
    const double emu = pixels * emuPerPixel_;
    return std::isfinite(emu) ? std::lround(std::clamp(emu, -1e12, 1e12)) : 0;
}

// `properties`: the shape's kind, a line (a connector), a shape or a text box.
void DrawingMlPainter::OpenShape(const Tag &tag, std::string_view properties)
{
    shapes_ += "<wps:wsp><wps:cNvPr id=\"";
    shapes_ += std::to_string(nextId_++);
    shapes_ += "\" name=\"";
    AppendEscaped(shapes_, tag.name.empty() ? tag.classes : tag.name);
    shapes_ += "\"/>";
    shapes_ += properties;
    shapes_ += "<wps:spPr>";
}

// The shape's place, in pixels; `flips` the attributes that turn a line's box around.
void DrawingMlPainter::Box(double left, double top, double width, double height,
                           std::string_view flips)
{
    shapes_ += "<a:xfrm";
    shapes_ += flips;
    shapes_ += "><a:off x=\"";
    shapes_ += std::to_string(Emu(left));
    shapes_ += "\" y=\"";
    shapes_ += std::to_string(Emu(top));
    shapes_ += "\"/><a:ext cx=\"";
    shapes_ += std::to_string(std::max(0L, Emu(width)));
    shapes_ += "\" cy=\"";
    shapes_ += std::to_string(std::max(0L, Emu(height)));
    shapes_ += "\"/></a:xfrm>";
}

void DrawingMlPainter::Outline(const Stroke &stroke)
{
    shapes_ += "<a:ln w=\"";
    shapes_ += std::to_string(std::max(0L, Emu(stroke.width)));
    shapes_ += "\" cap=\"rnd\">";
    AppendSolidFill(shapes_, DrawingMlColour(stroke.colour));
    // The dash and the gap in thousandths of a percent of the line's width.
    if (!stroke.dashes.Solid() && stroke.width > 0) {
        const auto percent = [&](double length) {
            const double share = std::clamp(length / stroke.width * 100000, 1.0, 1e9);
            return std::to_string(std::isfinite(share) ? std::lround(share) : 1L);
        };
        shapes_ += "<a:custDash><a:ds d=\"";
        shapes_ += percent(stroke.dashes.dash);
        shapes_ += "\" sp=\"";
        shapes_ += percent(stroke.dashes.gap);
        shapes_ += "\"/></a:custDash>";
    }
    shapes_ += "<a:round/></a:ln>";
}

void DrawingMlPainter::Line(Point from, Point to, const Stroke &stroke, const Tag &tag)
{
    // A line runs from the top left corner of its box to the bottom right one, unless the
    // box is flipped.
    std::string flips;
    if (to.x < from.x)
        flips += " flipH=\"1\"";
    if (to.y < from.y)
        flips += " flipV=\"1\"";
    OpenShape(tag, "<wps:cNvCnPr/>");
    Box(std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x),
        std::abs(to.y - from.y), flips);
    shapes_ += "<a:prstGeom prst=\"line\"><a:avLst/></a:prstGeom>";
    Outline(stroke);
    shapes_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
}

void DrawingMlPainter::Polygon(std::span<const Point> corners, const Stroke &stroke,
                               std::optional<Colour> fill, const Tag &tag)
{
    if (corners.size() < 2)
        return;
    Point low = corners[0];
    Point high = corners[0];
    for (const Point corner : corners) {
        low = {std::min(low.x, corner.x), std::min(low.y, corner.y)};
        high = {std::max(high.x, corner.x), std::max(high.y, corner.y)};
    }
    OpenShape(tag, "<wps:cNvSpPr/>");
    Box(low.x, low.y, high.x - low.x, high.y - low.y);
    // The path in the box's own units, English Metric Units from its top left corner.
    shapes_ += "<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/>"
               "<a:rect l=\"0\" t=\"0\" r=\"r\" b=\"b\"/><a:pathLst><a:path w=\"";
    shapes_ += std::to_string(std::max(1L, Emu(high.x - low.x)));
    shapes_ += "\" h=\"";
    shapes_ += std::to_string(std::max(1L, Emu(high.y - low.y)));
    shapes_ += "\">";
    for (std::size_t i = 0; i < corners.size(); ++i) {
        shapes_ += i == 0 ? "<a:moveTo><a:pt x=\"" : "<a:lnTo><a:pt x=\"";
        shapes_ += std::to_string(Emu(corners[i].x - low.x));
        shapes_ += "\" y=\"";
        shapes_ += std::to_string(Emu(corners[i].y - low.y));
        shapes_ += i == 0 ? "\"/></a:moveTo>" : "\"/></a:lnTo>";
    }
    shapes_ += "<a:close/></a:path></a:pathLst></a:custGeom>";
    if (fill)
        AppendSolidFill(shapes_, DrawingMlColour(*fill));
    else
        shapes_ += "<a:noFill/>";
    Outline(stroke);
    shapes_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
}

void DrawingMlPainter::Dot(Point centre, double radius, Colour colour, const Tag &tag)
{
    OpenShape(tag, "<wps:cNvSpPr/>");
    Box(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius);
    shapes_ += "<a:prstGeom prst=\"ellipse\"><a:avLst/></a:prstGeom>";
    AppendSolidFill(shapes_, DrawingMlColour(colour));
    shapes_ += "<a:ln><a:noFill/></a:ln></wps:spPr><wps:bodyPr/></wps:wsp>";
}

void DrawingMlPainter::Text(Point centre, std::string_view text, const Font &font, const Tag &tag)
{
    // A text box as large as the box the labels were placed by, white and nearly opaque as
    // the SVG's, which keeps the letters legible where they cross a line; the text centred
    // in it, in the document's serif face.
    const TextSize size = EstimateText(text, font.size);
    OpenShape(tag, "<wps:cNvSpPr txBox=\"1\"/>");
    Box(centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height);
    shapes_ += "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom>";
    AppendSolidFill(shapes_, DrawingMlColour(kLabelBackground),
                    static_cast<int>(std::lround(kLabelBackgroundOpacity * 100000)));
    // The face and the spacing are the document's defaults (docx_parts.h).
    shapes_ += "<a:ln><a:noFill/></a:ln></wps:spPr><wps:txbx><w:txbxContent><w:p><w:pPr>"
               "<w:jc w:val=\"center\"/></w:pPr><w:r><w:rPr>";
    if (font.italic)
        shapes_ += "<w:i/><w:iCs/>";
    shapes_ += "<w:noProof/>";
    shapes_ += "<w:color w:val=\"";
    shapes_ += DrawingMlColour(font.colour);
    shapes_ += "\"/>";
    const double halfPoints =
        std::clamp(std::round(font.size * emuPerPixel_ / kEmuPerPoint * 2), 2.0, 3276.0);
    const std::string sizeText =
        std::to_string(std::isfinite(halfPoints) ? static_cast<int>(halfPoints) : 2);
    shapes_ += "<w:sz w:val=\"";
    shapes_ += sizeText;
    shapes_ += "\"/><w:szCs w:val=\"";
    shapes_ += sizeText;
    shapes_ += "\"/></w:rPr><w:t xml:space=\"preserve\">";
    AppendEscaped(shapes_, text);
    shapes_ += "</w:t></w:r></w:p></w:txbxContent></wps:txbx>"
               "<wps:bodyPr rot=\"0\" vert=\"horz\" wrap=\"none\" lIns=\"0\" tIns=\"0\" "
               "rIns=\"0\" bIns=\"0\" anchor=\"ctr\" anchorCtr=\"0\"><a:noAutofit/>"
               "</wps:bodyPr></wps:wsp>";
}

void DrawingMlPainter::AppendGroup(std::string &out, double width, double height) const
{
    // The children in the group's own units, the same English Metric Units.
    std::string extent = "<a:ext cx=\"";
    extent += std::to_string(std::max(0L, Emu(width)));
    extent += "\" cy=\"";
    extent += std::to_string(std::max(0L, Emu(height)));
    extent += "\"/>";
    out += "<wpg:wgp><wpg:cNvGrpSpPr/><wpg:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/>";
    out += extent;
    out += "<a:chOff x=\"0\" y=\"0\"/><a:chExt";
    out += std::string_view(extent).substr(std::string_view("<a:ext").size());
    out += "</a:xfrm></wpg:grpSpPr>";
    out += shapes_;
    out += "</wpg:wgp>";
}

} // namespace figure
