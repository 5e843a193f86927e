// Runs the forms runtime's tests.

#include "form_events_test.h"
#include "form_texts_test.h"
#include "qt_test_main.h"

int main(int argc, char **argv)
{
    return RunQtTests<FormTextsTest, FormEventsTest>(argc, argv, "platform_tests");
}
