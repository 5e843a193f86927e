#include "cairo_painter.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <numbers>

namespace figure
{
namespace
{

// The face of the families the SVG asks for (kFontFamilies), the first that fontconfig
// has, and its generic family after them: a serif face whatever is installed. Made once
// for the process: cairo keeps the faces it makes from patterns.
cairo_font_face_t *MakeFace(bool italic)
{
    FcPattern *pattern = FcPatternCreate();
    std::string_view families = kFontFamilies;
    while (!families.empty()) {
        const std::size_t comma = std::min(families.find(','), families.size());
        const std::string family(families.substr(0, comma));
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
        families.remove_prefix(std::min(comma + 1, families.size()));
        while (families.starts_with(' '))
            families.remove_prefix(1);
    }
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    cairo_font_face_t *face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    return face;
}

cairo_font_face_t *Face(bool italic)
{
    static cairo_font_face_t *const kUpright = MakeFace(false);
    static cairo_font_face_t *const kItalic = MakeFace(true);
    return italic ? kItalic : kUpright;
}

cairo_status_t AppendBytes(void *closure, const unsigned char *data, unsigned int length)
{
    static_cast<std::string *>(closure)->append(reinterpret_cast<const char *>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

CairoPainter::CairoPainter(double width, double height, double resolution)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24,
                                          static_cast<int>(std::ceil(width * resolution)),
                                          static_cast<int>(std::ceil(height * resolution)))),
      cairo_(cairo_create(surface_))
{
    cairo_set_source_rgb(cairo_, 1, 1, 1);
    cairo_paint(cairo_);
    cairo_scale(cairo_, resolution, resolution);
    cairo_set_line_cap(cairo_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo_, CAIRO_LINE_JOIN_ROUND);
    // Outlines as designed, placed as the SVG places them: no hinting to the pixel grid.
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cairo_, options);
    cairo_font_options_destroy(options);
}

CairoPainter::~CairoPainter()
{
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
}

void CairoPainter::SetColour(Colour colour, double opacity)
{
    cairo_set_source_rgba(cairo_, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0,
                          opacity);
}

void CairoPainter::StrokePath(const Stroke &stroke)
{
    SetColour(stroke.colour);
    cairo_set_line_width(cairo_, stroke.width);
    const double dashes[] = {stroke.dashes.dash, stroke.dashes.gap};
    cairo_set_dash(cairo_, dashes, stroke.dashes.Solid() ? 0 : 2, 0);
    cairo_stroke(cairo_);
}

void CairoPainter::Line(Point from, Point to, const Stroke &stroke, const Tag &)
{
    cairo_move_to(cairo_, from.x, from.y);
    cairo_line_to(cairo_, to.x, to.y);
    StrokePath(stroke);
}

void CairoPainter::Polygon(std::span<const Point> corners, const Stroke &stroke,
                           std::optional<Colour> fill, const Tag &)
{
    if (corners.empty())
        return;
    cairo_new_path(cairo_);
    for (const Point &corner : corners)
        cairo_line_to(cairo_, corner.x, corner.y);
    cairo_close_path(cairo_);
    if (fill) {
        SetColour(*fill);
        cairo_fill_preserve(cairo_);
    }
    StrokePath(stroke);
}

void CairoPainter::Dot(Point centre, double radius, Colour colour, const Tag &)
{
    cairo_new_path(cairo_);
    cairo_arc(cairo_, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    SetColour(colour);
    cairo_fill(cairo_);
}

void CairoPainter::Text(Point centre, std::string_view text, const Font &font, const Tag &)
{
    // The white box the labels were placed by, with the SVG's rounded corners.
    const TextSize size = EstimateText(text, font.size);
    const double left = centre.x - size.width / 2, top = centre.y - size.height / 2;
    const double right = left + size.width, bottom = top + size.height, r = kLabelCornerRadius;
    constexpr double kQuarter = std::numbers::pi / 2;
    cairo_new_path(cairo_);
    cairo_arc(cairo_, right - r, top + r, r, -kQuarter, 0);
    cairo_arc(cairo_, right - r, bottom - r, r, 0, kQuarter);
    cairo_arc(cairo_, left + r, bottom - r, r, kQuarter, 2 * kQuarter);
    cairo_arc(cairo_, left + r, top + r, r, 2 * kQuarter, 3 * kQuarter);
    cairo_close_path(cairo_);
    SetColour(kLabelBackground, kLabelBackgroundOpacity);
    cairo_fill(cairo_);

    // The text centred on its advance, on the SVG's baseline.
    const std::string utf8(text);
    cairo_set_font_face(cairo_, Face(font.italic));
    cairo_set_font_size(cairo_, font.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cairo_, utf8.c_str(), &extents);
    cairo_move_to(cairo_, centre.x - extents.x_advance / 2,
                  centre.y + kBaselineBelowCentre * font.size);
    SetColour(font.colour);
    cairo_show_text(cairo_, utf8.c_str());
    cairo_new_path(cairo_);
}

bool CairoPainter::AppendPng(std::string &out) const
{
    std::string png;
    cairo_surface_flush(surface_);
    if (cairo_status(cairo_) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_write_to_png_stream(surface_, AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
        return false;
    out += png;
    return true;
}

} // namespace figure
