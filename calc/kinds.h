#pragma once

// The words of each kind of given lengths, in one table: how the command line names the
// kind, how the window labels its boxes, how the figure, the worked solution and the printed
// pages name the given elements, and how a refusal explains itself. Every module reads its
// words here; the index of a length (0, 1, 2) stands for A, B, C as everywhere. (How the
// figure's SVG marks them up is the figure's: figure/names.h.)

#include "triangle.h"

#include <array>
#include <string_view>

namespace calc
{

struct KindWords {
    InputMode mode;
    std::string_view option;  // on the command line: "--heights"
    std::string_view caption; // the window's option button: "Височини"
    std::string_view plural;  // in a sentence: "три височини"
    std::string_view noun;    // one of them: "височина"
    // The letter of the given lengths in formulas, subscripted by a, b, c ("h" for h_a);
    // empty for sides, which are a, b, c themselves.
    std::string_view letter;
    std::array<std::string_view, 3> labels; // the input boxes' labels (UTF-8)
    // The given elements as segments from a vertex to its foot, and their feet; empty for
    // sides.
    std::array<std::string_view, 3> segments;
    std::array<std::string_view, 3> feet;
    // What a printed page says is given.
    std::string_view given;
    // Why a triple is refused: a length that is not positive; one that is at least the sum
    // of the other two (for altitudes: whose reciprocal is).
    std::string_view notPositive;
    std::string_view exceeds;
};

inline constexpr std::array<KindWords, 3> kKinds = {{
    {InputMode::Heights,
     "--heights",
     "Височини",
     "височини",
     "височина",
     "h",
     {"Височина AH (ha):", "Височина BG (hb):", "Височина CE (hc):"},
     {"AH", "BG", "CE"},
     {"H", "G", "E"},
     "Дадени са трите височини на триъгълника: ha, hb и hc.",
     "дължината на височина на триъгълник е положително число",
     "страните са обратно пропорционални на височините, а за реципрочните стойности на "
     "височините неравенството на триъгълника не е изпълнено"},
    {InputMode::Sides,
     "--sides",
     "Страни",
     "страни",
     "страна",
     "",
     {"Страна BC (a):", "Страна AC (b):", "Страна AB (c):"},
     {},
     {},
     "Дадени са трите страни на триъгълника: a, b и c.",
     "дължината на страна на триъгълник е положително число",
     "неравенството на триъгълника изисква всяка страна да е по-малка от сбора на другите "
     "две"},
    {InputMode::Medians,
     "--medians",
     "Медиани",
     "медиани",
     "медиана",
     "m",
     {"Медиана AK (ma):", "Медиана BM (mb):", "Медиана CN (mc):"},
     {"AK", "BM", "CN"},
     {"K", "M", "N"},
     "Дадени са трите медиани на триъгълника: ma, mb и mc.",
     "дължината на медиана на триъгълник е положително число",
     "медианите на всеки триъгълник образуват триъгълник, а за тези медиани неравенството на "
     "триъгълника не е изпълнено"},
}};

inline const KindWords &Words(InputMode mode)
{
    return kKinds[static_cast<std::size_t>(mode)];
}

// The triangle's own names: its vertices, the sides opposite them, the report's bisectors.
inline constexpr std::array<std::string_view, 3> kVertexNames = {"A", "B", "C"};
inline constexpr std::array<std::string_view, 3> kSideNames = {"BC", "AC", "AB"};
inline constexpr std::array<char, 3> kSideLetters = {'a', 'b', 'c'};

} // namespace calc
