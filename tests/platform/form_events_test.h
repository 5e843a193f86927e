#pragma once

#include <QObject>

// The forms runtime's events and option buttons: the load event, one click handler per
// control array, selecting and clearing options, and the keyboard.
class FormEventsTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs each private slot as a test; they take Qt's camelBack names, with
    // "_data" for a test's table of rows.
    // NOLINTBEGIN(readability-identifier-naming)
    void loadIsDeliveredOnceBeforeTheWindowShows();
    void optionOperations_data();
    void optionOperations();
    void selectionIsMadeBeforeItsClickAndTheClickBeforeReturning();
    void userClicksOnOptions_data();
    void userClicksOnOptions();
    void spaceSelectsTheFocusedOption();
    void pushButtonsDeliverTheirIndex_data();
    void pushButtonsDeliverTheirIndex();
    void enterInASingleLineBoxPressesTheDefaultButton_data();
    void enterInASingleLineBoxPressesTheDefaultButton();
    void tabFollowsTheTabIndices_data();
    void tabFollowsTheTabIndices();
    void focusSetBeforeShowingIsKept();
    // NOLINTEND(readability-identifier-naming)
};
