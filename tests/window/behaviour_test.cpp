#include "behaviour_test.h"

#include "form_driver.h"

#include <QTest>

namespace
{

const QStringList kSides345 = {"Лице на триъгълника S = 6",
                               "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784",
                               "Yg_b = 3.35410196624968", "Yg_c = 2.42436610692531"};

// Altitudes that fail the triangle inequality themselves, as those of obtuse triangles do.
const QStringList kHeights4510 = {"Изчислени дължини на страни:",
                                  "BC = 13.1590338991954",
                                  "AC = 10.5272271193563",
                                  "AB = 5.26361355967815",
                                  "Лице на триъгълника S = 26.3180677983908",
                                  "Изчислени дължини на ъглополовящи:",
                                  "Yg_a = 4.11475599898912",
                                  "Yg_b = 6.82987776762511",
                                  "Yg_c = 11.4755062109849"};

void CheckTaskText(const QString &text)
{
    QCOMPARE(text.count(QStringLiteral("\r\n")), 9);
    QCOMPARE(text.count(QLatin1Char('\n')), 9); // no bare line feeds
    QVERIFY(text.startsWith(QStringLiteral("Да се създаде проект реализиращ междупредметна")));
    QVERIFY(text.endsWith(QStringLiteral("изведените дължини на ъглополовящи.\r\n")));
}

} // namespace

void BehaviourTest::beforeLoadTheLabelsNameTheAltitudes()
{
    FormDriver driver;
    QCOMPARE(driver.Labels(), KindLabels(0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), QString());
    CheckTaskText(driver.Result());
}

// Actions: a digit chooses that kind, "=" presses "Изчисли", "x" presses "Изчисти",
// "t" types the row's three inputs.
void BehaviourTest::controlsShowTheModel_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inputsKept");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("focus");
    const QStringList sides = {"3", "4", "5"};
    QTest::newRow("start") << "" << QStringList() << 0 << false << "task"
                           << "Text2_0";
    QTest::newRow("sides 3 4 5") << "1t=" << sides << 1 << true << Report(kSides345)
                                 << "Command1_0";
    QTest::newRow("altitudes 4 5 10")
        << "t=" << QStringList{"4", "5", "10"} << 0 << true << Report(kHeights4510) << "Command1_0";
    QTest::newRow("a kind empties the typed")
        << "1t=2" << sides << 2 << false << Report(kSides345) << "Option1_2";
    QTest::newRow("the chosen kind keeps them") << "1t1" << sides << 1 << true << "task"
                                                << "Option1_1";
    QTest::newRow("clear from medians") << "2tx" << sides << 0 << false << ""
                                        << "Text2_0";
    QTest::newRow("clear after a report") << "1t=x" << sides << 0 << false << ""
                                          << "Text2_0";
}

void BehaviourTest::controlsShowTheModel()
{
    QFETCH(QString, actions);
    QFETCH(QStringList, typed);
    QFETCH(int, kind);
    QFETCH(bool, inputsKept);
    QFETCH(QString, result);
    QFETCH(QString, focus);
    FormDriver driver;
    QVERIFY(driver.Start());
    for (const QChar action : actions) {
        if (action.isDigit())
            driver.ChooseKind(action.digitValue());
        else if (action == QLatin1Char('t'))
            driver.Type(typed);
        else if (action == QLatin1Char('='))
            driver.Calculate();
        else
            driver.Clear();
    }
    const model::Calculator &model = driver.form.Model();
    QCOMPARE(static_cast<int>(model.Kind()), kind);
    QCOMPARE(driver.SelectedKinds(), QString(QStringLiteral("000")).replace(kind, 1, '1'));
    QCOMPARE(driver.Labels(), KindLabels(kind));
    for (int i = 0; i < 3; ++i) {
        const QString expected = inputsKept ? typed[i] : QString();
        QCOMPARE(driver.Input(i), expected);
        QCOMPARE(QString::fromStdString(model.Input(i)), expected);
    }
    if (result == QLatin1String("task"))
        CheckTaskText(driver.Result());
    else
        QCOMPARE(driver.Result(), result);
    QCOMPARE(driver.FocusedControl(), focus);
    // What "Изчисли" wrote, or what "Изчисти" did, whichever came last, is read out to
    // screen readers.
    const qsizetype calculated = actions.lastIndexOf(QLatin1Char('='));
    const qsizetype cleared = actions.lastIndexOf(QLatin1Char('x'));
    QCOMPARE(driver.form.Window().LastAnnouncement(),
             cleared > calculated ? QString::fromUtf8(model::kClearedText)
             : calculated >= 0    ? QString(result).replace(QStringLiteral("\r\n"), "\n")
                                  : QString());
}

// The window reads and prints numbers with its locale's decimal separator ("." and "," read too).
void BehaviourTest::reportUsesTheLocalesDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("bisector");
    QTest::newRow("C") << QLocale::c() << QStringList{"0,3e1", "4.0", "5"}
                       << "Лице на триъгълника S = 6"
                       << "Yg_a = 4.21637021355784";
    QTest::newRow("Bulgarian") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria)
                               << QStringList{"3,5", "4.0", "5"}
                               << "Лице на триъгълника S = 6,95268608165218"
                               << "Yg_a = 4,1201102706087";
}

void BehaviourTest::reportUsesTheLocalesDecimalSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QString, area);
    QFETCH(QString, bisector);
    FormDriver driver(locale);
    QVERIFY(driver.Start());
    driver.ChooseKind(1);
    driver.Type(inputs);
    driver.Calculate();
    const QStringList lines = driver.Result().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(0), area);
    QCOMPARE(lines.value(2), bisector);
}
