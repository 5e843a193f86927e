#pragma once

// Where the program's modules are (the window's, the documents'): in the package's private
// library folder, found by their paths relative to the program's own file, which hold in
// the build tree as in the installed package.

#include <string>
#include <string_view>

namespace app
{

// The path of the module at `relative` to the folder of the running program's file; empty
// when that file cannot be found: a path relative to the current folder could load
// whatever lies there.
std::string ModulePath(std::string_view relative);

} // namespace app
