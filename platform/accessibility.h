#pragma once

// What assistive technology (screen readers, through AT-SPI on Linux) sees of a form.
//
// Qt describes plain widgets generically; for the forms runtime's own classes this adds
// what they are: the window a frame named by its title, a frame of option buttons a
// grouping, a picture an image, a locked multi-line text box text that can be read and
// selected but not changed through any interface. Hidden controls are left out, and a
// window carries an announcer that makes screen readers speak a text without moving the
// keyboard focus.

#include <QObject>
#include <QString>

namespace platform
{

// Makes Qt ask this module first for the accessible description of the runtime's classes.
void InstallAccessibility();

// Speaks a text to screen readers without moving the focus: it shows, to assistive
// technology only, as a notification holding the text.
class Announcer : public QObject
{
public:
    explicit Announcer(QObject *parent) : QObject(parent) {}
    QString Text() const { return text_; }
    void Say(const QString &text);
    // Takes the last text away, unspoken: the notification is hidden and empty.
    void Silence();

private:
    QString text_;
};

} // namespace platform
