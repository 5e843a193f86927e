#include "qt_options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace app
{
namespace
{

// The options of QGuiApplication, QApplication and Qt's platform plugins, with and without
// a value; the X11 ones (-display, -geometry...) too, and older ones that Qt ignores.
constexpr std::array<std::string_view, 26> kQtOptions = {"-platform",
                                                         "-platformpluginpath",
                                                         "-platformtheme",
                                                         "-plugin",
                                                         "-qwindowgeometry",
                                                         "-qwindowicon",
                                                         "-qwindowtitle",
                                                         "-session",
                                                         "-style",
                                                         "-stylesheet",
                                                         "-reverse",
                                                         "-widgetcount",
                                                         "-testability",
                                                         "-qmljsdebugger",
                                                         "-display",
                                                         "-geometry",
                                                         "-title",
                                                         "-icon",
                                                         "-name",
                                                         "-visual",
                                                         "-nograb",
                                                         "-dograb",
                                                         "-sync",
                                                         "-fontengine",
                                                         "-dialogs",
                                                         "-graphicssystem"};

// The options that Qt also takes with their value after "=", as in "-style=fusion".
constexpr std::array<std::string_view, 5> kJoinedQtOptions = {
    "-style=", "-stylesheet=", "-qmljsdebugger=", "-fontengine=", "-dialogs="};

bool IsQtOption(std::string_view argument)
{
    return std::find(kQtOptions.begin(), kQtOptions.end(), argument) != kQtOptions.end() ||
           std::any_of(
               kJoinedQtOptions.begin(), kJoinedQtOptions.end(),
               [argument](std::string_view option) { return argument.starts_with(option); });
}

} // namespace

bool OpensWindow(std::span<const char *const> arguments)
{
    for (const char *argument : arguments) {
        if (std::string_view(argument) == "--")
            return false;
        if (IsQtOption(argument))
            return true;
    }
    return arguments.empty();
}

} // namespace app
