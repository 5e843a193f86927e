#include "figure.h"
#include "row_name.h"
#include "typed_lengths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using calc::InputMode;

struct Vec {
    double x, y;
};
Vec operator-(Vec p, Vec q)
{
    return {p.x - q.x, p.y - q.y};
}
double Dot(Vec p, Vec q)
{
    return p.x * q.x + p.y * q.y;
}
double Cross(Vec p, Vec q)
{
    return p.x * q.y - p.y * q.x;
}
double Norm(Vec p)
{
    return std::hypot(p.x, p.y);
}

// An element of the figure's SVG, read back with a pattern that fits only the figure's
// own output: one element a line, attributes in double quotes, no entities in labels.
struct Element {
    std::string name;
    std::map<std::string, std::string, std::less<>> attributes;
    std::string text;

    double operator[](std::string_view attribute) const
    {
        const auto found = attributes.find(attribute);
        return found == attributes.end() ? std::nan("") : std::stod(found->second);
    }
    bool Is(const std::string &word) const
    {
        const auto found = attributes.find("class");
        return found != attributes.end() &&
               (" " + found->second + " ").find(" " + word + " ") != std::string::npos;
    }
    // The text's box as the figure estimates it: 0.6 of the font size a character, 1.2
    // of it in height around a centre 0.35 of it above the baseline.
    std::array<double, 4> Box() const
    {
        const auto characters = static_cast<double>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        const double size = (*this)["font-size"], half = 0.3 * size * characters;
        const double centre = (*this)["y"] - 0.35 * size;
        return {(*this)["x"] - half, centre - 0.6 * size, (*this)["x"] + half, centre + 0.6 * size};
    }
};

// The figure of a triple, read back, with the solution it shows.
struct Figure {
    explicit Figure(InputMode mode, std::array<double, 3> lengths,
                    const figure::FigureOptions &options = {})
        : solution(CalculateTyped(mode, lengths)), svg(figure::Svg(solution, options))
    {
        static const std::regex tag(R"(<(\w+)([^>]*)>([^<]*))"),
            attribute(R"(([\w-]+)="([^"]*)\")");
        for (std::sregex_iterator t(svg.begin(), svg.end(), tag), end; t != end; ++t) {
            Element e{(*t)[1], {}, (*t)[3]};
            const std::string attributes = (*t)[2];
            for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute); a != end;
                 ++a)
                e.attributes[(*a)[1]] = (*a)[2];
            (e.name == "svg" ? root : elements.emplace_back()) = std::move(e);
        }
    }
    const Element &ById(const std::string &id) const
    {
        const auto found = std::find_if(elements.begin(), elements.end(), [&](const Element &e) {
            return e.attributes.contains("id") && e.attributes.at("id") == id;
        });
        EXPECT_NE(found, elements.end()) << id;
        return found == elements.end() ? root : *found;
    }
    Vec At(const std::string &id) const { return {ById(id)["cx"], ById(id)["cy"]}; }
    Vec Vertex(std::size_t i) const { return At(std::string(1, static_cast<char>('A' + i))); }
    std::vector<const Element *> OfClass(const std::string &word) const
    {
        std::vector<const Element *> found;
        for (const Element &e : elements)
            if (e.Is(word))
                found.push_back(&e);
        return found;
    }

    calc::Solution solution;
    std::string svg;
    Element root;
    std::vector<Element> elements;
};

struct FigureCase {
    const char *name;
    InputMode mode;
    std::array<double, 3> lengths;
    figure::FigureOptions options = {};
};

std::ostream &operator<<(std::ostream &os, const FigureCase &c)
{
    return os << c.name;
}

// The drawing reproduces the triangle to this relative error, whatever its size.
constexpr double kTolerance = 1e-9;

class FigureGeometryTest : public testing::TestWithParam<FigureCase>
{
protected:
    Figure figure_{GetParam().mode, GetParam().lengths, GetParam().options};
};

