#include "platform/windowing/WindowMove.h"

#include "platform/windowing/Pointer.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowSystem.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

namespace dorvak {

namespace {

// Where the left button went down on one of the program's windows, as the window system
// reported it, while it is held. Whoever starts a drag from that press reads the pointer only
// while handling it, when the pointer may have gone on already.
class LeftPress : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static std::optional<QPoint> held() {
        const auto* press = qApp->findChild<LeftPress*>(QString(), Qt::FindDirectChildrenOnly);
        return press ? press->at_ : std::nullopt;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress;
        if ((press || event->type() == QEvent::MouseButtonRelease) && watched->isWindowType() &&
            static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (press)
                at_ = static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
            else
                at_.reset();
        }
        return false;
    }

private:
    std::optional<QPoint> at_;
};

void recordLeftPresses() {
    qApp->installEventFilter(new LeftPress(qApp));
}

Q_COREAPP_STARTUP_FUNCTION(recordLeftPresses)

constexpr std::chrono::milliseconds buttonWatchInterval{15};

// Runs until the left button is up. Where the window system moves or resizes the window itself
// it only waits; otherwise it moves the window with the pointer.
class CaptionDrag : public QObject {
public:
    CaptionDrag(QWidget* window, bool movedBySystem, QPoint pointerStart)
        : window_(window)
        , movedBySystem_(movedBySystem)
        , pointerStart_(pointerStart)
        , windowStart_(window->pos()) {}

    void run() {
        qApp->installEventFilter(this);
        // The window system takes the release for itself and may say nothing when its move
        // ends; on X the button's state is asked of the server while the move lasts.
        QTimer buttonWatch;
        if (movedBySystem_) {
            QObject::connect(&buttonWatch, &QTimer::timeout, &loop_, [this] {
                if (GetAsyncKeyState(VK_LBUTTON) >= 0)
                    loop_.quit();
            });
            buttonWatch.start(buttonWatchInterval);
        }
        loop_.exec();
        qApp->removeEventFilter(this);
    }

    // The window system's move follows the pointer from where it was when the move began,
    // which may be past the press: the window goes where the whole drag takes it.
    void followWholeDrag() {
        if (window_ && !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            window_->move(windowStart_ + QCursor::pos() - pointerStart_);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton))
                loop_.quit();
            else if (!movedBySystem_ && window_)
                window_->move(windowStart_ + QCursor::pos() - pointerStart_);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                loop_.quit();
            break;
        case QEvent::Enter:
            // The pointer coming back after the window system's move ends it.
            if (movedBySystem_)
                loop_.quit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool movedBySystem_;
    QPoint pointerStart_;
    QPoint windowStart_;
    QEventLoop loop_;
};

xcb_atom_t internedAtom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, false, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool windowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t hint) {
    const xcb_atom_t supported = internedAtom(connection, "_NET_SUPPORTED");
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, false, root, supported, XCB_ATOM_ATOM, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, hint) != atoms + count;
}

// _NET_WM_MOVERESIZE's direction for a hit code: the sizing edges clockwise from the top-left
// corner, then the move.
std::optional<std::uint32_t> moveResizeDirection(std::uintptr_t hitCode) {
    constexpr std::uintptr_t clockwise[] = {HTTOPLEFT,    HTTOP,         HTTOPRIGHT,
                                            HTRIGHT,      HTBOTTOMRIGHT, HTBOTTOM,
                                            HTBOTTOMLEFT, HTLEFT,        HTCAPTION};
    const auto* found = std::find(std::begin(clockwise), std::end(clockwise), hitCode);
    if (found == std::end(clockwise))
        return std::nullopt;
    return std::uint32_t(found - std::begin(clockwise));
}

// Asks an X window manager to move or resize the window as if its frame had been pressed at
// `pressed` (screen pixels). Qt's own request names where it last saw the pointer instead: a
// manager that follows the pointer from the point it is told, as EWMH asks, would then leave
// out the way the pointer went between the press and the request.
bool startX11MoveResize(QWindow* window, QPoint pressed, std::uint32_t direction) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t moveResize = internedAtom(connection, "_NET_WM_MOVERESIZE");
    if (!windowManagerSupports(connection, root, moveResize))
        return false;
    const QPoint at = pressed * window->devicePixelRatio();
    constexpr std::uint32_t fromApplication = 1;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = moveResize;
    request.data.data32[0] = std::uint32_t(at.x());
    request.data.data32[1] = std::uint32_t(at.y());
    request.data.data32[2] = direction;
    request.data.data32[3] = XCB_BUTTON_INDEX_1;
    request.data.data32[4] = fromApplication;
    // The manager grabs the pointer itself, which it cannot while the press's own grab holds.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
    return true;
}

std::optional<Qt::Edges> sizingEdges(std::uintptr_t hitCode) {
    switch (hitCode) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return std::nullopt;
    }
}

} // namespace

std::intptr_t SendMessageA(HWND hWnd, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    QWidget* widget = windowFromHandle(hWnd);
    if (!widget || message != WM_NCLBUTTONDOWN || GetAsyncKeyState(VK_LBUTTON) >= 0)
        return 0;
    QWidget* window = widget->window();
    QWindow* handle = window->windowHandle();
    const std::optional<std::uint32_t> direction = moveResizeDirection(wParam);
    if (!direction)
        return 0;
    const QPoint pressed = LeftPress::held().value_or(
        lParam ? QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) : QCursor::pos());
    const bool bySystem = handle && startX11MoveResize(handle, pressed, *direction);
    if (wParam == HTCAPTION) {
        const bool movedBySystem = bySystem || (handle && handle->startSystemMove());
        CaptionDrag drag(window, movedBySystem, pressed);
        drag.run();
        // Where the compositor alone places windows, it has the last word.
        if (movedBySystem && canPlaceWindows())
            drag.followWholeDrag();
    } else if (bySystem || (handle && handle->startSystemResize(*sizingEdges(wParam)))) {
        CaptionDrag(window, true, pressed).run();
    }
    return 0;
}

} // namespace dorvak

#include "WindowMove.moc"
