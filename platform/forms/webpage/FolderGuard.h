#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

namespace dorvak {

// Lets a page load only files of one folder: its own pictures, styles and scripts, nothing
// else on the disk and nothing from the network. Every request the engine makes for the page
// passes here, the page's own address and those of its frames included.
class FolderGuard : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // The folder of the page at that address; a page that is not a local file gets none.
    void setPage(const QUrl& page);
    bool allows(const QUrl& url) const;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    // Canonical and ending in "/", so that neither "..", nor a link out of the folder, nor a
    // neighbour whose name begins alike leads elsewhere. Empty: nothing is allowed.
    QString folder_;
};

} // namespace dorvak
