#include "platform/forms/webpage/FolderGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineUrlRequestInfo>

namespace dorvak {

void FolderGuard::setPage(const QUrl& page) {
    folder_.clear();
    if (!page.isLocalFile())
        return;
    const QString folder = QFileInfo(page.toLocalFile()).dir().canonicalPath();
    if (!folder.isEmpty())
        folder_ = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool FolderGuard::allows(const QUrl& url) const {
    if (folder_.isEmpty() || !url.isLocalFile())
        return false;
    // A file that does not exist leads nowhere; it may be asked for and found missing.
    const QFileInfo file(url.toLocalFile());
    const QString path =
        file.exists() ? file.canonicalFilePath() : QDir::cleanPath(file.absoluteFilePath());
    return path.startsWith(folder_);
}

void FolderGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!allows(info.requestUrl()))
        info.block(true);
}

} // namespace dorvak
