#pragma once

// Text for SVG and HTML documents: escaping, and the two ways the figure writes numbers.

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

// A length for a label, rounded to four significant digits (correctly rounded), with the
// given decimal separator, without trailing zeros; in exponent form ("1,235E+05") when the
// rounded value is 10000 or more or below 0.0001, as the report writes large and small
// numbers. `exact` tells whether the text reads back as the value itself.
struct ShortNumber {
    std::string text;
    bool exact = false;
};
ShortNumber FourDigits(double value, std::string_view decimalSeparator);

} // namespace figure
