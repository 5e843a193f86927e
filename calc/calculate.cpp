#include "calculate.h"

#include "solve.h"

namespace calc
{

Solution Calculate(InputMode mode, const std::array<std::string_view, 3> &inputs,
                   std::string_view decimalSeparator, const SolveOptions &options)
{
    std::array<double, 3> given{};
    int tooLong = -1;
    for (std::size_t i = 0; i < 3; ++i) {
        const BoundedNumber number = ReadBoundedNumber(inputs[i], decimalSeparator);
        given[i] = number.value;
        if (!number.withinBounds && tooLong < 0)
            tooLong = static_cast<int>(i);
    }
    // A number longer than the calculation takes is refused before anything is decided:
    // whatever the others are, its exact arithmetic could take seconds.
    if (tooLong >= 0) {
        Solution solution;
        solution.mode = mode;
        solution.outcome = Outcome::TooLong;
        solution.given = given;
        solution.refused = tooLong;
        return solution;
    }
    return SolveWith(mode, given, options, [&] {
        return std::array<exact::Decimal, 3>{exact::ReadExactNumber(inputs[0], decimalSeparator),
                                             exact::ReadExactNumber(inputs[1], decimalSeparator),
                                             exact::ReadExactNumber(inputs[2], decimalSeparator)};
    });
}

Solution Solve(InputMode mode, const std::array<double, 3> &lengths, const SolveOptions &options)
{
    return SolveWith(mode, lengths, options, [&lengths] {
        return std::array<exact::Decimal, 3>{exact::ExactValue(lengths[0]),
                                             exact::ExactValue(lengths[1]),
                                             exact::ExactValue(lengths[2])};
    });
}

} // namespace calc
