#include "platform/windowing/WindowStyle.h"

#include "platform/windowing/ToolWindowFrame.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowSystem.h"

#include <QGuiApplication>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace dorvak {

namespace {

constexpr const char* extendedStyleProperty = "dorvakExtendedStyle";

std::int32_t extendedStyle(const QWidget* widget) {
    return widget->property(extendedStyleProperty).value<std::int32_t>();
}

// Shows the window, activating it only when asked to.
void showWindow(QWidget* widget, bool activate) {
    const bool wasWithoutActivating = widget->testAttribute(Qt::WA_ShowWithoutActivating);
    widget->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    widget->show();
    widget->setAttribute(Qt::WA_ShowWithoutActivating, wasWithoutActivating);
    if (activate && widget->isWindow())
        widget->activateWindow();
}

// Wayland keeps no window above the others, and Qt 6.4 asks the compositor to activate a
// window only with a token handed to the program, which needs the user's latest input: the
// program whose window was clicked holds that. A window that should stay on top is shown
// afresh when another program takes the focus: GNOME and KDE put a newly shown window in front
// with the focus, wherever they place it.
class KeptInFront : public QObject {
    Q_OBJECT

public:
    explicit KeptInFront(QWidget* window)
        : QObject(window)
        , window_(window) {
        focusAnswer_.setSingleShot(true);
        focusAnswer_.setInterval(focusAnswerMs);
        connect(&focusAnswer_, &QTimer::timeout, this, &KeptInFront::showAfresh);
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
            if (focus == window_->windowHandle()) {
                focusAnswer_.stop();
                unansweredShows_ = 0;
            } else if (!focus) {
                QMetaObject::invokeMethod(this, &KeptInFront::showAfresh, Qt::QueuedConnection);
            }
        });
    }

private:
    // Qt tells of a focus only once the compositor's round trip ends: one given and taken back
    // within it (another window clicked as this one came back) is never told, nor its loss. A
    // window shown afresh that has not had the focus soon after is shown once more.
    static constexpr int focusAnswerMs = 1000;
    static constexpr int showsWithoutAnswer = 2;

    void showAfresh() {
        if (!window_->isVisible() || unansweredShows_ == showsWithoutAnswer || isBeingMoved())
            return;
        ++unansweredShows_;
        window_->hide();
        window_->show();
        focusAnswer_.start();
    }

    // A desktop may take the focus from a window while it moves it.
    bool isBeingMoved() const {
        const auto* frame = qobject_cast<const ToolWindowFrame*>(window_);
        return frame && frame->isBeingMoved();
    }

    QWidget* window_;
    QTimer focusAnswer_;
    int unansweredShows_ = 0;
};

void keepInFront(QWidget* widget, bool onTop) {
    auto* kept = widget->findChild<KeptInFront*>(QString(), Qt::FindDirectChildrenOnly);
    if (onTop && !kept)
        new KeptInFront(widget);
    else if (!onTop)
        delete kept;
}

// Changes the hint on the native window in place: QWidget::setWindowFlag would hide the
// window and may create it anew, so the window manager would see a different window.
void setStaysOnTop(QWidget* widget, bool onTop) {
    if (!widget->isWindow() || widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    if (onWaylandItself())
        keepInFront(widget, onTop);
    const Qt::WindowFlags flags = widget->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow* window = widget->windowHandle()) {
        widget->overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        widget->setWindowFlags(flags); // not created yet, nothing to hide
    }
}

// The window a handle's window functions act on: the program's frame around it, where it has one.
QWidget* shownWindow(HWND hWnd) {
    QWidget* widget = windowFromHandle(hWnd);
    return widget ? ToolWindowFrame::windowOf(widget) : nullptr;
}

} // namespace

std::int32_t GetWindowLongA(HWND hWnd, int index) {
    const QWidget* widget = shownWindow(hWnd);
    return widget && index == GWL_EXSTYLE ? extendedStyle(widget) : 0;
}

std::int32_t SetWindowLongA(HWND hWnd, int index, std::int32_t value) {
    QWidget* widget = shownWindow(hWnd);
    if (!widget || index != GWL_EXSTYLE)
        return 0;
    const std::int32_t previous = extendedStyle(widget);
    widget->setProperty(extendedStyleProperty, QVariant::fromValue(value));
    if ((previous & WS_EX_LAYERED) && !(value & WS_EX_LAYERED))
        widget->setWindowOpacity(1.0);
    return previous;
}

bool SetLayeredWindowAttributes(HWND hWnd, std::uint32_t /*colorKey*/, std::uint8_t alpha,
                                unsigned flags) {
    QWidget* widget = shownWindow(hWnd);
    if (!widget || !widget->isWindow() || !(extendedStyle(widget) & WS_EX_LAYERED) ||
        (flags & LWA_COLORKEY))
        return false;
    if (flags & LWA_ALPHA)
        widget->setWindowOpacity(alpha / 255.0);
    return true;
}

bool ShowWindow(HWND hWnd, int command) {
    QWidget* widget = shownWindow(hWnd);
    if (!widget)
        return false;
    const bool wasVisible = widget->isVisible();
    switch (command) {
    case SW_HIDE:
        widget->hide();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        widget->setWindowState(widget->windowState() &
                               ~(Qt::WindowMinimized | Qt::WindowMaximized));
        showWindow(widget, true);
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        widget->setWindowState((widget->windowState() & ~Qt::WindowMaximized) |
                               Qt::WindowMinimized);
        showWindow(widget, false);
        break;
    case SW_SHOWMAXIMIZED:
        widget->setWindowState((widget->windowState() & ~Qt::WindowMinimized) |
                               Qt::WindowMaximized);
        showWindow(widget, true);
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        showWindow(widget, false);
        break;
    case SW_SHOW:
        showWindow(widget, true);
        break;
    default:
        break;
    }
    return wasVisible;
}

bool SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int width, int height,
                  unsigned flags) {
    QWidget* widget = shownWindow(hWnd);
    if (!widget)
        return false;
    const bool activate = !(flags & SWP_NOACTIVATE);
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)
            setStaysOnTop(widget, insertAfter == HWND_TOPMOST);
        else if (insertAfter == HWND_TOP)
            widget->raise();
        else if (insertAfter == HWND_BOTTOM)
            widget->lower();
    }
    if (!(flags & SWP_NOMOVE))
        widget->move(x, y);
    if (!(flags & SWP_NOSIZE))
        widget->resize(width, height);
    if (flags & SWP_HIDEWINDOW)
        widget->hide();
    else if ((flags & SWP_SHOWWINDOW) && !widget->isVisible())
        showWindow(widget, activate);
    return true;
}

} // namespace dorvak

#include "WindowStyle.moc"
