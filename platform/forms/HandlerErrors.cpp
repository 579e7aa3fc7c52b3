#include "platform/forms/HandlerErrors.h"

#include "platform/forms/MessageBox.h"

#include <QString>
#include <exception>

namespace dorvak {

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        MessageBox(QString::fromUtf8(error.what()));
    } catch (...) {
        MessageBox(QStringLiteral("Beklenmeyen bir hata oluştu."));
    }
}

} // namespace dorvak
