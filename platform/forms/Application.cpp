#include "platform/forms/Application.h"

#include "platform/forms/Accessibility.h"
#include "platform/forms/DesignFonts.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Printer.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WebBrowser.h"
#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

namespace dorvak {
namespace {

Application* theApplication = nullptr;

template <typename T> void registerBuiltIn(Application& application) {
    application.registerControlKind(QString::fromLatin1(T::kind),
                                    [](const ControlSite& site) { return new T(site.container); });
}

} // namespace

Application::Application()
    : printer_(std::make_unique<Printer>()) {
    Q_ASSERT(!theApplication);
    theApplication = this;
    // Windows end the program by unloading, not by closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    registerDesignFonts();
    installAccessibility();
    registerBuiltIn<TextBox>(*this);
    registerBuiltIn<Label>(*this);
    registerBuiltIn<Shape>(*this);
    registerBuiltIn<Line>(*this);
    registerBuiltIn<Image>(*this);
    registerBuiltIn<PictureBox>(*this);
    registerBuiltIn<Timer>(*this);
    registerBuiltIn<WebBrowser>(*this);
}

Application::~Application() {
    removeAccessibility();
    theApplication = nullptr;
}

Application* Application::instance() {
    return theApplication;
}

QString Application::title() {
    return QStringLiteral("Velto Dorvak Programı");
}

void Application::registerControlKind(const QString& kind, ControlFactory factory) {
    kinds_[kind] = std::move(factory);
}

QObject* Application::createControl(const QString& kind, const ControlSite& site) const {
    const auto it = kinds_.find(kind);
    if (it == kinds_.end())
        throw RuntimeError(ErrorCode::InvalidCall, "unknown control kind " + kind.toStdString());
    return it->second(site);
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
