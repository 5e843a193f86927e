#pragma once

// The main function of the Qt Test programs: runs the given test classes in one
// application, without a display unless QT_QPA_PLATFORM says otherwise.

#include "application.h"

#include <QTest>

template<typename... Tests> int RunQtTests(int argc, char **argv, const char *name)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = platform::StartApplication(argc, argv, name, "0");

    int failures = 0;
    const auto run = [&](auto &&test) { failures += QTest::qExec(&test, argc, argv); };
    (run(Tests()), ...);
    return failures == 0 ? 0 : 1;
}
