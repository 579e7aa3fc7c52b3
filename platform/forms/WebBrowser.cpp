#include "platform/forms/WebBrowser.h"

#include "platform/forms/Announcement.h"
#include "platform/forms/DesignProperties.h"
#include "platform/forms/PageHostProcess.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace dorvak {

const PropertyTable<WebBrowser>& WebBrowser::designProperties() {
    static const PropertyTable<WebBrowser> properties{
        designed<WebBrowser>("Visible", &WebBrowser::setVisible),
    };
    return properties;
}
namespace {

// As long as the engine itself counts a click as the user's own doing.
constexpr qint64 clickLeadsToLinkMilliseconds = 5000;

bool isWebAddress(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

} // namespace

WebBrowser::WebBrowser(QWidget* container)
    : QWidget(container)
    , Placement(static_cast<QWidget&>(*this))
    , readOut_(new Announcement(this))
    , openLink_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate(const QString& address) {
    location_ =
        QUrl::fromUserInput(address, QCoreApplication::applicationDirPath(), QUrl::AssumeLocalFile);
    loadPending_ = true;
    if (host_ && !host_->hasEnded()) {
        host_->send(PageMessage::Navigate, location_);
        return;
    }
    // The host and its engine take the processor for a while: a window being opened with the
    // control comes first. Later, from the event loop, by which time a window being shown is.
    host_.reset();
    if (!std::exchange(hostStartQueued_, true))
        QMetaObject::invokeMethod(this, &WebBrowser::startHostOnceWindowIsUp, Qt::QueuedConnection);
}

void WebBrowser::startHostOnceWindowIsUp() {
    const QWindow* shown = window()->windowHandle();
    if (window()->isVisible() && shown && !shown->isExposed()) {
        window()->windowHandle()->installEventFilter(this);
        return;
    }
    startHost();
}

bool WebBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        // Once the window has drawn its first frame.
        QMetaObject::invokeMethod(this, &WebBrowser::startHost, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void WebBrowser::startHost() {
    hostStartQueued_ = false;
    hostRatio_ = devicePixelRatioF();
    host_ = PageHostProcess::start(hostRatio_);
    if (!host_) {
        reportLoad(false);
        return;
    }
    connect(host_.get(), &PageHostProcess::received, this, &WebBrowser::received);
    connect(host_.get(), &PageHostProcess::ended, this, [this] { reportLoad(false); });
    host_->send(PageMessage::Resize, size());
    host_->send(PageMessage::Navigate, location_);
}

void WebBrowser::received(PageMessage message, QDataStream& fields) {
    switch (message) {
    case PageMessage::Frame:
        showFrame(fields);
        break;
    case PageMessage::Loaded: {
        bool ok = false;
        fields >> ok;
        reportLoad(ok);
        break;
    }
    case PageMessage::LinkRequested: {
        QUrl url;
        fields >> url;
        linkRequested(url);
        break;
    }
    case PageMessage::Text:
        showText(fields);
        break;
    case PageMessage::Cursor: {
        Qt::CursorShape shape;
        fields >> shape;
        if (shape >= Qt::ArrowCursor && shape <= Qt::LastCursor)
            setCursor(shape);
        break;
    }
    default:
        break;
    }
}

void WebBrowser::showFrame(QDataStream& fields) {
    QSize size;
    QByteArray pixels;
    fields >> size >> pixels;
    QImage frame(size, QImage::Format_RGB32);
    if (frame.isNull() || pixels.size() != frame.sizeInBytes())
        return;
    std::copy(pixels.cbegin(), pixels.cend(), reinterpret_cast<char*>(frame.bits()));
    frame_ = std::move(frame);
    update();
}

void WebBrowser::showText(QDataStream& fields) {
    QString text;
    fields >> text;
    // The same text again, as the page is drawn anew, is no news.
    if (text == accessibleName())
        return;
    setAccessibleName(text);
    readOut_->announce(text);
}

void WebBrowser::reportLoad(bool ok) {
    if (!std::exchange(loadPending_, false))
        return;
    const QString url = LocationURL();
    if (ok)
        DocumentComplete.raise(url);
    else
        NavigateError.raise(url);
}

void WebBrowser::linkRequested(const QUrl& url) {
    // Without a click of the user's, a page that asks to leave is a page trying to leave.
    if (clicksUnanswered_ > 0 && sinceClick_.hasExpired(clickLeadsToLinkMilliseconds))
        clicksUnanswered_ = 0;
    if (clicksUnanswered_ == 0)
        return;
    --clicksUnanswered_;
    if (isWebAddress(url))
        openLink_(url);
}

void WebBrowser::paintEvent(QPaintEvent*) {
    // A host draws at the ratio it started with; on a screen of another, a new one draws the
    // page again while this frame stands in for it.
    if (host_ && devicePixelRatioF() != hostRatio_ && !std::exchange(hostStartQueued_, true)) {
        host_.reset();
        QMetaObject::invokeMethod(this, &WebBrowser::startHost, Qt::QueuedConnection);
    }
    QPainter painter(this);
    // White until the page has drawn, as the engine starts.
    if (frame_.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(rect(), frame_);
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (host_)
        host_->send(PageMessage::Resize, size());
}

void WebBrowser::mousePressEvent(QMouseEvent* event) {
    forward(event);
}

void WebBrowser::mouseReleaseEvent(QMouseEvent* event) {
    forward(event);
    ++clicksUnanswered_;
    sinceClick_.start();
}

void WebBrowser::mouseDoubleClickEvent(QMouseEvent* event) {
    forward(event);
}

void WebBrowser::mouseMoveEvent(QMouseEvent* event) {
    forward(event);
}

void WebBrowser::forward(QMouseEvent* event) {
    if (host_)
        host_->send(PageMessage::Mouse, event->type(), event->position(), event->button(),
                    event->buttons(), event->modifiers());
}

} // namespace dorvak
