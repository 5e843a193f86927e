// The floor of start-up for a Qt Widgets program: an empty window of the program's size,
// shown with nothing in it. bench/startup measures it next to bisectors, so what
// bisectors adds to Qt's own cost shows as the difference.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("qt_window"));
    window.setFixedSize(462, 345);
    window.show();
    return application.exec();
}
