#pragma once

#include "platform/forms/DrawingWidget.h"
#include "platform/forms/Placement.h"

namespace dorvak {

template <typename Owner> class PropertyTable;

// A drawing surface that can contain other controls: a background picture, persistent line
// drawing, clear and refresh, and its own window handle.
class PictureBox : public DrawingWidget, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<PictureBox>& designProperties();

    static constexpr const char* kind = "PictureBox";

    explicit PictureBox(QWidget* container);

    // 0 none, 1 a one-pixel frame.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    QFont Font() const { return surface().font(); }
    void setFont(const QFont& font) { surface().setFont(font); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderStyle_ = 0;
};

} // namespace dorvak
