#include "svg_painter.h"

#include "markup.h"

namespace figure
{
namespace
{

// "#RRGGBB", in capitals.
void AppendColour(std::string &out, Colour colour)
{
    out += '#';
    AppendHexDigits(out, colour);
}

// Appends ` name="…"`, the value written by `write`.
template<typename Write>
void AppendAttribute(std::string &out, std::string_view name, const Write &write)
{
    out += ' ';
    out += name;
    out += "=\"";
    write(out);
    out += '"';
}

} // namespace

SvgPainter::SvgPainter(std::string_view idPrefix) : prefix_(idPrefix) {}

void SvgPainter::Open(std::string_view element, const Tag &tag)
{
    body_ += '<';
    body_ += element;
    Attribute("class", tag.classes);
    if (!tag.name.empty()) {
        body_ += " id=\"";
        AppendEscaped(body_, prefix_);
        AppendEscaped(body_, tag.name);
        body_ += '"';
    }
}

void SvgPainter::Attribute(std::string_view name, double value)
{
    AppendAttribute(body_, name, [value](std::string &out) { AppendCoordinate(out, value); });
}

void SvgPainter::Attribute(std::string_view name, std::string_view value)
{
    AppendAttribute(body_, name, [value](std::string &out) { AppendEscaped(out, value); });
}

void SvgPainter::Attribute(std::string_view name, Colour value)
{
    AppendAttribute(body_, name, [value](std::string &out) { AppendColour(out, value); });
}

void SvgPainter::StrokeAttributes(const Stroke &stroke)
{
    Attribute("stroke", stroke.colour);
    Attribute("stroke-width", stroke.width);
    if (!stroke.dashes.Solid())
        AppendAttribute(body_, "stroke-dasharray", [&stroke](std::string &out) {
            AppendCoordinate(out, stroke.dashes.dash);
            out += ' ';
            AppendCoordinate(out, stroke.dashes.gap);
        });
    body_ += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
}

void SvgPainter::Line(Point from, Point to, const Stroke &stroke, const Tag &tag)
{
    Open("line", tag);
    Attribute("x1", from.x);
    Attribute("y1", from.y);
    Attribute("x2", to.x);
    Attribute("y2", to.y);
    StrokeAttributes(stroke);
    body_ += "/>\n";
}

void SvgPainter::Polygon(std::span<const Point> corners, const Stroke &stroke,
                         std::optional<Colour> fill, const Tag &tag)
{
    Open("polygon", tag);
    body_ += " points=\"";
    for (std::size_t i = 0; i < corners.size(); ++i) {
        body_ += i ? " " : "";
        AppendCoordinate(body_, corners[i].x);
        body_ += ',';
        AppendCoordinate(body_, corners[i].y);
    }
    body_ += '"';
    if (fill)
        Attribute("fill", *fill);
    else
        Attribute("fill", "none");
    StrokeAttributes(stroke);
    body_ += "/>\n";
}

void SvgPainter::Dot(Point centre, double radius, Colour colour, const Tag &tag)
{
    Open("circle", tag);
    Attribute("cx", centre.x);
    Attribute("cy", centre.y);
    Attribute("r", radius);
    Attribute("fill", colour);
    body_ += "/>\n";
}

void SvgPainter::Text(Point centre, std::string_view text, const Font &font, const Tag &tag)
{
    // A white box behind the letters, the one the labels were placed by, keeps them
    // legible where they cross a line. (A stroked halo under the text, with paint-order,
    // would do it too, but LibreOffice then drops the text altogether.)
    const TextSize size = EstimateText(text, font.size);
    body_ += "<rect class=\"label-background\"";
    Attribute("x", centre.x - size.width / 2);
    Attribute("y", centre.y - size.height / 2);
    Attribute("width", size.width);
    Attribute("height", size.height);
    Attribute("rx", kLabelCornerRadius);
    Attribute("fill", kLabelBackground);
    Attribute("fill-opacity", kLabelBackgroundOpacity);
    body_ += "/>\n";
    Open("text", tag);
    Attribute("x", centre.x);
    Attribute("y", centre.y + kBaselineBelowCentre * font.size);
    Attribute("font-size", font.size);
    if (font.italic)
        body_ += " font-style=\"italic\"";
    Attribute("fill", font.colour);
    body_ += " text-anchor=\"middle\">";
    AppendEscaped(body_, text);
    body_ += "</text>\n";
}

void SvgPainter::AppendDocument(std::string &out, const Document &document) const
{
    if (document.xmlDeclaration)
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    AppendCoordinate(out, document.width);
    out += "\" height=\"";
    AppendCoordinate(out, document.height);
    out += "\" viewBox=\"0 0 ";
    AppendCoordinate(out, document.width);
    out += ' ';
    AppendCoordinate(out, document.height);
    out += "\" role=\"img\" aria-labelledby=\"";
    AppendEscaped(out, prefix_);
    out += "title ";
    AppendEscaped(out, prefix_);
    out += "desc\" data-scale=\"";
    AppendCoordinate(out, document.scale);
    // The family names unquoted: LibreOffice takes a quoted list as no font at all.
    out += "\" font-family=\"";
    out += kFontFamilies;
    out += "\">\n<title id=\"";
    AppendEscaped(out, prefix_);
    out += "title\">";
    AppendEscaped(out, document.title);
    out += "</title>\n<desc id=\"";
    AppendEscaped(out, prefix_);
    out += "desc\">";
    AppendEscaped(out, document.description);
    out += "</desc>\n<rect class=\"background\" width=\"100%\" height=\"100%\" fill=\"";
    AppendColour(out, kWhite);
    out += "\"/>\n";
    out += body_;
    out += "</svg>\n";
}

} // namespace figure
