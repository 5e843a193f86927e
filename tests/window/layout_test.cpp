#include "layout_test.h"

#include "form_driver.h"
#include "main_form_description.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace
{

const QColor kLavender(192, 192, 255);
const QColor kOrange(255, 192, 128);

// The window's texts are measured in Times New Roman, or in Liberation Serif, which has its
// metrics (fonts-liberation2, which the program's package recommends). Where neither is
// installed another font stands in, and what its texts cover says nothing of the window.
bool MetricFontInstalled()
{
    const QString used = QFontInfo(QFont(QStringLiteral("Times New Roman"), 12)).family();
    return used == QLatin1String("Times New Roman") || used == QLatin1String("Liberation Serif");
}
constexpr const char *kNoMetricFont =
    "neither Times New Roman nor Liberation Serif is installed (fonts-liberation2)";

bool Near(const QColor &actual, const QColor &expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

void LayoutTest::window()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    QWidget &window = driver.form.Window();
    QCOMPARE(window.windowTitle(),
             QStringLiteral("www.example.org Геометрия - страни, височини, медиани"));
    QCOMPARE(window.size(), QSize(462, 345));
    QCOMPARE(window.minimumSize(), window.maximumSize()); // not resizable
    QCOMPARE(window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint); // nor maximisable
    QCOMPARE(window.palette().color(QPalette::Window), kLavender);
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());

    const auto controls = window.findChildren<QWidget *>(QRegularExpression("_\\d$"));
    QCOMPARE(controls.size(), 19);
    for (QWidget *control : controls) {
        const QFont font = control->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
    }
    if (!MetricFontInstalled())
        QSKIP(kNoMetricFont);
    for (QWidget *control : controls) {
        const QString used = QFontInfo(control->font()).family();
        QVERIFY2(used == QLatin1String("Times New Roman") ||
                     used == QLatin1String("Liberation Serif"),
                 qPrintable(control->objectName() + " is drawn in " + used));
    }
}

void LayoutTest::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QColor>("background"); // invalid: the control's usual colours
    QTest::addColumn<bool>("visible");
    const QColor usual;
    const QColor green(128, 255, 128);
    const QColor red(255, 128, 128);
    // clang-format off
    QTest::newRow("Label1(0)")   << "Label1_0"   << QRect(40, 0, 369, 25)    << "MainForm" << kOrange   << true;
    QTest::newRow("Frame1")      << "Frame1_0"   << QRect(8, 32, 129, 105)   << "MainForm" << kLavender << true;
    QTest::newRow("Option1(0)")  << "Option1_0"  << QRect(16, 8, 105, 25)    << "Frame1_0" << kOrange   << true;
    QTest::newRow("Option1(1)")  << "Option1_1"  << QRect(16, 40, 105, 25)   << "Frame1_0" << kOrange   << true;
    QTest::newRow("Option1(2)")  << "Option1_2"  << QRect(16, 72, 105, 25)   << "Frame1_0" << kOrange   << true;
    QTest::newRow("Label2(0)")   << "Label2_0"   << QRect(200, 40, 145, 25)  << "MainForm" << kOrange   << true;
    QTest::newRow("Label2(1)")   << "Label2_1"   << QRect(200, 72, 145, 25)  << "MainForm" << kOrange   << true;
    QTest::newRow("Label2(2)")   << "Label2_2"   << QRect(200, 104, 145, 25) << "MainForm" << kOrange   << true;
    QTest::newRow("Text2(0)")    << "Text2_0"    << QRect(344, 40, 81, 27)   << "MainForm" << usual     << true;
    QTest::newRow("Text2(1)")    << "Text2_1"    << QRect(344, 72, 81, 27)   << "MainForm" << usual     << true;
    QTest::newRow("Text2(2)")    << "Text2_2"    << QRect(344, 104, 81, 27)  << "MainForm" << usual     << true;
    QTest::newRow("List1(0)")    << "List1_0"    << QRect(144, 40, 49, 23)   << "MainForm" << usual     << false;
    QTest::newRow("List1(1)")    << "List1_1"    << QRect(144, 72, 49, 23)   << "MainForm" << usual     << false;
    QTest::newRow("List1(2)")    << "List1_2"    << QRect(144, 104, 49, 23)  << "MainForm" << usual     << false;
    QTest::newRow("Command1(0)") << "Command1_0" << QRect(24, 144, 129, 25)  << "MainForm" << green     << true;
    QTest::newRow("Command1(1)") << "Command1_1" << QRect(296, 144, 129, 25) << "MainForm" << red       << true;
    QTest::newRow("Picture1")    << "Picture1_0" << QRect(24, 176, 404, 34)  << "MainForm" << usual     << true;
    QTest::newRow("Text1(0)")    << "Text1_0"    << QRect(8, 216, 449, 121)  << "MainForm" << usual     << true;
    QTest::newRow("Text1(1)")    << "Text1_1"    << QRect(40, 216, 449, 121) << "MainForm" << usual     << false;
    // clang-format on
}

