// Loaded with LD_PRELOAD into the packaged program, it takes the place of Qt's event
// loop: the program runs its own start-up, then, instead of waiting for the user, this
// prints the application version the program gave itself and lets main return.

#include <QApplication>

#include <cstdio>

namespace
{

int PrintVersion()
{
    std::printf("%s\n", qUtf8Printable(QCoreApplication::applicationVersion()));
    std::fflush(stdout);
    return 0;
}

} // namespace

int QCoreApplication::exec()
{
    return PrintVersion();
}
int QGuiApplication::exec()
{
    return PrintVersion();
}
int QApplication::exec()
{
    return PrintVersion();
}
