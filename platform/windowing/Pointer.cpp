#include "platform/windowing/Pointer.h"

#include "platform/windowing/WindowRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace dorvak {

namespace {

HWND registeredAncestor(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (const HWND handle = handleOfWindow(widget))
            return handle;
    }
    return 0;
}

constexpr std::int16_t keyDown = std::int16_t(0x8000);

// A modal window takes the capture from the windows it blocks, as disabling a window cancels
// its capture on the desktop; otherwise the grab would keep the mouse from the modal window.
class CaptureCancel : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* grabber = QWidget::mouseGrabber();
        if (event->type() == QEvent::WindowBlocked && grabber && grabber->window() == watched)
            grabber->releaseMouse();
        return false;
    }
};

void cancelCaptureWhenBlocked(QWidget* window) {
    if (!window->findChild<CaptureCancel*>(QString(), Qt::FindDirectChildrenOnly))
        window->installEventFilter(new CaptureCancel(window));
}

} // namespace

bool GetCursorPos(POINT* position) {
    if (!position)
        return false;
    const QPoint pos = QCursor::pos();
    *position = {pos.x(), pos.y()};
    return true;
}

bool SetCursorPos(int x, int y) {
    QCursor::setPos(x, y);
    return true;
}

bool ScreenToClient(HWND hWnd, POINT* point) {
    const QWidget* widget = windowFromHandle(hWnd);
    if (!widget || !point)
        return false;
    const QPoint client = widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = {client.x(), client.y()};
    return true;
}

HWND WindowFromPoint(POINT point) {
    return registeredAncestor(QApplication::widgetAt(point.x, point.y));
}

HWND SetCapture(HWND hWnd) {
    const HWND previous = GetCapture();
    QWidget* widget = windowFromHandle(hWnd);
    if (!widget || !widget->isVisible())
        return previous;
    if (QWidget::mouseGrabber() != widget) {
        cancelCaptureWhenBlocked(widget->window());
        widget->grabMouse();
    }
    return previous;
}

bool ReleaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return true;
}

HWND GetCapture() {
    return registeredAncestor(QWidget::mouseGrabber());
}

std::int16_t GetAsyncKeyState(int virtualKey) {
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    const auto down = [](bool pressed) { return pressed ? keyDown : std::int16_t(0); };
    switch (virtualKey) {
    case VK_LBUTTON:
        return down(buttons & Qt::LeftButton);
    case VK_RBUTTON:
        return down(buttons & Qt::RightButton);
    case VK_MBUTTON:
        return down(buttons & Qt::MiddleButton);
    case VK_SHIFT:
        return down(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
    case VK_CONTROL:
        return down(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
    case VK_MENU:
        return down(QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier);
    default:
        return 0;
    }
}

} // namespace dorvak

#include "Pointer.moc"
