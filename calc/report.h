#pragma once

#include "calculate.h"

#include <array>
#include <string>
#include <string_view>

namespace calc
{

// A calculation without a window: what the result box shows after "Изчисли" for three
// input texts of one kind. The command line and the web edition are built on it.
struct Report {
    Outcome outcome;
    std::string text; // CR LF line ends, as in the result box
};

Report ReportFor(InputMode mode, const std::array<std::string_view, 3> &inputs,
                 std::string_view decimalSeparator = ".");

} // namespace calc
