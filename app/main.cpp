#include "app/Form1.h"
#include "app/StandInControls.h"
#include "platform/forms/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    dorvak::registerStandInControls(application);
    application.showForm<dorvak::Form1>();
    return qtApplication.exec();
}
