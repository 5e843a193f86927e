// The window module's entry: the window, running until it is closed.

#include "application.h"
#include "main_form.h"
#include "window_module.h"

__attribute__((visibility("default"))) int bisectors_window_main(int argc, char **argv)
{
    const auto application = platform::StartApplication(argc, argv, "bisectors", BISECTORS_VERSION);
    // Lets desktops match the window with its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BISECTORS_APP_ID));
    window::MainForm form;
    form.Show();
    return application->exec();
}
