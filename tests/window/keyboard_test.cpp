#include "keyboard_test.h"

#include "form_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

void KeyboardTest::focusStartsInTheFirstInputBox()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    QCOMPARE(driver.FocusedControl(), QStringLiteral("Text2_0"));
    QTest::keyClicks(QApplication::focusWidget(), "4");
    QCOMPARE(driver.Input(0), QStringLiteral("4"));
}

void KeyboardTest::tabFollowsTheTabIndices()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.form.Window().SetFocusTo("Text1", 0);
    const QStringList expected = {"Text1_0", "Option1_0", "Option1_1",  "Text2_0",    "Text2_1",
                                  "Text2_2", "Option1_2", "Command1_0", "Command1_1", "Text1_0"};
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
        order << driver.FocusedControl();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(driver.FocusedControl(), QStringLiteral("Text1_0"));
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

void KeyboardTest::resultBoxCanBeCopiedButNotTypedInto()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(2);
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    const QString report = driver.Result();

    QWidget *result = driver.Control(QStringLiteral("Text1_0"));
    result->setFocus();
    QTest::keyClicks(result, "xyz");
    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(driver.Result(), report);

    QApplication::clipboard()->clear();
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.replace(QLatin1Char('\n'), QStringLiteral("\r\n")), report);
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
