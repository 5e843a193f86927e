#include "form.h"

#include "accessibility.h"
#include "application.h"
#include "controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace platform
{
namespace
{

QString Utf8(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

// Gives a control its own background; text on it stays black whatever the desktop's colours.
void SetBackground(QWidget *widget, const QColor &colour, bool fill)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(fill);
}

// A control as the class its description made it. A program that asks a control for what
// another kind has (a caption of a text box, say) stops here, naming the control.
template<typename Widget> Widget *As(QWidget *control)
{
    auto *widget = dynamic_cast<Widget *>(control);
    if (!widget)
        qFatal("The control %s is of another kind than the program uses it as",
               qPrintable(control->objectName()));
    return widget;
}

} // namespace

QString ObjectName(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

Form::Form(const FormDescription &description, QWidget *parent) : QWidget(parent)
{
    Build(description);
}

void Form::Build(const FormDescription &description)
{
    InstallAccessibility();
    if (description.language)
        TranslateQt(description.language);
    setObjectName(QLatin1String(description.name));
    setWindowTitle(Utf8(description.title));
    const QSize size(Pixels(description.width), Pixels(description.height));
    // Qt 6.4 draws a Wayland window's title bar itself and offers maximise there even to a
    // window of fixed size; a compositor that holds the window to the maximised size it
    // asked for then ends the program. On Wayland the size is therefore only a minimum.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        resize(size);
        setMinimumSize(size);
    } else {
        setFixedSize(size);
    }
    // Nothing to maximise to: window managers that go by the hints show no maximise button.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    QFont font(QLatin1String(description.fontFamily), description.fontPointSize);
    font.setWeight(QFont::Normal);
    setFont(font);
    SetBackground(this, description.background, true);
    if (description.icon)
        setWindowIcon(PaintedIcon(description.icon));

    for (const ControlDescription &control : description.controls) {
        QWidget *parent = control.container ? Control(control.container, 0) : this;
        QWidget *widget = Create(control, parent);
        widget->setObjectName(ObjectName(control.name, control.index));
        Place(widget, control);
        controls_.insert(widget->objectName(), widget);
    }

    for (const LabelPair &pair : description.labels) {
        labelled_[pair.label] = pair.box;
        for (const ControlDescription &control : description.controls) {
            if (std::string(control.name) != pair.label)
                continue;
            auto *label = As<QLabel>(Control(control.name, control.index));
            QWidget *box = Control(pair.box, control.index);
            label->setBuddy(box);
            box->setAccessibleName(label->text());
        }
    }
    for (const SpokenText &spoken : description.spoken)
        Control(spoken.name, spoken.index)->setAccessibleName(Utf8(spoken.text));
    SetTabOrder(description);
    announcer_ = new Announcer(this);
}

QWidget *Form::Create(const ControlDescription &control, QWidget *parent)
{
    const QString text = Utf8(control.text);
    const std::string name = control.name;
    const int index = control.index;
    QWidget *widget = nullptr;

    QStringList items;
    for (const char *item : control.items)
        items.append(Utf8(item));
    // Hidden text and list boxes only keep their texts: no display machinery.
    const bool hidden = control.flags & Hidden;

    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        const Qt::Alignment horizontal =
            (control.flags & Centered) ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignVCenter);
        widget = label;
        break;
    }
    case ControlKind::Frame:
        widget = new Frame(text, parent);
        break;
    case ControlKind::OptionButton: {
        // Whatever selects a button, a click, a key, assistive technology or the program,
        // its click is delivered from here, once.
        auto *option = new OptionButton(text, parent);
        connect(option, &OptionButton::toggled, this, [this, name, index](bool selected) {
            if (selected)
                Click(name, index);
        });
        widget = option;
        break;
    }
    case ControlKind::TextBox:
        if (hidden) {
            widget = new HiddenControl(text, items, parent);
        } else if (control.flags & MultiLine) {
            auto *box = new TextBox(parent);
            box->SetText(text);
            if (control.flags & Locked) {
                box->setReadOnly(true);
                box->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
            }
            widget = box;
        } else {
            auto *line = new QLineEdit(text, parent);
            line->setReadOnly(control.flags & Locked);
            // Typed, pasted or written by assistive technology; not set by the program.
            connect(line, &QLineEdit::textChanged, this, [this, name, index](const QString &t) {
                if (!setting_)
                    TextChanged(name, index, t);
            });
            connect(line, &QLineEdit::returnPressed, this, [this] {
                if (defaultButton_)
                    defaultButton_->click();
            });
            widget = line;
        }
        break;
    case ControlKind::ListBox:
        if (hidden) {
            widget = new HiddenControl(text, items, parent);
        } else {
            auto *list = new QListWidget(parent);
            list->addItems(items);
            widget = list;
        }
        break;
    case ControlKind::CommandButton: {
        auto *button = new CommandButton(text, parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, name, index] { Click(name, index); });
        if (control.flags & Default)
            defaultButton_ = button;
        widget = button;
        break;
    }
    case ControlKind::PictureBox:
        widget = new PictureBox(control.picture, parent);
        break;
    }

    if (control.background) {
        const bool fill = control.kind != ControlKind::CommandButton;
        SetBackground(widget, *control.background, fill);
    }
    if (hidden)
        widget->hide();
    // Every control the keyboard reaches shows plainly that it has the focus; option
    // buttons and push buttons draw that themselves.
    const bool drawsItsFocus =
        control.kind == ControlKind::OptionButton || control.kind == ControlKind::CommandButton;
    if (!hidden && (widget->focusPolicy() & Qt::TabFocus) && !drawsItsFocus)
        new FocusRing(widget);
    widget->setProperty("tabIndex", control.tabIndex);
    return widget;
}

