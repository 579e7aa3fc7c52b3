#include "platform/forms/WebBrowser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QWebEngineView>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dorvak {
namespace {

// The engine renders in a helper process and aborts the whole program when it cannot find it;
// look where the engine itself looks, first.
bool engineHelperPresent() {
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!fromEnvironment.isEmpty())
        return QFileInfo(fromEnvironment).isExecutable();
    const QString helper = QStringLiteral("/QtWebEngineProcess");
    return QFileInfo(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + helper)
               .isExecutable() ||
           QFileInfo(QCoreApplication::applicationDirPath() + helper).isExecutable();
}

// The engine's sandbox needs user namespaces; containers and hardened kernels may refuse
// them. Try in a throw-away child so that this process stays as it is.
bool userNamespacesWork() {
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(unshare(CLONE_NEWUSER) == 0 ? 0 : 1);
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The sandbox stays on for ordinary users. It cannot run for root, nor without user
// namespaces, and the engine would then render nothing at all; only there is it switched off.
// The engine reads the setting once, when it starts, so this runs before the first view.
void switchSandboxOffWhereItCannotRun() {
    static constexpr char setting[] = "QTWEBENGINE_DISABLE_SANDBOX";
    if (qEnvironmentVariableIsSet(setting))
        return;
    if (geteuid() == 0 || !userNamespacesWork())
        qputenv(setting, "1");
}

} // namespace

WebBrowser::WebBrowser(QWidget* container)
    : QWidget(container)
    , Placement(static_cast<QWidget&>(*this)) {
    if (!engineHelperPresent())
        return;
    switchSandboxOffWhereItCannotRun();
    view_ = new QWebEngineView(this);
    view_->setGeometry(rect());
    connect(view_, &QWebEngineView::loadFinished, this, &WebBrowser::loadFinished);
}

void WebBrowser::Navigate(const QString& address) {
    location_ =
        QUrl::fromUserInput(address, QCoreApplication::applicationDirPath(), QUrl::AssumeLocalFile);
    if (view_)
        view_->load(location_);
    else
        // As from the engine: after the caller has returned.
        QMetaObject::invokeMethod(
            this, [this] { loadFinished(false); }, Qt::QueuedConnection);
}

void WebBrowser::loadFinished(bool ok) {
    const QString url = LocationURL();
    if (ok)
        DocumentComplete.raise(url);
    else
        NavigateError.raise(url);
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (view_)
        view_->setGeometry(rect());
}

} // namespace dorvak
