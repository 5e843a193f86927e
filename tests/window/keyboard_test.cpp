#include "keyboard_test.h"

#include "form_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

void KeyboardTest::focusStartsInTheFirstInputBox()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    QCOMPARE(driver.FocusedControl(), QStringLiteral("Text2_0"));
    QTest::keyClicks(QApplication::focusWidget(), "4");
    QCOMPARE(driver.Input(0), QStringLiteral("4"));
}

namespace
{

// WCAG's contrast ratio of two colours, from 1 to 21.
double Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void KeyboardTest::focusIsPlainOnEveryControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("background");
    const QColor white(Qt::white), orange(255, 192, 128);
    QTest::newRow("Text2(0)") << "Text2_0" << white;
    QTest::newRow("Text2(1)") << "Text2_1" << white;
    QTest::newRow("Text2(2)") << "Text2_2" << white;
    QTest::newRow("Option1(0)") << "Option1_0" << orange;
    QTest::newRow("Option1(1)") << "Option1_1" << orange;
    QTest::newRow("Option1(2)") << "Option1_2" << orange;
    QTest::newRow("Command1(0), green") << "Command1_0" << QColor(128, 255, 128);
    QTest::newRow("Command1(1), red") << "Command1_1" << QColor(255, 128, 128);
    QTest::newRow("result box") << "Text1_0" << white;
}

// With the focus, a band at least 2 pixels wide within 4 pixels of the control's edge
// turns to a colour that stands out 3:1 against what was there, the control's background
// and the window's; round the whole control, though an option's round indicator may stand
// in front of it.
void KeyboardTest::focusIsPlainOnEveryControl()
{
    QFETCH(QString, control);
    QFETCH(QColor, background);
    FormDriver driver;
    QVERIFY(driver.Start());
    const QColor window = driver.form.Window().palette().color(QPalette::Window);
    QWidget *widget = driver.Control(control);
    driver.Control(control == QLatin1String("Text1_0") ? "Text2_0" : "Text1_0")->setFocus();
    const QImage before = widget->grab().toImage();
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    const QImage after = widget->grab().toImage();
    QCOMPARE(after.size(), before.size());

    const auto plain = [&](QPoint point) {
        const QColor now = after.pixelColor(point);
        return Contrast(now, before.pixelColor(point)) >= 3 && Contrast(now, background) >= 3 &&
               Contrast(now, window) >= 3;
    };
    // Whether, at `along` on a side, 2 pixels in a row of the 4 inward are plain focus.
    const auto banded = [&](QPoint edge, QPoint inward) {
        int run = 0;
        for (int depth = 0; depth < 4 && run < 2; ++depth)
            run = plain(edge + depth * inward) ? run + 1 : 0;
        return run >= 2;
    };
    const int w = after.width(), h = after.height();
    struct Side {
        const char *name;
        int length;
        std::function<QPoint(int)> edge;
        QPoint inward;
    };
    const Side sides[] = {
        {"top", w, [](int x) { return QPoint(x, 0); }, QPoint(0, 1)},
        {"bottom", w, [h](int x) { return QPoint(x, h - 1); }, QPoint(0, -1)},
        {"left", h, [](int y) { return QPoint(0, y); }, QPoint(1, 0)},
        {"right", h, [w](int y) { return QPoint(w - 1, y); }, QPoint(-1, 0)},
    };
    int around = 0, bandedAround = 0;
    for (const Side &side : sides) {
        int count = 0, bandedCount = 0;
        for (int along = 4; along < side.length - 4; ++along, ++count)
            bandedCount += banded(side.edge(along), side.inward);
        QVERIFY2(
            bandedCount * 3 >= count,
            qPrintable(
                QStringLiteral("%1 side: %2 of %3").arg(side.name).arg(bandedCount).arg(count)));
        around += count;
        bandedAround += bandedCount;
    }
    QVERIFY2(bandedAround * 4 >= around * 3,
             qPrintable(QStringLiteral("%1 of %2 round the edge").arg(bandedAround).arg(around)));
}

