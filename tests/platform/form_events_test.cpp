#include "form_events_test.h"

#include "form.h"
#include "sample_form.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <vector>

namespace
{

// Which of Choice(0..2) are selected, as a string such as "010".
QString Selected(platform::Form &form)
{
    QString selected;
    for (int i = 0; i < 3; ++i)
        selected += form.findChild<QRadioButton *>(platform::ObjectName("Choice", i))->isChecked()
                        ? QLatin1Char('1')
                        : QLatin1Char('0');
    return selected;
}

QString Clicks(const std::vector<int> &clicks)
{
    QString text;
    for (int index : clicks)
        text += QString::number(index);
    return text;
}

bool ShowActive(platform::Form &form)
{
    form.Show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

} // namespace

void FormEventsTest::loadIsDeliveredOnceBeforeTheWindowShows()
{
    platform::Form form(SampleForm());
    std::vector<bool> visibleAtLoad;
    form.OnLoad([&] { visibleAtLoad.push_back(form.isVisible()); });
    QVERIFY(visibleAtLoad.empty());
    form.Show();
    form.hide();
    form.Show();
    QCOMPARE(visibleAtLoad, std::vector<bool>{false});
}

void FormEventsTest::optionOperations_data()
{
    // Operations: +i selects Choice(i), -i clears it.
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::newRow("select one") << QStringList{"+1"} << "1"
                                << "010";
    QTest::newRow("selecting another clears the first") << QStringList{"+1", "+2"} << "12"
                                                        << "001";
    QTest::newRow("selecting the selected one is no click") << QStringList{"+0", "+0"} << "0"
                                                            << "100";
    QTest::newRow("clearing is silent") << QStringList{"+1", "-1"} << "1"
                                        << "000";
    QTest::newRow("cleared, then selected again") << QStringList{"+1", "-1", "+1"} << "11"
                                                  << "010";
    QTest::newRow("clearing another leaves the selection") << QStringList{"+0", "-2"} << "0"
                                                           << "100";
    QTest::newRow("clear all, then select the first")
        << QStringList{"+2", "-0", "-1", "-2", "+0"} << "20"
        << "100";
}

void FormEventsTest::optionOperations()
{
    QFETCH(QStringList, operations);
    QFETCH(QString, clicks);
    QFETCH(QString, selected);
    platform::Form form(SampleForm());
    std::vector<int> delivered;
    form.OnClick("Choice", [&](int index) { delivered.push_back(index); });
    for (const QString &operation : operations)
        form.SetOptionValue("Choice", operation.mid(1).toInt(), operation[0] == QLatin1Char('+'));
    QCOMPARE(Clicks(delivered), clicks);
    QCOMPARE(Selected(form), selected);
}

void FormEventsTest::selectionIsMadeBeforeItsClickAndTheClickBeforeReturning()
{
    platform::Form form(SampleForm());
    form.SetOptionValue("Choice", 0, true);
    QString selectedDuringClick;
    form.OnClick("Choice", [&](int) { selectedDuringClick = Selected(form); });
    form.SetOptionValue("Choice", 2, true);
    QCOMPARE(selectedDuringClick, QStringLiteral("001"));
}

void FormEventsTest::userClicksOnOptions_data()
{
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::newRow("one click") << QList<int>{2} << "2"
                               << "001";
    QTest::newRow("two options") << QList<int>{2, 0} << "20"
                                 << "100";
    QTest::newRow("the selected one again") << QList<int>{1, 1} << "1"
                                            << "010";
}

void FormEventsTest::userClicksOnOptions()
{
    QFETCH(QList<int>, clicked);
    QFETCH(QString, clicks);
    QFETCH(QString, selected);
    platform::Form form(SampleForm());
    QVERIFY(ShowActive(form));
    std::vector<int> delivered;
    form.OnClick("Choice", [&](int index) { delivered.push_back(index); });
    for (int index : clicked)
        QTest::mouseClick(form.findChild<QRadioButton *>(platform::ObjectName("Choice", index)),
                          Qt::LeftButton);
    QCOMPARE(Clicks(delivered), clicks);
    QCOMPARE(Selected(form), selected);
}

void FormEventsTest::spaceSelectsTheFocusedOption()
{
    platform::Form form(SampleForm());
    QVERIFY(ShowActive(form));
    std::vector<int> delivered;
    form.OnClick("Choice", [&](int index) { delivered.push_back(index); });
    auto *option = form.findChild<QRadioButton *>("Choice_1");
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Space);
    QTest::keyClick(option, Qt::Key_Space);
    QCOMPARE(Clicks(delivered), QStringLiteral("1"));
    QCOMPARE(Selected(form), QStringLiteral("010"));
}

