#pragma once

#include "platform/forms/Placement.h"
#include "platform/gdi/Color.h"

#include <QWidget>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A drawn figure: rectangle, square, oval, circle or their rounded forms, with a border and
// an optional fill. It takes no input: clicks reach what lies beneath.
class Shape : public QWidget, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Shape>& designProperties();

    static constexpr const char* kind = "Shape";
    enum Kind : int { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    explicit Shape(QWidget* container);

    int ShapeKind() const { return shape_; }
    void setShapeKind(int shape) { store(shape_, shape); }
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color) { store(backColor_, color); }
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int style) { store(backStyle_, style); }
    OleColor BorderColor() const { return borderColor_; }
    void setBorderColor(OleColor color) { store(borderColor_, color); }
    // 0 no border, 1 solid.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style) { store(borderStyle_, style); }
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int width) { store(borderWidth_, width); }
    OleColor FillColor() const { return fillColor_; }
    void setFillColor(OleColor color) { store(fillColor_, color); }
    // 0 solid, 1 transparent.
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int style) { store(fillStyle_, style); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename T> void store(T& field, T value) {
        field = value;
        update();
    }
    QRect figureRect() const;

    int shape_ = Rectangle;
    OleColor backColor_ = 0x80000005;
    int backStyle_ = 0;
    OleColor borderColor_ = 0x80000008;
    int borderStyle_ = 1;
    int borderWidth_ = 1;
    OleColor fillColor_ = 0;
    int fillStyle_ = 1;
};

} // namespace dorvak
