#pragma once

// The few control classes the forms runtime needs beyond plain Qt widgets.

#include "form_description.h"

#include <QFocusFrame>
#include <QFrame>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace platform
{

// A multi-line text box. It keeps its text exactly as set, CR LF line ends included,
// and shows each line end as a line break; what the user types reads with CR LF too.
class TextBox : public QPlainTextEdit
{
public:
    explicit TextBox(QWidget *parent);
    QString Text() const { return text_; }
    void SetText(const QString &text);
    // Scrolls down as little as it takes to show the last line of the text (the empty one
    // after a final line end aside); the caret stays where it is.
    void ShowEnd();

private:
    QString text_;
    bool setting_ = false;
};

// An option button. The option buttons of one container are one group, for the user and
// for assistive technology alike: one selected at a time, a click on the selected one does
// nothing, and the arrow keys move to the previous or next button of the group in tab
// order, round the ends, selecting it as a click would.
class OptionButton : public QRadioButton
{
public:
    OptionButton(const QString &caption, QWidget *parent);
    // Clears the button without selecting another of its group.
    void Clear();
    // Tab reaches a group once, at the place of its first button in tab order: at its
    // selected button, or at each in turn while none is selected.
    bool IsTabStop() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool hitButton(const QPoint &position) const override; // the whole coloured area
    // With the focus, the focus frame round the whole button instead of the style's.
    void paintEvent(QPaintEvent *event) override;
};

// The keyboard focus made plain: a 2-pixel frame in a dark blue that stands out against
// every background of the window, inside the edge of a control, drawn over all the
// control draws (its own frame and scroll bars too) while the control has the focus. It
// is nothing of its own to the mouse or to screen readers. Option buttons and push
// buttons draw the same frame themselves (Paint).
class FocusRing : public QFocusFrame
{
public:
    explicit FocusRing(QWidget *control);

    // Paints the frame along the inside of `rect`.
    static void Paint(QPainter &painter, const QRect &rect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Fit();
};

// A frame: a sunken border round its controls; its caption is kept, not drawn.
class Frame : public QFrame
{
public:
    Frame(const QString &caption, QWidget *parent);
};

// A push button drawn flat in its own background colour with a raised 3D edge, the
// same on every desktop style, with the focus frame inside its edge when it has the
// focus. Space, Return and the keypad's Enter press it then.
class CommandButton : public QPushButton
{
public:
    CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A picture inside a sunken 2-pixel border; the picture is painted anew at every
// repaint, so it is sharp at any scale.
class PictureBox : public QWidget
{
public:
    PictureBox(PaintFunction picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PaintFunction picture_;
};

// A text box or list box that never shows: it keeps its place, name, text and items
// like any control, without the machinery for displaying or editing them.
class HiddenControl : public QWidget
{
public:
    HiddenControl(const QString &text, QStringList items, QWidget *parent);
    QString Text() const { return text_; }
    void SetText(const QString &text) { text_ = text; }
    QString Item(int item) const { return items_.value(item); }

private:
    QString text_;
    QStringList items_;
};

// An icon painted by `paint` at whatever size is asked of it.
QIcon PaintedIcon(PaintFunction paint);

} // namespace platform
