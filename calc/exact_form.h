#pragma once

// A value written exactly, as a student writes it: n√r/d in lowest terms, r square-free
// ("4√10/3", "√3", "400√231/231", "12/5", "8").

#include "exact.h"

#include <string>

namespace calc::exact
{

// The longest exact form written; a longer one helps no student.
inline constexpr std::size_t kMaxFormLength = 40;

// A positive rational as n/d (or n).
std::string RationalText(const Rational &value);

// The square root of a positive rational as n√r/d. Empty when it would be longer than
// kMaxFormLength characters, or when the square-free part of its square cannot be found
// quickly (a factor of three or more primes above 65536).
std::string RootText(const Rational &square);

} // namespace calc::exact
