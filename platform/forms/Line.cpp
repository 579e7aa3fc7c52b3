#include "platform/forms/Line.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"
#include "platform/forms/Twips.h"

#include <QPainter>
#include <algorithm>

namespace dorvak {

const PropertyTable<Line>& Line::designProperties() {
    static const PropertyTable<Line> properties{
        designed<Line>("X1", &Line::setX1),
        designed<Line>("Y1", &Line::setY1),
        designed<Line>("X2", &Line::setX2),
        designed<Line>("Y2", &Line::setY2),
        designed<Line>("BorderColor", &Line::setBorderColor),
        designed<Line>("BorderStyle", &Line::setBorderStyle),
        designed<Line>("BorderWidth", &Line::setBorderWidth),
        designed<Line>("Visible", &Line::setVisible),
    };
    return properties;
}

Line::Line(QWidget* container)
    : QWidget(container) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setX1(double twips) {
    x1_ = twips;
    place();
}

void Line::setY1(double twips) {
    y1_ = twips;
    place();
}

void Line::setX2(double twips) {
    x2_ = twips;
    place();
}

void Line::setY2(double twips) {
    y2_ = twips;
    place();
}

void Line::setBorderColor(OleColor color) {
    color_ = color;
    update();
}

void Line::setBorderStyle(int style) {
    style_ = style;
    update();
}

void Line::setBorderWidth(int width) {
    width_ = width;
    place();
}

void Line::place() {
    const int left = pixelsFromTwips(std::min(x1_, x2_));
    const int top = pixelsFromTwips(std::min(y1_, y2_));
    const int right = pixelsFromTwips(std::max(x1_, x2_));
    const int bottom = pixelsFromTwips(std::max(y1_, y2_));
    const int pen = std::max(1, width_);
    setGeometry(left, top, right - left + pen, bottom - top + pen);
    update();
}

void Line::paintEvent(QPaintEvent*) {
    if (style_ == 0)
        return;
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::SolidLine,   Qt::DashLine,
                                              Qt::DotLine,   Qt::DashDotLine, Qt::DashDotDotLine};
    QPen pen(qColorFromOle(color_), std::max(1, width_));
    pen.setStyle(style_ >= 0 && style_ <= 5 ? styles[style_] : Qt::SolidLine);
    QPainter painter(this);
    painter.setPen(pen);
    const QPoint origin = pos();
    painter.drawLine(QPoint(pixelsFromTwips(x1_), pixelsFromTwips(y1_)) - origin,
                     QPoint(pixelsFromTwips(x2_), pixelsFromTwips(y2_)) - origin);
}

} // namespace dorvak
