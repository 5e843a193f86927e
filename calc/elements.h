#pragma once

// The elements of a triangle ABC, in one table: the sides, the angles, the altitudes, the
// medians and the internal bisectors of each vertex, the radii of the inscribed and the
// circumscribed circles, the area and the perimeter. A triangle can be given by any three of
// them; every module that reads, solves, reports, draws or sets a task of such a triangle
// names its elements from here.
//
// Index i of an element of a vertex stands for A, B, C as everywhere: side i is opposite
// vertex i (a = BC), angle i is at it (α at A), and the altitude, the median and the
// bisector i start at it and end on side i.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calc
{

enum class Element : std::uint8_t {
    SideA,
    SideB,
    SideC,
    AngleA,
    AngleB,
    AngleC,
    AltitudeA,
    AltitudeB,
    AltitudeC,
    MedianA,
    MedianB,
    MedianC,
    BisectorA,
    BisectorB,
    BisectorC,
    Inradius,
    Circumradius,
    Area,
    Perimeter,
};

inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Element::Perimeter) + 1;

// What an element is, whichever vertex it belongs to.
enum class ElementKind : std::uint8_t {
    Side,
    Angle, // in degrees wherever a user reads or types it
    Altitude,
    Median,
    Bisector,
    Inradius,
    Circumradius,
    Area,
    Perimeter,
};

struct ElementInfo {
    Element element;
    ElementKind kind;
    int vertex;               // 0, 1, 2 for A, B, C; −1 for the triangle's own
    std::string_view name;    // as formulas and the report write it: "a", "α", "h_a"
    std::string_view ascii;   // as typed on a command line: "a", "alpha", "ha"
    std::string_view word;    // in a Bulgarian sentence: "страната a", "ъгълът α"
    std::string_view segment; // the segment a line of the figure is: "BC", "AH"; or empty
    int degree;               // it scales with the triangle's size to this power
};

inline constexpr std::array<ElementInfo, kElementCount> kElements = {{
    {Element::SideA, ElementKind::Side, 0, "a", "a", "страната a", "BC", 1},
    {Element::SideB, ElementKind::Side, 1, "b", "b", "страната b", "AC", 1},
    {Element::SideC, ElementKind::Side, 2, "c", "c", "страната c", "AB", 1},
    {Element::AngleA, ElementKind::Angle, 0, "α", "alpha", "ъгълът α", "", 0},
    {Element::AngleB, ElementKind::Angle, 1, "β", "beta", "ъгълът β", "", 0},
    {Element::AngleC, ElementKind::Angle, 2, "γ", "gamma", "ъгълът γ", "", 0},
    {Element::AltitudeA, ElementKind::Altitude, 0, "h_a", "ha", "височината h_a", "AH", 1},
    {Element::AltitudeB, ElementKind::Altitude, 1, "h_b", "hb", "височината h_b", "BG", 1},
    {Element::AltitudeC, ElementKind::Altitude, 2, "h_c", "hc", "височината h_c", "CE", 1},
    {Element::MedianA, ElementKind::Median, 0, "m_a", "ma", "медианата m_a", "AK", 1},
    {Element::MedianB, ElementKind::Median, 1, "m_b", "mb", "медианата m_b", "BM", 1},
    {Element::MedianC, ElementKind::Median, 2, "m_c", "mc", "медианата m_c", "CN", 1},
    {Element::BisectorA, ElementKind::Bisector, 0, "l_a", "la", "ъглополовящата l_a", "AL_a", 1},
    {Element::BisectorB, ElementKind::Bisector, 1, "l_b", "lb", "ъглополовящата l_b", "BL_b", 1},
    {Element::BisectorC, ElementKind::Bisector, 2, "l_c", "lc", "ъглополовящата l_c", "CL_c", 1},
    {Element::Inradius, ElementKind::Inradius, -1, "r", "r", "радиусът r на вписаната окръжност",
     "", 1},
    {Element::Circumradius, ElementKind::Circumradius, -1, "R", "R",
     "радиусът R на описаната окръжност", "", 1},
    {Element::Area, ElementKind::Area, -1, "S", "S", "лицето S", "", 2},
    {Element::Perimeter, ElementKind::Perimeter, -1, "P", "P", "периметърът P", "", 1},
}};

inline constexpr const ElementInfo &Info(Element element)
{
    return kElements[static_cast<std::size_t>(element)];
}

namespace detail
{
constexpr bool ElementsInOrder()
{
    for (std::size_t e = 0; e < kElementCount; ++e)
        if (static_cast<std::size_t>(kElements[e].element) != e)
            return false;
    return true;
}
static_assert(ElementsInOrder(), "the table is in the order of Element");
} // namespace detail

// The element of a kind at a vertex (0, 1, 2), or the triangle's own of a kind without one.
inline constexpr Element ElementOf(ElementKind kind, int vertex = 0)
{
    for (const ElementInfo &info : kElements)
        if (info.kind == kind && (info.vertex == vertex || info.vertex < 0))
            return info.element;
    return Element::SideA;
}

// The element a name stands for, as typed: its ASCII spelling ("alpha", "ha"), the name the
// report writes ("α", "h_a"), the Greek letter alone. Letters are told apart by case, as r
// and R are; none for a name of no element.
inline constexpr std::optional<Element> ElementNamed(std::string_view name)
{
    for (const ElementInfo &info : kElements)
        if (name == info.ascii || name == info.name)
            return info.element;
    return std::nullopt;
}

} // namespace calc