void FormEventsTest::pushButtonsDeliverTheirIndex_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << "Button_0" << 0;
    QTest::newRow("second") << "Button_1" << 1;
}

void FormEventsTest::pushButtonsDeliverTheirIndex()
{
    QFETCH(QString, button);
    QFETCH(int, index);
    platform::Form form(SampleForm());
    QVERIFY(ShowActive(form));
    std::vector<int> buttons;
    std::vector<int> options;
    form.OnClick("Button", [&](int i) { buttons.push_back(i); });
    form.OnClick("Choice", [&](int i) { options.push_back(i); });
    QTest::mouseClick(form.findChild<QWidget *>(button), Qt::LeftButton);
    QCOMPARE(buttons, std::vector<int>{index});
    QVERIFY(options.empty());
}

void FormEventsTest::enterInASingleLineBoxPressesTheDefaultButton_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clicks");
    QTest::newRow("first single-line box") << "Line_0"
                                           << "0";
    QTest::newRow("second single-line box") << "Line_1"
                                            << "0";
    QTest::newRow("multi-line box: a line break") << "Notes_0"
                                                  << "";
}

void FormEventsTest::enterInASingleLineBoxPressesTheDefaultButton()
{
    QFETCH(QString, box);
    QFETCH(QString, clicks);
    platform::Form form(SampleForm());
    QVERIFY(ShowActive(form));
    std::vector<int> delivered;
    form.OnClick("Button", [&](int index) { delivered.push_back(index); });
    QWidget *widget = form.findChild<QWidget *>(box);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter); // the keypad's
    QCOMPARE(Clicks(delivered), clicks + clicks);
}

void FormEventsTest::tabFollowsTheTabIndices_data()
{
    // The cycle of Tab from Memo_0; Shift+Tab walks it backwards. The options Choice(0..2)
    // have the tab indices 4, 8 and 5: their group's place is 4, before Button_0 at 7.
    QTest::addColumn<int>("selected"); // -1: none
    QTest::addColumn<QStringList>("order");
    const QStringList before = {"Memo_0", "Line_1", "Line_0"};
    const QStringList after = {"Button_0", "Notes_0", "Button_1"};
    QTest::newRow("none selected: each option in turn at the group's place")
        << -1 << before + QStringList{"Choice_0", "Choice_2", "Choice_1"} + after;
    QTest::newRow("the first selected") << 0 << before + QStringList{"Choice_0"} + after;
    QTest::newRow("a later one selected: still at the group's place")
        << 1 << before + QStringList{"Choice_1"} + after;
}

void FormEventsTest::tabFollowsTheTabIndices()
{
    QFETCH(int, selected);
    QFETCH(QStringList, order);
    platform::Form form(SampleForm());
    if (selected >= 0)
        form.SetOptionValue("Choice", selected, true);
    QVERIFY(ShowActive(form));
    form.SetFocusTo("Memo", 0);
    order << order.first(); // round the end
    QStringList forward;
    for (int i = 0; i < order.size(); ++i) {
        forward << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(forward, order);
    QCOMPARE(backward, order);
}

void FormEventsTest::focusSetBeforeShowingIsKept()
{
    platform::Form form(SampleForm());
    form.OnLoad([&] { form.SetFocusTo("Line", 1); });
    QVERIFY(ShowActive(form));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Line_1"));
}
