#include "platform/forms/SurfaceWidget.h"

#include "platform/windowing/WindowRegistry.h"

#include <QPaintEvent>
#include <QPainter>

namespace dorvak {

SurfaceWidget::SurfaceWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , hWnd_(registerWindow(this)) {
    setAttribute(Qt::WA_NoSystemBackground);
    surface_.setRefreshHandler([this](const QRegion& changed) { update(changed); });
}

Surface& SurfaceWidget::surface() {
    if (surface_.width() != width() || surface_.height() != height())
        surface_.resize(width(), height());
    return surface_;
}

float SurfaceWidget::toScaleUnits(double pixels) const {
    return static_cast<float>(Surface::scaleX(pixels, ScaleMode::Pixels, surface_.scaleMode()));
}

bool SurfaceWidget::showsAt(QPoint point) const {
    return surface_.backStyle() == Surface::Opaque || surface_.visibleRegion().contains(point);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Above 1× each surface pixel becomes whole device pixels, never a blend: the renderers
    // and the pixel scans work in the surface's own pixels, and its lines and text stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QRegion area = event->region();
    if (surface_.backStyle() == Surface::Transparent)
        area &= surface_.visibleRegion();
    for (const QRect& rect : area) {
        // Clipped to the rectangle alone, the raster engine copies rows; under the region the
        // paint is clipped to (the widget less its opaque children) it blends pixel by pixel,
        // a large surface on worker threads that the paint then waits for.
        painter.setClipRect(rect);
        painter.drawImage(rect.topLeft(), surface_.image(), rect);
    }
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    surface();
    QWidget::resizeEvent(event);
}

} // namespace dorvak
