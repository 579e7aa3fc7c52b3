#pragma once

#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowShape.h"
#include "tests/controls/button/shapes/ShapeTesting.h"

#include <QWidget>
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

} // namespace dorvak
