#pragma once

// Three elements of a triangle as a user gives them: words `name=value`, "a=5 b=7 gamma=60",
// spaces around "=" allowed ("a = 5"). A name is an element's ASCII spelling or its own
// (elements.h: "alpha" or "α", "ha" or "h_a"); a value is read by the reader of the three
// lengths of today's kinds (numbers.h): "." or the locale's separator, the same caps on its
// length. What makes a line no triple is a problem, a value, with the word it is about;
// a length that is not positive, or an angle not between 0° and 180°, is no problem of
// reading but a triangle there is not, for the solve to say (chapter.h).

#include "elements.h"
#include "exact.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace calc
{

struct Given {
    Element element = Element::SideA;
    std::string_view text;  // the value as typed
    double value = 0;       // the double nearest to it
    exact::Decimal decimal; // the value exactly
};

enum class GivenProblem : std::uint8_t {
    None,
    NotNamed,     // a word that is no `name=value`: `about` is the word
    UnknownName,  // `about` names no element
    MissingValue, // nothing after `about=`
    Repeated,     // the element `about` is given twice
    Count,        // not three givens: `count` of them
    TooLong,      // the value of `about` is longer than the calculation takes
};

struct GivenLine {
    std::array<Given, 3> givens{};
    GivenProblem problem = GivenProblem::None;
    std::string_view about; // the word or name the problem is about, as typed
    std::size_t count = 0;  // the givens on the line
};

// The givens of a line; views into it.
GivenLine ReadGivens(std::string_view line, std::string_view decimalSeparator = ".");

// What a problem says, in Bulgarian: "непознат елемент „x“: ..." (empty for none).
std::string GivenProblemText(const GivenLine &line);

} // namespace calc
