#include "form_driver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

FormDriver::FormDriver(const QLocale &locale) : form(locale) {}

bool FormDriver::Start()
{
    form.Show();
    form.Window().activateWindow();
    return QTest::qWaitForWindowActive(&form.Window());
}

QWidget *FormDriver::Control(const QString &objectName)
{
    QWidget *widget = form.Window().findChild<QWidget *>(objectName);
    if (!widget)
        qFatal("no control %s", qPrintable(objectName));
    return widget;
}

void FormDriver::Click(const QString &objectName)
{
    QTest::mouseClick(Control(objectName), Qt::LeftButton);
}

void FormDriver::Type(const QStringList &inputs)
{
    for (int i = 0; i < inputs.size(); ++i) {
        auto *box = ControlAs<QLineEdit>(QStringLiteral("Text2_%1").arg(i));
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, inputs[i]);
    }
}

QString FormDriver::Result()
{
    return form.Window().Text("Text1", 0);
}

QString FormDriver::Input(int index)
{
    return form.Window().Text("Text2", index);
}

QStringList FormDriver::Labels()
{
    QStringList labels;
    for (int i = 0; i < 3; ++i)
        labels << ControlAs<QLabel>(QStringLiteral("Label2_%1").arg(i))->text();
    return labels;
}

QString FormDriver::SelectedKinds()
{
    QString selected;
    for (int i = 0; i < 3; ++i)
        selected += ControlAs<QRadioButton>(QStringLiteral("Option1_%1").arg(i))->isChecked()
                        ? QLatin1Char('1')
                        : QLatin1Char('0');
    return selected;
}

QString FormDriver::FocusedControl()
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

QString Report(const QStringList &lines)
{
    QString report;
    for (const QString &line : lines)
        report += line + QStringLiteral("\r\n");
    return report;
}

QStringList KindLabels(int kind)
{
    switch (kind) {
    case 0:
        return {"Височина AH (ha):", "Височина BG (hb):", "Височина CE (hc):"};
    case 1:
        return {"Страна BC (a):", "Страна AC (b):", "Страна AB (c):"};
    default:
        return {"Медиана AK (ma):", "Медиана BM (mb):", "Медиана CN (mc):"};
    }
}
