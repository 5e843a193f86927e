// The program's entry: the window when there are no arguments or Qt's options are given,
// running until it is closed; otherwise the command line.

#include "application.h"
#include "command_line.h"
#include "main_form.h"
#include "qt_options.h"

#include <QLocale>

#include <span>
#include <unistd.h>

int main(int argc, char **argv)
{
    const std::span<const char *const> arguments(argv + 1, argv + argc);
    if (!app::OpensWindow(arguments)) {
        const std::string separator = QLocale::system().decimalPoint().toStdString();
        return app::RunCommandLine(arguments, BISECTORS_VERSION, separator, STDIN_FILENO,
                                   STDOUT_FILENO, STDERR_FILENO);
    }
    const auto application = platform::StartApplication(argc, argv, "bisectors", BISECTORS_VERSION);
    // Lets desktops match the window with its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BISECTORS_APP_ID));
    window::MainForm form;
    form.Show();
    return application->exec();
}