void KeyboardTest::tabReachesTheKindsOnceAtTheSelectedOne_data()
{
    // The cycle of Tab from the result box; Shift+Tab walks it backwards.
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("order");
    const QStringList inputs = {"Text2_0", "Text2_1", "Text2_2"};
    const QStringList buttons = {"Command1_0", "Command1_1"};
    // The group is one stop at the first kind's place, before the inputs, for every kind.
    QTest::newRow("altitudes") << 0 << QStringList{"Text1_0", "Option1_0"} + inputs + buttons;
    QTest::newRow("sides") << 1 << QStringList{"Text1_0", "Option1_1"} + inputs + buttons;
    QTest::newRow("medians") << 2 << QStringList{"Text1_0", "Option1_2"} + inputs + buttons;
}

void KeyboardTest::tabReachesTheKindsOnceAtTheSelectedOne()
{
    QFETCH(int, kind);
    QFETCH(QStringList, order);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(kind);
    driver.form.Window().SetFocusTo("Text1", 0);
    order << order.first();
    QStringList forward;
    QStringList backward;
    for (int i = 0; i < order.size(); ++i) {
        forward << driver.FocusedControl();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(driver.FocusedControl());
    }
    QCOMPARE(forward, order);
    QCOMPARE(backward, order);
    QCOMPARE(driver.SelectedKinds(), QString(QStringLiteral("000")).replace(kind, 1, '1'));
}

void KeyboardTest::arrowKeysSelectAsTheyMove_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("to");
    QTest::newRow("Down: altitudes to sides") << 0 << QList<int>{Qt::Key_Down} << 1;
    QTest::newRow("Right: sides to medians") << 1 << QList<int>{Qt::Key_Right} << 2;
    QTest::newRow("Down from medians: round to altitudes") << 2 << QList<int>{Qt::Key_Down} << 0;
    QTest::newRow("Up from altitudes: round to medians") << 0 << QList<int>{Qt::Key_Up} << 2;
    QTest::newRow("Left: medians to sides") << 2 << QList<int>{Qt::Key_Left} << 1;
    QTest::newRow("Down, Down, Up") << 0 << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 1;
}

// Each move is a click: the kind is selected, the labels change and the inputs empty.
void KeyboardTest::arrowKeysSelectAsTheyMove()
{
    QFETCH(int, from);
    QFETCH(QList<int>, keys);
    QFETCH(int, to);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(from);
    driver.Type({"3", "4", "5"});
    driver.Control(QStringLiteral("Option1_%1").arg(from))->setFocus();
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(driver.FocusedControl(), QStringLiteral("Option1_%1").arg(to));
    QCOMPARE(driver.SelectedKinds(), QString(QStringLiteral("000")).replace(to, 1, '1'));
    QCOMPARE(driver.Labels(), KindLabels(to));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), QString());
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    QCOMPARE(driver.form.Model().Kind(), static_cast<model::InputMode>(to));
}

void KeyboardTest::enterInAnInputBoxPressesCalculate_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key");
    QTest::newRow("first box, Return") << 0 << int(Qt::Key_Return);
    QTest::newRow("second box, Return") << 1 << int(Qt::Key_Return);
    QTest::newRow("third box, keypad Enter") << 2 << int(Qt::Key_Enter);
}

void KeyboardTest::enterInAnInputBoxPressesCalculate()
{
    QFETCH(int, box);
    QFETCH(int, key);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(1);
    driver.Type({"3", "4", "5"});
    QWidget *input = driver.Control(QStringLiteral("Text2_%1").arg(box));
    input->setFocus();
    QTest::keyClick(input, Qt::Key(key));
    QVERIFY(driver.Result().startsWith(QStringLiteral("Лице на триъгълника S = 6\r\n")));
    QCOMPARE(driver.FocusedControl(), input->objectName());
}

