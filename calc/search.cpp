#include "search.h"

#include "search_krawczyk.h"

#include <algorithm>
#include <cmath>

namespace calc::search
{
namespace
{

using boost::numeric::median;
using boost::numeric::subset;
using boost::numeric::width;

// The budget: no input makes the search look at more boxes than this, nor subdivide
// deeper; and the finest subdivision of a box's coordinate, relative to the coordinate
// (or, at the coordinate's edge, to the chart's), below which an undecided box is left
// undecided.
constexpr std::size_t kBoxLimit = 40000;
constexpr int kDepthLimit = 160;
constexpr double kFinest = 0x1p-30;
constexpr double kFinestAtEdge = 0x1p-64; // of a coordinate at its edge, of the chart's

struct Part {
    std::size_t chart;
    Box box;
    int depth;
};

// A solution proven: the box Krawczyk's test proved to hold it and nothing else, that box
// narrowed, and the triangle's sides.
struct Solution {
    std::size_t chart;
    Box proof;
    Box narrowed;
    std::array<Interval, 3> sides;
};

bool Within(const Box &inner, const Box &outer)
{
    return subset(inner.t, outer.t) && subset(inner.s, outer.s);
}

// A box of one chart as a box of another, through the angles.
Box InChart(const Box &box, std::size_t from, std::size_t to)
{
    const std::array<Interval, 3> angle = Angles(kCharts[from], box);
    const Interval &smallest = angle[static_cast<std::size_t>(kCharts[to].vertex[1])];
    const Interval t = smallest + angle[static_cast<std::size_t>(kCharts[to].vertex[2])];
    return {t, smallest / t};
}

bool SameSolution(const Solution &a, const Solution &b)
{
    return Within(InChart(a.narrowed, a.chart, b.chart), b.proof) ||
           Within(InChart(b.narrowed, b.chart, a.chart), a.proof);
}

// Whether no shape in the box belongs to its chart: there the largest angle X is certainly
// smaller than Z, whose chart owns the box instead.
bool OwnedElsewhere(const Box &box)
{
    return (box.t * (2.0 - box.s)).lower() > Pi().upper() || box.s.lower() > kLargestS;
}

class Search
{
public:
    explicit Search(const System &system) : system_(system) {}

    Result Run()
    {
        for (std::size_t chart = 0; chart < kCharts.size(); ++chart)
            parts_.push_back({chart, {Interval(0.0, kLargestT), Interval(0.0, kLargestS)}, 0});
        while (!parts_.empty()) {
            if (result_.boxes == kBoxLimit) {
                Unproven(Doubt::Budget);
                break;
            }
            const Part part = parts_.back();
            parts_.pop_back();
            Look(part);
        }
        for (const Solution &solution : solutions_)
            result_.triangles.push_back(Reported(solution));
        std::sort(result_.triangles.begin(), result_.triangles.end(),
                  [](const Found &a, const Found &b) { return a.sides < b.sides; });
        result_.status = result_.doubt == Doubt::None ? Status::Proven : Status::Unproven;
        return result_;
    }

private:
    // The sides' enclosures and their midpoints; or, where these are no triangle (the
    // triangle is flatter than the enclosures are narrow), the sides of the shape at the
    // narrowed box's midpoint, which is one.
    Found Reported(const Solution &solution) const
    {
        Found found;
        for (std::size_t i = 0; i < 3; ++i) {
            found.lower[i] = solution.sides[i].lower();
            found.upper[i] = solution.sides[i].upper();
            found.sides[i] = median(solution.sides[i]);
        }
        const auto triangle = [](const std::array<double, 3> &x) {
            return x[0] < x[1] + x[2] && x[1] < x[2] + x[0] && x[2] < x[0] + x[1];
        };
        if (!triangle(found.sides)) {
            const Box &box = solution.narrowed;
            const std::array<Interval, 3> point =
                Sides(system_, kCharts[solution.chart],
                      {Interval(median(box.t)), Interval(median(box.s))});
            std::array<double, 3> sides{};
            for (std::size_t i = 0; i < 3; ++i)
                sides[i] = std::clamp(median(point[i]), found.lower[i], found.upper[i]);
            if (triangle(sides))
                found.sides = sides;
        }
        return found;
    }

    void Unproven(Doubt why)
    {
        if (result_.doubt == Doubt::None || why == Doubt::Budget)
            result_.doubt = why;
    }

    void Look(const Part &part)
    {
        ++result_.boxes;
        result_.depth = std::max(result_.depth, part.depth);
        const Box &box = part.box;
        if (OwnedElsewhere(box) || Proven(part))
            return;
        if (Excluded(system_, part.chart, box)) {
            ++result_.excluded;
            return;
        }
        // At the corner t = s = 0 the solved equations' residuals may vanish together
        // where no triangle is: only the excluding consequences decide there. A box as
        // large as a sixteenth of its chart's side is not worth the linearisation: the
        // equations are far from linear across it.
        const bool corner = box.t.lower() <= 0 && box.s.lower() <= 0;
        const bool large = width(box.t) > kLargestT / 16 || width(box.s) > kLargestS / 16;
        int split = -1;
        std::array<bool, 2> blurred{};
        if (!corner && !large) {
            const Box proof = Inflated(box);
            const Krawczyk test = KrawczykTest(system_, part.chart, proof, box);
            if (test.verdict == Verdict::None) {
                ++result_.excluded;
                return;
            }
            if (test.verdict == Verdict::One) {
                ++result_.proofs;
                Record(part.chart, proof);
                return;
            }
            split = test.split;
            blurred = test.blurred;
        }
        Subdivide(part, split, blurred);
    }

