#pragma once

#include <QPoint>
#include <vector>

namespace dorvak {

// Integer outlines of the classic rasteriser's round rectangles, ellipses and arcs, as the
// points of a polyline; Raster draws them.

// The first quadrant of the ellipse in a width × height box (width, height ≥ 1): x from
// width − 1 down to width / 2, y counted upwards from height / 2. Zingl's midpoint ellipse.
std::vector<QPoint> ellipseQuadrant(int width, int height);

// Closed path of RoundRect(left, top, right, bottom, cornerWidth, cornerHeight): corners in
// either order, right and bottom exclusive; empty for an empty box. With corners of the
// box's size it is the inscribed ellipse.
std::vector<QPoint> roundRectPath(int left, int top, int right, int bottom, int cornerWidth,
                                  int cornerHeight);

// Open path of Arc(): the ellipse inscribed in the box, counter-clockwise from the ray
// through (startX, startY) to the ray through (endX, endY), both rays from the box centre.
std::vector<QPoint> arcPath(int left, int top, int right, int bottom, int startX, int startY,
                            int endX, int endY);

} // namespace dorvak
