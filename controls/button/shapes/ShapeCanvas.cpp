#include "controls/button/shapes/ShapeCanvas.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/runtime/IntegerConversion.h"

#include <vector>

namespace dorvak {

namespace {

// Coordinates are rounded once, halves to even; one beyond 32 bits is an overflow error.
int pixel(double value) {
    return toInt32(value);
}

std::vector<POINT> pixels(std::initializer_list<ShapePoint> points) {
    std::vector<POINT> result;
    result.reserve(points.size());
    for (const ShapePoint& point : points)
        result.push_back({pixel(point.x), pixel(point.y)});
    return result;
}

} // namespace

ShapeCanvas::ShapeCanvas(Surface& surface, const ShapeState& state)
    : surface_(surface)
    , hdc_(surface.hdc())
    , state_(state)
    , width_(surface.scaleWidth())
    , height_(surface.scaleHeight()) {}

void ShapeCanvas::pen(OleColor color) {
    surface_.setForeColor(color);
}

OleColor ShapeCanvas::pen() const {
    return surface_.foreColor();
}

void ShapeCanvas::path(std::initializer_list<ShapePoint> points) {
    const std::vector<POINT> corners = pixels(points);
    if (corners.empty())
        return;
    MoveToEx(hdc_, corners.front().x, corners.front().y, nullptr);
    for (std::size_t i = 1; i < corners.size(); ++i)
        LineTo(hdc_, corners[i].x, corners[i].y);
}

void ShapeCanvas::roundRect(double left, double top, double right, double bottom,
                            double cornerWidth, double cornerHeight) {
    RoundRect(hdc_, pixel(left), pixel(top), pixel(right), pixel(bottom), pixel(cornerWidth),
              pixel(cornerHeight));
}

void ShapeCanvas::arc(double left, double top, double right, double bottom, double startX,
                      double startY, double endX, double endY) {
    Arc(hdc_, pixel(left), pixel(top), pixel(right), pixel(bottom), pixel(startX), pixel(startY),
        pixel(endX), pixel(endY));
}

void ShapeCanvas::polygon(std::initializer_list<ShapePoint> points) {
    const std::vector<POINT> corners = pixels(points);
    Polygon(hdc_, corners.data(), int(corners.size()));
}

void ShapeCanvas::setPixel(double x, double y, OleColor color) {
    SetPixel(hdc_, pixel(x), pixel(y), color);
}

OwnedRegion ShapeCanvas::roundRectRegion(double left, double top, double right, double bottom,
                                         double cornerWidth, double cornerHeight) const {
    return OwnedRegion(CreateRoundRectRgn(pixel(left), pixel(top), pixel(right), pixel(bottom),
                                          pixel(cornerWidth), pixel(cornerHeight)));
}

OwnedRegion ShapeCanvas::ellipticRegion(double left, double top, double right,
                                        double bottom) const {
    return OwnedRegion(CreateEllipticRgn(pixel(left), pixel(top), pixel(right), pixel(bottom)));
}

OwnedRegion ShapeCanvas::polygonRegion(std::initializer_list<ShapePoint> points) const {
    const std::vector<POINT> corners = pixels(points);
    return OwnedRegion(CreatePolygonRgn(corners.data(), int(corners.size()), WINDING));
}

} // namespace dorvak
