#pragma once

// The decimal separator of the user's locale, from the C library, for the command line,
// which loads no toolkit. It is the one the window takes from Qt under the same
// environment (LC_ALL, then LC_NUMERIC, then LANG): a comma under a Bulgarian locale, a
// point under C.UTF-8.

#include <string>

namespace app
{

// Sets the C library's numeric locale from the environment and returns its separator;
// "." when the locale is unknown to the C library.
std::string LocaleDecimalSeparator();

} // namespace app
