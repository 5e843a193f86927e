#include "painter.h"

#include "utf8.h"

#include <fast_float/fast_float.h>

#include <cmath>

namespace figure
{

TextSize EstimateText(std::string_view text, double fontSize)
{
    const auto characters = static_cast<double>(calc::Utf8Characters(text));
    return {0.6 * fontSize * characters, 1.2 * fontSize};
}

std::vector<double> ReadDashes(std::string_view text)
{
    std::vector<double> dashes;
    const char *next = text.data();
    const char *const end = next + text.size();
    while (next != end) {
        if (*next == ' ' || *next == ',') {
            ++next;
            continue;
        }
        double length = 0;
        const auto [after, problem] = fast_float::from_chars(next, end, length);
        if (problem != std::errc() || !(length >= 0) || !std::isfinite(length))
            return {};
        dashes.push_back(length);
        next = after;
    }
    return dashes;
}

} // namespace figure
