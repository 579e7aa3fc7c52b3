#include "platform/forms/PictureBox.h"

#include "platform/forms/DesignValues.h"

#include <QPainter>

namespace dorvak {

PictureBox::PictureBox(QWidget* container)
    : DrawingWidget(container, {}, false)
    , Placement(static_cast<QWidget&>(*this)) {}

void PictureBox::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
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

} // namespace dorvak
