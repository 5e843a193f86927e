#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <functional>
#include <optional>
#include <vector>

namespace platform
{

// What a control is. A text box with `MultiLine` shows several lines and a vertical
// scroll bar; a list box is only ever used hidden, as a table of texts.
enum class ControlKind { Label, Frame, OptionButton, TextBox, ListBox, CommandButton, PictureBox };

// Switches a control may have, combined with |.
enum ControlFlag : unsigned {
    NoFlags = 0,
    Hidden = 1u << 0,    // never shown; its texts and items can still be read
    MultiLine = 1u << 1, // text box: several lines, wrapped, with a vertical scroll bar
    Locked = 1u << 2,    // text box: the user can select and copy but not type
    Centered = 1u << 3,  // label: caption centred horizontally
    Default = 1u << 4,   // push button: Enter in a single-line text box presses it
    Announced = 1u << 5, // text box: its new texts are read out to screen readers (the
                         // program says when, through Form::Announce in the window)
};

// Paints a picture into the given rectangle (logical pixels), at any scale.
using PaintFunction = std::function<void(QPainter &, const QRectF &)>;

// One member of a control array. Positions and sizes are in twips, 15 to a logical
// pixel, from the top left of the window's client area or of the frame named `container`.
struct ControlDescription {
    ControlKind kind;
    const char *name; // array name; the member's object name is name + "_" + index
    int index;
    int left, top, width, height;
    int tabIndex;                     // place in the keyboard focus order
    std::optional<QColor> background; // none: the control's usual colours
    const char *text;                 // caption or text, UTF-8; lines end with CR LF
    const char *container = nullptr;  // name of the frame that holds it (index 0)
    unsigned flags = NoFlags;
    std::vector<const char *> items = {}; // list box items, UTF-8
    PaintFunction picture = {};           // picture box contents
};

// Label array `label` names the text box array `box`: member i of the one is the
// visible name of member i of the other, also for screen readers.
struct LabelPair {
    const char *label;
    const char *box;
};

// What a screen reader says of a control that shows no text of its own to name it (a
// frame without a caption, the result box, a picture): its name, and for a picture
// the picture read out in words.
struct SpokenText {
    const char *name; // control array
    int index;
    const char *text; // UTF-8
};

// A whole window: size of the client area in twips, colours, font, title, language, icon
// and controls.
struct FormDescription {
    const char *name;
    int width, height;
    QColor background;
    const char *fontFamily;
    int fontPointSize;
    const char *title;    // UTF-8
    const char *language; // of the window's texts, such as "bg"; Qt's own texts follow it
    PaintFunction icon;
    std::vector<ControlDescription> controls;
    std::vector<LabelPair> labels = {};
    std::vector<SpokenText> spoken = {};
};

// Twips to logical pixels.
constexpr int Pixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace platform
