#pragma once

#include "controls/button/shapes/ShapeCanvas.h"
#include "controls/button/shapes/ShapeColors.h"
#include "platform/gdi/Surface.h"
#include "tests/support/PixelMaps.h"

#include <functional>
#include <string>

namespace dorvak {

// A renderer drawn on a bare surface of W × H pixels, as the paint pipeline hands it over:
// pixel scale, the face in `face`, the pen in the border colour `border`.
struct ShapeRun {
    static constexpr OleColor face = 0x123456;
    static constexpr OleColor border = 0x0000AA;

    ShapeRun(int width, int height)
        : surface(width, height) {
        surface.setScaleMode(ScaleMode::Pixels);
        surface.setBackColor(face);
    }

    // Draws with the renderer and keeps the window region it asks for.
    void draw(const std::function<void(ShapeCanvas&)>& renderer, const ShapeState& state) {
        surface.setForeColor(border);
        ShapeCanvas canvas(surface, state);
        renderer(canvas);
        windowRegion = canvas.takeWindowRegion();
    }

    // The letters of the renderers' colours: o border, . face, s shadow, h highlight (and
    // style 7 white), d 3-D dark shadow, g focus outline grey, p and f style 7 pressed and
    // focus, 1 to 5 the style 6 edges of the given set.
    std::string map(const EdgeColors& edges = hoverEdges) const {
        return map(surface.image(), edges);
    }
    static std::string map(const QImage& image, const EdgeColors& edges = hoverEdges) {
        MapLegend legend{{'.', face},
                         {'o', border},
                         {'s', translateColor(buttonShadow)},
                         {'h', translateColor(buttonHighlight)},
                         {'d', translateColor(darkShadow3D)},
                         {'g', focusOutlineGrey},
                         {'p', style7Pressed},
                         {'f', style7Focus}};
        for (std::size_t i = 0; i < edges.size(); ++i)
            legend.emplace_back(char('1' + i), edges[i]);
        return colorMap(image, legend);
    }

    Surface surface;
    OwnedRegion windowRegion;
};

// Button states in the words of the shape tables, composable: focused(hovered(style(6))).
inline ShapeState style(int buttonStyle) {
    ShapeState state;
    state.buttonStyle = ButtonStyle(buttonStyle);
    return state;
}
inline ShapeState pressed(ShapeState state) {
    state.pressed = true;
    return state;
}
inline ShapeState hovered(ShapeState state) {
    state.mouseOver = true;
    return state;
}
inline ShapeState focused(ShapeState state) {
    state.focused = true;
    return state;
}
inline ShapeState disabled(ShapeState state) {
    state.enabled = false;
    return state;
}
inline ShapeState withBackground(ShapeState state) {
    state.buttonStyleColors = BackgroundMode::BackSolid;
    return state;
}

} // namespace dorvak
