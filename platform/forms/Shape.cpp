#include "platform/forms/Shape.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"

#include <QPainter>
#include <algorithm>

namespace dorvak {

const PropertyTable<Shape>& Shape::designProperties() {
    static const PropertyTable<Shape> properties{
        designed<Shape>("Shape", &Shape::setShapeKind),
        designed<Shape>("BackColor", &Shape::setBackColor),
        designed<Shape>("BackStyle", &Shape::setBackStyle),
        designed<Shape>("BorderColor", &Shape::setBorderColor),
        designed<Shape>("BorderStyle", &Shape::setBorderStyle),
        designed<Shape>("BorderWidth", &Shape::setBorderWidth),
        designed<Shape>("FillColor", &Shape::setFillColor),
        designed<Shape>("FillStyle", &Shape::setFillStyle),
        designed<Shape>("Visible", &Shape::setVisible),
    };
    return properties;
}

Shape::Shape(QWidget* container)
    : QWidget(container)
    , Placement(static_cast<QWidget&>(*this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect Shape::figureRect() const {
    QRect box = rect();
    if (shape_ == Square || shape_ == Circle || shape_ == RoundedSquare) {
        const int side = std::min(box.width(), box.height());
        QRect square(0, 0, side, side);
        square.moveCenter(box.center());
        box = square;
    }
    return box;
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (backStyle_ == 1)
        painter.fillRect(rect(), qColorFromOle(backColor_));
    const int penWidth = borderStyle_ == 0 ? 0 : std::max(1, borderWidth_);
    if (penWidth > 0) {
        QPen pen(qColorFromOle(borderColor_), penWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(fillStyle_ == 0 ? QBrush(qColorFromOle(fillColor_)) : QBrush());
    // The border lies inside the bounds, as the classic runtime draws it.
    const qreal inset = penWidth / 2.0;
    const QRectF figure = QRectF(figureRect()).adjusted(inset, inset, -inset, -inset);
    switch (shape_) {
    case Oval:
    case Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(figure);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(figure.width(), figure.height()) / 8.0;
        painter.drawRoundedRect(figure, radius, radius);
        break;
    }
    default:
        painter.drawRect(figure);
        break;
    }
}

} // namespace dorvak
