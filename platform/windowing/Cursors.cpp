#include "platform/windowing/Cursors.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>
#include <optional>

namespace dorvak {

namespace {

std::optional<Qt::CursorShape> shapeOf(std::uint32_t cursorId) {
    switch (cursorId) {
    case IDC_ARROW:
        return Qt::ArrowCursor;
    case IDC_IBEAM:
        return Qt::IBeamCursor;
    case IDC_WAIT:
        return Qt::WaitCursor;
    case IDC_CROSS:
        return Qt::CrossCursor;
    case IDC_SIZENWSE:
        return Qt::SizeFDiagCursor;
    case IDC_SIZENESW:
        return Qt::SizeBDiagCursor;
    case IDC_SIZEWE:
        return Qt::SizeHorCursor;
    case IDC_SIZENS:
        return Qt::SizeVerCursor;
    case IDC_SIZEALL:
        return Qt::SizeAllCursor;
    case IDC_NO:
        return Qt::ForbiddenCursor;
    case IDC_HAND:
        return Qt::PointingHandCursor;
    default:
        return std::nullopt;
    }
}

// The cursor SetCursor put on a widget, and the widget's own cursor to put back when the
// pointer leaves it. A child of the widget, so it goes away with it.
class TransientCursor : public QObject {
public:
    explicit TransientCursor(QWidget* widget)
        : QObject(widget)
        , widget_(widget)
        , ownCursor_(widget->testAttribute(Qt::WA_SetCursor)
                         ? std::optional<QCursor>(widget->cursor())
                         : std::nullopt) {
        widget->installEventFilter(this);
    }

    HCURSOR show(HCURSOR cursor) {
        const HCURSOR previous = current_;
        current_ = cursor;
        const std::optional<Qt::CursorShape> shape = shapeOf(cursor.value);
        widget_->setCursor(shape ? *shape : Qt::BlankCursor);
        return previous;
    }

    static TransientCursor* of(QWidget* widget) {
        for (QObject* child : widget->children()) {
            if (auto* transient = dynamic_cast<TransientCursor*>(child))
                return transient;
        }
        return new TransientCursor(widget);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Leave) {
            if (ownCursor_)
                widget_->setCursor(*ownCursor_);
            else
                widget_->unsetCursor();
            // Out of reach of the next SetCursor before it is gone.
            widget_->removeEventFilter(this);
            setParent(nullptr);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* widget_;
    std::optional<QCursor> ownCursor_;
    HCURSOR current_ = 0;
};

} // namespace

HCURSOR LoadCursorA(const void* module, std::uint32_t cursorId) {
    return module == nullptr && shapeOf(cursorId) ? HCURSOR(cursorId) : HCURSOR();
}

HCURSOR SetCursor(HCURSOR cursor) {
    QWidget* widget = QApplication::widgetAt(QCursor::pos());
    if (!widget)
        return 0;
    return TransientCursor::of(widget)->show(cursor);
}

} // namespace dorvak
