#pragma once

#include <QImage>
#include <cstdint>

class QWidget;

namespace dorvak {

// Shows the classic runtime's mouse pointer over the widget: 0 default, 1 arrow, 2 cross,
// 3 I-beam, 5 and 15 size all, 6 NE-SW, 7 N-S, 8 NW-SE, 9 W-E, 10 up arrow, 11 hourglass,
// 12 no drop, 13 arrow and hourglass, 14 arrow and question mark, 99 the custom icon.
void applyMousePointer(QWidget& widget, std::int16_t pointer, const QImage& icon);

} // namespace dorvak
