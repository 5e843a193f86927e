#include "calculate.h"
#include "drawingml_painter.h"
#include "figure.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

using figure::DrawingMlPainter;
using figure::Painter;

// What one call of the painter writes, at 10 English Metric Units a pixel, the first
// shape numbered 7.
struct ShapeCase {
    const char *name;
    std::function<void(Painter &)> paint;
    std::vector<std::string> contains;
    std::vector<std::string> lacks = {};
};

std::ostream &operator<<(std::ostream &os, const ShapeCase &c)
{
    return os << c.name;
}

class DrawingMlShapeTest : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(DrawingMlShapeTest, WritesTheShape)
{
    const ShapeCase &c = GetParam();
    DrawingMlPainter painter(10, 7);
    c.paint(painter);
    std::string group;
    painter.AppendGroup(group, 360, 270);
    EXPECT_TRUE(group.starts_with("<wpg:wgp><wpg:cNvGrpSpPr/><wpg:grpSpPr><a:xfrm><a:off x=\"0\" "
                                  "y=\"0\"/><a:ext cx=\"3600\" cy=\"2700\"/><a:chOff x=\"0\" "
                                  "y=\"0\"/><a:chExt cx=\"3600\" cy=\"2700\"/></a:xfrm>"))
        << group;
    for (const std::string &text : c.contains)
        EXPECT_NE(group.find(text), std::string::npos) << text << "\n" << group;
    for (const std::string &text : c.lacks)
        EXPECT_EQ(group.find(text), std::string::npos) << text << "\n" << group;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, DrawingMlShapeTest,
    testing::Values(
        ShapeCase{
            "LineDownRight",
            [](Painter &p) {
                p.Line({1, 2}, {4, 8}, {.colour = {0x00, 0x72, 0xB2}, .width = 2}, {"side", "a"});
            },
            {"<wps:cNvPr id=\"7\" name=\"a\"/><wps:cNvCnPr/>",
             "<a:xfrm><a:off x=\"10\" y=\"20\"/><a:ext cx=\"30\" cy=\"60\"/>",
             "<a:ln w=\"20\" cap=\"rnd\"><a:solidFill><a:srgbClr val=\"0072B2\"/>"},
            {"flip", "custDash"}},
        // A line drawn up and to the left runs across its box the other way.
        ShapeCase{"LineUpLeft",
                  [](Painter &p) {
                      p.Line({4, 8}, {1, 2}, {.colour = {}}, {"side"});
                  },
                  {"name=\"side\"",
                   "<a:xfrm flipH=\"1\" flipV=\"1\"><a:off x=\"10\" y=\"20\"/><a:ext cx=\"30\" "
                   "cy=\"60\"/>"}},
        ShapeCase{"LineUpRight",
                  [](Painter &p) {
                      p.Line({1, 8}, {4, 2}, {.colour = {}}, {"side"});
                  },
                  {"<a:xfrm flipV=\"1\"><a:off x=\"10\" y=\"20\"/>"},
                  {"flipH"}},
        // Dash and gap lengths in thousandths of a percent of the width; a gap too long for
        // a number, as long as a number goes.
        ShapeCase{"Dashes",
                  [](Painter &p) {
                      const figure::Colour grey{0x7F, 0x7F, 0x7F};
                      p.Line({0, 0}, {9, 0}, {.colour = grey, .width = 2, .dashes = {6, 4}},
                             {"extension"});
                      p.Line({0, 0}, {9, 0}, {.colour = grey, .width = 2, .dashes = {5, 1e300}},
                             {"extension"});
                  },
                  {"<a:custDash><a:ds d=\"300000\" sp=\"200000\"/></a:custDash>",
                   "<a:custDash><a:ds d=\"250000\" sp=\"1000000000\"/></a:custDash>",
                   "<wps:cNvPr id=\"8\" name=\"extension\"/>"}},
        // The path from the box's corner; an unfilled outline has no fill.
        ShapeCase{"Polygon",
                  [](Painter &p) {
                      const figure::Point corners[] = {{2, 9}, {12, 9}, {5, 3}};
                      p.Polygon(corners, {.colour = {}, .width = 1}, std::nullopt, {"triangle"});
                  },
                  {"<a:off x=\"20\" y=\"30\"/><a:ext cx=\"100\" cy=\"60\"/>",
                   "<a:path w=\"100\" h=\"60\"><a:moveTo><a:pt x=\"0\" y=\"60\"/></a:moveTo>"
                   "<a:lnTo><a:pt x=\"100\" y=\"60\"/></a:lnTo><a:lnTo><a:pt x=\"30\" y=\"0\"/>"
                   "</a:lnTo><a:close/>",
                   "</a:custGeom><a:noFill/><a:ln w=\"10\""}},
        ShapeCase{"Dot",
                  [](Painter &p) {
                      p.Dot({5, 5}, 2, {0xD5, 0x5E, 0x00}, {"foot", "L_a"});
                  },
                  {"name=\"L_a\"", "<a:off x=\"30\" y=\"30\"/><a:ext cx=\"40\" cy=\"40\"/>",
                   "prst=\"ellipse\"",
                   "<a:srgbClr val=\"D55E00\"/></a:solidFill><a:ln><a:noFill/>"}},
        // The label's box centred on its point, 0.6 of the size a character wide and 1.2
        // high; the size in half-points: 14 px of 12700 / 10 EMU, 0.011 pt each.
        ShapeCase{"Text",
                  [](Painter &p) {
                      p.Text({100, 50}, "a<b",
                             {.colour = {0x00, 0x5A, 0x8C}, .size = 14000, .italic = true},
                             {"label"});
                  },
                  {"<wps:cNvSpPr txBox=\"1\"/>",
                   "<a:off x=\"-125000\" y=\"-83500\"/><a:ext cx=\"252000\" cy=\"168000\"/>",
                   "<a:srgbClr val=\"FFFFFF\"><a:alpha val=\"85000\"/>",
                   "<w:i/><w:iCs/><w:noProof/><w:color w:val=\"005A8C\"/><w:sz w:val=\"22\"/>",
                   ">a&lt;b</w:t>", "anchor=\"ctr\""}},
        ShapeCase{"UprightText",
                  [](Painter &p) {
                      p.Text({0, 0}, "7", {.colour = {}, .size = 1}, {"length"});
                  },
                  {"<w:sz w:val=\"2\"/>"},
                  {"<w:i/>"}}),
    RowName<ShapeCase>);

// The figure of a triangle drawn as shapes: one for each element of its SVG, each label's
// text in its own box, the numbers going on from the first.
TEST(DrawingMlPainter, DrawsWhatTheSvgShows)
{
    const calc::Solution solution = calc::Solve(calc::InputMode::Sides, {3, 4, 5});
    DrawingMlPainter painter(2800, 10);
    ASSERT_GT(figure::Draw(solution, {}, painter).scale, 0);
    std::string group;
    painter.AppendGroup(group, 480, 360);
    const std::string svg = figure::Svg(solution);
    const auto count = [](const std::string &text, const std::string &what) {
        std::size_t found = 0;
        for (std::size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + 1))
            ++found;
        return found;
    };
    const std::size_t shapes = count(group, "<wps:wsp>");
    EXPECT_EQ(shapes, count(svg, "<line ") + count(svg, "<polygon ") + count(svg, "<circle ") +
                          count(svg, "<text "));
    EXPECT_EQ(count(group, "<wps:txbx>"), count(svg, "<text "));
    EXPECT_EQ(painter.NextId(), static_cast<long>(10 + shapes));
    EXPECT_NE(group.find(">A</w:t>"), std::string::npos);
}

} // namespace
