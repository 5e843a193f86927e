#include "window_module.h"

#include "module_path.h"

#include <dlfcn.h>
#include <stdio.h>
#include <string>

namespace app
{

int RunWindow(int argc, char **argv)
{
    const std::string path = ModulePath(BISECTORS_WINDOW_MODULE);
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
