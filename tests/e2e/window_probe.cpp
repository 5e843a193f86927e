// Loaded with LD_PRELOAD into the program, it takes the place of Qt's event loop: once
// the window has started, it prints what the window was started with and lets it return
// at once, so that a test sees which runs open the window and what Qt made of the
// arguments, without a display.
//
//   window platform=offscreen session=abc program=bisectors direction=ltr decimal=.

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace
{

int PrintWindow()
{
    const bool reversed = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    std::printf("window platform=%s session=%s program=%s direction=%s decimal=%s\n",
                qUtf8Printable(QGuiApplication::platformName()), qUtf8Printable(qApp->sessionId()),
                qUtf8Printable(QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
                reversed ? "rtl" : "ltr", qUtf8Printable(QLocale::system().decimalPoint()));
    std::fflush(stdout);
    return 0;
}

} // namespace

int QCoreApplication::exec()
{
    return PrintWindow();
}
int QGuiApplication::exec()
{
    return PrintWindow();
}
int QApplication::exec()
{
    return PrintWindow();
}
