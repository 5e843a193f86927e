#include "calculate.h"

#include "solve.h"

namespace calc
{

Solution Calculate(InputMode mode, const std::array<std::string_view, 3> &inputs,
                   std::string_view decimalSeparator, const SolveOptions &options)
{
    return SolveWith(mode,
                     {ReadNumber(inputs[0], decimalSeparator),
                      ReadNumber(inputs[1], decimalSeparator),
                      ReadNumber(inputs[2], decimalSeparator)},
                     options, [&] {
                         return std::array<exact::Decimal, 3>{
                             exact::ReadExactNumber(inputs[0], decimalSeparator),
                             exact::ReadExactNumber(inputs[1], decimalSeparator),
                             exact::ReadExactNumber(inputs[2], decimalSeparator)};
                     });
}

} // namespace calc