TEST_P(FigureGeometryTest, VerticesAreTheSidesApart)
{
    ASSERT_EQ(figure_.solution.outcome, calc::Outcome::Solved);
    for (std::size_t i = 0; i < 3; ++i) {
        const double drawn = Norm(figure_.Vertex((i + 1) % 3) - figure_.Vertex((i + 2) % 3));
        EXPECT_NEAR(drawn / figure_.root["data-scale"] / figure_.solution.triangle.sides[i].value,
                    1, kTolerance)
            << "side " << i;
    }
}

// Each bisector runs to the point of the opposite side that divides it as the adjacent
// sides, and is labelled with its length to four significant digits.
TEST_P(FigureGeometryTest, BisectorsEndWhereTheyDivideTheSides)
{
    const auto &t = figure_.solution.triangle;
    const auto labels = figure_.OfClass("length-label");
    ASSERT_EQ(labels.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string letter(1, static_cast<char>('a' + i));
        const Vec p = figure_.Vertex((i + 1) % 3), q = figure_.Vertex((i + 2) % 3);
        const Vec foot = figure_.At("L_" + letter);
        EXPECT_LE(std::fabs(Cross(q - p, foot - p)), kTolerance * Dot(q - p, q - p));
        EXPECT_GE(Dot(foot - p, q - p), 0);
        EXPECT_LE(Dot(foot - p, q - p), Dot(q - p, q - p));
        EXPECT_NEAR(Norm(foot - p) / Norm(q - foot) /
                        (t.sides[(i + 2) % 3].value / t.sides[(i + 1) % 3].value),
                    1, kTolerance)
            << letter;
        const Element &line = figure_.ById("bisector-" + letter);
        EXPECT_EQ(line["x1"], figure_.Vertex(i).x);
        EXPECT_EQ(line["y2"], foot.y);

        std::string text = labels[i]->text;
        EXPECT_TRUE(text.starts_with("Yg_" + letter)) << text;
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_NEAR(std::stod(text.substr(text.rfind(' '))) / t.bisectors[i].value, 1, 5e-4)
            << text;
    }
}

// Altitudes end where the vertex projects onto the opposite side's line, medians at the
// side's midpoint; given sides add no elements.
TEST_P(FigureGeometryTest, GivenElementsEndOnTheirFeet)
{
    const InputMode mode = GetParam().mode;
    EXPECT_EQ(figure_.OfClass("altitude").size(), mode == InputMode::Heights ? 3u : 0u);
    EXPECT_EQ(figure_.OfClass("median").size(), mode == InputMode::Medians ? 3u : 0u);
    if (mode == InputMode::Sides)
        return;
    for (std::size_t i = 0; i < 3; ++i) {
        const Vec vertex = figure_.Vertex(i);
        const Vec p = figure_.Vertex((i + 1) % 3), q = figure_.Vertex((i + 2) % 3);
        const double side = Norm(q - p);
        if (mode == InputMode::Heights) {
            const Vec foot = figure_.At(std::string(1, "HGE"[i]));
            EXPECT_LE(std::fabs(Cross(q - p, foot - p)), kTolerance * side * side) << i;
            EXPECT_LE(std::fabs(Dot(vertex - foot, q - p)), kTolerance * Norm(vertex - foot) * side)
                << i;
        } else {
            const Vec foot = figure_.At(std::string(1, "KMN"[i]));
            EXPECT_LE(Norm(foot - Vec{(p.x + q.x) / 2, (p.y + q.y) / 2}), kTolerance * side) << i;
        }
    }
}

const FigureCase kTriangles[] = {
    {"Sides345", InputMode::Sides, {3, 4, 5}},
    {"Medians345", InputMode::Medians, {3, 4, 5}},
    {"ObtuseAltitudes4510", InputMode::Heights, {4, 5, 10}},
    {"RightTriangleAltitudes", InputMode::Heights, {4, 3, 2.4}},
    {"ObtuseMedians", InputMode::Medians, {2, 3, 4.5}},
    {"FlatObtuse", InputMode::Sides, {10, 6, 5}},
    {"Needle", InputMode::Sides, {1, 1, 1.99}},
    {"NearlyDegenerate", InputMode::Sides, {1, 1, 1.999999}},
    {"NearlyDegenerateAltitudes", InputMode::Heights, {1, 1, 0.5000005}},
    {"ThinAltitudes", InputMode::Heights, {10, 1, 1}},
    {"HugeSides", InputMode::Sides, {3e100, 4e100, 5e100}},
    {"TinySides", InputMode::Sides, {3e-100, 4e-100, 5e-100}},
    {"HugeAltitudes", InputMode::Heights, {4e150, 5e150, 1e151}},
    {"TinyMedians", InputMode::Medians, {3e-100, 4e-100, 5e-100}},
    {"CommaSeparator", InputMode::Sides, {3, 4, 5}, {.decimalSeparator = ","}},
};

