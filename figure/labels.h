#pragma once

// Label placement: each label goes, in turn, to the spot near its point that covers the
// fewest lines, dots and earlier labels, inside the figure's box. The candidate spots lie
// on rings around the points it may stand by, from touching them outwards, in 24
// directions starting at the preferred one. Covering a label costs most, then a line, then
// a dot; a label nearer to another line than to its own is ambiguous, which costs too;
// then come distance and a turn away from the preferred direction. A label that has to
// move away from its point is tied to it by a leader line, which should cross no line
// and no label, nor continue the line the label names.

#include "painter.h"

#include <span>
#include <vector>

namespace figure
{

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

class LabelPlacer
{
public:
    // Labels stay `padding` pixels inside the box [0, width] x [0, height].
    LabelPlacer(double width, double height, double padding);

    // A line the labels should keep off; `weight` is what covering it costs (the cost of
    // that many pixels of distance). Lines of at least kNamingWeight are the ones a label
    // could be taken to name.
    void AvoidLine(Point from, Point to, double weight);
    void AvoidDot(Point centre, double radius);
    static constexpr double kNamingWeight = 1000;

    // A point a label may stand by, the direction it should go from there (a unit vector,
    // or (0, 0) for any), and what standing by this point rather than the best costs.
    struct Anchor {
        Point at;
        Point preferred;
        bool eitherSide = false; // the opposite direction is as good
        double cost = 0;
    };
    struct Request {
        std::span<const Anchor> anchors;
        TextSize size{};
        double turnCost = 12;      // the cost of a direction at right angles to the preferred
        double gap = 3;            // the space left between the label and its anchor
        double reach = 160;        // how far beyond the gap the label may move
        bool leaderAllowed = true; // false: the label stays by its anchor, without a leader
        // The line the label names, if any: no other line should be nearer to it.
        bool names = false;
        Point from{};
        Point to{};
    };
    struct Placed {
        Point centre;
        Point anchor;
        bool leader = false; // far enough from the anchor to need a leader line
    };
    // Places a label and keeps it clear of the labels placed after it; a leader line, when
    // there is one, is the caller's to draw and to pass to AvoidLine.
    Placed Place(const Request &request);

private:
    // What covering things at `box` costs, or some sum above `budget`.
    double Cost(const Box &box, const Request &request, double budget) const;
    double LeaderCost(Point anchor, Point end, const Request &request) const;

    struct Line {
        Point from;
        Point to;
        double weight;
    };
    struct Dot {
        Point centre;
        double radius;
    };
    Box bounds_;
    std::vector<Line> lines_;
    std::vector<Dot> dots_;
    std::vector<Box> labels_;
};

// The point of the box nearest to p (p itself when it is inside).
Point NearestInBox(const Box &box, Point p);

} // namespace figure
