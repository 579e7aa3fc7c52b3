#include "platform/forms/Label.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"
#include "platform/forms/Twips.h"
#include "platform/gdi/Text.h"

#include <QPainter>

namespace dorvak {

const PropertyTable<Label>& Label::designProperties() {
    static const PropertyTable<Label> properties{
        designed<Label>("Caption", &Label::setCaption),
        designed<Label>("ForeColor", &Label::setForeColor),
        designed<Label>("BackColor", &Label::setBackColor),
        designed<Label>("BackStyle", &Label::setBackStyle),
        designed<Label>("Alignment", &Label::setAlignment),
        designedFont<Label>("Font", &Label::font, &Label::setFont),
        designed<Label>("ToolTipText", &Label::setToolTip),
        designed<Label>("Visible", &Label::setVisible),
        designed<Label>("Enabled", &Label::setEnabled),
    };
    return properties;
}

Label::Label(QWidget* container)
    : QLabel(container)
    , Placement(static_cast<QWidget&>(*this)) {
    QLabel::setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMouseTracking(true);
    applyColours();
}

void Label::setForeColor(OleColor color) {
    foreColor_ = color;
    applyColours();
}

void Label::setBackColor(OleColor color) {
    backColor_ = color;
    applyColours();
}

void Label::setBackStyle(int style) {
    backStyle_ = style;
    applyColours();
}

void Label::setAlignment(int alignment) {
    alignment_ = alignment;
    const Qt::Alignment horizontal = alignment == 1   ? Qt::AlignRight
                                     : alignment == 2 ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    QLabel::setAlignment(horizontal | Qt::AlignTop);
}

void Label::applyColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, qColorFromOle(foreColor_));
    colours.setColor(QPalette::Window, qColorFromOle(backColor_));
    setPalette(colours);
    setAutoFillBackground(backStyle_ == 1);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    text_.draw(painter, text(), designTextFont(font(), devicePixelRatioF()), width(),
               QLabel::alignment() & Qt::AlignHorizontal_Mask, this);
}

bool Label::event(QEvent* event) {
    if (raiseMouseEvent(event, *this, [](double pixels) { return twipsFromPixels(pixels); }))
        return true;
    return QLabel::event(event);
}

} // namespace dorvak
