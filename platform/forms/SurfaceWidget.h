#pragma once

#include "platform/gdi/Surface.h"
#include "platform/windowing/UserTypes.h"

#include <QWidget>
#include <cstdint>

namespace dorvak {

// A widget that shows a Surface. All drawing goes to the surface; the widget only blits the
// area the surface reports changed, keeps the surface its own size, and leaves pixels the
// surface makes see-through unpainted (they show what lies behind) and untouchable by the
// mouse. It has a window handle for the USER-style calls.
//
// Above 1× the surface holds device pixels at the next whole scale of the screen's: at 2× and
// 3× shown as they are, at a fractional scale reduced smoothly, which keeps every line of one
// width where magnifying the 1× pixels would double every second or third row.
class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Always the widget's size and at its screen's scale, also while the widget is hidden and
    // Qt holds back its resize events.
    Surface& surface();
    const Surface& surface() const { return surface_; }

    HWND hWnd() const { return hWnd_; }
    HDC hdc() const { return surface_.hdc(); }

    // A position in pixels in the surface's scale units (twips unless switched).
    float toScaleUnits(double pixels) const;
    // Whether the surface shows at the position: inside the widget and its window region, and
    // not on a see-through pixel. The pixel the position lies in decides; Qt finds the widget under
    // the pointer at the nearest pixel corner, which above 1× takes in the device pixel just
    // left of or above a shape.
    bool showsAt(QPointF position) const;

    // The whole scale a surface shown at this device pixel ratio holds.
    static int deviceScaleFor(qreal devicePixelRatio);

protected:
    // The surface changed scale, keeping its pixels resampled; an owner that draws redraws.
    virtual void deviceScaleChanged() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface surface_;
    HWND hWnd_;
};

} // namespace dorvak
