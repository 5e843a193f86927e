#include "png.h"
#include "row_name.h"
#include "typed_lengths.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <regex>
#include <string>

namespace
{

using calc::InputMode;

// The PNG of a figure against its SVG: the image of the box three times over, white, with
// each dot of the SVG in its colour where the SVG puts it, and each label's text in its
// colour inside its box.
struct PngCase {
    const char *name;
    InputMode mode;
    std::array<double, 3> given;
};

std::ostream &operator<<(std::ostream &os, const PngCase &c)
{
    return os << c.name;
}

struct Image {
    cairo_surface_t *surface;
    std::string png;
    std::size_t read = 0;

    explicit Image(std::string bytes) : png(std::move(bytes))
    {
        surface = cairo_image_surface_create_from_png_stream(
            [](void *self, unsigned char *data, unsigned int length) {
                auto &image = *static_cast<Image *>(self);
                if (image.png.size() - image.read < length)
                    return CAIRO_STATUS_READ_ERROR;
                image.png.copy(reinterpret_cast<char *>(data), length, image.read);
                image.read += length;
                return CAIRO_STATUS_SUCCESS;
            },
            this);
    }
    ~Image() { cairo_surface_destroy(surface); }

    // The colour at a point of the figure's box, 0xRRGGBB.
    std::uint32_t At(double x, double y) const
    {
        const unsigned char *data = cairo_image_surface_get_data(surface);
        const auto row = static_cast<std::size_t>(y * 3);
        const auto column = static_cast<std::size_t>(x * 3);
        std::uint32_t pixel;
        std::memcpy(&pixel,
                    data + row * static_cast<std::size_t>(cairo_image_surface_get_stride(surface)) +
                        column * 4,
                    4);
        return pixel & 0xFFFFFF;
    }
};

// How far apart two colours are, by their farthest channel.
int Distance(std::uint32_t a, std::uint32_t b)
{
    int farthest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        farthest = std::max(farthest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                               static_cast<int>((b >> shift) & 0xFF)));
    return farthest;
}

class PngTest : public testing::TestWithParam<PngCase>
{
};

TEST_P(PngTest, PaintsWhatTheSvgDraws)
{
    const PngCase &c = GetParam();
    const calc::Solution solution = CalculateTyped(c.mode, c.given);
    const figure::FigureOptions options{.width = 360, .height = 270};
    const std::string svg = figure::Svg(solution, options);
    const Image image(figure::Png(solution, options));
    ASSERT_EQ(cairo_surface_status(image.surface), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image.surface), 1080);
    EXPECT_EQ(cairo_image_surface_get_height(image.surface), 810);
    EXPECT_EQ(image.At(1, 1), 0xFFFFFFu);

    // The dots, the last drawn at a place over those before it.
    std::map<std::pair<long, long>, std::pair<std::uint32_t, std::string>> dots;
    const std::regex circle(R"re(<circle [^>]*id="([^"]*)" cx="([^"]*)" cy="([^"]*)" r="[^"]*" )re"
                            R"re(fill="#([0-9A-F]{6})")re");
    for (std::sregex_iterator m(svg.begin(), svg.end(), circle), end; m != end; ++m) {
        const double x = std::stod((*m)[2]), y = std::stod((*m)[3]);
        dots[{std::lround(x * 3), std::lround(y * 3)}] = {
            static_cast<std::uint32_t>(std::stoul((*m)[4], nullptr, 16)), (*m)[1]};
    }
    EXPECT_GE(dots.size(), 6u);
    for (const auto &[at, dot] : dots)
        EXPECT_LE(Distance(image.At(at.first / 3.0, at.second / 3.0), dot.first), 8) << dot.second;

    // Each label: some pixel of its box is of its text's colour.
    const std::regex label(R"re(<rect class="label-background" x="([^"]*)" y="([^"]*)" )re"
                           R"re(width="([^"]*)" height="([^"]*)"[^>]*>\s*<text [^>]*fill="#)re"
                           R"re(([0-9A-F]{6})"[^>]*>([^<]*)<)re");
    int labels = 0;
    for (std::sregex_iterator m(svg.begin(), svg.end(), label), end; m != end; ++m, ++labels) {
        const double left = std::stod((*m)[1]), top = std::stod((*m)[2]);
        const auto colour = static_cast<std::uint32_t>(std::stoul((*m)[5], nullptr, 16));
        int closest = 255;
        for (double x = left; x < left + std::stod((*m)[3]); x += 1.0 / 3)
            for (double y = top; y < top + std::stod((*m)[4]); y += 1.0 / 3)
                closest = std::min(closest, Distance(image.At(x, y), colour));
        EXPECT_LE(closest, 40) << (*m)[6];
    }
    EXPECT_GE(labels, 6);
}

INSTANTIATE_TEST_SUITE_P(Figures, PngTest,
                         testing::Values(PngCase{"Sides345", InputMode::Sides, {3, 4, 5}},
                                         PngCase{"ObtuseHeights", InputMode::Heights, {4, 5, 10}},
                                         PngCase{"Medians", InputMode::Medians, {3, 4, 5}}),
                         RowName<PngCase>);

} // namespace
