// The program's entry: with arguments, the command line; without, the window, running
// until it is closed.

#include "application.h"
#include "command_line.h"
#include "main_form.h"

#include <QLocale>

#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc > 1) {
        const std::string separator = QLocale::system().decimalPoint().toStdString();
        return app::RunCommandLine({argv + 1, argv + argc}, BISECTORS_VERSION, separator,
                                   STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO);
    }
    const auto application = platform::StartApplication(argc, argv, "bisectors", BISECTORS_VERSION);
    // Lets desktops match the window with its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BISECTORS_APP_ID));
    window::MainForm form;
    form.Show();
    return application->exec();
}
