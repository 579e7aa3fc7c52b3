#include "platform/forms/PictureBox.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/MousePointer.h"

#include <QPainter>

namespace dorvak {

PictureBox::PictureBox(QWidget* container)
    : SurfaceWidget(container)
    , Placement(static_cast<QWidget&>(*this)) {
    setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
    surface().setPicture(picture);
    Cls();
}

void PictureBox::setBackColor(OleColor color) {
    surface().setBackColor(color);
    Cls();
}

void PictureBox::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void PictureBox::setMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    applyMousePointer(*this, pointer, QImage());
}

void PictureBox::Cls() {
    surface().cls();
    surface().refresh();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, OleColor color) {
    surface().line(x1, y1, x2, y2, color);
    surface().refresh();
}

void PictureBox::Refresh() {
    surface().refresh();
}

bool PictureBox::event(QEvent* event) {
    if (raiseMouseEvent(event, *this, [this](double pixels) { return toScaleUnits(pixels); }))
        return true;
    return SurfaceWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    SurfaceWidget::paintEvent(event);
    if (borderStyle_ == 1) {
        // The frame lies over the edge pixels of the surface, as a window border would.
        QPainter painter(this);
        painter.setPen(qColorFromOle(0x80000010));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    Resize.raise();
    if (!autoRedraw_)
        Paint.raise();
}

void PictureBox::showEvent(QShowEvent* event) {
    SurfaceWidget::showEvent(event);
    if (!autoRedraw_)
        Paint.raise();
}

} // namespace dorvak
