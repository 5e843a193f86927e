#pragma once

// A triple of lengths given as doubles, solved as the front ends solve what is typed: each
// length written as the shortest text that reads back as the double, then calc::Calculate.
// (A double that is not a finite number is written "inf" or "nan", which reads as 0.)

#include "calculate.h"

#include <array>
#include <charconv>
#include <string>

inline calc::Solution CalculateTyped(calc::InputMode mode, const std::array<double, 3> &lengths,
                                     const calc::SolveOptions &options = {})
{
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < 3; ++i) {
        char buffer[40];
        texts[i].assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, lengths[i]).ptr);
    }
    return calc::Calculate(mode, {texts[0], texts[1], texts[2]}, ".", options);
}
