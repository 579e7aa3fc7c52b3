#include "platform/forms/webpage/ConfinedPage.h"

#include "platform/forms/webpage/FolderGuard.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace dorvak {

ConfinedPage::ConfinedPage(QWebEngineProfile* profile)
    : QWebEnginePage(profile)
    , guard_(new FolderGuard(this)) {
    setUrlRequestInterceptor(guard_);
    QWebEngineSettings& page = *settings();
    page.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page.setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // Otherwise the engine hands "mailto:" and the like to the desktop itself.
    page.setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);

    // A link for a new window is a link to follow like any other, when the user asked for it.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                if (request.isUserInitiated())
                    emit linkRequested(request.requestedUrl());
            });
}

void ConfinedPage::open(const QUrl& page) {
    address_ = page.adjusted(QUrl::RemoveFragment);
    guard_->setPage(page);
    load(page);
}

bool ConfinedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const bool staysHome =
        isMainFrame ? url.adjusted(QUrl::RemoveFragment) == address_ : guard_->allows(url);
    // The engine calls a script's change of address a link too.
    if (!staysHome && type == NavigationTypeLinkClicked)
        emit linkRequested(url);
    return staysHome;
}

} // namespace dorvak
