#include "platform/gdi/EllipsePath.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace dorvak {

namespace {

void normalise(int& left, int& top, int& right, int& bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

// Appends the path mirrored, in reverse order so the result stays one continuous outline.
// When the mirror axis runs through the last point, that point would repeat: dropped.
template <typename Mirror>
void appendMirrored(std::vector<QPoint>& path, Mirror mirror, bool lastPointOnAxis) {
    const std::size_t count = path.size();
    path.reserve(2 * count);
    for (std::size_t i = count; i-- > 0;) {
        if (lastPointOnAxis && i == count - 1)
            continue;
        path.push_back(mirror(path[i]));
    }
}

} // namespace

std::vector<QPoint> ellipseQuadrant(int width, int height) {
    std::vector<QPoint> points;
    points.reserve(std::size_t(width + height));
    for (EllipseWalk walk(width, height); width - 1 - walk.inset() >= width / 2; walk.step())
        points.emplace_back(width - 1 - walk.inset(), walk.row());
    return points;
}

std::vector<QPoint> roundRectPath(int left, int top, int right, int bottom, int cornerWidth,
                                  int cornerHeight) {
    normalise(left, top, right, bottom);
    if (left == right || top == bottom)
        return {};
    const int boxWidth = right - left, boxHeight = bottom - top;
    const int cw = std::min(boxWidth, std::abs(cornerWidth));
    const int ch = std::min(boxHeight, std::abs(cornerHeight));
    if (cw <= 2 || ch <= 2)
        return {{right - 1, top}, {left, top}, {left, bottom - 1}, {right - 1, bottom - 1}};

    // The top-right corner, from its right end round to its top end, then the mirrors.
    std::vector<QPoint> path;
    for (const QPoint& p : ellipseQuadrant(cw, ch))
        path.emplace_back(right - cw + p.x(), top + ch - 1 - p.y());
    appendMirrored(
        path, [&](QPoint p) { return QPoint(left + right - 1 - p.x(), p.y()); },
        cw % 2 == 1 && cw == boxWidth);
    appendMirrored(
        path, [&](QPoint p) { return QPoint(p.x(), top + bottom - 1 - p.y()); },
        ch % 2 == 1 && ch == boxHeight);
    return path;
}

std::vector<QPoint> arcPath(int left, int top, int right, int bottom, int startX, int startY,
                            int endX, int endY) {
    normalise(left, top, right, bottom);
    const int w = right - left, h = bottom - top;
    if (w == 0 || h == 0)
        return {};
    std::vector<QPoint> quadrant = ellipseQuadrant(w, h);
    for (QPoint& p : quadrant)
        p -= QPoint(w / 2, h / 2);
    const int n = int(quadrant.size());

    // Index into the 4n points of the whole ellipse, counter-clockwise from +x, of the
    // first point at or past the ray through (x, y) (y upwards).
    const auto firstIndex = [&](auto before) {
        int i = 0;
        while (i < n && before(std::int64_t(quadrant[i].x()), std::int64_t(quadrant[i].y())))
            ++i;
        return i;
    };
    const auto rayIndex = [&](std::int64_t x, std::int64_t y) {
        if (y >= 0 && x >= 0)
            return firstIndex([&](auto px, auto py) { return !(px * y <= py * x); });
        if (y >= 0)
            return 2 * n - firstIndex([&](auto px, auto py) { return !(px * y < py * -x); });
        if (x >= 0)
            return 4 * n - firstIndex([&](auto px, auto py) { return !(px * -y <= py * x); });
        return 2 * n + firstIndex([&](auto px, auto py) { return !(px * -y < py * -x); });
    };
    const int centreX = left + w / 2, centreY = top + h / 2;
    const int start = rayIndex(startX - centreX, centreY - startY);
    int end = rayIndex(endX - centreX, centreY - endY);
    if (end <= start)
        end += 4 * n;

    std::vector<QPoint> path;
    path.reserve(std::size_t(end - start));
    for (int i = start; i < end; ++i) {
        const int j = i % n;
        const QPoint& p = quadrant[j];
        const QPoint& mirrored = quadrant[n - 1 - j];
        switch ((i / n) % 4) {
        case 0:
            path.emplace_back(left + w / 2 + p.x(), bottom - 1 - h / 2 - p.y());
            break;
        case 1:
            path.emplace_back(right - 1 - w / 2 - mirrored.x(), bottom - 1 - h / 2 - mirrored.y());
            break;
        case 2:
            path.emplace_back(right - 1 - w / 2 - p.x(), top + h / 2 + p.y());
            break;
        default:
            path.emplace_back(left + w / 2 + mirrored.x(), top + h / 2 + mirrored.y());
            break;
        }
    }
    return path;
}

} // namespace dorvak
