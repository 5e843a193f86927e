#include "labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace figure
{
namespace
{

constexpr double kLabelCost = 10000;
constexpr double kDotCost = 400;
constexpr double kAmbiguityCost = 250;
constexpr double kLeaderCost = 120;
constexpr double kLeaderCrossingCost = 300;
// A leader nearly in line with the line its label names would read as that line's
// continuation: within this angle (sine of 20 degrees) it costs as much as a crossing.
constexpr double kLeaderInLineSine = 0.34;
constexpr double kRingStep = 4;
constexpr int kDirections = 24;
// Lines are kept this far off a label's box, labels this far off each other.
constexpr double kLineClearance = 1.5;
constexpr double kLabelClearance = 4;
// A label is ambiguous when another line is this much nearer to it than its own.
constexpr double kAmbiguityMargin = 3;
// Boxes that only touch, a box flush with the figure's edge and a line along a box's side
// are decided alike whatever the last bit of a sine: the page's mathematical library and
// the command line's differ there, and both must place every label at the same spot.
constexpr double kTouch = 1e-7;

Box Around(Point centre, TextSize size)
{
    return {centre.x - size.width / 2, centre.y - size.height / 2, centre.x + size.width / 2,
            centre.y + size.height / 2};
}

Box Grown(const Box &box, double by)
{
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

bool Overlap(const Box &p, const Box &q)
{
    return p.left + kTouch < q.right && q.left + kTouch < p.right && p.top + kTouch < q.bottom &&
           q.top + kTouch < p.bottom;
}

bool Inside(const Box &inner, const Box &outer)
{
    return inner.left + kTouch >= outer.left && inner.right <= outer.right + kTouch &&
           inner.top + kTouch >= outer.top && inner.bottom <= outer.bottom + kTouch;
}

// Whether the segment crosses the box: the segment clipped to it (Liang and Barsky) is
// not empty. A segment that only grazes the box does not cross it.
bool Crosses(Point from, Point to, const Box &outline)
{
    const Box box{outline.left + kTouch, outline.top + kTouch, outline.right - kTouch,
                  outline.bottom - kTouch};
    if (std::max(from.x, to.x) < box.left || std::min(from.x, to.x) > box.right ||
        std::max(from.y, to.y) < box.top || std::min(from.y, to.y) > box.bottom)
        return false;
    double enter = 0, leave = 1;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const auto clip = [&](double denominator, double numerator) {
        if (denominator == 0)
            return numerator >= 0;
        const double t = numerator / denominator;
        if (denominator < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    return clip(-dx, from.x - box.left) && clip(dx, box.right - from.x) &&
           clip(-dy, from.y - box.top) && clip(dy, box.bottom - from.y);
}

double Distance(Point p, Point q)
{
    const double dx = p.x - q.x, dy = p.y - q.y;
    return std::sqrt(dx * dx + dy * dy); // pixels: no overflow to guard against
}

double DistanceToSegment(Point p, Point from, Point to)
{
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double squared = dx * dx + dy * dy;
    const double t =
        squared > 0 ? std::clamp(((p.x - from.x) * dx + (p.y - from.y) * dy) / squared, 0.0, 1.0)
                    : 0;
    return Distance(p, {from.x + t * dx, from.y + t * dy});
}

// The distance between a box and a segment: 0 when they meet, else the least of the
// distances between the segment's ends and the box and between the box's corners and
// the segment.
double DistanceToBox(const Box &box, Point from, Point to)
{
    if (Crosses(from, to, box))
        return 0;
    double distance =
        std::min(Distance(from, NearestInBox(box, from)), Distance(to, NearestInBox(box, to)));
    for (Point corner : {Point{box.left, box.top}, Point{box.right, box.top},
                         Point{box.left, box.bottom}, Point{box.right, box.bottom}})
        distance = std::min(distance, DistanceToSegment(corner, from, to));
    return distance;
}

double Cross(Point o, Point p, Point q)
{
    return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
}

// Which side of the line through o and p the point q is on: 0 for a point on the line to
// within kTouch, whose side would be the last bit's whim.
int Side(Point o, Point p, Point q)
{
    const double length = Distance(o, p), cross = Cross(o, p, q);
    return cross > kTouch * length ? 1 : cross < -kTouch * length ? -1 : 0;
}

// Whether two segments cross at a point inside both: a leader drawn from a point of a
// line does not cross that line.
bool Intersect(Point p1, Point p2, Point q1, Point q2)
{
    return Side(q1, q2, p1) * Side(q1, q2, p2) < 0 && Side(p1, p2, q1) * Side(p1, p2, q2) < 0;
}

} // namespace

Point NearestInBox(const Box &box, Point p)
{
    return {std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.top, box.bottom)};
}

LabelPlacer::LabelPlacer(double width, double height, double padding)
    : bounds_{padding, padding, width - padding, height - padding}
{
}

void LabelPlacer::AvoidLine(Point from, Point to, double weight)
{
    lines_.push_back({from, to, weight});
}

void LabelPlacer::AvoidDot(Point centre, double radius)
{
    dots_.push_back({centre, radius});
}

double LabelPlacer::Cost(const Box &box, const Request &request, double budget) const
{
    // Most spots cover something: the sums stop as soon as they exceed the budget.
    double cost = 0;
    const Box spaced = Grown(box, kLabelClearance);
    for (const Box &label : labels_)
        if (Overlap(spaced, label) && (cost += kLabelCost) > budget)
            return cost;
    const Box cleared = Grown(box, kLineClearance);
    for (const Line &line : lines_)
        if (Crosses(line.from, line.to, cleared) && (cost += line.weight) > budget)
            return cost;
    for (const Dot &dot : dots_)
        if (Distance(NearestInBox(box, dot.centre), dot.centre) < dot.radius + 1 &&
            (cost += kDotCost) > budget)
            return cost;
    if (request.names) {
        const double own = DistanceToBox(box, request.from, request.to);
        for (const Line &line : lines_) {
            if (line.weight >= kNamingWeight &&
                DistanceToBox(box, line.from, line.to) + kAmbiguityMargin + kTouch < own) {
                cost += kAmbiguityCost;
                break;
            }
        }
    }
    return cost;
}

double LabelPlacer::LeaderCost(Point anchor, Point end, const Request &request) const
{
    double cost = kLeaderCost;
    if (request.names) {
        const double lx = end.x - anchor.x, ly = end.y - anchor.y;
        const double nx = request.to.x - request.from.x, ny = request.to.y - request.from.y;
        const double lengths = std::sqrt(lx * lx + ly * ly) * std::sqrt(nx * nx + ny * ny);
        if (lengths > 0 && std::fabs(lx * ny - ly * nx) < kLeaderInLineSine * lengths)
            cost += kLeaderCrossingCost;
    }
    for (const Line &line : lines_)
        if (line.weight >= kNamingWeight && Intersect(anchor, end, line.from, line.to))
            cost += kLeaderCrossingCost;
    for (const Box &label : labels_)
        cost += Crosses(anchor, end, label) ? kLeaderCrossingCost : 0;
    return cost;
}

LabelPlacer::Placed LabelPlacer::Place(const Request &request)
{
    const TextSize size = request.size;
    double bestCost = std::numeric_limits<double>::infinity();
    Placed best{};
    const auto rings = static_cast<int>(std::ceil(request.reach / kRingStep));
    // The directions around each anchor, from its preferred one.
    std::vector<std::array<Point, kDirections>> directions(request.anchors.size());
    for (std::size_t a = 0; a < request.anchors.size(); ++a) {
        const Point preferred = request.anchors[a].preferred;
        const double start = preferred.x == 0 && preferred.y == 0
                                 ? -std::numbers::pi / 2
                                 : std::atan2(preferred.y, preferred.x);
        for (int i = 0; i < kDirections; ++i) {
            const double angle = start + 2 * std::numbers::pi * i / kDirections;
            directions[a][static_cast<std::size_t>(i)] = {std::cos(angle), std::sin(angle)};
        }
    }
    for (int ring = 0; ring <= rings; ++ring) {
        const double extra = ring * kRingStep;
        // Every later ring costs at least its distance: nothing there can do better.
        if (bestCost <= extra)
            break;
        const bool leader = request.leaderAllowed && extra > kRingStep;
        for (std::size_t a = 0; a < request.anchors.size(); ++a) {
            const Anchor &anchor = request.anchors[a];
            const bool anyDirection = anchor.preferred.x == 0 && anchor.preferred.y == 0;
            for (int i = 0; i < kDirections; ++i) {
                const double dx = directions[a][static_cast<std::size_t>(i)].x,
                             dy = directions[a][static_cast<std::size_t>(i)].y;
                // Far enough along the direction for the box to clear the anchor.
                const double distance = size.width / 2 * std::fabs(dx) +
                                        size.height / 2 * std::fabs(dy) + request.gap + extra;
                const Point centre{anchor.at.x + dx * distance, anchor.at.y + dy * distance};
                const Box box = Around(centre, size);
                if (!Inside(box, bounds_))
                    continue;
                // The turn away from the preferred direction, 0 to 1 for a right angle.
                constexpr int kHalf = kDirections / 2;
                const int steps = anchor.eitherSide ? std::min(i % kHalf, kHalf - i % kHalf)
                                                    : std::min(i, kDirections - i);
                const double turn = anyDirection ? 0 : steps * 4.0 / kDirections;
                double cost = extra + turn * request.turnCost + anchor.cost;
                if (cost >= bestCost)
                    continue;
                cost += Cost(box, request, bestCost - cost);
                if (leader && cost < bestCost)
                    cost += LeaderCost(anchor.at, NearestInBox(box, anchor.at), request);
                if (cost < bestCost) {
                    bestCost = cost;
                    best = {centre, anchor.at, leader};
                }
            }
        }
    }
    if (!std::isfinite(bestCost)) {
        // No spot inside the box: as near the first anchor as the box allows.
        const Point anchor = request.anchors.front().at;
        const Box inner{bounds_.left + size.width / 2, bounds_.top + size.height / 2,
                        std::max(bounds_.left + size.width / 2, bounds_.right - size.width / 2),
                        std::max(bounds_.top + size.height / 2, bounds_.bottom - size.height / 2)};
        best = {NearestInBox(inner, anchor), anchor, false};
    }
    labels_.push_back(Around(best.centre, size));
    return best;
}

} // namespace figure
