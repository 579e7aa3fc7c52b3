// The program with its main window opened directly, without the start-up window before it:
// bench/startup.py times how long the window takes to come up and how much memory it holds.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/forms/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    dorvak::setUpProgram(application);
    application.showForm<dorvak::Form1>();
    return qtApplication.exec();
}
