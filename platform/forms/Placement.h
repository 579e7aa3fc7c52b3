#pragma once

class QWidget;

namespace dorvak {

// Where and whether a control shows: position and size in twips relative to its container,
// its place in the stacking order, its visible and enabled flags (set through the widget).
class Placement {
public:
    explicit Placement(QWidget& widget)
        : widget_(widget) {}

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    // 0 brings the control to the front of its container, 1 sends it to the back.
    void ZOrder(int position = 0);

    bool Visible() const;
    bool Enabled() const;

private:
    QWidget& widget_;
};

} // namespace dorvak
