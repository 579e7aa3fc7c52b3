// shape_gallery [--png FILE]: shows every button shape × edge style × state in one window,
// or writes that sheet to FILE and exits.
#include "tools/gallery/ShapeSheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shape_gallery"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Every Button shape in every edge style and state."));
    options.addHelpOption();
    const QCommandLineOption png(QStringLiteral("png"),
                                 QStringLiteral("Write the sheet to <file> instead of showing it."),
                                 QStringLiteral("file"));
    options.addOption(png);
    options.process(app);

    const QImage sheet = dorvak::renderShapeSheet();
    if (options.isSet(png)) {
        if (!sheet.save(options.value(png), "PNG")) {
            std::fprintf(stderr, "shape_gallery: cannot write %s\n",
                         qPrintable(options.value(png)));
            return 1;
        }
        return 0;
    }

    QScrollArea window;
    window.setWindowTitle(QStringLiteral("Button shapes"));
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(sheet));
    window.setWidget(picture);
    window.resize(std::min(sheet.width() + 24, 1400), std::min(sheet.height() + 24, 900));
    window.show();
    return app.exec();
}
