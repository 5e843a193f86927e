#pragma once

#include <QObject>

// The window by keyboard and for screen readers: focus and how it shows, tab order, the kinds as
// one radio group, Enter, copying the result box, the input boxes' accessible names, and Qt's own
// context menus in Bulgarian.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
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
};