void Form::Place(QWidget *widget, const ControlDescription &control) const
{
    widget->setGeometry(Pixels(control.left), Pixels(control.top), Pixels(control.width),
                        Pixels(control.height));
}

// The option buttons of one container are one stop for Tab, at the place of the first of
// them, whatever their own tab indices; within the group they keep the order of theirs.
void Form::SetTabOrder(const FormDescription &description)
{
    std::map<std::string, int> groupPlace; // container -> lowest tab index of its options
    for (const ControlDescription &control : description.controls) {
        if (control.kind != ControlKind::OptionButton)
            continue;
        const auto [place, added] =
            groupPlace.try_emplace(control.container ? control.container : "", control.tabIndex);
        if (!added)
            place->second = std::min(place->second, control.tabIndex);
    }
    const auto placeOf = [&](const ControlDescription *control) {
        if (control->kind != ControlKind::OptionButton)
            return control->tabIndex;
        return groupPlace.at(control->container ? control->container : "");
    };
    std::vector<const ControlDescription *> order;
    for (const ControlDescription &control : description.controls)
        order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [&](const auto *left, const auto *right) {
        return std::pair(placeOf(left), left->tabIndex) <
               std::pair(placeOf(right), right->tabIndex);
    });
    for (const ControlDescription *control : order) {
        QWidget *widget = Control(control->name, control->index);
        if (!(control->flags & Hidden) && (widget->focusPolicy() & Qt::TabFocus))
            tabOrder_.push_back(widget);
    }
}

bool Form::focusNextPrevChild(bool next)
{
    const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
    if (count == 0)
        return QWidget::focusNextPrevChild(next);
    QWidget *current = focusWidget();
    while (current && current->focusProxy())
        current = current->focusProxy();
    const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), current);
    std::ptrdiff_t position =
        found == tabOrder_.end() ? (next ? -1 : count) : found - tabOrder_.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        position = ((next ? position + 1 : position - 1) + count) % count;
        QWidget *candidate = tabOrder_[static_cast<std::size_t>(position)];
        const auto *option = dynamic_cast<OptionButton *>(candidate);
        if (candidate->isVisible() && candidate->isEnabled() && (!option || option->IsTabStop())) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

QWidget *Form::Control(const char *name, int index) const
{
    QWidget *widget = controls_.value(ObjectName(name, index));
    if (!widget)
        qFatal("The window has no control %s(%d)", name, index);
    return widget;
}

QString Form::Text(const char *name, int index) const
{
    return TextOf(Control(name, index));
}

QString Form::TextOf(QWidget *widget)
{
    if (auto *box = dynamic_cast<TextBox *>(widget))
        return box->Text();
    if (auto *hidden = dynamic_cast<HiddenControl *>(widget))
        return hidden->Text();
    return As<QLineEdit>(widget)->text();
}

void Form::SetText(const char *name, int index, const QString &text)
{
    QWidget *widget = Control(name, index);
    if (TextOf(widget) == text)
        return; // nothing to redraw, and the caret stays where the user left it
    setting_ = true;
    if (auto *box = dynamic_cast<TextBox *>(widget))
        box->SetText(text);
    else if (auto *hidden = dynamic_cast<HiddenControl *>(widget))
        hidden->SetText(text);
    else
        As<QLineEdit>(widget)->setText(text);
    setting_ = false;
}

void Form::ShowEnd(const char *name, int index)
{
    As<TextBox>(Control(name, index))->ShowEnd();
}

void Form::SetCaption(const char *name, int index, const QString &caption)
{
    As<QLabel>(Control(name, index))->setText(caption);
    const auto pair = labelled_.find(name);
    if (pair != labelled_.end())
        Control(pair->second.c_str(), index)->setAccessibleName(caption);
}

QString Form::ListItem(const char *name, int index, int item) const
{
    QWidget *widget = Control(name, index);
    if (auto *hidden = dynamic_cast<HiddenControl *>(widget))
        return hidden->Item(item);
    const QListWidgetItem *entry = As<QListWidget>(widget)->item(item);
    return entry ? entry->text() : QString();
}

void Form::SetOptionValue(const char *name, int index, bool selected)
{
    auto *button = As<OptionButton>(Control(name, index));
    if (selected)
        button->setChecked(true); // clears the others, then delivers the click
    else
        button->Clear();
}

void Form::SetFocusTo(const char *name, int index)
{
    Control(name, index)->setFocus(Qt::OtherFocusReason);
}

void Form::OnClick(const char *name, std::function<void(int)> handler)
{
    clickHandlers_[name] = std::move(handler);
}

void Form::OnLoad(std::function<void()> handler)
{
    loadHandler_ = std::move(handler);
}

void Form::Show()
{
    if (!loaded_) {
        loaded_ = true;
        if (loadHandler_)
            loadHandler_();
    }
    show();
}

void Form::OnTextChanged(const char *name, std::function<void(int, const QString &)> handler)
{
    textHandlers_[name] = std::move(handler);
}

void Form::Announce(const QString &text)
{
    if (!text.isEmpty())
        announcer_->Say(text);
    else if (!announcer_->Text().isEmpty())
        announcer_->Silence();
}

QString Form::LastAnnouncement() const
{
    return announcer_->Text();
}

void Form::Click(const std::string &name, int index)
{
    const auto handler = clickHandlers_.find(name);
    if (handler == clickHandlers_.end() || !handler->second)
        return;
    const auto call = handler->second; // the handler may replace itself
    call(index);
}

void Form::TextChanged(const std::string &name, int index, const QString &text)
{
    const auto handler = textHandlers_.find(name);
    if (handler != textHandlers_.end() && handler->second)
        handler->second(index, text);
}

} // namespace platform
