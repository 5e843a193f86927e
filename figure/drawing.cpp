#include "figure.h"
#include "geometry.h"
#include "labels.h"
#include "markup.h"
#include "names.h"
#include "report.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace figure
{
namespace
{

// Colours that stay apart in print and for colour-blind readers (the blue and the
// vermilion of Okabe and Ito's palette), the given elements dashed besides; texts in
// darker shades of the same colours, for contrast on white.
constexpr Colour kInk{0x00, 0x00, 0x00};
constexpr Colour kBisectorColour{0x00, 0x72, 0xB2};
constexpr Colour kBisectorText{0x00, 0x5A, 0x8C};
constexpr Colour kGivenColour{0xD5, 0x5E, 0x00};
constexpr Colour kGivenText{0xA3, 0x3C, 0x00};
constexpr Colour kExtensionColour{0x7F, 0x7F, 0x7F};

constexpr Stroke kTriangleStroke{kInk, 2};
constexpr Stroke kBisectorStroke{kBisectorColour, 1.75};
constexpr Stroke kGivenStroke{kGivenColour, 1.5, {7, 4}};
constexpr Stroke kExtensionStroke{kExtensionColour, 1, {3, 3}};
constexpr Stroke kRightAngleStroke{kGivenColour, 1};
constexpr Stroke kBisectorLeader{kBisectorColour, 0.75};

constexpr Font kVertexFont{kInk, 18, true};
constexpr Font kFootFont{kGivenText, 15, true};
constexpr Font kLengthFont{kBisectorText, 13};

constexpr double kVertexRadius = 3;
constexpr double kFootRadius = 2.75;
// Points closer than this, in pixels, are one point in the drawing.
constexpr double kCoincidence = 1;

// What covering each kind of line costs a label.
constexpr double kFigureLineCost = 1000;
constexpr double kExtensionCost = 600;
constexpr double kMarkCost = 300;

constexpr double kMinWidth = 160, kMinHeight = 120, kMaxSize = 10000;

double SaneSize(double size, double least)
{
    return std::isfinite(size) ? std::clamp(size, least, kMaxSize) : least;
}

Point Minus(Point p, Point q)
{
    return {p.x - q.x, p.y - q.y};
}

Point Along(Point p, Point direction, double distance)
{
    return {p.x + direction.x * distance, p.y + direction.y * distance};
}

double Length(Point v)
{
    return std::hypot(v.x, v.y);
}

// The unit vector along v, or (0, 0) for a vector too short to have a direction.
Point Unit(Point v)
{
    const double length = Length(v);
    return length > 1e-9 ? Point{v.x / length, v.y / length} : Point{};
}

constexpr std::string_view kUndrawable =
    "Триъгълникът не може да бъде начертан: страна с дължина 0 или твърде тесен триъгълник.";

bool Drawable(const calc::Solution &solution)
{
    if (solution.outcome != calc::Outcome::Solved)
        return false;
    for (double side : solution.triangle.Sides())
        if (!(std::isfinite(side) && side > 0))
            return false;
    return true;
}

// The triangle and the given elements in pixels, fitted into the box with a margin
// left for the labels.
struct Scene {
    double scale = 0; // pixels per unit of length
    Point vertices[3];
    Point bisectorFeet[3];
    Point givenFeet[3];
    bool given = false;
};

Scene Fit(const calc::Solution &solution, double width, double height)
{
    const Placement placement = PlaceTriangle(solution.triangle.Sides());
    Scene scene;
    scene.given = solution.mode != calc::InputMode::Sides;
    const auto &feet =
        solution.mode == calc::InputMode::Heights ? placement.altitudeFeet : placement.medianFeet;

    // Everything drawn lies in the hull of the vertices and the given elements' feet.
    std::vector<Point> extent(placement.vertices.begin(), placement.vertices.end());
    if (scene.given)
        extent.insert(extent.end(), feet.begin(), feet.end());
    double left = extent[0].x, right = left, bottom = extent[0].y, top = bottom;
    for (Point p : extent) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double marginX = std::min(44.0, width / 6), marginY = std::min(40.0, height / 6);
    const double spanX = right - left, spanY = top - bottom;
    double factor = (width - 2 * marginX) / spanX;
    if (spanY > 0)
        factor = std::min(factor, (height - 2 * marginY) / spanY);
    const double offsetX = (width - spanX * factor) / 2, offsetY = (height - spanY * factor) / 2;
    const auto pixels = [&](Point p) {
        return Point{offsetX + (p.x - left) * factor, offsetY + (top - p.y) * factor};
    };
    for (std::size_t i = 0; i < 3; ++i) {
        scene.vertices[i] = pixels(placement.vertices[i]);
        scene.bisectorFeet[i] = pixels(placement.bisectorFeet[i]);
        scene.givenFeet[i] = pixels(feet[i]);
    }
    scene.scale = std::ldexp(factor, -placement.exponent);
    return scene;
}

// A scene whose every point and scale are finite numbers, which a needle-thin triangle's
// placement may fail to give.
bool Placed(const Scene &scene)
{
    bool finite = std::isfinite(scene.scale) && scene.scale > 0;
    for (std::size_t i = 0; i < 3; ++i)
        for (Point p : {scene.vertices[i], scene.bisectorFeet[i], scene.givenFeet[i]})
            finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
    return finite;
}

// Where the foot lies on the side from p to q: 0 at p, 1 at q.
double Parameter(Point foot, Point p, Point q)
{
    const Point side = Minus(q, p);
    const double squared = side.x * side.x + side.y * side.y;
    return squared > 0 ? ((foot.x - p.x) * side.x + (foot.y - p.y) * side.y) / squared : 0.5;
}

// The direction away from the triangle at a vertex: the external bisector of its angle;
// straight up for a vertex whose angle is a straight one.
Point Outward(const Point (&vertices)[3], std::size_t i)
{
    const Point v = vertices[i];
    const Point u1 = Unit(Minus(vertices[(i + 1) % 3], v)),
                u2 = Unit(Minus(vertices[(i + 2) % 3], v));
    const Point away = Unit({-(u1.x + u2.x), -(u1.y + u2.y)});
    return away.x == 0 && away.y == 0 ? Point{0, -1} : away;
}

// What a line besides the triangle's sides stands for.
enum class Mark {
    Extension,  // a side drawn on to an altitude's foot beyond it
    Given,      // an altitude or a median
    RightAngle, // the right angle at an altitude's foot
    Bisector,
    Leader, // from a label to what it names
};

// The SVG's classes of a mark's lines, the given elements' those of their kind.
std::string_view ClassOf(Mark mark, calc::InputMode mode)
{
    switch (mark) {
    case Mark::Extension:
        return "extension";
    case Mark::Given:
        return GivenNamesOf(mode).lineClass;
    case Mark::RightAngle:
        return "right-angle";
    case Mark::Bisector:
        return "bisector";
    case Mark::Leader:
        break;
    }
    return "leader";
}

struct Segment {
    Point from;
    Point to;
    Stroke stroke;
    Mark mark;
    std::string_view name = {};
};

// The lines besides the triangle's own sides: `under` it the sides' extensions to the
// altitudes' feet beyond them, `over` it the given elements, the right-angle marks, the
// bisectors and the labels' leaders, in the order they are painted.
struct Lines {
    std::vector<Segment> under;
    std::vector<Segment> over;
};

Lines LinesOf(const Scene &scene, calc::InputMode mode)
{
    const auto &vertex = scene.vertices;
    Lines lines;
    for (std::size_t i = 0; scene.given && i < 3; ++i) {
        const Point p = vertex[(i + 1) % 3], q = vertex[(i + 2) % 3], foot = scene.givenFeet[i];
        const double t = Parameter(foot, p, q);
        const Point end = t < 0 ? p : q;
        if ((t < 0 || t > 1) && Length(Minus(foot, end)) > 0.5)
            lines.under.push_back({end, foot, kExtensionStroke, Mark::Extension});
        lines.over.push_back(
            {vertex[i], foot, kGivenStroke, Mark::Given, GivenNamesOf(mode).lineIds.at(i)});
    }
    for (std::size_t i = 0; mode == calc::InputMode::Heights && i < 3; ++i) {
        // The right angle at the foot, on the side of the altitude's vertex and towards
        // the side (or the longer part of it); none on an altitude too short to show it.
        const Point foot = scene.givenFeet[i];
        const double size = std::min(7.0, 0.4 * Length(Minus(vertex[i], foot)));
        if (size < 3)
            continue;
        const Point p = vertex[(i + 1) % 3], q = vertex[(i + 2) % 3];
        const Point along = Unit(Parameter(foot, p, q) > 0.5 ? Minus(p, q) : Minus(q, p));
        const Point up = Unit(Minus(vertex[i], foot));
        const Point corner = Along(Along(foot, along, size), up, size);
        lines.over.push_back(
            {Along(foot, along, size), corner, kRightAngleStroke, Mark::RightAngle});
        lines.over.push_back({corner, Along(foot, up, size), kRightAngleStroke, Mark::RightAngle});
    }
    for (std::size_t i = 0; i < 3; ++i)
        lines.over.push_back(
            {vertex[i], scene.bisectorFeet[i], kBisectorStroke, Mark::Bisector, kBisectorIds[i]});
    return lines;
}

struct Label {
    Point centre;
    std::string text;
    Font font;
    std::string_view classes; // the SVG's
};

// Places the labels: the vertices' letters first, then the given elements' feet, then the
// bisectors' lengths. Leaders go to lines.over.
std::vector<Label> PlaceLabels(const Scene &scene, const calc::Solution &solution,
                               const FigureOptions &options, double width, double height,
                               Lines &lines)
{
    const auto &vertex = scene.vertices;
    LabelPlacer placer(width, height, 2);
    for (std::size_t i = 0; i < 3; ++i)
        placer.AvoidLine(vertex[(i + 1) % 3], vertex[(i + 2) % 3], kFigureLineCost);
    for (const Segment &s : lines.under)
        placer.AvoidLine(s.from, s.to, kExtensionCost);
    for (const Segment &s : lines.over)
        placer.AvoidLine(s.from, s.to, s.mark == Mark::RightAngle ? kMarkCost : kFigureLineCost);
    for (std::size_t i = 0; i < 3; ++i) {
        placer.AvoidDot(vertex[i], kVertexRadius);
        placer.AvoidDot(scene.bisectorFeet[i], kFootRadius);
        if (scene.given)
            placer.AvoidDot(scene.givenFeet[i], kFootRadius);
    }

    const auto place = [&](std::string text, const Font &font, std::string_view classes,
                           LabelPlacer::Request request) {
        request.size = EstimateText(text, font.size);
        const LabelPlacer::Placed placed = placer.Place(request);
        if (placed.leader) {
            // From the anchor to the label's box, stopping short of the text.
            const Box box{placed.centre.x - request.size.width / 2 - 2,
                          placed.centre.y - request.size.height / 2 - 2,
                          placed.centre.x + request.size.width / 2 + 2,
                          placed.centre.y + request.size.height / 2 + 2};
            const Point end = NearestInBox(box, placed.anchor);
            lines.over.push_back({placed.anchor, end, kBisectorLeader, Mark::Leader});
            placer.AvoidLine(placed.anchor, end, kMarkCost);
        }
        return Label{placed.centre, std::move(text), font, classes};
    };

    std::vector<Label> labels;
    for (std::size_t i = 0; i < 3; ++i) {
        const LabelPlacer::Anchor anchor{vertex[i], Outward(vertex, i)};
        labels.push_back(place(std::string(kVertexNames[i]), kVertexFont, "label vertex-label",
                               {.anchors = {&anchor, 1},
                                .turnCost = 40,
                                .gap = 4,
                                .reach = 10,
                                .leaderAllowed = false}));
    }

    const calc::KindWords &given = calc::Words(solution.mode);
    for (std::size_t i = 0; scene.given && i < 3; ++i) {
        // Feet at one point (the right angle's vertex, for two altitudes) share a label,
        // "H, G", rather than spell a word of letters side by side.
        const Point foot = scene.givenFeet[i];
        const auto same = [&](std::size_t j) {
            return Length(Minus(scene.givenFeet[j], foot)) < kCoincidence;
        };
        if ((i > 0 && same(0)) || (i > 1 && same(1)))
            continue;
        std::string text(given.feet[i]);
        for (std::size_t j = i + 1; j < 3; ++j)
            if (same(j))
                text += ", " + std::string(given.feet[j]);
        // Beyond the foot, seen from the vertex, is outside the triangle.
        Point away = Unit(Minus(foot, vertex[i]));
        if (away.x == 0 && away.y == 0)
            away = {0, 1};
        const LabelPlacer::Anchor anchor{foot, away};
        labels.push_back(place(std::move(text), kFootFont, "label foot-label",
                               {.anchors = {&anchor, 1},
                                .turnCost = 25,
                                .gap = 3,
                                .reach = 12,
                                .leaderAllowed = false}));
    }

    // The shortest bisector first, as it has the fewest good spots; painted in order.
    std::size_t order[] = {0, 1, 2};
    const auto drawn = [&](std::size_t i) {
        return Length(Minus(scene.bisectorFeet[i], vertex[i]));
    };
    std::stable_sort(std::begin(order), std::end(order),
                     [&](std::size_t i, std::size_t j) { return drawn(i) < drawn(j); });
    std::vector<Label> lengths(3);
    for (std::size_t i : order) {
        // Beside the bisector, best halfway along it, or beyond its foot.
        const Point from = vertex[i], to = scene.bisectorFeet[i];
        const Point direction = Unit(Minus(to, from));
        const Point across{-direction.y, direction.x};
        const auto at = [&](double t) {
            return Point{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
        };
        const LabelPlacer::Anchor anchors[] = {
            {at(0.5), across, true, 0},  {at(0.35), across, true, 6}, {at(0.65), across, true, 6},
            {at(0.2), across, true, 14}, {at(0.8), across, true, 14}, {to, direction, false, 10}};
        std::string length;
        const bool exact =
            AppendLength(length, solution.triangle.bisectors[i].value, options.decimalSeparator);
        lengths[i] = place(std::string(kBisectorNames[i]) + (exact ? " = " : " ≈ ") + length,
                           kLengthFont, "label length-label",
                           {.anchors = anchors,
                            .turnCost = 10,
                            .gap = 3,
                            .reach = std::max(width, height) / 2,
                            .names = true,
                            .from = from,
                            .to = to});
    }
    labels.insert(labels.end(), lengths.begin(), lengths.end());
    return labels;
}

} // namespace

Frame FrameOf(const FigureOptions &options)
{
    return {SaneSize(options.width, kMinWidth), SaneSize(options.height, kMinHeight), 0};
}

Frame Draw(const calc::Solution &solution, const FigureOptions &options, Painter &painter)
{
    const double width = FrameOf(options).width;
    const double height = FrameOf(options).height;
    if (!Drawable(solution))
        return {width, height, 0};
    const Scene scene = Fit(solution, width, height);
    if (!Placed(scene))
        return {width, height, 0};
    Lines lines = LinesOf(scene, solution.mode);
    const std::vector<Label> labels = PlaceLabels(scene, solution, options, width, height, lines);

    // The lines, the dots over them, the labels over everything.
    for (const Segment &s : lines.under)
        painter.Line(s.from, s.to, s.stroke, {ClassOf(s.mark, solution.mode), s.name});
    painter.Polygon(scene.vertices, kTriangleStroke, std::nullopt, {"triangle"});
    for (const Segment &s : lines.over)
        painter.Line(s.from, s.to, s.stroke, {ClassOf(s.mark, solution.mode), s.name});
    const calc::KindWords &given = calc::Words(solution.mode);
    for (std::size_t i = 0; scene.given && i < 3; ++i)
        painter.Dot(scene.givenFeet[i], kFootRadius, kGivenColour,
                    {GivenNamesOf(solution.mode).footClass, given.feet[i]});
    for (std::size_t i = 0; i < 3; ++i)
        painter.Dot(scene.bisectorFeet[i], kFootRadius, kBisectorColour,
                    {"foot bisector-foot", kBisectorFootIds[i]});
    for (std::size_t i = 0; i < 3; ++i)
        painter.Dot(scene.vertices[i], kVertexRadius, kInk, {"vertex", kVertexNames[i]});
    for (const Label &label : labels)
        painter.Text(label.centre, label.text, label.font, {label.classes});
    return {width, height, scene.scale};
}

std::string_view NoFigureReason(const calc::Solution &solution)
{
    if (solution.outcome != calc::Outcome::Solved)
        return calc::RefusalText(solution.outcome);
    return Drawable(solution) && Placed(Fit(solution, kMinWidth, kMinHeight)) ? std::string_view{}
                                                                              : kUndrawable;
}

} // namespace figure
