#pragma once

#include "platform/forms/Event.h"

#include <cstdint>
#include <functional>

class QEvent;
class QWidget;

namespace dorvak {

// Mouse events a control raises to its host: button and shift codes, position in the
// control's scale units.
using MouseEvent = Event<std::int16_t&, std::int16_t&, float&, float&>;

class MouseEvents {
public:
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;
    Event<> Click;
    Event<> DblClick;

protected:
    // Raises the events for a Qt mouse event of `widget`, positions converted from pixels by
    // `toScale`. Qt's press, release, double click, release becomes MouseDown, MouseUp,
    // Click, DblClick, MouseUp. Returns false for an event that is not a mouse event.
    bool raiseMouseEvent(QEvent* event, const QWidget& widget,
                         const std::function<float(double pixels)>& toScale);

private:
    bool afterDoubleClick_ = false;
};

} // namespace dorvak
