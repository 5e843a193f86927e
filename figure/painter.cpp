#include "painter.h"

namespace figure
{

TextSize EstimateText(std::string_view text, double fontSize)
{
    std::size_t codePoints = 0;
    for (char c : text)
        codePoints += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return {0.6 * fontSize * static_cast<double>(codePoints), 1.2 * fontSize};
}

} // namespace figure
