#include "application.h"

#include <QByteArray>
#include <QLibraryInfo>
#include <QMessageLogger>
#include <QString>
#include <QTranslator>

#ifdef BISECTORS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform
{
namespace
{

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// While the application starts, the platform plugin's messages are held back: shown if
// the start succeeds, replaced by one line if it fails.
std::vector<HeldMessage> heldMessages;
const char *programName = "";

void HoldMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        const char *display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "%s: cannot open a display (DISPLAY is %s%s%s); start it from a "
                     "graphical desktop session\n",
                     programName, display ? "\"" : "", display ? display : "not set",
                     display ? "\"" : "");
        std::fflush(stderr);
        _exit(1);
    }
    heldMessages.push_back({type, QByteArray(context.category), text});
}

void ShowHeldMessages()
{
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogger logger(nullptr, 0, nullptr, message.category.constData());
        switch (message.type) {
        case QtDebugMsg:
            logger.debug("%s", qUtf8Printable(message.text));
            break;
        case QtInfoMsg:
            logger.info("%s", qUtf8Printable(message.text));
            break;
        case QtWarningMsg:
            logger.warning("%s", qUtf8Printable(message.text));
            break;
        case QtCriticalMsg:
        case QtFatalMsg:
            logger.critical("%s", qUtf8Printable(message.text));
            break;
        }
    }
    heldMessages.clear();
}

// On a Wayland desktop that also runs Xwayland, the window opens as an X11 window unless
// the user chose a platform. Qt 6.4 draws a Wayland window's title bar itself: it offers
// maximise to a window of fixed size (and maximising it ends the program on compositors
// that hold a client to the size they asked for), and to draw it Qt starts OpenGL, which
// brings some 50 MB of graphics drivers into a program that paints without them. An X11
// window's frame is drawn by the desktop, which honours the fixed size.
void PreferX11OnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace

void TranslateQt(const char *language)
{
    const QString name = QStringLiteral("qtbase_") + QLatin1String(language);
    if (!qApp || qApp->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *translator = new QTranslator(qApp);
    translator->setObjectName(name);
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

std::unique_ptr<QApplication> StartApplication(int &argc, char **argv, const char *name,
                                               const char *version)
{
    programName = name;

#ifdef BISECTORS_FONTCONFIG
    // Reading the font configuration is the largest single cost of showing the first
    // text. It needs nothing from Qt, so a second thread does it while Qt connects to
    // the display, and Qt's own first call finds it done.
    std::thread fontConfiguration(FcInit);
#endif

    QCoreApplication::setApplicationName(QString::fromUtf8(name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version));

    PreferX11OnWayland();
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    ShowHeldMessages();
#ifdef BISECTORS_FONTCONFIG
    fontConfiguration.join();
#endif

    QApplication::setStyle(QStringLiteral("Fusion"));
    return application;
}

} // namespace platform
