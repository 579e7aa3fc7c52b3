#include "platform/windowing/WindowMove.h"

#include "platform/windowing/WindowRegistry.h"

#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace dorvak {

namespace {

// Runs until the left button is up. Where the window system moves the window itself it
// only waits; otherwise it moves the window with the pointer.
class CaptionDrag : public QObject {
public:
    CaptionDrag(QWidget* window, bool movedBySystem)
        : window_(window)
        , movedBySystem_(movedBySystem)
        , pointerStart_(QCursor::pos())
        , windowStart_(window->pos()) {}

    void run() {
        qApp->installEventFilter(this);
        loop_.exec();
        qApp->removeEventFilter(this);
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

} // namespace

std::intptr_t SendMessageA(HWND hWnd, unsigned message, std::uintptr_t wParam,
                           std::intptr_t /*lParam*/) {
    QWidget* widget = windowFromHandle(hWnd);
    if (!widget || message != WM_NCLBUTTONDOWN || wParam != HTCAPTION ||
        !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return 0;
    QWidget* window = widget->window();
    QWindow* handle = window->windowHandle();
    const bool movedBySystem = handle && handle->startSystemMove();
    CaptionDrag(window, movedBySystem).run();
    return 0;
}

} // namespace dorvak
