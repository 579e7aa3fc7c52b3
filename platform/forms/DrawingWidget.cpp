#include "platform/forms/DrawingWidget.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/MousePointer.h"

namespace dorvak {

DrawingWidget::DrawingWidget(QWidget* parent, Qt::WindowFlags flags, bool autoRedraw)
    : SurfaceWidget(parent, flags)
    , autoRedraw_(autoRedraw) {
    // Mouse moves without a button held reach MouseMove too: a skin shapes the pointer at
    // a window's edges.
    setMouseTracking(true);
}

void DrawingWidget::setPicture(const QImage& picture) {
    surface().setPicture(picture, sharperPicture(picture, devicePixelRatioF()));
    Cls();
}

void DrawingWidget::setBackColor(OleColor color) {
    surface().setBackColor(color);
    Cls();
}

void DrawingWidget::setMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    applyMousePointer(*this, pointer, QImage());
}

void DrawingWidget::Cls() {
    surface().cls();
    surface().refresh();
}

void DrawingWidget::Line(double x1, double y1, double x2, double y2, OleColor color) {
    surface().line(x1, y1, x2, y2, color);
    surface().refresh();
}

void DrawingWidget::Refresh() {
    surface().refresh();
}

bool DrawingWidget::event(QEvent* event) {
    if (raiseMouseEvent(event, *this, [this](double pixels) { return toScaleUnits(pixels); }))
        return true;
    return SurfaceWidget::event(event);
}

void DrawingWidget::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    Resize.raise();
    if (!autoRedraw_)
        Paint.raise();
}

void DrawingWidget::showEvent(QShowEvent* event) {
    SurfaceWidget::showEvent(event);
    if (!autoRedraw_)
        Paint.raise();
}

} // namespace dorvak
