#include "window_module.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <string>
#include <unistd.h>

namespace app
{
namespace
{

// The module's path: its place relative to the folder of the running program's file.
// Empty when that file cannot be found: a path relative to the current folder could load
// whatever lies there.
std::string ModulePath()
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    std::string path(self, static_cast<std::size_t>(length));
    path.erase(path.rfind('/') + 1);
    return path + BISECTORS_WINDOW_MODULE;
}

} // namespace

int RunWindow(int argc, char **argv)
{
    const std::string path = ModulePath();
    if (path.empty()) {
        fprintf(stderr, "bisectors: cannot load the window: the program's own file is not found\n");
        return 1;
    }
    void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto *entry =
        module ? reinterpret_cast<WindowEntry *>(dlsym(module, kWindowEntryName)) : nullptr;
    if (entry == nullptr) {
        fprintf(stderr, "bisectors: cannot load the window: %s\n", dlerror());
        return 1;
    }
    return entry(argc, argv);
}

} // namespace app
