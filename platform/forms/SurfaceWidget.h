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
class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Always the widget's size, also while the widget is hidden and Qt holds back its
    // resize events.
    Surface& surface();
    const Surface& surface() const { return surface_; }

    HWND hWnd() const { return hWnd_; }
    HDC hdc() const { return surface_.hdc(); }

    // A position in pixels in the surface's scale units (twips unless switched).
    float toScaleUnits(double pixels) const;
    // Whether the surface shows at the point (false for see-through pixels).
    bool showsAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface surface_;
    HWND hWnd_;
};

} // namespace dorvak