    // The box widened by an eighth each way, so that a solution on its border lies inside,
    // and across an edge of the shapes, so that one just outside shows as outside; but not
    // to the corner.
    static Box Inflated(const Box &box)
    {
        const double dt = width(box.t) / 8, ds = width(box.s) / 8;
        Box wide{Interval(box.t.lower() - dt, box.t.upper() + dt),
                 Interval(box.s.lower() - ds, box.s.upper() + ds)};
        if (wide.t.lower() <= 0 && wide.s.lower() <= 0) {
            if (box.s.lower() > 0)
                wide.s = Interval(box.s.lower() / 2, wide.s.upper());
            else
                wide.t = Interval(box.t.lower() / 2, wide.t.upper());
        }
        return wide;
    }

    bool Proven(const Part &part) const
    {
        return std::any_of(proofs_.begin(), proofs_.end(), [&](const Part &proof) {
            return proof.chart == part.chart && Within(part.box, proof.box);
        });
    }

    // A box that holds exactly one solution: a triangle, a degenerate one, or none.
    void Record(std::size_t chart, const Box &proof)
    {
        proofs_.push_back({chart, proof, 0});
        const Box narrowed = Narrowed(system_, chart, proof);
        if (narrowed.t.upper() < 0 || narrowed.s.upper() < 0 || OwnedElsewhere(narrowed))
            return; // beyond the edge of the shapes, or another chart's
        if (narrowed.t.lower() <= 0 || narrowed.s.lower() <= 0) {
            ++result_.undecided;
            Unproven(Doubt::Edge);
            return;
        }
        Solution solution{chart, proof, narrowed, Sides(system_, kCharts[chart], narrowed)};
        for (const Solution &known : solutions_)
            if (SameSolution(solution, known))
                return;
        for (const Solution &known : solutions_) {
            bool overlap = true;
            for (std::size_t i = 0; i < 3; ++i)
                overlap = overlap && boost::numeric::overlap(known.sides[i], solution.sides[i]);
            if (overlap) { // two proofs that tell neither the same nor two triangles
                ++result_.undecided;
                Unproven(Doubt::Cluster);
            }
        }
        solutions_.push_back(solution);
    }

    // Into two halves, along the coordinate given, or else along the wider one relative to
    // the chart's, and along that one too when the box is a million times as wide as high or
    // high as wide; along the other where that one is as fine as it is split, or blurred
    // by the equations' rounding. A box that neither can cut is left undecided.
    void Subdivide(const Part &part, int along, const std::array<bool, 2> &blurred)
    {
        const Box &box = part.box;
        const auto splittable = [](const Interval &x, double largest) {
            return x.lower() <= 0 ? width(x) > kFinestAtEdge * largest
                                  : width(x) > kFinest * x.upper();
        };
        const double wideT = width(box.t) / kLargestT, wideS = width(box.s) / kLargestS;
        if (wideT > 0x1p20 * wideS)
            along = 0;
        else if (wideS > 0x1p20 * wideT)
            along = 1;
        bool alongT = along < 0 ? wideT >= wideS : along == 0;
        const std::array<bool, 2> cut{splittable(box.t, kLargestT) && !blurred[0],
                                      splittable(box.s, kLargestS) && !blurred[1]};
        if (!cut[alongT ? 0 : 1])
            alongT = !alongT;
        if (!cut[alongT ? 0 : 1] || part.depth >= kDepthLimit) {
            ++result_.undecided;
            Unproven(box.t.lower() <= 0 || box.s.lower() <= 0 ? Doubt::Edge : Doubt::Cluster);
            return;
        }
        const Interval &x = alongT ? box.t : box.s;
        const double middle = median(x);
        const Interval low(x.lower(), middle), high(middle, x.upper());
        const Box first = alongT ? Box{high, box.s} : Box{box.t, high};
        const Box second = alongT ? Box{low, box.s} : Box{box.t, low};
        parts_.push_back({part.chart, first, part.depth + 1});
        parts_.push_back({part.chart, second, part.depth + 1});
    }

    const System &system_;
    Result result_;
    std::vector<Part> parts_;
    std::vector<Part> proofs_;
    std::vector<Solution> solutions_;
};

} // namespace

Result Find(const std::array<Given, 3> &given)
{
    const Setup setup = MakeSystem(given);
    if (!setup.system) {
        Result result; // nothing to search, or no triangle at all
        result.doubt = setup.doubt;
        result.status = setup.doubt == Doubt::None ? Status::Proven : Status::Unproven;
        return result;
    }
    return Search(*setup.system).Run();
}

} // namespace calc::search
