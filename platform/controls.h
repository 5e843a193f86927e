#pragma once

// The few control classes the forms runtime needs beyond plain Qt widgets.

#include "form_description.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

#include <functional>

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

private:
    QString text_;
    bool setting_ = false;
};

// An option button that never clears itself when clicked: a click on an unselected
// button asks `select` to select it, and a click on the selected one does nothing.
class OptionButton : public QRadioButton
{
public:
    OptionButton(const QString &caption, std::function<void()> select, QWidget *parent);

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint &position) const override; // the whole coloured area

private:
    std::function<void()> select_;
};

// A push button drawn flat in its own background colour with a raised 3D edge, the
// same on every desktop style.
class CommandButton : public QPushButton
{
public:
    CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

protected:
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
