#pragma once

// Text for SVG and HTML documents: escaping, and the two ways the figure writes numbers.

#include "numbers.h"

#include <string>
#include <string_view>

namespace figure
{

// Appends `text` for XML or HTML, as element content or inside a double-quoted attribute:
// & < > " ' become character references; bytes that are not well-formed UTF-8, and control
// characters other than tab and line feed (none of which a document may carry), become
// U+FFFD, the replacement character.
void AppendEscaped(std::string &out, std::string_view text);

// Appends a coordinate: the shortest decimal that reads back as the same double, with a
// point ("-0" as "0", a non-finite value as "0").
void AppendCoordinate(std::string &out, double value);

// How the figure writes a length, in its labels and its description: four significant
// digits (correctly rounded, ties to even), in exponent form ("1,235E+05") from 10 000 on
// and below 0.0001, as the report writes large and small numbers.
inline constexpr calc::Layout kLengthLayout{
    .exponentBelow = -4, .exponentFrom = 4, .significantDigits = 4};

// Appends a length as the figure writes it, with the given decimal separator; returns
// whether the digits read back as the length itself ("NaN", "Inf" and "-Inf" do not).
bool AppendLength(std::string &out, double value, std::string_view decimalSeparator);

} // namespace figure
