#include "platform/forms/MessageBox.h"

#include "platform/forms/Application.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace dorvak {

void MessageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? Application::title() : title, text,
                    QMessageBox::Ok);
    box.setObjectName(QString::fromLatin1(messageBoxObjectName));
    // The program speaks Turkish, its one button too.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace dorvak
