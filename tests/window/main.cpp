// Runs the main window's tests, without a display unless QT_QPA_PLATFORM says otherwise.

#include "behaviour_test.h"
#include "keyboard_test.h"
#include "layout_test.h"

#include "application.h"

#include <QTest>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = platform::StartApplication(argc, argv, "window_tests", "0");

    int failures = 0;
    LayoutTest layout;
    failures += QTest::qExec(&layout, argc, argv);
    BehaviourTest behaviour;
    failures += QTest::qExec(&behaviour, argc, argv);
    KeyboardTest keyboard;
    failures += QTest::qExec(&keyboard, argc, argv);
    return failures == 0 ? 0 : 1;
}
