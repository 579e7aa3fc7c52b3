#include "platform/forms/SurfaceWidget.h"

#include "platform/windowing/WindowRegistry.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace dorvak {

SurfaceWidget::SurfaceWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , hWnd_(registerWindow(this)) {
    setAttribute(Qt::WA_NoSystemBackground);
    surface_.setRefreshHandler([this](const QRegion& changed) { update(changed); });
}

Surface& SurfaceWidget::surface() {
    surface_.setDeviceScale(deviceScaleFor(devicePixelRatioF()));
    if (surface_.width() != width() || surface_.height() != height())
        surface_.resize(width(), height());
    return surface_;
}

int SurfaceWidget::deviceScaleFor(qreal devicePixelRatio) {
    // A ratio a rounding error above a whole one is that whole one.
    return std::max(1, int(std::ceil(devicePixelRatio - 1e-6)));
}

float SurfaceWidget::toScaleUnits(double pixels) const {
    return static_cast<float>(Surface::scaleX(pixels, ScaleMode::Pixels, surface_.scaleMode()));
}

bool SurfaceWidget::showsAt(QPointF position) const {
    const QPoint pixel(int(std::floor(position.x())), int(std::floor(position.y())));
    if (!rect().contains(pixel) || (!mask().isEmpty() && !mask().contains(pixel)))
        return false;
    return surface_.backStyle() == Surface::Opaque || surface_.visibleRegion().contains(pixel);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another scale: the owner draws again at the new one.
    if (deviceScaleFor(devicePixelRatioF()) != surface_.deviceScale()) {
        surface();
        deviceScaleChanged();
    }
    QPainter painter(this);
    // At the surface's own scale every pixel is copied as it is; at a fractional scale the
    // surface is reduced from the next whole one, smoothly so that no row or column is
    // dropped or doubled.
    const int scale = surface_.deviceScale();
    const bool reduced = !qFuzzyCompare(devicePixelRatioF(), qreal(scale));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, reduced);
    QRegion area = event->region();
    if (surface_.backStyle() == Surface::Transparent)
        area &= surface_.visibleRegion();
    for (const QRect& rect : area) {
        // Clipped to the rectangle alone, the raster engine copies rows; under the region the
        // paint is clipped to (the widget less its opaque children) it blends pixel by pixel,
        // a large surface on worker threads that the paint then waits for.
        painter.setClipRect(rect);
        // A reduced part samples its neighbours as the whole does, so that no seam shows
        // where two updates meet.
        const QRect source = reduced ? QRect(QPoint(), surface_.image().size())
                                     : QRect(rect.topLeft() * scale, rect.size() * scale);
        painter.drawImage(source.topLeft() / scale, surface_.image(), source);
    }
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    surface();
    QWidget::resizeEvent(event);
}

} // namespace dorvak