void LayoutTest::controls()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QFETCH(QString, parent);
    QFETCH(QColor, background);
    QFETCH(bool, visible);
    FormDriver driver;
    QVERIFY(driver.Start());
    QWidget *widget = driver.Control(control);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->isVisible(), visible);
    if (!background.isValid())
        return;
    if (!MetricFontInstalled())
        QSKIP(kNoMetricFont); // another font's texts may reach the point looked at

    // What is on the screen: a point near the right edge, half-way down, clear of text.
    const QImage window = driver.form.Window().grab().toImage();
    const QPoint point =
        widget->mapTo(&driver.form.Window(), QPoint(geometry.width() - 6, geometry.height() / 2));
    const QColor shown = window.pixelColor(point);
    QVERIFY2(shown == background, qPrintable(QStringLiteral("shown as %1").arg(shown.name())));
}

void LayoutTest::captions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("heading, two spaces after в")
        << "Label1_0"
        << "Ъглополовящи в  триъгълник - височини, медиани";
    QTest::newRow("Option1(0)") << "Option1_0"
                                << "Височини";
    QTest::newRow("Option1(1)") << "Option1_1"
                                << "Страни";
    QTest::newRow("Option1(2)") << "Option1_2"
                                << "Медиани";
    QTest::newRow("Command1(0)") << "Command1_0"
                                 << "Изчисли";
    QTest::newRow("Command1(1)") << "Command1_1"
                                 << "Изчисти";
}

void LayoutTest::captions()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    FormDriver driver;
    if (auto *label = qobject_cast<QLabel *>(driver.Control(control)))
        QCOMPARE(label->text(), caption);
    else
        QCOMPARE(driver.ControlAs<QAbstractButton>(control)->text(), caption);
}

void LayoutTest::captionsFitTheirControls()
{
    if (!MetricFontInstalled())
        QSKIP(kNoMetricFont);
    FormDriver driver;
    QVERIFY(driver.Start());
    auto fits = [&](const QString &control, const QString &text, int room) {
        QWidget *widget = driver.Control(control);
        const QFontMetrics metrics = widget->fontMetrics();
        const int width = metrics.horizontalAdvance(text);
        QVERIFY2(width <= widget->width() - room && metrics.height() <= widget->height(),
                 qPrintable(QStringLiteral("%1 needs %2 of %3 pixels for \"%4\"")
                                .arg(control)
                                .arg(width)
                                .arg(widget->width() - room)
                                .arg(text)));
    };
    fits("Label1_0", "Ъглополовящи в  триъгълник - височини, медиани", 0);
    for (int kind = 0; kind < 3; ++kind)
        for (const QString &label : KindLabels(kind))
            fits("Label2_0", label, 0);
    for (int i = 0; i < 3; ++i) {
        auto *option = driver.ControlAs<QRadioButton>(QStringLiteral("Option1_%1").arg(i));
        QVERIFY(option->sizeHint().width() <= option->width());
    }
    fits("Command1_0", "Изчисли", 8);
    fits("Command1_1", "Изчисти", 8);
    fits("Text2_0", "5.69600249687835", -1000); // a line of text, however long
}

void LayoutTest::listsHoldTheLabelsOfEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("List1(0): altitudes") << 0;
    QTest::newRow("List1(1): sides") << 1;
    QTest::newRow("List1(2): medians") << 2;
}

void LayoutTest::listsHoldTheLabelsOfEachKind()
{
    QFETCH(int, kind);
    FormDriver driver;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver.form.Window().ListItem("List1", kind, i), KindLabels(kind)[i]);
}

void LayoutTest::hiddenQuotation()
{
    FormDriver driver;
    const QStringList lines = driver.form.Window().Text("Text1", 1).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // three lines, each ended by CR LF
    QVERIFY(lines[0].startsWith(QStringLiteral("Неприятното в това")));
    QCOMPARE(lines[2], QStringLiteral("било. "));
    for (int i = 0; i < 3; ++i)
        QVERIFY(lines[i].endsWith(QLatin1Char(' ')) && !lines[i].endsWith(QStringLiteral("  ")));
    QCOMPARE(lines[3], QString());
}

void LayoutTest::formulaPictureIsDrawnOnOrange()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    const QImage image = driver.Control(QStringLiteral("Picture1_0"))->grab().toImage();
    QCOMPARE(image.size(), QSize(404, 34));
    int orange = 0;
    int ink = 0;
    int left = image.width();
    int right = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 220 && colour.green() > 150 && colour.green() < 215 &&
                colour.blue() < 170)
                ++orange;
            if (colour.lightness() < 80) {
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    const int inside = 400 * 30;
    QVERIFY2(orange > inside / 2, qPrintable(QString::number(orange)));
    QVERIFY2(ink > inside / 25, qPrintable(QString::number(ink)));
    QVERIFY2(left < 25 && right > 375, qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
    // The sunken border is not orange.
    QVERIFY(!Near(image.pixelColor(0, 0), kOrange, 30));
    QVERIFY(!Near(image.pixelColor(403, 33), kOrange, 30));
}

// What a screen reader says of the picture: the four factors in the order it draws them.
void LayoutTest::formulaIsReadOutAsDrawn()
{
    const platform::FormDescription description = window::MainFormDescription();
    const auto spoken = std::find_if(
        description.spoken.begin(), description.spoken.end(),
        [](const platform::SpokenText &s) { return std::string_view(s.name) == "Picture1"; });
    QVERIFY(spoken != description.spoken.end());
    QCOMPARE(QString::fromUtf8(spoken->text),
             QStringLiteral(
                 "Формула за лицето: единица върху S на квадрат е равно на произведението на "
                 "четири множителя: единица върху ha плюс единица върху hb плюс единица върху hc; "
                 "единица върху ha плюс единица върху hb минус единица върху hc; "
                 "единица върху ha минус единица върху hb плюс единица върху hc; "
                 "и единица върху hb плюс единица върху hc минус единица върху ha."));
}

void LayoutTest::resultBoxWrapsAndScrolls()
{
    FormDriver driver;
    QVERIFY(driver.Start());
    auto *result = driver.ControlAs<QPlainTextEdit>(QStringLiteral("Text1_0"));
    QVERIFY(result->verticalScrollBar()->isVisible());
    QVERIFY(result->verticalScrollBar()->maximum() > 0); // the task text is longer than the box
    QCOMPARE(result->horizontalScrollBar()->maximum(), 0);
    QVERIFY(result->document()->findBlockByNumber(0).layout()->lineCount() > 1);

    // After each "Изчисли" the nine lines of a report of medians show their last, the
    // bisectors (Yg_a three blocks before the empty one after the last CR LF, Yg_c one).
    driver.ChooseKind(2);
    driver.Type({QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    for (int press = 0; press < 2; ++press) {
        result->verticalScrollBar()->setValue(0); // the reader scrolled up
        driver.Calculate();
        for (int back : {4, 2}) {
            const QTextBlock line =
                result->document()->findBlockByNumber(result->document()->blockCount() - back);
            QVERIFY(line.text().startsWith(QLatin1String("Yg_")));
            QVERIFY(result->viewport()->rect().contains(result->cursorRect(QTextCursor(line))));
        }
    }
}
