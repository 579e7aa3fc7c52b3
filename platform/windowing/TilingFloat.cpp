#include "platform/windowing/TilingFloat.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace dorvak {
namespace {

// sway tiles every window unless, when it maps one, the window has a parent or a fixed size:
// then it floats it, at that size, and keeps it floating. No request floats a window without
// changing it on other desktops too, so under sway alone each window is held at its size
// until it is first shown, and may be resized again after.
class SizeHeldUntilMapped : public QObject {
public:
    explicit SizeHeldUntilMapped(QWidget* window)
        : QObject(window)
        , window_(window)
        , minimum_(window->minimumSize())
        , maximum_(window->maximumSize()) {
        window->setFixedSize(window->size());
        window->windowHandle()->installEventFilter(this);
    }

protected:
    // The window's first frame, which maps it, is sent while its first expose is handled: the
    // size is let go after that.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    window_->setMinimumSize(minimum_);
                    window_->setMaximumSize(maximum_);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    QSize minimum_;
    QSize maximum_;
};

class FloatWhenMapped : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->windowHandle() && !widget->property(floated).isValid() &&
            widget->minimumSize() != widget->maximumSize()) {
            widget->setProperty(floated, true);
            new SizeHeldUntilMapped(widget);
        }
        return false;
    }

private:
    static constexpr const char* floated = "dorvakFloated";
};

void floatWhenMapped() {
    qApp->installEventFilter(new FloatWhenMapped(qApp));
}

} // namespace

void floatWindowsUnderSway() {
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        qAddPreRoutine(floatWhenMapped);
}

} // namespace dorvak