void KeyboardTest::keysPressTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("calculates"); // or clears
    const std::pair<const char *, int> keys[] = {
        {"Return", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    for (const auto &[name, key] : keys) {
        QTest::addRow("Изчисли, %s", name) << "Command1_0" << key << true;
        QTest::addRow("Изчисти, %s", name) << "Command1_1" << key << false;
    }
}

void KeyboardTest::keysPressTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, calculates);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(1);
    driver.Type({"3", "4", "5"});
    QWidget *focused = driver.Control(button);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    if (calculates) {
        QVERIFY(driver.Result().startsWith(QStringLiteral("Лице на триъгълника S = 6\r\n")));
        QCOMPARE(driver.Input(0), QStringLiteral("3"));
    } else {
        QCOMPARE(driver.Result(), QString());
        QCOMPARE(driver.SelectedKinds(), QStringLiteral("100"));
        QCOMPARE(driver.Input(0), QString());
    }
}

// The cases are shared with the web page's tests: both editions copy with LF line ends.
void KeyboardTest::resultBoxCanBeCopiedButNotTypedInto_data()
{
    QTest::addColumn<QJsonValue>("kind");
    QTest::addColumn<QJsonArray>("inputs");
    QTest::addColumn<QString>("copied");
    QFile file(QStringLiteral(BISECTORS_TESTS_DIR "/clipboard_cases.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QJsonValue row : QJsonDocument::fromJson(file.readAll())["cases"].toArray())
        QTest::newRow(qPrintable(row["name"].toString()))
            << row["kind"] << row["inputs"].toArray() << row["copied"].toString();
}

void KeyboardTest::resultBoxCanBeCopiedButNotTypedInto()
{
    QFETCH(QJsonValue, kind);
    QFETCH(QJsonArray, inputs);
    QFETCH(QString, copied);
    FormDriver driver;
    QVERIFY(driver.Start());
    if (!kind.isNull()) {
        driver.ChooseKind(kind.toInt());
        QStringList texts;
        for (const QJsonValue input : inputs)
            texts << input.toString();
        driver.Type(texts);
        driver.Calculate();
    }
    const QString shown = driver.Result();

    QWidget *result = driver.Control(QStringLiteral("Text1_0"));
    result->setFocus();
    QTest::keyClicks(result, "xyz");
    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(driver.Result(), shown);

    QApplication::clipboard()->clear();
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), copied);
}

void KeyboardTest::inputBoxesAreNamedByTheirLabels_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("altitudes") << 0;
    QTest::newRow("sides") << 1;
    QTest::newRow("medians") << 2;
}

void KeyboardTest::inputBoxesAreNamedByTheirLabels()
{
    QFETCH(int, kind);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(2 - kind); // from elsewhere, so that the names change
    driver.ChooseKind(kind);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Control(QStringLiteral("Text2_%1").arg(i))->accessibleName(),
                 KindLabels(kind)[i]);
}

void KeyboardTest::contextMenusAreBulgarian_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("input box") << "Text2_0";
    QTest::newRow("result box") << "Text1_0";
}

// Qt's own entries (Undo, Copy, Select All...) come from its Bulgarian translation, whatever
// the locale the tests run in. The translation is data of its own Debian package, which the
// program's package depends on; a build machine without it skips this test.
void KeyboardTest::contextMenusAreBulgarian()
{
    QFETCH(QString, box);
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_bg.qm")))
        QSKIP("Qt's Bulgarian translation is not installed (qt6-translations-l10n)");
    FormDriver driver;
    QVERIFY(driver.Start());
    std::unique_ptr<QMenu> menu(
        box.startsWith(QStringLiteral("Text2"))
            ? driver.ControlAs<QLineEdit>(box)->createStandardContextMenu()
            : driver.ControlAs<QPlainTextEdit>(box)->createStandardContextMenu());
    QStringList entries;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    QVERIFY(entries.contains(QStringLiteral("Копиране")));
    for (const QString &entry : entries)
        QVERIFY2(!entry.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                 qPrintable(entry));
}
