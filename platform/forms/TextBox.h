#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/Placement.h"
#include "platform/gdi/Color.h"

#include <QLineEdit>

namespace dorvak {

// A one-line text box: a real line edit (editing, selection, clipboard, input methods),
// read by screen readers. Change is raised whenever the text changes, by the user or by
// code.
class TextBox : public QLineEdit, public Placement {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
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
};

} // namespace dorvak
