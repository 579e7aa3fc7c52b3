#include "platform/forms/HandlerErrors.h"

#include "platform/forms/MessageBox.h"
#include "platform/runtime/RuntimeError.h"

#include <QString>
#include <exception>

namespace dorvak {

void runHandler(const std::function<void()>& handler) {
    // Worded as the classic runtime reports an error, with its number when it has one.
    try {
        handler();
    } catch (const RuntimeError& error) {
        MessageBox(QStringLiteral("Çalışma zamanı hatası '%1':\n\n%2")
                       .arg(int(error.code()))
                       .arg(QString::fromUtf8(error.what())));
    } catch (const std::exception& error) {
        MessageBox(QStringLiteral("Çalışma zamanı hatası:\n\n") + QString::fromUtf8(error.what()));
    } catch (...) {
        MessageBox(QStringLiteral("Çalışma zamanı hatası."));
    }
}

} // namespace dorvak
