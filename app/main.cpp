// The program's entry: the command line, which answers without loading any toolkit, or the
// window, loaded from its module when there are no arguments or Qt's options are given.

#include "command_line.h"
#include "decimal_separator.h"
#include "qt_options.h"
#include "window_module.h"

#include <span>
#include <unistd.h>

int main(int argc, char **argv)
{
    const std::span<const char *const> arguments(argv + 1, argv + argc);
    if (app::OpensWindow(arguments))
        return app::RunWindow(argc, argv);
    return app::RunCommandLine(arguments, BISECTORS_VERSION, app::LocaleDecimalSeparator(),
                               STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO);
}
