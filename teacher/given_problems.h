#pragma once

// The tasks of the triangle chapter: a triangle given by three of its elements (calc/
// elements.h), written as the command line's `--given` reads them, "a=5 b=8 alpha=60".
//
//   level 1   whole numbers (or one decimal) and the angles 30°, 45°, 60°, 90°, 120°: of
//             triangles with whole sides (Heronian ones, those with an angle of 60°, 90°
//             or 120°) and of the right, the 30-30-120 and the equilateral ones; every side
//             and the area of every answer a short exact form
//   level 2   lengths with one decimal, angles in whole degrees
//   level 3   lengths with two decimals, angles with one, of obtuse and needle-like
//             triangles, and the combinations without a closed form (three bisectors, …)
//
// Each task is made from a triangle: the combination's elements are its values, written to
// the level's digits, and then solved through the core, which has to find a triangle (two
// for some of the ambiguous ones). The tasks without a triangle are each of a flaw whose
// reason the core gives in words.

#include "chapter.h"
#include "problems.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teacher
{

// The combinations of three elements a task is of, as at vertex A; a task turns them to
// any vertex.
struct Combination {
    std::string_view name; // as a teacher calls it: "SAS"
    std::array<calc::Element, 3> elements;
    int level; // the lowest level with tasks of it
};

using calc::Element;
inline constexpr std::array<Combination, 12> kCombinations = {{
    {"SSS", {Element::SideA, Element::SideB, Element::SideC}, 1},
    {"SAS", {Element::SideB, Element::SideC, Element::AngleA}, 1},
    {"ASA", {Element::AngleB, Element::AngleC, Element::SideA}, 1},
    {"AAS", {Element::AngleA, Element::AngleB, Element::SideA}, 1},
    {"SSA", {Element::SideA, Element::SideB, Element::AngleA}, 1},
    {"a h_a α", {Element::SideA, Element::AltitudeA, Element::AngleA}, 1},
    {"r α β", {Element::Inradius, Element::AngleA, Element::AngleB}, 1},
    {"R α β", {Element::Circumradius, Element::AngleA, Element::AngleB}, 1},
    {"P α β", {Element::Perimeter, Element::AngleA, Element::AngleB}, 1},
    {"l_a l_b l_c", {Element::BisectorA, Element::BisectorB, Element::BisectorC}, 3},
    {"a l_b l_c", {Element::SideA, Element::BisectorB, Element::BisectorC}, 3},
    {"m_a m_b l_c", {Element::MedianA, Element::MedianB, Element::BisectorC}, 3},
}};

// A task: its three elements and their values in thousandths (of a length, of a degree).
struct GivenTask {
    std::array<calc::Element, 3> elements{};
    std::array<Units, 3> values{};
};

// The task as a line, "a=5 b=8 alpha=60", the numbers written with `separator`.
std::string GivenText(const GivenTask &task, std::string_view separator);

// The core's solution of a task, from its text as a student types it.
calc::chapter::Solution SolveGiven(const GivenTask &task, bool exactValues = false);

// The candidates of level 1, in a fixed order: every combination of every triangle of the
// level whose elements are written with the level's numbers (not yet solved).
const std::vector<GivenTask> &NiceGivenTasks();

// Whether a task has the answers its level promises: one or more triangles, decided exactly
// at level 1 with every side and area a short exact form, by a closed form at level 2.
bool GivenFits(const GivenTask &task, int level);

// A task of level 2 or 3 made from `random`, not yet solved.
GivenTask RandomGivenTask(int level, Random &random);

// The flaws of the tasks without a triangle, each with the reason the core gives for it.
enum class GivenFlaw {
    AngleSum,     // two angles of 180° or more
    SideTooLong,  // a side as long as the other two together, or longer
    SineAboveOne, // a, b, α with b·sin α > a: no triangle in the ambiguous case
    AnglesAlone,  // three angles that do not add up to 180°
};
inline constexpr std::array<GivenFlaw, 4> kGivenFlaws = {
    GivenFlaw::AngleSum, GivenFlaw::SideTooLong, GivenFlaw::SineAboveOne, GivenFlaw::AnglesAlone};
calc::chapter::Reason ReasonOf(GivenFlaw flaw);

// A task with the flaw, its numbers of the level's sort (not yet solved).
GivenTask FlawedGivenTask(GivenFlaw flaw, int level, Random &random);

// The task with its vertices renamed, A to B to C to A `turns` times.
GivenTask Turned(GivenTask task, int turns);

} // namespace teacher
