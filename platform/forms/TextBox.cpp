#include "platform/forms/TextBox.h"

#include "platform/forms/DesignValues.h"

namespace dorvak {

TextBox::TextBox(QWidget* container)
    : QLineEdit(container)
    , Placement(static_cast<QWidget&>(*this)) {
    applyColours();
    connect(this, &QLineEdit::textChanged, this, [this] { Change.raise(); });
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
    setToolTip(text);
    // The tool tip says what belongs in the box; screen readers announce it with the box.
    setAccessibleDescription(text);
}

void TextBox::applyColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, qColorFromOle(foreColor_));
    colours.setColor(QPalette::Base, qColorFromOle(backColor_));
    setPalette(colours);
}

} // namespace dorvak
