#include "form_texts_test.h"

#include "form.h"
#include "sample_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace
{

QWidget *Find(QWidget &form, const QString &name)
{
    return form.findChild<QWidget *>(name);
}

} // namespace

void FormTextsTest::windowFollowsItsDescription()
{
    platform::Form form(SampleForm());
    QCOMPARE(form.objectName(), QStringLiteral("Sample"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Проба"));
    QCOMPARE(form.minimumSize(), QSize(400, 300));
    QCOMPARE(form.maximumSize(), QSize(400, 300));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));
    const auto children = form.findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->objectName().isEmpty())
            continue; // Qt's own parts, such as scroll bars
        QCOMPARE(child->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(child->font().pointSize(), 12);
    }
}

void FormTextsTest::controlsArePlacedInPixels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("parent");
    QTest::newRow("label at the origin") << "Note_0" << QRect(0, 0, 100, 20) << "Sample";
    QTest::newRow("text box") << "Line_1" << QRect(200, 0, 100, 20) << "Sample";
    QTest::newRow("frame") << "Box_0" << QRect(10, 100, 200, 100) << "Sample";
    QTest::newRow("option inside the frame") << "Choice_1" << QRect(10, 40, 100, 20) << "Box_0";
    QTest::newRow("button of 375 twips") << "Button_1" << QRect(310, 200, 80, 25) << "Sample";
    QTest::newRow("picture") << "Sketch_0" << QRect(10, 240, 100, 40) << "Sample";
}

void FormTextsTest::controlsArePlacedInPixels()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QFETCH(QString, parent);
    platform::Form form(SampleForm());
    QWidget *widget = Find(form, control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
}

void FormTextsTest::controlsHaveTheirColours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("filled");
    QTest::newRow("label") << "Note_0" << QPalette::Window << QColor(255, 192, 128) << true;
    QTest::newRow("frame") << "Box_0" << QPalette::Window << QColor(255, 192, 128) << true;
    QTest::newRow("option") << "Choice_2" << QPalette::Window << QColor(255, 192, 128) << true;
    QTest::newRow("push button") << "Button_0" << QPalette::Button << QColor(128, 255, 128)
                                 << false;
}

void FormTextsTest::controlsHaveTheirColours()
{
    QFETCH(QString, control);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);
    QFETCH(bool, filled);
    platform::Form form(SampleForm());
    QWidget *widget = Find(form, control);
    QCOMPARE(widget->palette().color(role), colour);
    QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(widget->autoFillBackground(), filled);
}

void FormTextsTest::hiddenControlsNeverShow()
{
    platform::Form form(SampleForm());
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!Find(form, "Items_0")->isVisible());
    QVERIFY(!Find(form, "Aside_0")->isVisible());
    QCOMPARE(form.Text("Aside", 0), QStringLiteral("скрит\r\n"));
    for (const char *name : {"Note_0", "Line_0", "Memo_0", "Box_0", "Choice_2", "Button_1"})
        QVERIFY2(Find(form, name)->isVisible(), name);
}

void FormTextsTest::textReadsBackExactlyAsSet_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    for (const char *box : {"Line", "Memo", "Notes", "Aside"}) {
        const QByteArray prefix = QByteArray(box) + ": ";
        QTest::newRow(prefix + "CR LF lines") << box << "ред 1\r\nред 2\r\n";
        QTest::newRow(prefix + "no line end") << box << "Некоректни данни!";
        QTest::newRow(prefix + "lone LF and CR") << box << "a\nb\rc";
        QTest::newRow(prefix + "spaces before line ends") << box << "било. \r\n  \r\n";
        QTest::newRow(prefix + "empty") << box << "";
    }
}

void FormTextsTest::textReadsBackExactlyAsSet()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    platform::Form form(SampleForm());
    const QByteArray name = box.toLatin1();
    form.SetText(name.constData(), 0, text);
    QCOMPARE(form.Text(name.constData(), 0), text);
    form.SetText(name.constData(), 0, text); // and again, over the same text
    QCOMPARE(form.Text(name.constData(), 0), text);
}

