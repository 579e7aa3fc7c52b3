#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/Placement.h"

#include <QUrl>
#include <QWidget>

class QWebEngineView;

namespace dorvak {

// A web page shown by a real browser engine. Navigate() returns at once; the page loads in the
// background and its end is reported by DocumentComplete or NavigateError. Where the engine
// cannot start (its helper process is missing), the control stays empty and every navigation
// reports an error, so the window around it carries on.
class WebBrowser : public QWidget, public Placement {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    static constexpr const char* kind = "WebBrowser";

    explicit WebBrowser(QWidget* container);

    // The address as text: a URL ("file:///…", "https://…") or a local file path.
    void Navigate(const QString& address);
    // The address of the page shown or being loaded; empty before the first navigation.
    QString LocationURL() const { return location_.toString(); }

    // The URL of the page that finished loading, or of the one that could not be loaded.
    Event<const QString&> DocumentComplete;
    Event<const QString&> NavigateError;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadFinished(bool ok);

    QWebEngineView* view_ = nullptr; // null where the engine cannot start
    QUrl location_;
};

} // namespace dorvak
