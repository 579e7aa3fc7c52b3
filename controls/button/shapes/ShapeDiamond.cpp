#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

constexpr OleColor black = 0x000000;

void upperLeftEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W / 2, 0}, {0, H / 2}, {W / 2, H - 1}});
}

// Style 6 marks the top vertex with one black pixel, over the dot that ButtonStyleColors
// may have added there.
void blackApex(ShapeCanvas& c, double W) {
    c.setPixel(W / 2, 1, black);
}

// The grey outline turns black on its odd rows, which makes it dotted; any pixel of exactly
// that grey on an odd row (caption or picture included) goes black with it. Each pixel is
// judged on its own, so the rows may be scanned in any order.
void dotOddRows(ShapeCanvas& c, double W, double H) {
    c.facePixels().replace(QRect(QPoint(2, 1), QPoint(int(W - 2), int(H - 1))), 1, 2, c.pen(),
                           black);
}

const ShapeGeometry diamond{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{W, H / 2}, {W / 2, 0}, {0, H / 2}, {W / 2, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{0, H / 2}, {W / 2, H - 1}, {W - 1, H / 2}, {W / 2, 0}, {0, H / 2}});
            // A button with a background thickens the top vertex by one pixel.
            if (c.state().buttonStyleColors != BackgroundMode::BackTransparent)
                c.path({{W / 2, 1}, {W / 2, 0}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperLeftEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W / 2, 1}, {1, H / 2}, {W / 2, H - 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W / 2, H - 2}, {W - 2, H / 2}, {W / 2, 1}});
            c.pen(buttonHighlight);
            upperLeftEdge(c, W, H);
        },
    .upperEdgePressed = upperLeftEdge,
    .upperEdgeRaised = upperLeftEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W / 2, 1}, {W - 2, H / 2}, {W / 2, H - 2}});
            c.pen(buttonHighlight);
            c.path({{W / 2, 1}, {1, H / 2}, {W / 2, H - 2}});
            c.path({{W / 2, 0}, {W - 1, H / 2}, {W / 2, H - 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, H - 4}, {W - 4, H / 2}, {W / 2, 3}});
            blackApex(c, W);
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W / 2, H - 2}, {W - 2, H / 2}});
            c.pen(colors[1]);
            c.path({{W / 2, H - 3}, {W - 3, H / 2}});
            c.path({{1, H / 2}, {W / 2, H - 2}});
            c.path({{W - 2, H / 2}, {W / 2, 1}});
            c.pen(colors[2]);
            c.path({{2, H / 2}, {W / 2, H - 3}});
            c.path({{W - 3, H / 2}, {W / 2, 2}});
            c.pen(colors[3]);
            c.path({{W / 2, 1}, {1, H / 2}});
            c.pen(colors[4]);
            c.path({{W / 2, 2}, {2, H / 2}});
            blackApex(c, W);
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{1, H / 2}, {W / 2, H - 2}, {W - 2, H / 2}, {W / 2, 1}, {1, H / 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{W - 6, H / 2}, {W / 2, 5}, {5, H / 2}, {W / 2, H - 6}});
            dotOddRows(c, W, H);
        },
};

} // namespace

void DrawShapeDiamond(ShapeCanvas& canvas) {
    drawShape(diamond, canvas);
}

} // namespace dorvak
