// The program with its main window opened directly, without the start-up window before it:
// bench/memory.py reads how much memory it holds, bench/idle_wakeups.py how often it wakes.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/forms/Application.h"
#include "platform/windowing/WindowSystem.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    dorvak::chooseWindowSystem();
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    dorvak::setUpProgram(application);
    application.showForm<dorvak::Form1>();
    return qtApplication.exec();
}
