#pragma once

#include <QObject>

// The window as it is built: size, title, font, and every control's place, colour,
// caption and list items; texts that fit; the formula picture and its words; the result
// box's scrolling.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs each private slot as a test; they take Qt's camelBack names, with
    // "_data" for a test's table of rows.
    // NOLINTBEGIN(readability-identifier-naming)
    void window();
    void controls_data();
    void controls();
    void captions_data();
    void captions();
    void captionsFitTheirControls();
    void listsHoldTheLabelsOfEachKind_data();
    void listsHoldTheLabelsOfEachKind();
    void hiddenQuotation();
    void formulaPictureIsDrawnOnOrange();
    void formulaIsReadOutAsDrawn();
    void resultBoxWrapsAndScrolls();
    // NOLINTEND(readability-identifier-naming)
};
