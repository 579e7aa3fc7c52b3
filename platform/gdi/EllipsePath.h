#pragma once

#include <QPoint>
#include <cstdint>
#include <vector>

namespace dorvak {

// Integer outlines of the classic rasteriser's round rectangles, ellipses and arcs, as the
// points of a polyline; Raster draws them.

// Zingl's midpoint ellipse in a width × height box (width, height ≥ 1), one step at a time
// along its first quadrant: from the right end of the middle row, `inset` counts columns in
// from the right (x = width − 1 − inset), `row` counts rows up from height / 2.
class EllipseWalk {
public:
    EllipseWalk(int width, int height)
        : a_(width - 1)
        , b_(height - 1)
        , dx_(4 * b_ * b_ * (1 - a_))
        , dy_(4 * a_ * a_ * (1 + b_ % 2))
        , error_(dx_ + dy_ + a_ * a_ * (b_ % 2))
        , row_(height / 2) {}

    int inset() const { return inset_; }
    int row() const { return row_; }

    // To the next pixel: one column in, one row up, or both.
    void step() {
        const std::int64_t e2 = 2 * error_;
        if (e2 >= dx_) {
            ++inset_;
            dx_ += 8 * b_ * b_;
            error_ += dx_;
        }
        if (e2 <= dy_) {
            ++row_;
            dy_ += 8 * a_ * a_;
            error_ += dy_;
        }
    }

private:
    std::int64_t a_, b_, dx_, dy_, error_;
    int inset_ = 0;
    int row_;
};

// The first quadrant of the ellipse in a width × height box (width, height ≥ 1): x from
// width − 1 down to width / 2, y counted upwards from height / 2.
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
