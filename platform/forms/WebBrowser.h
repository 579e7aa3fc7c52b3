#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/Placement.h"

#include <QElapsedTimer>
#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

class QDataStream;

namespace dorvak {

template <typename Owner> class PropertyTable;

class Announcement;
class PageHostProcess;
enum class PageMessage : quint8;

// A web page shown by a real browser engine, which runs in a helper process of its own
// (PageHostProcess) from the first navigation until the control goes; a window being shown with
// the control is on the screen before the process starts. Navigate() returns at
// once; the page loads in the background and its end is reported by DocumentComplete or
// NavigateError. The page is drawn at the device pixel ratio of the control's screen, and drawn
// anew when the control comes to a screen of another. Screen readers read the page as a picture
// named by its text, and hear that text once when a page has loaded, as a sighted user sees it.
// Where the engine cannot run, every navigation reports an error and the window around the control
// carries on.
//
// The page is kept to itself: it reads only files of its own folder, never the network, and
// stays where it was navigated to. A link the user clicks in it goes to the link opener, the
// desktop's own browser by default, and only when it is a web address.
class WebBrowser : public QWidget, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<WebBrowser>& designProperties();

    static constexpr const char* kind = "WebBrowser";
    using LinkOpener = std::function<void(const QUrl&)>;

    explicit WebBrowser(QWidget* container);
    ~WebBrowser() override;

    // The address as text: a URL ("file:///…") or a local file path.
    void Navigate(const QString& address);
    // The address of the page shown or being loaded; empty before the first navigation.
    QString LocationURL() const { return location_.toString(); }

    void setLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }

    // The URL of the page that finished loading, or of the one that could not be loaded.
    Event<const QString&> DocumentComplete;
    Event<const QString&> NavigateError;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startHostOnceWindowIsUp();
    void startHost();
    void received(PageMessage message, QDataStream& fields);
    void showFrame(QDataStream& fields);
    void showText(QDataStream& fields);
    void linkRequested(const QUrl& url);
    void forward(QMouseEvent* event);
    // The outcome of the latest navigation; later reports of the same page are not news.
    void reportLoad(bool ok);

    std::unique_ptr<PageHostProcess> host_;
    bool hostStartQueued_ = false;
    qreal hostRatio_ = 1;
    QImage frame_;
    Announcement* readOut_;
    QUrl location_;
    bool loadPending_ = false;
    LinkOpener openLink_;
    // Each click of the user's in the page lets one link leave it, for a while.
    int clicksUnanswered_ = 0;
    QElapsedTimer sinceClick_;
};

} // namespace dorvak
