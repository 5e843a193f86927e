#pragma once

// Which runs of the program open the window: those without arguments, and those given
// one of Qt's own options, such as the "-session ID" with which a session manager
// restarts the program, or "-platform offscreen". Those arguments are Qt's, and the
// window hands them to it; every other run is the command line's.

#include <span>

namespace app
{

// True when `arguments` (the program name left out) are empty or hold an option that Qt
// takes before the "--" that ends the options. Qt's options are single-dash words, in
// their exact spelling, so that "-5" stays a number and "--style" an unknown option.
bool OpensWindow(std::span<const char *const> arguments);

} // namespace app
