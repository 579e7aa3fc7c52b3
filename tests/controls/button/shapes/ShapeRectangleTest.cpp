#include "controls/button/shapes/ShapeRenderers.h"
#include "tests/controls/button/shapes/ShapeTesting.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

// 12 × 10 pixels: W−1 = 11, H−1 = 9, and the focus outline (4,4)–(7,5) stays readable.
std::string rectangle(const ShapeState& state, const EdgeColors& edges = hoverEdges) {
    ShapeRun run(12, 10);
    run.draw(DrawShapeRectangle, state);
    return run.map(edges);
}

const std::string outlineOnly = rows("oooooooooooo", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "o..........o", //
                                     "oooooooooooo");

const std::string outlineWithFocus = rows("oooooooooooo", //
                                          "o..........o", //
                                          "o..........o", //
                                          "o..........o", //
                                          "o...gggg...o", //
                                          "o...gggg...o", //
                                          "o..........o", //
                                          "o..........o", //
                                          "o..........o", //
                                          "oooooooooooo");

TEST(RectangleRenderer, StylesWithoutEdgesDrawTheOutlineAndTheGreyFocusOutline) {
    for (int buttonStyle : {0, 5, 8, 9, -1}) {
        SCOPED_TRACE(buttonStyle);
        EXPECT_EQ(rectangle(pressed(hovered(style(buttonStyle)))), outlineOnly);
        EXPECT_EQ(rectangle(focused(style(buttonStyle))), outlineWithFocus);
    }
}

TEST(RectangleRenderer, StyleOneRaisesAndSinks) {
    const std::string raised = rows("hhhhhhhhhhhh", //
                                    "h.........so", //
                                    "h.........so", //
                                    "h.........so", //
                                    "h.........so", //
                                    "h.........so", //
                                    "h.........so", //
                                    "h.........so", //
                                    "hsssssssssso", //
                                    "oooooooooooo");
    EXPECT_EQ(rectangle(style(1)), raised);
    EXPECT_EQ(rectangle(hovered(style(1))), raised) << "hover does not change style 1";
    EXPECT_EQ(rectangle(focused(style(1))), rows("hhhhhhhhhhhh", //
                                                 "h.........so", //
                                                 "h.........so", //
                                                 "h.........so", //
                                                 "h...gggg..so", //
                                                 "h...gggg..so", //
                                                 "h.........so", //
                                                 "h.........so", //
                                                 "hsssssssssso", //
                                                 "oooooooooooo"));
    EXPECT_EQ(rectangle(pressed(style(1))), rows("dddddddddddd", //
                                                 "dsssssssssss", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "ds.........o", //
                                                 "oooooooooooo"));
}

TEST(RectangleRenderer, StylesTwoAndThreeLightOrDarkenTheUpperLeftEdge) {
    const std::string dark = rows("dddddddddddd", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "d..........o", //
                                  "oooooooooooo");
    const std::string light = rows("hhhhhhhhhhhh", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "h..........o", //
                                   "oooooooooooo");
    EXPECT_EQ(rectangle(pressed(style(2))), dark);
    EXPECT_EQ(rectangle(style(2)), light);
    EXPECT_EQ(rectangle(pressed(style(3))), dark);
    EXPECT_EQ(rectangle(hovered(style(3))), light);
    EXPECT_EQ(rectangle(style(3)), outlineOnly) << "style 3 at rest shows the outline alone";
}

TEST(RectangleRenderer, StyleFourEngravesOnlyWhenEnabledAndNeverShowsTheFocusOutline) {
    const std::string engraved = rows("oooooooooooo", //
                                      "ohhhhhhhhhhh", //
                                      "oh........sh", //
                                      "oh........sh", //
                                      "oh........sh", //
                                      "oh........sh", //
                                      "oh........sh", //
                                      "oh........sh", //
                                      "oh.ssssssssh", //
                                      "ohhhhhhhhhhh");
    EXPECT_EQ(rectangle(style(4)), engraved);
    EXPECT_EQ(rectangle(focused(pressed(hovered(style(4))))), engraved);
    EXPECT_EQ(rectangle(disabled(style(4))), outlineOnly);
    EXPECT_EQ(rectangle(focused(pressed(disabled(style(4))))), outlineOnly);
}

TEST(RectangleRenderer, StyleSixGlowsInTheHoverOrFocusColoursAndLightsWhenPressed) {
    const std::string glow = rows("oooooooooooo", //
                                  "o4444444444o", //
                                  "o2555555552o", //
                                  "o23......32o", //
                                  "o23......32o", //
                                  "o23......32o", //
                                  "o23......32o", //
                                  "o2222222222o", //
                                  "o1111111111o", //
                                  "oooooooooooo");
    EXPECT_EQ(rectangle(hovered(style(6)), hoverEdges), glow);
    EXPECT_EQ(rectangle(focused(hovered(style(6))), hoverEdges), glow)
        << "hovered and focused shows the hover colours";
    EXPECT_EQ(rectangle(focused(style(6)), focusEdges), glow);
    EXPECT_EQ(rectangle(style(6)), outlineOnly);

    const std::string lit = rows("oooooooooooo", //
                                 "o..........o", //
                                 "o..........o", //
                                 "o........h.o", //
                                 "o........h.o", //
                                 "o........h.o", //
                                 "o........h.o", //
                                 "o.hhhhhhhh.o", //
                                 "o..........o", //
                                 "oooooooooooo");
    EXPECT_EQ(rectangle(pressed(hovered(style(6)))), lit) << "pressed wins over hover";
    EXPECT_EQ(rectangle(focused(pressed(style(6)))), lit);
}

TEST(RectangleRenderer, StyleSevenDrawsAnInnerOutlineMarkedByColourWhenFocused) {
    const auto inner = [](char c) {
        const std::string line = std::string("o") + std::string(10, c) + "o";
        const std::string side = std::string("o") + c + std::string(8, '.') + c + "o";
        return rows("oooooooooooo", line, side, side, side, side, side, side, line, "oooooooooooo");
    };
    EXPECT_EQ(rectangle(style(7)), inner('h'));
    EXPECT_EQ(rectangle(hovered(style(7))), inner('h'));
    EXPECT_EQ(rectangle(focused(style(7))), inner('f')) << "no grey focus outline";
    EXPECT_EQ(rectangle(pressed(style(7))), inner('p'));
    EXPECT_EQ(rectangle(focused(pressed(style(7)))), inner('p'));
}

TEST(ShapeDispatch, CallsNoRendererOutsideTheTwelveShapes) {
    for (int shape : {-1, 12, 1000}) {
        ShapeRun run(12, 10);
        run.draw([shape](ShapeCanvas& c) { drawButtonShape(ButtonShape(shape), c); }, style(1));
        EXPECT_EQ(run.map(), rows("............", "............", "............", "............",
                                  "............", "............", "............", "............",
                                  "............", "............"))
            << shape;
    }
    ShapeRun run(12, 10);
    run.draw([](ShapeCanvas& c) { drawButtonShape(ButtonShape::Rectangle, c); }, style(0));
    EXPECT_EQ(run.map(), outlineOnly);
}

} // namespace
} // namespace dorvak
