#pragma once

#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/gdi/Drawing.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowShape.h"
#include "tests/controls/button/shapes/ShapeTesting.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace dorvak {

using Renderer = void (*)(ShapeCanvas&);

// The renderer's pixels on a W × H face, as a map (see ShapeRun::map).
inline std::string rendered(Renderer renderer, int width, int height, const ShapeState& state,
                            const EdgeColors& edges = hoverEdges) {
    ShapeRun run(width, height);
    run.draw(renderer, state);
    return run.map(edges);
}

// What a renderer should draw, written as plain drawing calls with the table's coordinates
// worked out by hand for one size. Starts with the pen in the border colour.
class Sketch {
public:
    Sketch(int width, int height)
        : run_(width, height) {
        run_.surface.setForeColor(ShapeRun::border);
    }

    Sketch& pen(OleColor color) {
        run_.surface.setForeColor(color);
        return *this;
    }
    Sketch& path(std::initializer_list<POINT> points) {
        const POINT* p = points.begin();
        MoveToEx(hdc(), p->x, p->y, nullptr);
        for (++p; p != points.end(); ++p)
            LineTo(hdc(), p->x, p->y);
        return *this;
    }
    Sketch& polygon(std::initializer_list<POINT> points) {
        Polygon(hdc(), points.begin(), int(points.size()));
        return *this;
    }
    Sketch& roundRect(int l, int t, int r, int b, int cw, int ch) {
        RoundRect(hdc(), l, t, r, b, cw, ch);
        return *this;
    }
    Sketch& arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
        Arc(hdc(), l, t, r, b, xs, ys, xe, ye);
        return *this;
    }
    Sketch& pixel(int x, int y, OleColor color) {
        SetPixel(hdc(), x, y, color);
        return *this;
    }
    OleColor pixelAt(int x, int y) const { return GetPixel(hdc(), x, y); }
    std::string map(const EdgeColors& edges = hoverEdges) const { return run_.map(edges); }

private:
    HDC hdc() const { return run_.surface.hdc(); }
    ShapeRun run_;
};

// A W × H button drawn by the renderer at rest, its window given the region it sets.
struct ShapedWindow {
    ShapedWindow(Renderer renderer, int width, int height)
        : run(width, height) {
        window.resize(width, height);
        run.draw(renderer, style(0));
        if (run.windowRegion)
            SetWindowRgn(registerWindow(&window), std::move(run.windowRegion), true);
    }
    QWidget window;
    ShapeRun run;
};

// The window region a renderer gives a W × H button, as the widget's mask.
inline QRegion windowRegion(Renderer renderer, int width, int height) {
    return ShapedWindow(renderer, width, height).window.mask();
}

// The pixels of the outline that the window region leaves out, row by row.
inline std::vector<QPoint> hiddenOutline(Renderer renderer, int width, int height) {
    const ShapedWindow shaped(renderer, width, height);
    const QRegion shown = shaped.window.mask();
    std::vector<QPoint> hidden;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (plainFromPixel(shaped.run.surface.image().pixel(x, y)) == ShapeRun::border &&
                !shown.contains(QPoint(x, y)))
                hidden.emplace_back(x, y);
    return hidden;
}

// The pixels of a region object, as the mask it gives a window.
inline QRegion regionPixels(HRGN region) {
    QWidget window;
    SetWindowRgn(registerWindow(&window), region, false);
    return window.mask();
}

// One shape's table with its coordinates worked out for one size. Rows that the frame draws
// in a pen of its own (the upper edges, style 6 pressed, style 7, the focus outline) leave
// the pen to the caller; the others set theirs as the table says.
struct ShapeTable {
    using Row = std::function<void(Sketch&)>;
    using EdgeRow = std::function<void(Sketch&, const EdgeColors&)>;
    int width = 30;
    int height = 30;
    Row outline, sunken, raised, upperEdgePressed, upperEdgeRaised, engraved, glowPressed;
    EdgeRow glowEdges;
    Row innerOutline, focusOutline;
};

// Checks every row of the table in the states that select it, and the states that draw no
// row at all.
inline void expectTable(Renderer renderer, const ShapeTable& t) {
    const auto expect = [&](const char* what, const ShapeState& state,
                            const std::function<void(Sketch&)>& rows,
                            const EdgeColors& edges = hoverEdges) {
        Sketch sketch(t.width, t.height);
        t.outline(sketch);
        rows(sketch);
        EXPECT_EQ(rendered(renderer, t.width, t.height, state, edges), sketch.map(edges)) << what;
    };
    const auto face = [&](Sketch& s) { t.focusOutline(s.pen(focusOutlineGrey)); };
    const auto none = [](Sketch&) {};

    expect("outline alone", pressed(hovered(style(0))), none);
    expect("style 5", hovered(style(5)), none);
    expect("grey focus outline", focused(style(8)), face);
    expect("1 pressed", pressed(style(1)), t.sunken);
    expect("1 rest", hovered(style(1)), t.raised);
    expect("1 focused", focused(style(1)), [&](Sketch& s) { t.raised(s), face(s); });
    expect("2 pressed", pressed(style(2)),
           [&](Sketch& s) { t.upperEdgePressed(s.pen(darkShadow3D)); });
    expect("2 rest", style(2), [&](Sketch& s) { t.upperEdgeRaised(s.pen(buttonHighlight)); });
    expect("3 pressed", pressed(style(3)),
           [&](Sketch& s) { t.upperEdgePressed(s.pen(darkShadow3D)); });
    expect("3 hovered", hovered(style(3)),
           [&](Sketch& s) { t.upperEdgeRaised(s.pen(buttonHighlight)); });
    expect("3 rest", style(3), none);
    expect("3 focused", focused(style(3)), face);
    expect("4 enabled", focused(pressed(style(4))), t.engraved);
    expect("4 disabled", focused(hovered(disabled(style(4)))), none);
    expect("6 pressed", focused(hovered(pressed(style(6)))),
           [&](Sketch& s) { t.glowPressed(s.pen(buttonHighlight)); });
    expect("6 hovered", focused(hovered(style(6))), [&](Sketch& s) { t.glowEdges(s, hoverEdges); });
    expect(
        "6 focused", focused(style(6)), [&](Sketch& s) { t.glowEdges(s, focusEdges); }, focusEdges);
    expect("6 rest", disabled(style(6)), none);
    expect("7 pressed", focused(pressed(style(7))),
           [&](Sketch& s) { t.innerOutline(s.pen(style7Pressed)); });
    expect("7 rest", hovered(style(7)), [&](Sketch& s) { t.innerOutline(s.pen(style7Normal)); });
    expect("7 focused", focused(style(7)), [&](Sketch& s) {
        t.innerOutline(s.pen(style7Normal));
        t.innerOutline(s.pen(style7Focus));
    });
}

} // namespace dorvak
