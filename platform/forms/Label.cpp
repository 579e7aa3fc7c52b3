#include "platform/forms/Label.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/Twips.h"
#include "platform/gdi/Text.h"

#include <QPainter>
#include <QTextLayout>

namespace dorvak {

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
    const QFont font = designTextFont(this->font(), devicePixelRatioF());
    const LineMetrics metrics = designLineMetrics(font, this);
    QTextLayout layout(text(), font, this);
    QTextOption option(QLabel::alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (qreal top = 0;; top += metrics.height) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, top + metrics.ascent - line.ascent()));
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < layout.lineCount(); ++i)
        ShapedText(layout.lineAt(i).glyphRuns(), devicePixelRatioF()).draw(painter, QPointF());
}

bool Label::event(QEvent* event) {
    if (raiseMouseEvent(event, *this, [](double pixels) { return twipsFromPixels(pixels); }))
        return true;
    return QLabel::event(event);
}

} // namespace dorvak
