#include "module_path.h"

#include <limits.h>
#include <unistd.h>

namespace app
{

std::string ModulePath(std::string_view relative)
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    std::string path(self, static_cast<std::size_t>(length));
    path.erase(path.rfind('/') + 1);
    path += relative;
    return path;
}

} // namespace app