void FormTextsTest::multiLineBoxShowsEachLineEndAsALineBreak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("lines");
    QTest::newRow("initial text") << QString() << "a\nb\n" << 3;
    QTest::newRow("one line") << "Некоректни данни!"
                              << "Некоректни данни!" << 1;
    QTest::newRow("report lines") << "S = 6\r\nYg_a = 4\r\n"
                                  << "S = 6\nYg_a = 4\n"
                                  << 3;
    QTest::newRow("empty line kept") << "a\r\n\r\nb"
                                     << "a\n\nb" << 3;
}

void FormTextsTest::multiLineBoxShowsEachLineEndAsALineBreak()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, lines);
    platform::Form form(SampleForm());
    if (!text.isNull())
        form.SetText("Memo", 0, text);
    auto *memo = form.findChild<QPlainTextEdit *>("Memo_0");
    QCOMPARE(memo->toPlainText(), shown);
    QCOMPARE(memo->document()->blockCount(), lines);
}

void FormTextsTest::typedTextReadsWithCrLf_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::newRow("single-line box") << "Line_1"
                                     << "3.5";
    QTest::newRow("multi-line box") << "Notes_0"
                                    << "3.5\r\n4";
}

void FormTextsTest::typedTextReadsWithCrLf()
{
    QFETCH(QString, box);
    QFETCH(QString, expected);
    platform::Form form(SampleForm());
    QWidget *widget = Find(form, box);
    QTest::keyClicks(widget, "3.5");
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClicks(widget, "4");
    if (box == QLatin1String("Line_1"))
        expected += QLatin1Char('4'); // Enter is no line break in a single-line box
    const QByteArray name = box.section(QLatin1Char('_'), 0, 0).toLatin1();
    QCOMPARE(form.Text(name.constData(), box.section(QLatin1Char('_'), 1).toInt()), expected);
}

void FormTextsTest::lockedBoxRefusesTypingButCopies()
{
    platform::Form form(SampleForm());
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *memo = Find(form, "Memo_0");
    memo->setFocus();
    QTest::keyClicks(memo, "xyz");
    QCOMPARE(form.Text("Memo", 0), QStringLiteral("a\r\nb\r\n"));
    QApplication::clipboard()->clear();
    QTest::keySequence(memo, QKeySequence::SelectAll);
    QTest::keySequence(memo, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\nb\n"));
}

void FormTextsTest::captionNamesItsTextBox()
{
    platform::Form form(SampleForm());
    QCOMPARE(Find(form, "Line_0")->accessibleName(), QStringLiteral("Първа:"));
    form.SetCaption("Note", 0, "Втора:");
    QCOMPARE(form.findChild<QLabel *>("Note_0")->text(), QStringLiteral("Втора:"));
    QCOMPARE(Find(form, "Line_0")->accessibleName(), QStringLiteral("Втора:"));
    QCOMPARE(Find(form, "Line_1")->accessibleName(), QString());
}

void FormTextsTest::listItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "нула";
    QTest::newRow("last") << 2 << "две";
    QTest::newRow("past the end") << 3 << "";
}

void FormTextsTest::listItems()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    platform::Form form(SampleForm());
    QCOMPARE(form.ListItem("Items", 0, item), text);
}

void FormTextsTest::pictureIsPaintedInsideItsBorder()
{
    platform::Form form(SampleForm());
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = Find(form, "Sketch_0")->grab().toImage();
    const QColor blue(Qt::blue);
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), blue);
    QCOMPARE(image.pixelColor(2, 2), blue);
    QVERIFY(image.pixelColor(1, 1) != blue);
    QVERIFY(image.pixelColor(image.width() - 2, image.height() - 2) != blue);
}
