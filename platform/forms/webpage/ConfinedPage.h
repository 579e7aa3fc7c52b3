#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace dorvak {

class FolderGuard;

// A page kept to itself: it reads only files of the folder it was opened from, and it stays on
// the page it was opened with. A link it is asked to follow, by a click or by its script, is
// not followed but passed to linkRequested, for the program to decide.
class ConfinedPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit ConfinedPage(QWebEngineProfile* profile);

    void open(const QUrl& page);
    // The page it was opened with, without a fragment.
    QUrl address() const { return address_; }

signals:
    void linkRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    FolderGuard* guard_;
    QUrl address_;
};

} // namespace dorvak
