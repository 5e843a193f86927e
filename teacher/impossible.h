#pragma once

// Exercises without a triangle, each impossible in a way worth a lesson.

#include "problems.h"

#include <vector>

namespace teacher
{

enum class Flaw {
    Equal,         // one length exactly the sum of the other two: 3, 4, 7
    TooLong,       // one clearly longer than the other two together
    DecimalSum,    // decimals whose sum is exactly the third (0,1 + 0,2 = 0,3), which a
                   // calculation in binary fractions takes for a thin triangle
    NegativeSquare // medians: 2m_b² + 2m_c² < m_a², the side's radicand negative
};

// The flaws of a kind, in a fixed order. For altitudes they are those of the reciprocals:
// 1/h_a = 1/h_b + 1/h_c, 1/h_a more than that, and decimals whose reciprocals add up.
const std::vector<Flaw> &Flaws(calc::InputMode mode);

// A triple of the kind with the flaw, its lengths of the level's sort.
Triple Impossible(calc::InputMode mode, Flaw flaw, int level, Random &random);

} // namespace teacher
