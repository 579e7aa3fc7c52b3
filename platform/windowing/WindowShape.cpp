#include "platform/windowing/WindowShape.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/windowing/WindowRegistry.h"

#include <QVariant>
#include <QWidget>

namespace dorvak {

namespace {

constexpr const char* windowRegionProperty = "dorvakWindowRegion";
constexpr const char* visibleAreaProperty = "dorvakVisibleArea";

std::optional<QRegion> storedRegion(const QWidget* widget, const char* property) {
    const QVariant value = widget->property(property);
    return value.isValid() ? std::optional<QRegion>(value.value<QRegion>()) : std::nullopt;
}

void store(QWidget* widget, const char* property, const std::optional<QRegion>& region) {
    widget->setProperty(property, region ? QVariant::fromValue(*region) : QVariant());
}

void applyShape(QWidget* widget) {
    std::optional<QRegion> shape = storedRegion(widget, windowRegionProperty);
    if (const std::optional<QRegion> visible = storedRegion(widget, visibleAreaProperty))
        shape = shape ? *shape & *visible : *visible;
    // QWidget treats an empty mask as no mask; a pixel outside the widget hides it all.
    if (shape && shape->isEmpty())
        shape = QRegion(-1, -1, 1, 1);
    const QRegion mask = shape.value_or(QRegion());
    // Surfaces hand over their visible area on every refresh; an unchanged mask costs nothing.
    if (mask == widget->mask())
        return;
    if (shape)
        widget->setMask(mask);
    else
        widget->clearMask();
}

} // namespace

int SetWindowRgn(HWND hWnd, HRGN region, bool redraw) {
    QWidget* widget = windowFromHandle(hWnd);
    if (!widget || (region != 0 && !findGdiObject<QRegion>(region)))
        return 0;
    store(widget, windowRegionProperty,
          region != 0 ? takeGdiObject<QRegion>(region) : std::optional<QRegion>());
    applyShape(widget);
    if (redraw)
        widget->update();
    return 1;
}

void setVisibleArea(QWidget* widget, const std::optional<QRegion>& visible) {
    store(widget, visibleAreaProperty, visible);
    applyShape(widget);
}

} // namespace dorvak
