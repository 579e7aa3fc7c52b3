#include "platform/forms/MessageBox.h"

#include "platform/forms/ApplicationServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

namespace dorvak {

namespace {

QString applicationTitle() {
    const ApplicationServices* application = ApplicationServices::instance();
    return application ? application->title() : QString();
}

} // namespace

void MessageBox(const QString& text, const QString& title) {
    // Owned by the active window, the box goes with it when either is minimised and comes back
    // with it; a box minimised alone would block every window from out of sight. The owner
    // may unload while the box is open and take the box with it, hence the guard.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title.isEmpty() ? applicationTitle() : title, text,
                        QMessageBox::Ok, QApplication::activeWindow());
    box->setObjectName(QString::fromLatin1(messageBoxObjectName));
    // Screen readers announce the box as an alert named by its title and read the text shown in
    // it; a description repeating the text would have it spoken twice.
    // The program speaks Turkish, its one button too; no icon on it either, whatever the
    // desktop theme puts on dialog buttons.
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ok->setText(QStringLiteral("Tamam"));
    ok->setIcon(QIcon());
    // A title and a close button, nothing to minimise or maximise, where the desktop heeds it.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
    box->setWindowModality(Qt::ApplicationModal);
    // The keyboard goes back where it was: the window manager may give it to no window when
    // the box goes, and a keyboard user would be stranded.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    box->exec();
    delete box;
    if (focused && focused->isVisible()) {
        focused->activateWindow();
        focused->setFocus(Qt::ActiveWindowFocusReason);
    }
}

} // namespace dorvak
