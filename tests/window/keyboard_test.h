#pragma once

#include <QObject>

// The window by keyboard and for screen readers: focus and how it shows, tab order, the kinds as
// one radio group, Enter, copying the result box, the input boxes' accessible names, and Qt's own
// context menus in Bulgarian.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs each private slot as a test; they take Qt's camelBack names, with
    // "_data" for a test's table of rows.
    // NOLINTBEGIN(readability-identifier-naming)
    void focusStartsInTheFirstInputBox();
    void focusIsPlainOnEveryControl_data();
    void focusIsPlainOnEveryControl();
    void tabReachesTheKindsOnceAtTheSelectedOne_data();
    void tabReachesTheKindsOnceAtTheSelectedOne();
    void arrowKeysSelectAsTheyMove_data();
    void arrowKeysSelectAsTheyMove();
    void enterInAnInputBoxPressesCalculate_data();
    void enterInAnInputBoxPressesCalculate();
    void keysPressTheFocusedButton_data();
    void keysPressTheFocusedButton();
    void resultBoxCanBeCopiedButNotTypedInto_data();
    void resultBoxCanBeCopiedButNotTypedInto();
    void inputBoxesAreNamedByTheirLabels_data();
    void inputBoxesAreNamedByTheirLabels();
    void contextMenusAreBulgarian_data();
    void contextMenusAreBulgarian();
    // NOLINTEND(readability-identifier-naming)
};
