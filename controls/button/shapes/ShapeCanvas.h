#pragma once

#include "controls/button/ButtonKinds.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Regions.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace dorvak {

class Surface;

// What the paint pipeline tells a shape renderer about the button.
struct ShapeState {
    ButtonStyle buttonStyle{};
    BackgroundMode buttonStyleColors{};
    bool pressed = false;
    bool mouseOver = false;
    bool focused = false; // FocusRect and HasFocus both set
    bool enabled = true;
};

// A point whose coordinates may be fractions of the size (W / 1.5 - 1): each is rounded
// once, halves to even, when it reaches the device context.
struct ShapePoint {
    double x = 0;
    double y = 0;
};

// A renderer's view of the button: its surface in pixel scale, its state, and the drawing
// calls in the form the shape tables write them. Every call draws in the pen colour set
// last.
class ShapeCanvas {
public:
    ShapeCanvas(Surface& surface, const ShapeState& state);

    double width() const { return width_; }
    double height() const { return height_; }
    const ShapeState& state() const { return state_; }

    void pen(OleColor color);
    // The pen colour as set (system colours untranslated).
    OleColor pen() const;

    // Moves to the first point, then draws to each of the others (end pixels excluded).
    void path(std::initializer_list<ShapePoint> points);
    void roundRect(double left, double top, double right, double bottom, double cornerWidth,
                   double cornerHeight);
    void arc(double left, double top, double right, double bottom, double startX, double startY,
             double endX, double endY);
    void polygon(std::initializer_list<ShapePoint> points);
    void setPixel(double x, double y, OleColor color);
    // GetPixel and SetPixel on the face for a renderer that visits many pixels.
    SurfacePixels facePixels() const { return SurfacePixels(hdc_); }

    OwnedRegion roundRectRegion(double left, double top, double right, double bottom,
                                double cornerWidth, double cornerHeight) const;
    OwnedRegion ellipticRegion(double left, double top, double right, double bottom) const;
    OwnedRegion polygonRegion(std::initializer_list<ShapePoint> points) const;
    // The region the window is to take (none: the whole rectangle); the button applies it
    // after the paint.
    void setWindowRegion(OwnedRegion region) { windowRegion_ = std::move(region); }
    OwnedRegion takeWindowRegion() { return std::move(windowRegion_); }

private:
    Surface& surface_;
    HDC hdc_;
    ShapeState state_;
    OwnedRegion windowRegion_;
    double width_;
    double height_;
};

} // namespace dorvak
