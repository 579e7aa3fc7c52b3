#include "platform/forms/MessageBox.h"

#include "platform/forms/Application.h"

#include <QMessageBox>

namespace dorvak {

void MessageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? Application::title() : title, text,
                    QMessageBox::Ok);
    box.setObjectName(QString::fromLatin1(messageBoxObjectName));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace dorvak
