#include "painter.h"

#include "utf8.h"

namespace figure
{

TextSize EstimateText(std::string_view text, double fontSize)
{
    const auto characters = static_cast<double>(calc::Utf8Characters(text));
    return {0.6 * fontSize * characters, 1.2 * fontSize};
}

} // namespace figure
