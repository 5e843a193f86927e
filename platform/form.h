#pragma once

// The platform layer: a thin forms runtime over Qt Widgets.
//
// A window is described declaratively (form_description.h): a table of controls, each
// a member of a named control array, placed in twips (15 to a logical pixel; Qt's
// high-DPI scaling does the rest). Form builds the window from that table and offers
// the program the few operations it needs: read and replace a text box's text (CR LF
// kept exactly as set), replace a label's caption, read an item of a hidden list, select
// or clear an option button, move the keyboard focus, speak a text to screen readers;
// and it delivers three kinds of events: the window has loaded (once, before the user
// can act), a member of a control array was clicked, and the user changed the text of a
// text box (one handler per array, called with the member's index). Screen readers get
// names and roles from the same description (accessibility.h).
//
// The window module (window/) describes the main window and handles these events; it
// reaches Qt only through this layer. application.h starts the Qt application itself.

#include "form_description.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QPushButton;

namespace platform
{

class Announcer;

class Form : public QWidget
{
public:
    explicit Form(const FormDescription &description, QWidget *parent = nullptr);

    // Text boxes: the text exactly as typed or last set, CR LF included.
    QString Text(const char *name, int index) const;
    void SetText(const char *name, int index, const QString &text);

    // Scrolls a multi-line text box as little as it takes to show the end of its text;
    // the caret stays.
    void ShowEnd(const char *name, int index);

    // Labels.
    void SetCaption(const char *name, int index, const QString &caption);

    // Item `item` of a list box.
    QString ListItem(const char *name, int index, int item) const;

    // Option buttons: at most one of those in a container is selected. Clearing is
    // silent; selecting one that was not selected clears the others and delivers its
    // click, as a user's click would, before returning. So does every other way a button
    // becomes selected: a click, Space, an arrow key, a screen reader's action.
    void SetOptionValue(const char *name, int index, bool selected);

    // Gives the keyboard focus to a control (when the window is active).
    void SetFocusTo(const char *name, int index);

    // Event handlers: one per control array for clicks and for the text of a text box
    // changed by the user (typing, pasting, assistive technology; not SetText), one for
    // the load event.
    void OnClick(const char *name, std::function<void(int)> handler);
    void OnTextChanged(const char *name, std::function<void(int, const QString &)> handler);
    void OnLoad(std::function<void()> handler);

    // Speaks a text to screen readers, wherever the focus is; an empty text is not spoken
    // but takes the last one away, so that screen readers find nothing of it.
    void Announce(const QString &text);
    QString LastAnnouncement() const; // as spoken: line breaks as LF

    // Delivers the load event, the first time only, then shows the window.
    void Show();

protected:
    // Tab and Shift+Tab walk the controls in the order of their tab indices; the option
    // buttons of a container are one stop, at the lowest tab index among them.
    bool focusNextPrevChild(bool next) override;

private:
    QWidget *Control(const char *name, int index) const;
    static QString TextOf(QWidget *widget);
    void Build(const FormDescription &description);
    QWidget *Create(const ControlDescription &control, QWidget *parent);
    void Place(QWidget *widget, const ControlDescription &control) const;
    void SetTabOrder(const FormDescription &description);
    void Click(const std::string &name, int index);
    void TextChanged(const std::string &name, int index, const QString &text);

    QHash<QString, QWidget *> controls_;          // by object name
    std::map<std::string, std::string> labelled_; // label array -> text box array
    std::map<std::string, std::function<void(int)>> clickHandlers_;
    std::map<std::string, std::function<void(int, const QString &)>> textHandlers_;
    std::function<void()> loadHandler_;
    std::vector<QWidget *> tabOrder_; // controls that Tab can reach, by tab index
    QPushButton *defaultButton_ = nullptr;
    bool setting_ = false; // SetText at work: its change is no user's
    Announcer *announcer_ = nullptr;
    bool loaded_ = false;
};

// The object name of member `index` of control array `name`, such as "Text2_0".
QString ObjectName(const char *name, int index);

} // namespace platform
