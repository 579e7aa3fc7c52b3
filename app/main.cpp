#include "app/ControlKinds.h"
#include "app/Form3.h"
#include "platform/forms/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    dorvak::registerControlKinds(application);
    // The start-up window opens the main window when its count ends.
    application.showForm<dorvak::Form3>();
    return qtApplication.exec();
}
