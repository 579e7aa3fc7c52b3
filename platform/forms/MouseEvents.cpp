#include "platform/forms/MouseEvents.h"

#include "platform/forms/InputCodes.h"

#include <QMouseEvent>
#include <QWidget>

namespace dorvak {

bool MouseEvents::raiseMouseEvent(QEvent* event, const QWidget& widget,
                                  const std::function<float(double pixels)>& toScale) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF position = mouse->position();
    std::int16_t button = mouseButtonCode(
        type == QEvent::MouseMove ? mouse->buttons() : Qt::MouseButtons(mouse->button()));
    std::int16_t shift = shiftCode(mouse->modifiers());
    float x = toScale(position.x());
    float y = toScale(position.y());
    switch (type) {
    case QEvent::MouseButtonPress:
        afterDoubleClick_ = false;
        MouseDown.raise(button, shift, x, y);
        break;
    case QEvent::MouseMove:
        MouseMove.raise(button, shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        afterDoubleClick_ = true;
        DblClick.raise();
        break;
    default: {
        MouseUp.raise(button, shift, x, y);
        const bool inside = widget.rect().contains(position.toPoint());
        if (inside && !afterDoubleClick_ && mouse->button() == Qt::LeftButton)
            Click.raise();
        afterDoubleClick_ = false;
        break;
    }
    }
    return true;
}

} // namespace dorvak
