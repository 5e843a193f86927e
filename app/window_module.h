#pragma once

// The window lives in a module of its own, loaded only when the window opens, so that
// the command line starts without Qt and its libraries. The module is installed in the
// package's private library folder; the program finds it by its path relative to the
// program's own file, which holds in the build tree as in the installed package.
//
// The module is loaded into the same process, so that Qt records the program itself as
// the application (its path and arguments, as a session manager restarts it).

// The module's entry, with C linkage for dlsym: runs the window with the program's own
// argc and argv, whose Qt options Qt takes, until the window is closed. Defined in the
// module only; the program finds it with dlsym.
// NOLINTNEXTLINE(readability-identifier-naming): a C symbol, named as C names them
extern "C" int bisectors_window_main(int argc, char **argv);

namespace app
{

using WindowEntry = decltype(bisectors_window_main);
inline constexpr const char *kWindowEntryName = "bisectors_window_main";

// Loads the module and runs the window; says why on standard error and returns 1 when
// the module cannot be loaded.
int RunWindow(int argc, char **argv);

} // namespace app
