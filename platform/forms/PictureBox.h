#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/MouseEvents.h"
#include "platform/forms/Placement.h"
#include "platform/forms/SurfaceWidget.h"

#include <QImage>
#include <cstdint>

namespace dorvak {

// A drawing surface that can contain other controls: a background picture, persistent line
// drawing, clear and refresh, and its own window handle.
class PictureBox : public SurfaceWidget, public MouseEvents, public Placement {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    static constexpr const char* kind = "PictureBox";

    explicit PictureBox(QWidget* container);

    QImage Picture() const { return surface().picture(); }
    // The background picture, shown at the top-left corner under what is drawn.
    void setPicture(const QImage& picture);
    OleColor BackColor() const { return surface().backColor(); }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return surface().foreColor(); }
    void setForeColor(OleColor color) { surface().setForeColor(color); }
    // 0 none, 1 a one-pixel frame.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    // Drawing is always kept; with AutoRedraw off the box also raises Paint when it is shown
    // or resized.
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    QFont Font() const { return surface().font(); }
    void setFont(const QFont& font) { surface().setFont(font); }
    std::int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int16_t pointer);

    double ScaleWidth() const { return surface().scaleWidth(); }
    double ScaleHeight() const { return surface().scaleHeight(); }
    void Cls();
    // A line in the box's scale units, the end point excluded.
    void Line(double x1, double y1, double x2, double y2, OleColor color);
    void Refresh();

    Event<> Resize;
    Event<> Paint;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int borderStyle_ = 0;
    std::int16_t mousePointer_ = 0;
    bool autoRedraw_ = false;
};

} // namespace dorvak
