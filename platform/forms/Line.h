#pragma once

#include "platform/gdi/Color.h"

#include <QWidget>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A straight line between two points given in twips relative to its container. It takes no
// input.
class Line : public QWidget {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Line>& designProperties();

    static constexpr const char* kind = "Line";

    explicit Line(QWidget* container);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    OleColor BorderColor() const { return color_; }
    void setBorderColor(OleColor color);
    // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot.
    int BorderStyle() const { return style_; }
    void setBorderStyle(int style);
    int BorderWidth() const { return width_; }
    void setBorderWidth(int width);
    bool Visible() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The widget covers the line's bounding box.
    void place();

    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
    OleColor color_ = 0x80000008;
    int style_ = 1;
    int width_ = 1;
};

} // namespace dorvak
