#include "platform/gdi/Regions.h"

#include "platform/gdi/EllipsePath.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SpanRegion.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace dorvak {

namespace {

using Spans = std::vector<std::pair<int, int>>;

// The smallest integer at or above n / d, for d > 0.
std::int64_t ceilDiv(std::int64_t n, std::int64_t d) {
    return n / d + (n % d > 0);
}

// A polygon edge that is not horizontal, from its upper end down: it crosses the rows from
// `top` to `bottom`, the lower end's row left out.
struct Edge {
    int top;
    int bottom;
    std::int64_t x;  // at the upper end
    std::int64_t dx; // to the lower end
    int direction;   // +1 where the polygon runs down along it

    // The first column whose point (column, y) lies at or right of the edge.
    int column(int y) const {
        return int(x + ceilDiv((std::int64_t(y) - top) * dx, std::int64_t(bottom) - top));
    }
};

struct Crossing {
    int column;
    int direction;
};

// The columns whose points (x, y) lie inside the polygon, an edge on the left inside.
void polygonRow(const std::vector<Edge>& edges, int y, int fillMode,
                std::vector<Crossing>& crossings, Spans& spans) {
    crossings.clear();
    for (const Edge& edge : edges)
        if (edge.top <= y && y < edge.bottom)
            crossings.push_back({edge.column(y), edge.direction});
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.column < b.column; });

    spans.clear();
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += fillMode == WINDING ? crossings[i].direction : 1;
        const bool inside = fillMode == WINDING ? winding != 0 : winding % 2 == 1;
        const int first = crossings[i].column, last = crossings[i + 1].column - 1;
        if (!inside || first > last)
            continue;
        if (!spans.empty() && first <= spans.back().second + 1)
            spans.back().second = std::max(spans.back().second, last);
        else
            spans.emplace_back(first, last);
    }
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return addGdiObject(
        QRegion(QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                      QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1))));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    --right;
    --bottom;
    // A box of no width or height thus turns into a line just left of or above it.
    const int cw = std::min(right - left, std::abs(cornerWidth));
    const int ch = std::min(bottom - top, std::abs(cornerHeight));
    if (cw < 2 || ch < 2)
        return CreateRectRgn(left, top, right, bottom);

    // Each row of the corner ellipse's lower half, from the middle row down, spans the box
    // less its inset on either side: where the walk along the quadrant first reaches the
    // row. A narrow ellipse's walk ends before its last rows, which then stay empty.
    constexpr int unreached = -1;
    std::vector<int> insets(std::size_t(ch), unreached);
    insets[std::size_t(ch / 2)] = 0;
    for (EllipseWalk walk(cw, ch); walk.inset() <= cw / 2;) {
        const int row = walk.row();
        walk.step();
        if (walk.row() != row && walk.row() < ch)
            insets[std::size_t(walk.row())] = walk.inset();
    }

    SpanRegion region;
    const auto addRow = [&](int y, int inset) {
        const int first = left + inset, last = right - 1 - inset;
        region.addRow(y, inset == unreached || first > last ? Spans{} : Spans{{first, last}});
    };
    // The upper corners mirror the lower ones; the middle row stretches over the sides.
    for (int i = 0; i < ch / 2; ++i)
        addRow(top + i, insets[std::size_t(ch - 1 - i)]);
    for (int y = top + ch / 2; y <= bottom - ch + ch / 2; ++y)
        addRow(y, 0);
    for (int i = ch / 2 + 1; i < ch; ++i)
        addRow(bottom - ch + i, insets[std::size_t(i)]);
    return addGdiObject(region.region());
}

void OwnedRegion::reset(HRGN region) {
    if (region_ && region_ != region)
        DeleteObject(region_);
    region_ = region;
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRoundRectRgn(left, top, right, bottom, right - left, bottom - top);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 0 || (fillMode != ALTERNATE && fillMode != WINDING))
        return 0;
    std::vector<Edge> edges;
    edges.reserve(std::size_t(count));
    int top = INT_MAX, bottom = INT_MIN;
    for (int i = 0; i < count; ++i) {
        const POINT from = points[i], to = points[(i + 1) % count];
        top = std::min(top, from.y);
        bottom = std::max(bottom, from.y);
        if (from.y == to.y)
            continue;
        const POINT upper = from.y < to.y ? from : to, lower = from.y < to.y ? to : from;
        edges.push_back(
            {upper.y, lower.y, upper.x, std::int64_t(lower.x) - upper.x, from.y < to.y ? 1 : -1});
    }

    SpanRegion region;
    std::vector<Crossing> crossings;
    Spans spans;
    for (int y = top; y < bottom; ++y) {
        polygonRow(edges, y, fillMode, crossings, spans);
        region.addRow(y, spans);
    }
    return addGdiObject(region.region());
}

} // namespace dorvak
