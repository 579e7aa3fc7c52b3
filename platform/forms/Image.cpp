#include "platform/forms/Image.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/Twips.h"

#include <QPainter>

namespace dorvak {

const PropertyTable<Image>& Image::designProperties() {
    static const PropertyTable<Image> properties{
        designed<Image>("Picture", &Image::setPicture),
        designed<Image>("Stretch", &Image::setStretch),
        designed<Image>("Visible", &Image::setVisible),
        designed<Image>("Enabled", &Image::setEnabled),
    };
    return properties;
}

Image::Image(QWidget* container)
    : QWidget(container)
    , Placement(static_cast<QWidget&>(*this)) {
    setMouseTracking(true);
}

void Image::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

bool Image::event(QEvent* event) {
    if (raiseMouseEvent(event, *this, [](double pixels) { return twipsFromPixels(pixels); }))
        return true;
    return QWidget::event(event);
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace dorvak
