#include "platform/windowing/WindowShape.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/windowing/WindowRegistry.h"

#include <QWidget>

namespace dorvak {

int SetWindowRgn(HWND hWnd, HRGN region, bool redraw) {
    QWidget* widget = windowFromHandle(hWnd);
    if (!widget || (region && !findGdiObject<QRegion>(region)))
        return 0;
    if (!region) {
        widget->clearMask();
    } else {
        const QRegion shape = *takeGdiObject<QRegion>(region);
        // QWidget treats an empty mask as no mask; a pixel outside the widget hides it all.
        widget->setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
    }
    if (redraw)
        widget->update();
    return 1;
}

int SetWindowRgn(HWND hWnd, OwnedRegion region, bool redraw) {
    const int result = SetWindowRgn(hWnd, region.get(), redraw);
    if (result)
        region.release();
    return result;
}

} // namespace dorvak
