#include "platform/windowing/Pointer.h"

#include "platform/windowing/WindowRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

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

// The mouse buttons down at this moment. On X they are asked of the server: the toolkit's own
// state lags by the input still queued, and a press handled after the button went up must not
// start a move the window manager would then hold on to with no button to end it.
Qt::MouseButtons mouseButtonsNow() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return QGuiApplication::mouseButtons();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (!pointer)
        return QGuiApplication::mouseButtons();
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, pointer->mask & XCB_BUTTON_MASK_1);
    buttons.setFlag(Qt::MiddleButton, pointer->mask & XCB_BUTTON_MASK_2);
    buttons.setFlag(Qt::RightButton, pointer->mask & XCB_BUTTON_MASK_3);
    std::free(pointer);
    return buttons;
}

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

// A press goes where it would go had the capture holder seen the pointer arrive. A press can
// come with no move before it (a touch, a pointer that jumped): the holder is shown the move
// first, so that it can let the capture go. And the window system hands a press to the window
// that held the pointer grab when the press happened, even when the move just before it ended
// the grab: such a press is passed on to the window under the pointer.
class CapturedPressRouting : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || event->type() != QEvent::MouseButtonPress || passingOn_)
            return false;
        const auto& press = static_cast<const QMouseEvent&>(*event);
        const QPoint at = press.globalPosition().toPoint();
        showPointerToHolder(press, *window);

        if (QWidget::mouseGrabber() || QApplication::activePopupWidget())
            return false;
        QWindow* under = windowUnder(at);
        if (!under || under == window || isBlocked(*under))
            return false;
        QMouseEvent passed(press.type(), under->mapFromGlobal(at), at, press.button(),
                           press.buttons(), press.modifiers(), press.pointingDevice());
        passingOn_ = true;
        QCoreApplication::sendEvent(under, &passed);
        passingOn_ = false;
        // The platform asked to activate the window it handed the press to; the window
        // pressed is the one to be active.
        under->requestActivate();
        return true;
    }

private:
    static void showPointerToHolder(const QMouseEvent& press, const QWindow& pressed) {
        QWidget* holder = QWidget::mouseGrabber();
        const QPoint at = press.globalPosition().toPoint();
        if (!holder || holder->rect().contains(holder->mapFromGlobal(at)))
            return;
        QMouseEvent move(QEvent::MouseMove, holder->mapFromGlobal(at), at, Qt::NoButton,
                         press.buttons() & ~press.button(), press.modifiers(),
                         press.pointingDevice());
        QCoreApplication::sendEvent(holder, &move);
        // A press on another window than the holder's is not the holder's, whatever the
        // pointer position the holder read.
        if (QWidget::mouseGrabber() == holder && holder->window()->windowHandle() != &pressed)
            holder->releaseMouse();
    }

    // The active window when the point is on it: the window system may already be raising
    // the window the press was handed to, for that very press. Otherwise the topmost.
    static QWindow* windowUnder(QPoint at) {
        QWindow* active = QGuiApplication::focusWindow();
        if (active && active->isVisible() && active->geometry().contains(at))
            return active;
        return QGuiApplication::topLevelAt(at);
    }

    static bool isBlocked(const QWindow& window) {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->windowHandle() != &window;
    }

    bool passingOn_ = false;
};

void routeCapturedPresses() {
    if (!qApp->findChild<CapturedPressRouting*>(QString(), Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new CapturedPressRouting(qApp));
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
        routeCapturedPresses();
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
    const Qt::MouseButtons buttons = mouseButtonsNow();
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
