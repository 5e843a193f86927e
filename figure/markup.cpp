#include "markup.h"

#include "utf8.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <cmath>

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

bool AppendLength(std::string &out, double value, std::string_view decimalSeparator)
{
    calc::Layout layout = kLengthLayout;
    layout.decimalSeparator = decimalSeparator;
    if (!std::isfinite(value)) {
        calc::AppendNumberText(out, value, layout);
        return false;
    }
    const calc::Digits digits = calc::DigitsOf(value, layout.significantDigits);
    calc::AppendDigits(out, digits, layout);
    return digits.exact;
}

} // namespace figure
