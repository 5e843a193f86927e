#include "chapter_plan.h"

#include <algorithm>

namespace calc::chapter
{
namespace
{

// An element of a pattern: its kind and its vertex's role, 0, 1 or 2, which a relabelling
// maps to a vertex; −1 for the triangle's own elements.
struct Part {
    ElementKind kind;
    int role;
};

using Relabelling = std::array<int, 3>;
constexpr std::array<Relabelling, 6> kRelabellings = {
    {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};

Element Relabelled(const Part &part, const Relabelling &relabelling)
{
    return ElementOf(part.kind,
                     part.role < 0 ? 0 : relabelling[static_cast<std::size_t>(part.role)]);
}

std::array<Element, 3> Relabelled(const std::array<Part, 3> &parts, const Relabelling &relabelling)
{
    return {Relabelled(parts[0], relabelling), Relabelled(parts[1], relabelling),
            Relabelled(parts[2], relabelling)};
}

bool Holds(const std::array<Element, 3> &elements, Element element)
{
    return std::find(elements.begin(), elements.end(), element) != elements.end();
}

bool SameElements(std::array<Element, 3> x, std::array<Element, 3> y)
{
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

struct RoutePattern {
    RouteKind kind;
    std::array<Part, 3> parts;
};

using enum ElementKind;

constexpr RoutePattern kRoutes[] = {
    {RouteKind::ThreeSides, {{{Side, 0}, {Side, 1}, {Side, 2}}}},
    {RouteKind::ThreeAltitudes, {{{Altitude, 0}, {Altitude, 1}, {Altitude, 2}}}},
    {RouteKind::ThreeMedians, {{{Median, 0}, {Median, 1}, {Median, 2}}}},
    {RouteKind::SideAngleSide, {{{Side, 1}, {Side, 2}, {Angle, 0}}}},
    {RouteKind::SideSideAngle, {{{Side, 0}, {Side, 1}, {Angle, 0}}}},
    {RouteKind::SideAltitudeAngle, {{{Side, 0}, {Angle, 0}, {Altitude, 0}}}},
    {RouteKind::SideAnglePerimeter, {{{Side, 0}, {Angle, 0}, {Perimeter, -1}}}},
    {RouteKind::SideAngleInradius, {{{Side, 0}, {Angle, 0}, {Inradius, -1}}}},
    {RouteKind::SideAngleMedian, {{{Side, 0}, {Angle, 0}, {Median, 0}}}},
    {RouteKind::TwoSidesMedian, {{{Side, 0}, {Side, 1}, {Median, 2}}}},
    {RouteKind::SidesMedianToOne, {{{Side, 0}, {Side, 1}, {Median, 0}}}},
    {RouteKind::AltitudeBisectorAngle, {{{Altitude, 0}, {Bisector, 0}, {Angle, 0}}}},
    {RouteKind::SideAltitudeMedian, {{{Side, 0}, {Altitude, 0}, {Median, 0}}}},
    {RouteKind::AltitudeBisectorMedian, {{{Altitude, 0}, {Bisector, 0}, {Median, 0}}}},
};

struct IdentityPattern {
    Identity identity;
    std::array<Part, 3> parts;
};

constexpr IdentityPattern kIdentities[] = {
    {Identity::AngleSum, {{{Angle, 0}, {Angle, 1}, {Angle, 2}}}},
    {Identity::SineLaw, {{{Side, 0}, {Angle, 0}, {Circumradius, -1}}}},
    {Identity::AltitudeArea, {{{Area, -1}, {Side, 0}, {Altitude, 0}}}},
    {Identity::InradiusArea, {{{Area, -1}, {Inradius, -1}, {Perimeter, -1}}}},
    {Identity::AltitudeSine, {{{Altitude, 0}, {Side, 1}, {Angle, 2}}}},
};

// A step: `found` from `from` (the second replaced by it) and, where the identity has four
// elements, `third`.
struct StepPattern {
    Identity identity;
    Part found;
    std::array<Part, 2> from;
    std::optional<Part> third;
    bool bySine;
};

constexpr StepPattern kSteps[] = {
    // h_a = c·sin β: c from h_a and β; β from h_a and c.
    {Identity::AltitudeSine, {Side, 1}, {{{Angle, 2}, {Altitude, 0}}}, std::nullopt, false},
    {Identity::AltitudeSine, {Angle, 2}, {{{Side, 1}, {Altitude, 0}}}, std::nullopt, true},
    // a = 2R·sin α.
    {Identity::SineLaw, {Side, 0}, {{{Angle, 0}, {Circumradius, -1}}}, std::nullopt, false},
    {Identity::SineLaw, {Angle, 0}, {{{Side, 0}, {Circumradius, -1}}}, std::nullopt, true},
    // S = b·c·sin α/2.
    {Identity::SidesArea, {Side, 2}, {{{Side, 1}, {Area, -1}}}, Part{Angle, 0}, false},
    {Identity::SidesArea, {Angle, 0}, {{{Side, 1}, {Area, -1}}}, Part{Side, 2}, true},
    // S = a·h_a/2.
    {Identity::AltitudeArea, {Altitude, 0}, {{{Side, 0}, {Area, -1}}}, std::nullopt, false},
    {Identity::AltitudeArea, {Side, 0}, {{{Altitude, 0}, {Area, -1}}}, std::nullopt, false},
};

constexpr int kMostSteps = 3;

} // namespace

Identity IdentityOf(const std::array<Element, 3> &elements)
{
    for (const IdentityPattern &pattern : kIdentities)
        for (const Relabelling &relabelling : kRelabellings) {
            if (SameElements(Relabelled(pattern.parts, relabelling), elements))
                return pattern.identity;
        }
    return Identity::None;
}

std::optional<Route> MatchRoute(const std::array<Element, 3> &elements)
{
    // Two angles and any other element: the similar triangle.
    std::array<Element, 3> angles{};
    std::size_t count = 0;
    for (const Element element : elements)
        if (Info(element).kind == Angle)
            angles[count++] = element;
    if (count == 2) {
        std::sort(angles.begin(), angles.begin() + 2);
        for (const Element element : elements)
            if (Info(element).kind != Angle)
                angles[2] = element;
        return Route{RouteKind::TwoAngles, {}, angles};
    }
    for (const RoutePattern &pattern : kRoutes)
        for (const Relabelling &relabelling : kRelabellings) {
            const std::array<Element, 3> mapped = Relabelled(pattern.parts, relabelling);
            if (SameElements(mapped, elements))
                return Route{pattern.kind, {}, mapped};
        }
    return std::nullopt;
}

Route Plan(const std::array<Element, 3> &elements)
{
    if (const Identity identity = IdentityOf(elements); identity != Identity::None)
        return Route{RouteKind::Identity, {}, elements, identity};
    struct Node {
        std::array<Element, 3> elements;
        std::vector<Step> steps;
    };
    std::vector<Node> nodes{{elements, {}}};
    for (int depth = 0; depth <= kMostSteps && !nodes.empty(); ++depth) {
        for (const Node &node : nodes)
            if (std::optional<Route> route = MatchRoute(node.elements)) {
                route->steps = node.steps;
                return *route;
            }
        std::vector<Node> next;
        for (const Node &node : nodes)
            for (const StepPattern &pattern : kSteps)
                for (const Relabelling &relabelling : kRelabellings) {
                    const Step step{pattern.identity,
                                    Relabelled(pattern.found, relabelling),
                                    {Relabelled(pattern.from[0], relabelling),
                                     Relabelled(pattern.from[1], relabelling)},
                                    pattern.third ? Relabelled(*pattern.third, relabelling)
                                                  : Element::SideA,
                                    pattern.bySine};
                    if (!Holds(node.elements, step.from[0]) ||
                        !Holds(node.elements, step.from[1]) ||
                        (pattern.third && !Holds(node.elements, step.third)) ||
                        Holds(node.elements, step.found))
                        continue;
                    Node reduced = node;
                    *std::find(reduced.elements.begin(), reduced.elements.end(), step.from[1]) =
                        step.found;
                    reduced.steps.push_back(step);
                    next.push_back(std::move(reduced));
                }
        nodes = std::move(next);
    }
    return Route{RouteKind::Search, {}, elements};
}

} // namespace calc::chapter
