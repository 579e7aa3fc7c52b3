#include "platform/forms/PictureBox.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"

#include <QPainter>

namespace dorvak {

const PropertyTable<PictureBox>& PictureBox::designProperties() {
    static const PropertyTable<PictureBox> properties{
        designed<PictureBox>("Picture", &PictureBox::setPicture),
        designed<PictureBox>("BackColor", &PictureBox::setBackColor),
        designed<PictureBox>("ForeColor", &PictureBox::setForeColor),
        designed<PictureBox>("BorderStyle", &PictureBox::setBorderStyle),
        designed<PictureBox>("AutoRedraw", &PictureBox::setAutoRedraw),
        designedFont<PictureBox>("Font", &PictureBox::Font, &PictureBox::setFont),
        designed<PictureBox>("Visible", &PictureBox::setVisible),
        designed<PictureBox>("Enabled", &PictureBox::setEnabled),
    };
    return properties;
}

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
