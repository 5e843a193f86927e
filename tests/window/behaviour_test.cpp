#include "behaviour_test.h"

#include "form_driver.h"

#include <QTest>

namespace
{

const QStringList kSides345 = {"Лице на триъгълника S = 6",
                               "Изчислени дължини на ъглополовящи:", "Yg_a = 4.21637021355784",
                               "Yg_b = 3.35410196624968", "Yg_c = 2.42436610692531"};

const QStringList kMedians345 = {
    "Изчислени дължини на страни:", "BC = 5.69600249687835",
    "AC = 4.80740170061865",        "AB = 3.33333333333333",
    "Лице на триъгълника S = 8",    "Изчислени дължини на ъглополовящи:",
    "Yg_a = 2.85998323467242",      "Yg_b = 3.68842731893544",
    "Yg_c = 4.96236595640282"};

// The altitudes 4, 3, 2.4 are those of the 3-4-5 triangle; its sides come out a little
// off 4 in the last bits, enough to change one bisector's 15th digit.
const QStringList kHeights432 = {"Изчислени дължини на страни:",
                                 "BC = 3",
                                 "AC = 4",
                                 "AB = 5",
                                 "Лице на триъгълника S = 6",
                                 "Изчислени дължини на ъглополовящи:",
                                 "Yg_a = 4.21637021355784",
                                 "Yg_b = 3.35410196624969",
                                 "Yg_c = 2.42436610692531"};

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

void BehaviourTest::stateRightAfterStart()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    QCOMPARE(driver.SelectedKinds(), QStringLiteral("100"));
    QCOMPARE(driver.form.Mode(), calc::InputMode::Heights);
    QCOMPARE(driver.Labels(), KindLabels(0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), QString());
    CheckTaskText(driver.Result());
}

void BehaviourTest::choosingAKind_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("mode");
    QTest::newRow("sides") << QList<int>{1} << "010" << 1;
    QTest::newRow("medians") << QList<int>{2} << "001" << 2;
    QTest::newRow("sides, then altitudes") << QList<int>{1, 0} << "100" << 0;
    QTest::newRow("medians, then sides") << QList<int>{2, 1} << "010" << 1;
}

void BehaviourTest::choosingAKind()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QString, selected);
    QFETCH(int, mode);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    const QString report = driver.Result();
    for (int kind : kinds) {
        driver.Type({"7", "8", "9"});
        driver.ChooseKind(kind);
    }
    QCOMPARE(driver.SelectedKinds(), selected);
    QCOMPARE(static_cast<int>(driver.form.Mode()), mode);
    QCOMPARE(driver.Labels(), KindLabels(mode));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), QString());
    QCOMPARE(driver.Result(), report); // an old report stays under the new labels
}

void BehaviourTest::clickingTheSelectedKindKeepsTheInputs()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(1);
    driver.Type({"3", "4", "5"});
    driver.ChooseKind(1);
    QCOMPARE(driver.SelectedKinds(), QStringLiteral("010"));
    QCOMPARE(driver.Input(2), QStringLiteral("5"));
    driver.Calculate();
    QCOMPARE(driver.Result(), Report(kSides345));
}

void BehaviourTest::calculate_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("result");
    QTest::newRow("sides 3 4 5") << 1 << QStringList{"3", "4", "5"} << Report(kSides345);
    QTest::newRow("medians 3 4 5") << 2 << QStringList{"3", "4", "5"} << Report(kMedians345);
    QTest::newRow("altitudes 4 3 2.4") << 0 << QStringList{"4", "3", "2.4"} << Report(kHeights432);
    QTest::newRow("sides 5 5 6") << 1 << QStringList{"5", "5", "6"}
                                 << Report({"Лице на триъгълника S = 12",
                                            "Изчислени дължини на ъглополовящи:",
                                            "Yg_a = 4.87869376909045", "Yg_b = 4.87869376909045",
                                            "Yg_c = 4"});
    QTest::newRow("spaces and trailing text in the inputs")
        << 1 << QStringList{" 3 ", "4cm", "5,9"} << Report(kSides345);
    QTest::newRow("empty altitudes") << 0 << QStringList{"", "", ""} << kRejected;
    QTest::newRow("sides 1 2 3") << 1 << QStringList{"1", "2", "3"} << kRejected;
    QTest::newRow("medians 10 1 1") << 2 << QStringList{"10", "1", "1"} << kRejected;
    QTest::newRow("text instead of numbers") << 1 << QStringList{"abc", "4", "5"} << kRejected;
}

void BehaviourTest::calculate()
{
    QFETCH(int, kind);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(kind);
    driver.Type(inputs);
    driver.Calculate();
    QCOMPARE(driver.Result(), result);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), inputs[i]); // the inputs stay as typed
    QCOMPARE(driver.SelectedKinds(), QString(QStringLiteral("000")).replace(kind, 1, '1'));
}

void BehaviourTest::clear_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("altitudes") << 0;
    QTest::newRow("sides") << 1;
    QTest::newRow("medians") << 2;
}

void BehaviourTest::clear()
{
    QFETCH(int, kind);
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(kind);
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    driver.Clear();
    QCOMPARE(driver.SelectedKinds(), QStringLiteral("100"));
    QCOMPARE(driver.form.Mode(), calc::InputMode::Heights);
    QCOMPARE(driver.Labels(), KindLabels(0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.Input(i), QString());
    QCOMPARE(driver.Result(), QString());
    QCOMPARE(driver.FocusedControl(), QStringLiteral("Text2_0"));

    // The next calculation takes the inputs as altitudes.
    driver.Type({"4", "3", "2.4"});
    driver.Calculate();
    QCOMPARE(driver.Result(), Report(kHeights432));
}

void BehaviourTest::reportsReplaceEachOther()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.ChooseKind(1);
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    driver.Calculate();
    QCOMPARE(driver.Result(), Report(kSides345)); // no accumulation

    driver.Type({"1", "2", "3"});
    driver.Calculate();
    QCOMPARE(driver.Result(), kRejected);

    driver.Type({"3", "4", "5"});
    driver.Calculate();
    QCOMPARE(driver.Result(), Report(kSides345));

    driver.ChooseKind(2);
    driver.Type({"3", "4", "5"});
    driver.Calculate();
    QCOMPARE(driver.Result(), Report(kMedians345));
}

void BehaviourTest::valuesTypedBeforeAChangeOfKindAreGone()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    driver.Type({"3", "4", "5"});
    driver.ChooseKind(2);
    driver.Calculate();
    QCOMPARE(driver.Result(), kRejected);
}

// The window reads and prints numbers with its locale's decimal separator ("." reads too).
void BehaviourTest::reportUsesTheLocalesDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("bisector");
    QTest::newRow("C") << QLocale::c() << QStringList{"3", "4.0", "5,7"}
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
