// Runs the forms runtime's tests, without a display unless QT_QPA_PLATFORM says otherwise.

#include "form_events_test.h"
#include "form_texts_test.h"

#include "application.h"

#include <QTest>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = platform::StartApplication(argc, argv, "platform_tests", "0");

    int failures = 0;
    FormTextsTest texts;
    failures += QTest::qExec(&texts, argc, argv);
    FormEventsTest events;
    failures += QTest::qExec(&events, argc, argv);
    return failures == 0 ? 0 : 1;
}
