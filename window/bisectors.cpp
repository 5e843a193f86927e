// The program's entry: start Qt, open the main window, run until it is closed.

#include "application.h"
#include "main_form.h"

int main(int argc, char **argv)
{
    const auto application = platform::StartApplication(argc, argv, "bisectors", BISECTORS_VERSION);
    // Lets desktops match the window with its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BISECTORS_APP_ID));
    window::MainForm form;
    form.Show();
    return application->exec();
}
