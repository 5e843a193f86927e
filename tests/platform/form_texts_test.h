#pragma once

#include <QObject>

// The forms runtime builds the described window and keeps its texts: geometry, colours,
// fonts, captions, list items, and text boxes that read back exactly what was set.
class FormTextsTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs each private slot as a test; they take Qt's camelBack names, with
    // "_data" for a test's table of rows.
    // NOLINTBEGIN(readability-identifier-naming)
    void windowFollowsItsDescription();
    void controlsArePlacedInPixels_data();
    void controlsArePlacedInPixels();
    void controlsHaveTheirColours_data();
    void controlsHaveTheirColours();
    void hiddenControlsNeverShow();
    void textReadsBackExactlyAsSet_data();
    void textReadsBackExactlyAsSet();
    void multiLineBoxShowsEachLineEndAsALineBreak_data();
    void multiLineBoxShowsEachLineEndAsALineBreak();
    void typedTextReadsWithCrLf_data();
    void typedTextReadsWithCrLf();
    void lockedBoxRefusesTypingButCopies();
    void captionNamesItsTextBox();
    void listItems_data();
    void listItems();
    void pictureIsPaintedInsideItsBorder();
    // NOLINTEND(readability-identifier-naming)
};
