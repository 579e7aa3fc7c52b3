#include "platform/forms/MessageBox.h"

#include "platform/forms/Application.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace dorvak {

void MessageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? Application::title() : title, text,
                    QMessageBox::Ok);
    box.setObjectName(QString::fromLatin1(messageBoxObjectName));
    // Screen readers announce the box as an alert, named by its title and described by its text.
    box.setAccessibleDescription(text);
    // The program speaks Turkish, its one button too; no icon on it either, whatever the
    // desktop theme puts on dialog buttons.
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("Tamam"));
    ok->setIcon(QIcon());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace dorvak
