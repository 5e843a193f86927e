#include "painter.h"

#include "utf8.h"

namespace figure
{

TextSize EstimateText(std::string_view text, double fontSize)
{
    const auto characters = static_cast<double>(calc::Utf8Characters(text));
    return {0.6 * fontSize * characters, 1.2 * fontSize};
}

void AppendHexDigits(std::string &out, Colour colour)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        out += kHex[channel >> 4];
        out += kHex[channel & 0xF];
    }
}

} // namespace figure
