#pragma once

#include "platform/forms/CaretBlinkTimeout.h"
#include "platform/forms/Event.h"
#include "platform/forms/Placement.h"
#include "platform/gdi/Color.h"

#include <QLineEdit>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A one-line text box: a real line edit (editing, selection, clipboard, input methods),
// read by screen readers. Change is raised whenever the text changes, by the user or by
// code. Its caret stops blinking when the user leaves it alone.
class TextBox : public QLineEdit, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<TextBox>& designProperties();

    static constexpr const char* kind = "TextBox";

    explicit TextBox(QWidget* container);

    QString Text() const { return text(); }
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);
    // What belongs in the box, shown as its tool tip and read by screen readers with it.
    QString ToolTipText() const { return toolTipText_; }
    void setToolTipText(const QString& text);

    // Marks the text as one that could not be used: a frame and a corner flag in the mark
    // colour, and the explanation of what was expected in place of the tool tip and as the
    // description screen readers read. Clearing, or the user editing the text, brings the tool
    // tip back.
    void markNotUnderstood(const QString& explanation);
    void clearNotUnderstood();
    bool isNotUnderstood() const { return !explanation_.isEmpty(); }

    Event<> Change;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColours();
    void showExplanation();

    OleColor foreColor_ = 0x80000008;
    OleColor backColor_ = 0x80000005;
    int alignment_ = 0;
    QString toolTipText_;
    QString explanation_;
    CaretBlinkTimeout caretBlink_{*this};
};

} // namespace dorvak
