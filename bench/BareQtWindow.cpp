// The yardstick of the first-window benchmark: the least a Qt Widgets program does to put a
// window on the screen, an application object and one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Dorvak"));
    label.show();
    return application.exec();
}
