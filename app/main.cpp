#include "app/Form3.h"
#include "app/Program.h"
#include "platform/forms/Application.h"
#include "platform/windowing/WindowSystem.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // On a Wayland session, through XWayland where there is one (QT_QPA_PLATFORM overrides).
    dorvak::chooseWindowSystem();
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    dorvak::setUpProgram(application);
    // The start-up window opens the main window when its count ends.
    application.showForm<dorvak::Form3>();
    return qtApplication.exec();
}
