#pragma once

#include "platform/forms/MouseEvents.h"
#include "platform/forms/Placement.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Text.h"

#include <QLabel>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A caption: transparent (the default) or opaque on its back colour, wrapped at word
// boundaries within its width, read by screen readers. It draws its own text, placed as the
// designed windows place it (see designLineMetrics) and with every letter of the designed
// faces whole (see ShapedText).
class Label : public QLabel, public MouseEvents, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Label>& designProperties();

    static constexpr const char* kind = "Label";

    explicit Label(QWidget* container);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int style);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColours();

    WrappedText text_; // laid out for the last paint
    OleColor foreColor_ = 0x80000012;
    OleColor backColor_ = 0x8000000F;
    int backStyle_ = 0;
    int alignment_ = 0;
};

} // namespace dorvak
