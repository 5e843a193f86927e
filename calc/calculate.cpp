#include "calculate.h"

namespace calc
{

Solution Calculate(InputMode mode, const std::array<std::string_view, 3> &inputs,
                   std::string_view decimalSeparator)
{
    return Solve(mode,
                 {ReadNumber(inputs[0], decimalSeparator), ReadNumber(inputs[1], decimalSeparator),
                  ReadNumber(inputs[2], decimalSeparator)});
}

} // namespace calc
