#include "controls.h"

#include <QIconEngine>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <qdrawutil.h>

#include <algorithm>
#include <utility>

namespace platform
{
namespace
{

// The focus frame's colour, dark navy: at least 5:1 against the window's lavender, the
// orange of its labels and options, the green and red of its buttons and white.
const QColor kFocusColour(0x1a, 0x1a, 0x80);
constexpr int kFocusWidth = 2;

QRegion FocusRegion(const QRect &rect)
{
    return QRegion(rect).subtracted(
        rect.adjusted(kFocusWidth, kFocusWidth, -kFocusWidth, -kFocusWidth));
}

} // namespace

FocusRing::FocusRing(QWidget *control) : QFocusFrame(control)
{
    hide();
    control->installEventFilter(this);
}

void FocusRing::Paint(QPainter &painter, const QRect &rect)
{
    for (const QRect &part : FocusRegion(rect))
        painter.fillRect(part, kFocusColour);
}

void FocusRing::Fit()
{
    setGeometry(parentWidget()->rect());
    setMask(FocusRegion(rect())); // what the control draws inside shows through untouched
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        switch (event->type()) {
        case QEvent::FocusIn:
            Fit();
            raise();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Resize:
            Fit();
            break;
        default:
            break;
        }
    }
    return QFocusFrame::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter, rect());
}

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!setting_)
            text_ = toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    });
}

void TextBox::SetText(const QString &text)
{
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setting_ = true;
    setPlainText(shown);
    setting_ = false;
}

void TextBox::ShowEnd()
{
    QTextBlock last = document()->lastBlock();
    while (last.text().isEmpty() && last.previous().isValid())
        last = last.previous();
    QTextCursor end(last);
    end.movePosition(QTextCursor::EndOfBlock);
    // The scroll bar counts lines.
    QScrollBar *bar = verticalScrollBar();
    while (!viewport()->rect().contains(cursorRect(end)) && bar->value() < bar->maximum())
        bar->setValue(bar->value() + 1);
}

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    setAutoExclusive(true);
}

void OptionButton::Clear()
{
    // The selected button of a group refuses to clear while the group is exclusive.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

bool OptionButton::IsTabStop() const
{
    if (isChecked())
        return true;
    const auto group = parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    return std::none_of(group.begin(), group.end(),
                        [](const OptionButton *button) { return button->isChecked(); });
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<OptionButton *> group;
    for (OptionButton *button :
         parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
        if (button == this || (!button->isHidden() && button->isEnabled()))
            group.append(button);
    std::stable_sort(group.begin(), group.end(), [](const auto *left, const auto *right) {
        return left->property("tabIndex").toInt() < right->property("tabIndex").toInt();
    });
    const auto count = group.size();
    OptionButton *next = group[(group.indexOf(this) + step + count) % count];
    if (next == this)
        return;
    next->click();
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

bool OptionButton::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (!focused)
        return;
    FocusRing::Paint(painter, rect());
    // The frame passes behind the round indicator at the left edge.
    option.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
}

Frame::Frame(const QString &caption, QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setProperty("caption", caption);
}

HiddenControl::HiddenControl(const QString &text, QStringList items, QWidget *parent)
    : QWidget(parent), text_(text), items_(std::move(items))
{
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Qt's push button takes Enter only as a default button; here it is a press, once
    // for a key held down.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool down = isDown();
    const QBrush fill = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), down, &fill);

    QRect inside = rect().adjusted(4, 3, -4, -3);
    if (down)
        inside.translate(1, 1);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(inside, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus())
        FocusRing::Paint(painter, rect().adjusted(2, 2, -2, -2)); // inside the 3D edge
}

PictureBox::PictureBox(PaintFunction picture, QWidget *parent)
    : QWidget(parent), picture_(std::move(picture))
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    if (picture_) {
        painter.setClipRect(inside);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        picture_(painter, QRectF(inside));
    }
}

namespace
{

class PaintedIconEngine : public QIconEngine
{
public:
    explicit PaintedIconEngine(PaintFunction paint) : paint_(std::move(paint)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        paint_(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    // On X11 every size offered here is painted and sent to the server before the
    // window maps, so only the sizes title bars and task switchers use are offered;
    // larger pictures come from the installed icon theme.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 32, 48})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(paint_); }
    QString key() const override { return QStringLiteral("painted"); }

private:
    PaintFunction paint_;
};

} // namespace

QIcon PaintedIcon(PaintFunction paint)
{
    return QIcon(new PaintedIconEngine(std::move(paint)));
}

} // namespace platform
