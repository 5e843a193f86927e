#include "accessibility.h"

#include "controls.h"
#include "form.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QTextCursor>

#include <algorithm>

namespace platform
{
namespace
{

// A window or a frame: its children are the controls that show, and a window's announcer.
class ContainerAccessible : public QAccessibleWidget
{
public:
    ContainerAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return static_cast<int>(Children().size()); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }
    QAccessibleInterface *child(int index) const override
    {
        const QObjectList children = Children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

private:
    QObjectList Children() const
    {
        QObjectList shown;
        for (QObject *child : widget()->children()) {
            const auto *control = qobject_cast<QWidget *>(child);
            if ((control && !control->isWindow() && !control->isHidden()) ||
                dynamic_cast<Announcer *>(child))
                shown.append(child);
        }
        return shown;
    }
};

// A multi-line text box's text: read, selected and searched through the text interface;
// changed through the editable-text interface only while the user may type into it.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !Box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.selectableText = true;
        state.readOnly = Box()->isReadOnly();
        state.editable = !state.readOnly;
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? Shown() : QAccessibleWidget::text(kind);
    }

    // Selection and cursor.
    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = Box()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return Box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = Box()->textCursor();
        cursor.setPosition(Clamp(start));
        cursor.setPosition(Clamp(end), QTextCursor::KeepAnchor);
        Box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Box()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    // Text and geometry.
    QString text(int start, int end) const override
    {
        return Shown().mid(Clamp(start), Clamp(end) - Clamp(start));
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(Box()->document());
        cursor.setPosition(Clamp(offset));
        QRect rect = Box()->cursorRect(cursor);
        rect.setWidth(Box()->fontMetrics().horizontalAdvance(text(offset, offset + 1)));
        rect.moveTopLeft(Box()->viewport()->mapToGlobal(rect.topLeft()));
        return rect;
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = Box()->viewport()->mapFromGlobal(point);
        return Box()->viewport()->rect().contains(inside)
                   ? Box()->cursorForPosition(inside).position()
                   : -1;
    }
    void scrollToSubstring(int start, int) override
    {
        setCursorPosition(start);
        Box()->ensureCursorVisible();
    }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // Editing, offered only while the box is not locked.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (Box()->isReadOnly())
            return;
        QTextCursor cursor(Box()->document());
        cursor.setPosition(Clamp(start));
        cursor.setPosition(Clamp(end), QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }

private:
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-static-cast-downcast): made for a TextBox only
    TextBox *Box() const { return static_cast<TextBox *>(widget()); }
    QString Shown() const { return Box()->toPlainText(); }
    int Clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

// The announcer: a notification whose showing makes screen readers speak its text.
class AnnouncerAccessible : public QAccessibleObject
{
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-static-cast-downcast): made for an Announcer
        return kind == QAccessible::Name ? static_cast<Announcer *>(object())->Text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = text(QAccessible::Name).isEmpty();
        return state;
    }
};

QAccessibleInterface *Describe(const QString &, QObject *object)
{
    if (auto *announcer = dynamic_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    if (!object->isWidgetType())
        return nullptr;
    if (auto *form = dynamic_cast<Form *>(object))
        return new ContainerAccessible(form, QAccessible::Window);
    if (auto *frame = dynamic_cast<Frame *>(object))
        return new ContainerAccessible(frame, QAccessible::Grouping);
    if (auto *box = dynamic_cast<TextBox *>(object))
        return new TextBoxAccessible(box);
    if (auto *picture = dynamic_cast<PictureBox *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(Describe);
}

void Announcer::Say(const QString &text)
{
    text_ = text;
    text_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!QAccessible::isActive())
        return;
    // Hidden, then shown again: every announcement is a new notification.
    QAccessibleEvent hide(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
}

void Announcer::Silence()
{
    text_.clear();
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent hide(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
}

} // namespace platform
