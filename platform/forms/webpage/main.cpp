// The page host: runs the browser engine for one WebBrowser of the program, which starts it
// with one end of a connected socket pair and ends it by closing that end. The engine thus
// never loads into the program, and all of it ends with the control.
#include "platform/forms/DesignFonts.h"
#include "platform/forms/webpage/PageHost.h"
#include "platform/forms/webpage/Sandbox.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Drawn off the screen in software, its pixels shown by the program: the same on X11,
    // Wayland or no display at all.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    dorvak::switchSandboxOffWhereItCannotRun();
    QApplication application(argc, argv);
    // The engine describes its graphics set-up at every start; the program's error output is
    // for what goes wrong.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // Pages ask for the faces the program's windows use, and get the same.
    dorvak::registerDesignFonts();

    bool isDescriptor = false;
    const qintptr channel = argc == 2 ? QByteArray(argv[1]).toLongLong(&isDescriptor) : -1;
    if (!isDescriptor) {
        std::fputs("dorvak-page: yalnızca dorvak tarafından başlatılır.\n", stderr);
        return 2;
    }
    dorvak::PageHost host(channel);
    return application.exec();
}
