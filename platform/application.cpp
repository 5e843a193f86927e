#include "application.h"

#include <QByteArray>
#include <QMessageLogger>
#include <QString>

#include <fontconfig/fontconfig.h>

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

} // namespace

std::unique_ptr<QApplication> StartApplication(int &argc, char **argv, const char *name,
                                               const char *version)
{
    programName = name;

    // Reading the font configuration is the largest single cost of showing the first
    // text. It needs nothing from Qt, so a second thread does it while Qt connects to
    // the display, and Qt's own first call finds it done.
    std::thread fontConfiguration(FcInit);

    QCoreApplication::setApplicationName(QString::fromUtf8(name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version));

    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    ShowHeldMessages();
    fontConfiguration.join();

    QApplication::setStyle(QStringLiteral("Fusion"));
    return application;
}

} // namespace platform
