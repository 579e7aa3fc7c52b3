#pragma once

#include "platform/forms/Placement.h"
#include "platform/gdi/Color.h"

#include <QWidget>

namespace dorvak {

// A drawn figure: rectangle, square, oval, circle or their rounded forms, with a border and
// an optional fill. It takes no input: clicks reach what lies beneath.
class Shape : public QWidget, public Placement {
    Q_OBJECT
    Q_PROPERTY(int Shape READ ShapeKind WRITE setShapeKind)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(uint FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
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