INSTANTIATE_TEST_SUITE_P(Triangles, FigureGeometryTest, testing::ValuesIn(kTriangles),
                         RowName<FigureCase>);

// Whatever the triangle and the box, the drawing stays inside it and its labels apart.
class FigureLayoutTest : public FigureGeometryTest
{
};

TEST_P(FigureLayoutTest, StaysInsideTheViewBox)
{
    ASSERT_FALSE(figure_.svg.empty());
    const double width = figure_.root["width"], height = figure_.root["height"];
    EXPECT_EQ(figure_.root.attributes.at("viewBox"), "0 0 " + figure_.root.attributes.at("width") +
                                                         " " +
                                                         figure_.root.attributes.at("height"));
    const auto inside = [&](double x, double y, const Element &e) {
        EXPECT_TRUE(x >= 0 && x <= width && y >= 0 && y <= height)
            << e.name << " " << e.text << " at " << x << ", " << y;
    };
    for (const Element &e : figure_.elements) {
        if (e.name == "circle") {
            inside(e["cx"] - e["r"], e["cy"] - e["r"], e);
            inside(e["cx"] + e["r"], e["cy"] + e["r"], e);
        } else if (e.name == "line") {
            inside(e["x1"], e["y1"], e);
            inside(e["x2"], e["y2"], e);
        } else if (e.name == "text") {
            const auto box = e.Box();
            inside(box[0], box[1], e);
            inside(box[2], box[3], e);
        } else if (e.name == "polygon") {
            std::istringstream points(e.attributes.at("points"));
            for (double x = 0, y = 0; points >> x && points.ignore(1) && points >> y;)
                inside(x, y, e);
        }
    }
}

TEST_P(FigureLayoutTest, LabelsKeepApartAndNameEachPointOnce)
{
    const auto labels = figure_.OfClass("label");
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const auto p = labels[i]->Box(), q = labels[j]->Box();
            EXPECT_FALSE(p[0] < q[2] && q[0] < p[2] && p[1] < q[3] && q[1] < p[3])
                << labels[i]->text << " / " << labels[j]->text;
        }
    }
    std::string names;
    for (const Element *label : figure_.OfClass("vertex-label"))
        names += label->text;
    // Feet at one point share a label: "H, G".
    for (const Element *label : figure_.OfClass("foot-label"))
        names += label->text;
    std::erase_if(names, [](char c) { return c == ',' || c == ' '; });
    std::sort(names.begin(), names.end());
    const InputMode mode = GetParam().mode;
    EXPECT_EQ(names, mode == InputMode::Heights   ? "ABCEGH"
                     : mode == InputMode::Medians ? "ABCKMN"
                                                  : "ABC");
}

INSTANTIATE_TEST_SUITE_P(Triangles, FigureLayoutTest, testing::ValuesIn(kTriangles),
                         RowName<FigureCase>);

INSTANTIATE_TEST_SUITE_P(
    Extremes, FigureLayoutTest,
    testing::Values(
        // Beyond what a picture can show: a flat triangle, and one side 1e-200 of the others.
        FigureCase{"Flat", InputMode::Sides, {1, 1, 1.9999999999999998}},
        FigureCase{"VanishingSide", InputMode::Heights, {1, 1, 1e200}},
        FigureCase{"SmallBox", InputMode::Heights, {4, 5, 10}, {.width = 200, .height = 150}},
        FigureCase{"TallBox", InputMode::Medians, {3, 4, 5}, {.width = 200, .height = 600}},
        FigureCase{"BoxRaisedToTheLeast",
                   InputMode::Sides,
                   {3, 4, 5},
                   {.width = -1, .height = std::numeric_limits<double>::quiet_NaN()}}),
    RowName<FigureCase>);

