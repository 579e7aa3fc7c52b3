#include "FormsTestSupport.h"

#include "platform/forms/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace dorvak {

MessageBoxWatcher::MessageBoxWatcher(std::function<bool()> mayClose)
    : mayClose_(std::move(mayClose)) {
    QObject::connect(&poller_, &QTimer::timeout, [this] { poll(); });
    poller_.start(1);
}

void MessageBoxWatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box->objectName() != QLatin1String(messageBoxObjectName) || !mayClose_())
        return;
    ++seen;
    title = box->windowTitle();
    text = box->text();
    texts.append(text);
    hadIcon = box->icon() != QMessageBox::NoIcon;
    buttonCount = int(box->buttons().size());
    buttonText = box->button(QMessageBox::Ok)->text();
    box->button(QMessageBox::Ok)->click();
}

} // namespace dorvak
