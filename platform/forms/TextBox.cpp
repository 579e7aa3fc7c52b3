#include "platform/forms/TextBox.h"

#include "platform/forms/DesignProperties.h"
#include "platform/forms/DesignValues.h"

#include <QPainter>

namespace dorvak {

const PropertyTable<TextBox>& TextBox::designProperties() {
    static const PropertyTable<TextBox> properties{
        designed<TextBox>("Text", &TextBox::setText),
        designed<TextBox>("ForeColor", &TextBox::setForeColor),
        designed<TextBox>("BackColor", &TextBox::setBackColor),
        designed<TextBox>("Alignment", &TextBox::setAlignment),
        designedFont<TextBox>("Font", &TextBox::font, &TextBox::setFont),
        designed<TextBox>("ToolTipText", &TextBox::setToolTipText),
        designed<TextBox>("Visible", &TextBox::setVisible),
        designed<TextBox>("Enabled", &TextBox::setEnabled),
    };
    return properties;
}
namespace {

// Dark red, clear on white and on the light colours text boxes are given.
constexpr QRgb markColour = 0xC00000;
constexpr int markFrameWidth = 2;
constexpr int markFlagSize = 10;

} // namespace

TextBox::TextBox(QWidget* container)
    : QLineEdit(container)
    , Placement(static_cast<QWidget&>(*this)) {
    applyColours();
    connect(this, &QLineEdit::textChanged, this, [this] { Change.raise(); });
    // A mark speaks of the text it was given: once the user edits it, the mark is stale.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (isNotUnderstood())
            clearNotUnderstood();
    });
}

void TextBox::setForeColor(OleColor color) {
    foreColor_ = color;
    applyColours();
}

void TextBox::setBackColor(OleColor color) {
    backColor_ = color;
    applyColours();
}

void TextBox::setAlignment(int alignment) {
    alignment_ = alignment;
    QLineEdit::setAlignment(alignment == 1   ? Qt::AlignRight
                            : alignment == 2 ? Qt::AlignHCenter
                                             : Qt::AlignLeft);
}

void TextBox::setToolTipText(const QString& text) {
    toolTipText_ = text;
    showExplanation();
}

void TextBox::markNotUnderstood(const QString& explanation) {
    explanation_ = explanation;
    showExplanation();
    update();
}

void TextBox::clearNotUnderstood() {
    explanation_.clear();
    showExplanation();
    update();
}

void TextBox::showExplanation() {
    // Screen readers announce the description with the box, as the tool tip shows it.
    const QString& text = explanation_.isEmpty() ? toolTipText_ : explanation_;
    setToolTip(text);
    setAccessibleDescription(text);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!isNotUnderstood())
        return;
    // Over the box's own frame, so it shows on any background and in a printed window, and
    // with a flag as well as a colour, for those who do not tell red from grey.
    QPainter painter(this);
    const QColor mark = QColor::fromRgb(markColour);
    const int w = width(), h = height(), frame = markFrameWidth;
    painter.fillRect(0, 0, w, frame, mark);
    painter.fillRect(0, h - frame, w, frame, mark);
    painter.fillRect(0, 0, frame, h, mark);
    painter.fillRect(w - frame, 0, frame, h, mark);
    for (int row = 0; row < markFlagSize; ++row)
        painter.fillRect(w - markFlagSize + row, row, markFlagSize - row, 1, mark);
}

void TextBox::applyColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, qColorFromOle(foreColor_));
    colours.setColor(QPalette::Base, qColorFromOle(backColor_));
    setPalette(colours);
}

} // namespace dorvak
