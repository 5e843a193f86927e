#pragma once

// A value written exactly, as a student writes it: n√r/d in lowest terms, r square-free
// ("4√10/3", "√3", "400√231/231", "12/5", "8"), its parts as numbers.

#include "exact_arithmetic.h"

#include <optional>
#include <string>

namespace calc::exact
{

// n√r/d: d > 0, r ≥ 1 square-free (1 for a rational), n and d coprime; the sign is n's.
struct Surd {
    Integer n = 0;
    Integer r = 1;
    Integer d = 1;

    bool Rational() const { return r == 1; }
    bool operator==(const Surd &) const = default;
};

// The longest exact form written; a longer one helps no student.
inline constexpr std::size_t kMaxFormLength = 40;

// The form of a known value, when it is at most kMaxFormLength characters long and, for a
// root, the square-free part of its square can be found quickly (none when it has a factor
// of three or more primes above 65536).
std::optional<Surd> FormOf(const Quadratic &value);

// The form as text: "−4√10/3", "12/5".
std::string FormText(const Surd &form);

// n = square² · rest with rest square-free, n ≥ 1; false when that cannot be settled quickly
// (a factor of three or more primes above 65536 is left).
bool SplitSquare(Integer n, Integer &square, Integer &rest);

// The decimal digits of a whole number, with a minus sign when it is negative.
std::string IntegerText(const Integer &n);

} // namespace calc::exact