TEST(Figure, NothingForWhatIsNotSolved)
{
    const calc::Solution handMade{.mode = InputMode::Sides,
                                  .outcome = calc::Outcome::Solved,
                                  .triangle = {.sides = {{{3}, {std::nan("")}, {5}}}}};
    calc::Solution flat = handMade;
    flat.triangle.sides = {{{2}, {2}, {0}}};
    for (const calc::Solution &solution :
         {CalculateTyped(InputMode::Sides, {1, 2, 3}),
          CalculateTyped(InputMode::Heights, {4, 7, 10}),
          CalculateTyped(InputMode::Sides, {3e200, 4e200, 5e200}), handMade, flat}) {
        EXPECT_EQ(figure::Svg(solution), "");
        EXPECT_EQ(figure::Description(solution), "");
        EXPECT_NE(figure::NoFigureReason(solution), "");
    }
    EXPECT_EQ(figure::NoFigureReason(CalculateTyped(InputMode::Sides, {3, 4, 5})), "");
}

TEST(Figure, IsAStandaloneDocumentOrOneForAPage)
{
    const calc::Solution solution = CalculateTyped(InputMode::Sides, {3, 4, 5});
    const std::string svg = figure::Svg(solution);
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    for (std::string_view part :
         {"xmlns=\"http://www.w3.org/2000/svg\"", "<title id=\"title\">Триъгълник ABC",
          "<desc id=\"desc\">Триъгълник ABC по три страни"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    const std::string inPage = figure::Svg(solution, {.idPrefix = "t7-", .xmlDeclaration = false});
    EXPECT_TRUE(inPage.starts_with("<svg "));
    EXPECT_NE(inPage.find("id=\"t7-bisector-a\""), std::string::npos);
    EXPECT_EQ(inPage.find("id=\"bisector-a\""), std::string::npos);
}

struct DescriptionCase {
    const char *name;
    InputMode mode;
    std::array<double, 3> lengths;
    std::vector<std::string> contains;
};

std::ostream &operator<<(std::ostream &os, const DescriptionCase &c)
{
    return os << c.name;
}

class DescriptionTest : public testing::TestWithParam<DescriptionCase>
{
};

TEST_P(DescriptionTest, ReadsTheTriangleOut)
{
    const DescriptionCase &c = GetParam();
    const std::string text = figure::Description(CalculateTyped(c.mode, c.lengths), ",");
    for (const std::string &part : c.contains)
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin: " << text;
}

INSTANTIATE_TEST_SUITE_P(
    Triangles, DescriptionTest,
    testing::Values(
        DescriptionCase{"Sides345",
                        InputMode::Sides,
                        {3, 4, 5},
                        {"Триъгълник ABC по три страни, правоъгълен, с прав ъгъл при върха C. "
                         "Страни: BC = 3; AC = 4; AB = 5. Ъглополовящи: от A — 4,216; от B — "
                         "3,354; от C — 2,424. Дължините са закръглени до четири значещи цифри."}},
        DescriptionCase{"ObtuseAltitudes",
                        InputMode::Heights,
                        {4, 5, 10},
                        {"по три височини, тъпоъгълен, с тъп ъгъл при върха A. Височини: AH = "
                         "4; BG = 5; CE = 10. Петите G и E лежат върху продълженията на "
                         "страните AC и AB. Страни: BC = 13,16; AC = 10,53; AB = 5,264."}},
        DescriptionCase{"RightAltitudes",
                        InputMode::Heights,
                        {4, 3, 2.4},
                        {"Петите H и G съвпадат с върха C."}},
        DescriptionCase{"Medians",
                        InputMode::Medians,
                        {3, 4, 5},
                        {"по три медиани, остроъгълен. Медиани: AK = 3; BM = 4; CN = 5."}},
        DescriptionCase{"Isosceles", InputMode::Sides, {5, 5, 6}, {"равнобедрен и остроъгълен."}},
        DescriptionCase{"EquilateralHuge",
                        InputMode::Sides,
                        {2e100, 2e100, 2e100},
                        {"равностранен.", "BC = 2E+100", "от A — 1,732E+100"}}),
    RowName<DescriptionCase>);

} // namespace
