#include "platform/forms/Application.h"

#include "platform/forms/BuiltInControls.h"
#include "platform/forms/Printer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

namespace dorvak {

Application::Application()
    : printer_(std::make_unique<Printer>()) {
    // Windows end the program by unloading, not by closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    registerBuiltInControls(controls_);
}

Application::~Application() = default;

Application* Application::instance() {
    return static_cast<Application*>(ApplicationServices::instance());
}

QString Application::title() const {
    return title_.isEmpty() ? QGuiApplication::applicationDisplayName() : title_;
}

void Application::formLoaded(Form* form) {
    forms_.push_back(form);
}

void Application::formUnloaded(Form* form) {
    const auto it = std::find(forms_.begin(), forms_.end(), form);
    if (it == forms_.end())
        return;
    forms_.erase(it);
    if (!forms_.empty() || endCheckPending_)
        return;
    // Decided once the unloading handler has returned to the event loop: a handler may unload
    // its own window and then show another, as the start-up window does with the main window.
    endCheckPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            endCheckPending_ = false;
            if (!forms_.empty())
                return;
            emit lastFormUnloaded();
            if (quitOnLastFormUnloaded_)
                QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace dorvak
