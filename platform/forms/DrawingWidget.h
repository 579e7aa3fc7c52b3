#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/MouseEvents.h"
#include "platform/forms/SurfaceWidget.h"

#include <QImage>
#include <cstdint>

namespace dorvak {

// What a Form and a PictureBox share: a background picture, colours and persistent line
// drawing on the surface, clear and refresh, the mouse events in scale units, and Resize and
// Paint.
class DrawingWidget : public SurfaceWidget, public MouseEvents {
    Q_OBJECT

public:
    QImage Picture() const { return surface().picture(); }
    // The background picture, shown at the top-left corner under what is drawn.
    void setPicture(const QImage& picture);
    OleColor BackColor() const { return surface().backColor(); }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return surface().foreColor(); }
    void setForeColor(OleColor color) { surface().setForeColor(color); }
    // Drawing is always kept; with AutoRedraw off Paint is also raised on showing and
    // resizing, for code that repaints itself.
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    std::int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int16_t pointer);

    double ScaleWidth() const { return surface().scaleWidth(); }
    double ScaleHeight() const { return surface().scaleHeight(); }
    void Cls();
    // A line in scale units, the end point excluded.
    void Line(double x1, double y1, double x2, double y2, OleColor color);
    void Refresh();

    Event<> Resize;
    Event<> Paint;

protected:
    DrawingWidget(QWidget* parent, Qt::WindowFlags flags, bool autoRedraw);

    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::int16_t mousePointer_ = 0;
    bool autoRedraw_;
};

} // namespace dorvak
