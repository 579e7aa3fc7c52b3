#include "platform/gdi/Regions.h"

#include "platform/gdi/EllipsePath.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SpanRegion.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace dorvak {

namespace {

using Spans = std::vector<std::pair<int, int>>;

// The outline of a convex shape and everything between its leftmost and rightmost pixel on
// each row.
QRegion convexRegion(const std::vector<QPoint>& path) {
    if (path.empty())
        return {};
    std::map<int, std::pair<int, int>> rows;
    const auto include = [&](int x, int y) {
        auto [it, inserted] = rows.try_emplace(y, x, x);
        it->second.first = std::min(it->second.first, x);
        it->second.second = std::max(it->second.second, x);
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const QPoint p = path[i], q = path[(i + 1) % path.size()];
        include(p.x(), p.y());
        include(q.x(), q.y());
        const int step = q.y() > p.y() ? 1 : -1;
        for (int y = p.y() + step; y != q.y() && p.y() != q.y(); y += step)
            include(p.x() + (q.x() - p.x()) * (y - p.y()) / (q.y() - p.y()), y);
    }
    SpanRegion region;
    for (const auto& [y, span] : rows)
        region.addRow(y, {span});
    return region.region();
}

Spans polygonRow(const std::vector<QPointF>& polygon, double centreY, int fillMode) {
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        if ((p.y() < centreY) == (q.y() < centreY))
            continue;
        crossings.push_back({p.x() + (centreY - p.y()) * (q.x() - p.x()) / (q.y() - p.y()),
                             q.y() > p.y() ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });

    Spans spans;
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += fillMode == WINDING ? crossings[i].direction : 1;
        const bool inside = fillMode == WINDING ? winding != 0 : winding % 2 == 1;
        if (!inside)
            continue;
        // Pixels whose centres lie in [from, to).
        const int first = int(std::ceil(crossings[i].x - 0.5));
        const int last = int(std::ceil(crossings[i + 1].x - 0.5)) - 1;
        if (first > last)
            continue;
        if (!spans.empty() && first <= spans.back().second + 1)
            spans.back().second = std::max(spans.back().second, last);
        else
            spans.emplace_back(first, last);
    }
    return spans;
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return addGdiObject(
        QRegion(QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                      QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1))));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    return addGdiObject(
        convexRegion(roundRectPath(left, top, right, bottom, cornerWidth, cornerHeight)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRoundRectRgn(left, top, right, bottom, right - left, bottom - top);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 3 || (fillMode != ALTERNATE && fillMode != WINDING))
        return 0;
    std::vector<QPointF> polygon;
    int top = INT_MAX, bottom = INT_MIN;
    for (int i = 0; i < count; ++i) {
        polygon.emplace_back(points[i].x, points[i].y);
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    SpanRegion region;
    for (int y = top; y < bottom; ++y)
        region.addRow(y, polygonRow(polygon, y + 0.5, fillMode));
    return addGdiObject(region.region());
}

} // namespace dorvak
