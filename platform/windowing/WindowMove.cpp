#include "platform/windowing/WindowMove.h"

#include "platform/windowing/Pointer.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowSystem.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace dorvak {

namespace {

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
    const QPoint pressed(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (wParam == HTCAPTION) {
        const bool movedBySystem = handle && handle->startSystemMove();
        CaptionDrag drag(window, movedBySystem, pressed);
        drag.run();
        // Where the compositor alone places windows, it has the last word.
        if (movedBySystem && canPlaceWindows())
            drag.followWholeDrag();
    } else if (const std::optional<Qt::Edges> edges = sizingEdges(wParam)) {
        if (handle && handle->startSystemResize(*edges))
            CaptionDrag(window, true, pressed).run();
    }
    return 0;
}

} // namespace dorvak
