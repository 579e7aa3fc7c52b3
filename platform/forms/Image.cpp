#include "platform/forms/Image.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"
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
    shownRatio_ = 0;
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

const QImage& Image::shownPicture() {
    const qreal ratio = devicePixelRatioF();
    if (ratio != shownRatio_) {
        shown_ = sharperPicture(picture_, ratio);
        shownRatio_ = ratio;
    }
    return shown_;
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    const QImage& shown = shownPicture();
    QPainter painter(this);
    // The sharper picture reduced to a fractional ratio is smoothed; any other is drawn as today.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          shown.devicePixelRatio() > 1 && shown.devicePixelRatio() != shownRatio_);
    if (stretch_)
        painter.drawImage(rect(), shown);
    else
        painter.drawImage(QPoint(0, 0), shown);
}

} // namespace dorvak
