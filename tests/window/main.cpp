// Runs the main window's tests.

#include "behaviour_test.h"
#include "keyboard_test.h"
#include "layout_test.h"
#include "qt_test_main.h"

int main(int argc, char **argv)
{
    return RunQtTests<LayoutTest, BehaviourTest, KeyboardTest>(argc, argv, "window_tests");
}
