#include "markup.h"

#include "utf8.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <cstdint>

namespace figure
{

void AppendEscaped(std::string &out, std::string_view text)
{
    while (!text.empty()) {
        const char c = text.front();
        std::size_t length = 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\t':
        case '\n':
            out += c;
            break;
        default:
            length = calc::Utf8SequenceLength(text);
            if (length == 0 ||
                (length == 1 && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F))) {
                out += calc::kReplacementCharacter;
                length = 1;
            } else {
                out += text.substr(0, length);
            }
        }
        text.remove_prefix(length);
    }
}

void AppendCoordinate(std::string &out, double value)
{
    if (!std::isfinite(value) || value == 0) {
        out += '0';
        return;
    }
    // The shortest text that reads back as the value, from {fmt} (the standard library's
    // to_chars for doubles is missing from some, the WebAssembly build's among them).
    char buffer[32];
    const char *end = fmt::format_to(buffer, FMT_COMPILE("{}"), value);
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

ShortNumber FourDigits(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf", false};
    if (value == 0)
        return {"0", true};
    // "d.ddde±x": {fmt} rounds correctly at the requested precision.
    char buffer[32];
    const char *end = fmt::format_to(buffer, FMT_COMPILE("{:.3e}"), value);
    double rounded = 0;
    fast_float::from_chars(buffer, end, rounded);

    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end, exponent);

    ShortNumber result{negative ? "-" : "", rounded == value};
    std::string &out = result.text;
    const auto fraction = [&](std::size_t from) {
        if (from < digits.size()) {
            out += decimalSeparator;
            out += std::string_view(digits).substr(from);
        }
    };
    if (exponent < -4 || exponent >= 4) {
        out += digits.front();
        fraction(1);
        out += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
        out += magnitude.size() < 2 ? "0" + magnitude : magnitude;
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        out += std::string_view(digits).substr(0, integerDigits);
        if (digits.size() < integerDigits)
            out.append(integerDigits - digits.size(), '0');
        fraction(integerDigits);
    } else {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return result;
}

} // namespace figure
