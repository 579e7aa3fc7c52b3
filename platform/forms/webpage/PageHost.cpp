#include "platform/forms/webpage/PageHost.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEngineLoadingInfo>

namespace dorvak {

PageHost::PageHost(qintptr channel)
    : channel_(channel) {
    connect(&channel_, &PageChannel::received, this, &PageHost::received);
    connect(&channel_, &PageChannel::closed, qApp, &QCoreApplication::quit);
    connect(&page_, &ConfinedPage::linkRequested, this,
            [this](const QUrl& url) { channel_.send(PageMessage::LinkRequested, url); });
    connect(&page_, &QWebEnginePage::loadingChanged, this, &PageHost::reportLoading);
    view_.setPage(&page_);
    // The view is this process's only window: whatever paints in it is a new frame, and the
    // pointer's shape over it is set on one of its widgets.
    qApp->installEventFilter(this);
    view_.show();
}

void PageHost::received(PageMessage kind, QDataStream& fields) {
    switch (kind) {
    case PageMessage::Navigate: {
        QUrl address;
        fields >> address;
        page_.open(address);
        break;
    }
    case PageMessage::Resize: {
        QSize size;
        fields >> size;
        view_.resize(size);
        break;
    }
    case PageMessage::Mouse:
        deliverMouse(fields);
        break;
    default:
        break;
    }
}

void PageHost::deliverMouse(QDataStream& fields) {
    QEvent::Type type;
    QPointF position;
    Qt::MouseButton button;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    fields >> type >> position >> button >> buttons >> modifiers;
    const bool pointerEvent = type == QEvent::MouseButtonPress ||
                              type == QEvent::MouseButtonRelease ||
                              type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    // The engine takes input on the widget it renders into.
    QWidget* target = view_.focusProxy();
    if (!pointerEvent || !target)
        return;
    QMouseEvent event(type, position, view_.mapToGlobal(position), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

void PageHost::reportLoading(const QWebEngineLoadingInfo& loading) {
    if (loading.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    // A refused navigation ends as a load of its own address that did not succeed; one the
    // page tried while it was still loading stops the page's own load with it.
    const bool succeeded = loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                           !loading.isErrorPage() &&
                           loading.url().adjusted(QUrl::RemoveFragment) == page_.address();
    channel_.send(PageMessage::Loaded, succeeded);
    if (succeeded)
        page_.toPlainText([this](const QString& text) { channel_.send(PageMessage::Text, text); });
}

bool PageHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !grabbing_ && !frameDue_) {
        // One frame for all the paints of one pass of the event loop.
        frameDue_ = true;
        QTimer::singleShot(0, this, &PageHost::sendFrame);
    } else if (event->type() == QEvent::CursorChange && watched->isWidgetType()) {
        channel_.send(PageMessage::Cursor, static_cast<QWidget*>(watched)->cursor().shape());
    }
    return false;
}

void PageHost::sendFrame() {
    frameDue_ = false;
    // Grabbing paints the view again, which is no new frame.
    grabbing_ = true;
    const QImage frame = view_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    grabbing_ = false;
    channel_.send(PageMessage::Frame, frame.size(),
                  QByteArray(reinterpret_cast<const char*>(frame.constBits()),
                             static_cast<qsizetype>(frame.sizeInBytes())));
}

} // namespace dorvak
