#pragma once

#include "main_form.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QWidget;

// Drives the main window as a user would, by its controls' object names, and reads what
// it shows. Reports and expected texts are compared with CR LF line ends.
class FormDriver
{
public:
    explicit FormDriver(const QLocale &locale = QLocale::c());

    // Shows the window (running its load event) and makes it the active one.
    bool Start();

    QWidget *Control(const QString &objectName);
    // The control as a `Widget`; a control of another class ends the tests, naming it.
    template<typename Widget> Widget *ControlAs(const QString &objectName)
    {
        auto *widget = qobject_cast<Widget *>(Control(objectName));
        if (!widget)
            qFatal("%s is not a %s", qPrintable(objectName), Widget::staticMetaObject.className());
        return widget;
    }
    void Click(const QString &objectName);
    void ChooseKind(int index) { Click(QStringLiteral("Option1_%1").arg(index)); }
    void Calculate() { Click(QStringLiteral("Command1_0")); }
    void Clear() { Click(QStringLiteral("Command1_1")); }
    void Type(const QStringList &inputs); // into Text2(0..2), in turn

    QString Result();
    QString Input(int index);
    QStringList Labels();
    QString SelectedKinds(); // "100" when only Option1(0) is selected
    QString FocusedControl();

    window::MainForm form;
};

// Lines joined as a report: each ended by CR LF.
QString Report(const QStringList &lines);

// The three input labels of each input kind.
QStringList KindLabels(int kind);

inline const QString kRejected = QStringLiteral("Некоректни данни!");
