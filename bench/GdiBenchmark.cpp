// Our one-pixel outlines against Qt's raster engine drawing the same outlines on the same
// image: QPainter on a QImage, antialiasing off, cosmetic one-pixel pen, no brush. Then the
// window regions the shape renderers make on every paint.
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"

#include <QPainter>
#include <array>
#include <benchmark/benchmark.h>

namespace dorvak {
namespace {

constexpr OleColor ink = 0x00336699;

struct Canvas {
    explicit Canvas(const benchmark::State& state)
        : width(int(state.range(0)))
        , height(int(state.range(1)))
        , surface(width, height) {
        surface.setScaleMode(ScaleMode::Pixels);
        surface.setBackColor(0xFFFFFF);
        surface.setForeColor(ink);
    }
    int width;
    int height;
    Surface surface;
};

// A repaint's worth of Qt drawing: one painter set up as the renderers would need it.
template <typename Draw> void paintWithQt(benchmark::State& state, Draw draw) {
    Canvas canvas(state);
    QImage& image = canvas.surface.image();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(pixelFromPlain(ink)), 0));
        painter.setBrush(Qt::NoBrush);
        draw(painter, canvas.width, canvas.height);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

template <typename Draw> void paintWithGdi(benchmark::State& state, Draw draw) {
    Canvas canvas(state);
    const HDC hdc = canvas.surface.hdc();
    for (auto _ : state) {
        draw(hdc, canvas.width, canvas.height);
        benchmark::DoNotOptimize(canvas.surface.image().constBits());
    }
}

// Sixteen lines from the centre to the edges: every octant, both axes.
std::array<QPoint, 16> fan(int w, int h) {
    return {{{w - 1, h / 2},
             {w - 1, h / 4},
             {w - 1, 0},
             {3 * w / 4, 0},
             {w / 2, 0},
             {w / 4, 0},
             {0, 0},
             {0, h / 4},
             {0, h / 2},
             {0, 3 * h / 4},
             {0, h - 1},
             {w / 4, h - 1},
             {w / 2, h - 1},
             {3 * w / 4, h - 1},
             {w - 1, h - 1},
             {w - 1, 3 * h / 4}}};
}

void LineTo_Gdi(benchmark::State& state) {
    paintWithGdi(state, [](HDC hdc, int w, int h) {
        for (const QPoint& end : fan(w, h)) {
            MoveToEx(hdc, w / 2, h / 2, nullptr);
            LineTo(hdc, end.x(), end.y());
        }
    });
}

void LineTo_Qt(benchmark::State& state) {
    paintWithQt(state, [](QPainter& painter, int w, int h) {
        for (const QPoint& end : fan(w, h))
            painter.drawLine(QPoint(w / 2, h / 2), end);
    });
}

void RoundRect_Gdi(benchmark::State& state) {
    paintWithGdi(state, [](HDC hdc, int w, int h) { RoundRect(hdc, 0, 0, w - 1, h - 1, 16, 16); });
}

void RoundRect_Qt(benchmark::State& state) {
    paintWithQt(state, [](QPainter& painter, int w, int h) {
        painter.drawRoundedRect(QRect(0, 0, w - 2, h - 2), 8, 8);
    });
}

void Arc_Gdi(benchmark::State& state) {
    // The upper half of the inscribed ellipse, counter-clockwise from the right.
    paintWithGdi(state, [](HDC hdc, int w, int h) { Arc(hdc, 0, 0, w, h, w, h / 2, 0, h / 2); });
}

void Arc_Qt(benchmark::State& state) {
    paintWithQt(state, [](QPainter& painter, int w, int h) {
        painter.drawArc(QRect(0, 0, w - 1, h - 1), 0, 180 * 16);
    });
}

// The arrow outline of the arrow-shaped buttons.
std::array<QPoint, 7> arrow(int w, int h) {
    return {{{w / 2, 0},
             {w - 1, h / 2},
             {3 * w / 4, h / 2},
             {3 * w / 4, h - 1},
             {w / 4, h - 1},
             {w / 4, h / 2},
             {0, h / 2}}};
}

void Polygon_Gdi(benchmark::State& state) {
    paintWithGdi(state, [](HDC hdc, int w, int h) {
        std::array<POINT, 7> points;
        const std::array<QPoint, 7> outline = arrow(w, h);
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i] = {outline[i].x(), outline[i].y()};
        Polygon(hdc, points.data(), int(points.size()));
    });
}

void Polygon_Qt(benchmark::State& state) {
    paintWithQt(state, [](QPainter& painter, int w, int h) {
        const std::array<QPoint, 7> outline = arrow(w, h);
        painter.drawPolygon(outline.data(), int(outline.size()));
    });
}

// A region made and released, as a renderer does on every paint.
template <typename Make> void makeRegion(benchmark::State& state, Make make) {
    const int w = int(state.range(0)), h = int(state.range(1));
    for (auto _ : state) {
        const HRGN region = make(w, h);
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}

void RoundRectRgn(benchmark::State& state) {
    makeRegion(state, [](int w, int h) { return CreateRoundRectRgn(0, 0, w, h, 15, 15); });
}

void EllipticRgn(benchmark::State& state) {
    makeRegion(state, [](int w, int h) { return CreateEllipticRgn(0, 0, w, h); });
}

// The diamond's four corners and the left arrow's seven.
void PolygonRgn_Diamond(benchmark::State& state) {
    makeRegion(state, [](int w, int h) {
        const POINT corners[] = {{w, h / 2}, {w / 2, 0}, {0, h / 2}, {w / 2, h}};
        return CreatePolygonRgn(corners, 4, WINDING);
    });
}

void PolygonRgn_Arrow(benchmark::State& state) {
    makeRegion(state, [](int w, int h) {
        const POINT corners[] = {{0, h / 2},    {2 * w / 3, 0}, {2 * w / 3, h / 3},
                                 {w, h / 3},    {w, 2 * h / 3}, {2 * w / 3, 2 * h / 3},
                                 {2 * w / 3, h}};
        return CreatePolygonRgn(corners, 7, WINDING);
    });
}

// The button size of the program's windows and a large diamond-sized control.
#define SIZES ->Args({81, 33})->Args({200, 200})
BENCHMARK(LineTo_Gdi) SIZES;
BENCHMARK(LineTo_Qt) SIZES;
BENCHMARK(RoundRect_Gdi) SIZES;
BENCHMARK(RoundRect_Qt) SIZES;
BENCHMARK(Arc_Gdi) SIZES;
BENCHMARK(Arc_Qt) SIZES;
BENCHMARK(Polygon_Gdi) SIZES;
BENCHMARK(Polygon_Qt) SIZES;
BENCHMARK(RoundRectRgn) SIZES;
BENCHMARK(EllipticRgn) SIZES;
BENCHMARK(PolygonRgn_Diamond) SIZES;
BENCHMARK(PolygonRgn_Arrow) SIZES;

} // namespace
} // namespace dorvak
