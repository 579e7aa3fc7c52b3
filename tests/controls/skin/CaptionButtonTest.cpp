// The caption buttons' pixels in their looks, and their hit rectangles and flags.
#include "controls/skin/CaptionButtonPainter.h"
#include "controls/skin/CaptionButtons.h"
#include "platform/gdi/Surface.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace dorvak {
namespace {

constexpr double barWidth = 9225; // 615 pixels
constexpr int barPixels = 615;

OleColor pixelAt(const Surface& surface, int x, int y) {
    return plainFromPixel(surface.image().pixel(x, y));
}

// A title bar filled with a colour no button uses, so that untouched pixels stand out.
struct Bar {
    Bar()
        : surface(barPixels, 26) {
        surface.setBackColor(background);
    }
    void draw(CaptionButton button, ButtonLook look, int style = 0) {
        const ColourScheme colours = *colourSchemeOfStyle(style);
        DrawCaptionButton({surface, colours, style == 0, barWidth, 0}, button, look);
    }
    static constexpr OleColor background = 0x123456;
    Surface surface;
};

// The pixel column of a position written as W − offset.
int column(double offset) {
    return barPixels - int(offset / 15);
}

TEST(CaptionButtonPixels, CloseGlyphOverItsFaceInEachLook) {
    // One character per pixel, columns W − 390 to W − 225, rows 135 to 255 twips; D outline,
    // W white, 1 to 4 the greys, dot the face below.
    const char* glyph[] = {
        ".DDD...DDD..", //
        "DWWWD.DWWWD.", //
        ".DWWWDWWWD..", //
        "..DWWWWWD...", //
        "...D111D....", //
        "..D22222D...", //
        ".D333D333D..", //
        "D444D.D444D.", //
        ".DDD...DDD..", //
    };
    const std::map<char, OleColor> glyphColours = {
        {'D', rgb(0x53, 0x56, 0x66)}, {'W', rgb(0xFF, 0xFF, 0xFF)}, {'1', rgb(0xE9, 0xE9, 0xE9)},
        {'2', rgb(0xE2, 0xE2, 0xE2)}, {'3', rgb(0xDC, 0xDC, 0xDC)}, {'4', rgb(0xD7, 0xD7, 0xD7)}};
    const ColourScheme light = *colourSchemeOfStyle(0);

    struct Case {
        ButtonLook look;
        OleColor flat;
        const RowTable& rows;
    };
    for (const Case& test :
         {Case{ButtonLook::Normal, light.CloseFlatNormal, light.CloseRowsNormal},
          Case{ButtonLook::Hover, light.CloseFlatHover, light.CloseRowsHover},
          Case{ButtonLook::Pressed, light.CloseFlatPressed, light.CloseRowsPressed}}) {
        Bar bar;
        bar.draw(CaptionButton::Close, test.look);
        for (int row = 0; row < 9; ++row) {
            const int y = 9 + row; // 135 twips down
            // Rows down to 180 twips are the flat upper face, the rest the row table.
            const OleColor face = y <= 12 ? test.flat : test.rows[std::size_t(y - 13)];
            for (int i = 0; i < 12; ++i) {
                const char expected = glyph[row][i];
                const OleColor colour = expected == '.' ? face : glyphColours.at(expected);
                EXPECT_EQ(pixelAt(bar.surface, column(390) + i, y), colour)
                    << "row " << row << " column " << i << " look " << int(test.look);
            }
        }
    }
}

TEST(CaptionButtonPixels, OutlinesFacesAndCornerMarksPerStyle) {
    const ColourScheme light = *colourSchemeOfStyle(0);
    Bar bar;
    bar.draw(CaptionButton::Minimise, ButtonLook::Normal);
    const int left = column(1485);
    const int right = column(1050);
    // Outline from left + 15 to the right edge at 75 and 315 twips (rows 5 and 21), the
    // verticals from 90 twips; the corner pixels keep the corner marks.
    EXPECT_EQ(pixelAt(bar.surface, left + 1, 5), light.ButtonOutline);
    EXPECT_EQ(pixelAt(bar.surface, right - 1, 5), light.ButtonOutline);
    EXPECT_EQ(pixelAt(bar.surface, left, 5), rgb(0x91, 0xAA, 0xC4));
    EXPECT_EQ(pixelAt(bar.surface, right, 5), rgb(0x91, 0xAA, 0xC4));
    EXPECT_EQ(pixelAt(bar.surface, left, 6), light.ButtonOutline);
    EXPECT_EQ(pixelAt(bar.surface, right, 20), light.ButtonOutline);
    EXPECT_EQ(pixelAt(bar.surface, left + 1, 6), light.ButtonInnerLine);
    // Face rows: flat from 105 twips, the table from 195.
    EXPECT_EQ(pixelAt(bar.surface, column(1455), 7), light.ButtonFlatNormal);
    EXPECT_EQ(pixelAt(bar.surface, column(1455), 13), light.ButtonRowsNormal[0]);
    EXPECT_EQ(pixelAt(bar.surface, column(1455), 19), light.ButtonRowsNormal[6]);

    // The dark scheme has no corner marks: the background shows there.
    Bar dark;
    dark.draw(CaptionButton::Minimise, ButtonLook::Normal, 1);
    dark.draw(CaptionButton::Close, ButtonLook::Normal, 1);
    EXPECT_EQ(pixelAt(dark.surface, left, 5), Bar::background);
    EXPECT_EQ(pixelAt(dark.surface, column(525), 5), Bar::background);
    EXPECT_EQ(pixelAt(dark.surface, column(105), 21), Bar::background);
    Bar lightClose;
    lightClose.draw(CaptionButton::Close, ButtonLook::Normal, 0);
    EXPECT_EQ(pixelAt(lightClose.surface, column(525), 5), rgb(0xA0, 0xA6, 0xBC));
    EXPECT_EQ(pixelAt(lightClose.surface, column(105), 21), rgb(0xA0, 0xA6, 0xBC));
}

TEST(CaptionButtonPixels, PressedOffTheButtonKeepsTheFaceDrawnBefore) {
    const ColourScheme light = *colourSchemeOfStyle(0);
    Bar bar;
    bar.draw(CaptionButton::Maximise, ButtonLook::Hover);
    bar.draw(CaptionButton::Maximise, ButtonLook::PressedOffButton);
    const int face = column(980);
    EXPECT_EQ(pixelAt(bar.surface, face, 7), light.ButtonFlatHover);
    EXPECT_EQ(pixelAt(bar.surface, face, 19), light.ButtonRowsHover[6]);
    // The glyph is drawn again, without its centre: the window's fill shows there.
    EXPECT_EQ(pixelAt(bar.surface, column(810), 13), rgb(0xE9, 0xE9, 0xE9));
    EXPECT_EQ(pixelAt(bar.surface, column(1005), 10), light.ButtonOutline);

    Bar fresh;
    fresh.draw(CaptionButton::Maximise, ButtonLook::PressedOffButton);
    EXPECT_EQ(pixelAt(fresh.surface, face, 7), Bar::background);
}

TEST(CaptionButtonHitTest, RectanglesAreInclusiveWithAndWithoutIcon) {
    const double w = barWidth;
    struct Case {
        bool withIcon;
        CaptionButton button;
        double from;
        double to;
    };
    for (const Case& test : {Case{false, CaptionButton::Minimise, 1570, 1120},
                             Case{false, CaptionButton::Maximise, 1075, 645},
                             Case{false, CaptionButton::Close, 600, 180},
                             Case{true, CaptionButton::Minimise, 1855, 1420},
                             Case{true, CaptionButton::Maximise, 1360, 960},
                             Case{true, CaptionButton::Close, 885, 465}}) {
        const std::string where = std::to_string(int(test.button)) + (test.withIcon ? " icon" : "");
        for (double y : {75.0, 150.0, 240.0}) {
            EXPECT_EQ(captionButtonAt(w, w - test.from, y, test.withIcon), test.button) << where;
            EXPECT_EQ(captionButtonAt(w, w - test.to, y, test.withIcon), test.button) << where;
        }
        EXPECT_NE(captionButtonAt(w, w - test.from - 1, 150, test.withIcon), test.button) << where;
        EXPECT_NE(captionButtonAt(w, w - test.to + 1, 150, test.withIcon), test.button) << where;
        EXPECT_FALSE(captionButtonAt(w, w - test.to, 74, test.withIcon)) << where;
        EXPECT_FALSE(captionButtonAt(w, w - test.to, 241, test.withIcon)) << where;
    }
    // The icon layout moves the close rectangle off the plain layout's.
    EXPECT_FALSE(captionButtonAt(w, w - 300, 150, true));
}

TEST(CaptionButtonFlags, HoverPressAndLeaving) {
    const double w = barWidth;
    CaptionButtonFlags flags;
    flags.track(w, w - 1300, 150, false, 0);
    EXPECT_EQ(flags.look(CaptionButton::Minimise), ButtonLook::Hover);
    EXPECT_EQ(flags.look(CaptionButton::Close), ButtonLook::Normal);

    EXPECT_EQ(flags.press(), CaptionButton::Minimise);
    EXPECT_EQ(flags.look(CaptionButton::Minimise), ButtonLook::Pressed);

    // Moving onto another button with the left button held presses that one too, and the
    // first stays pressed without hover.
    flags.track(w, w - 400, 150, false, 1);
    EXPECT_EQ(flags.look(CaptionButton::Close), ButtonLook::Pressed);
    EXPECT_EQ(flags.look(CaptionButton::Minimise), ButtonLook::PressedOffButton);
    // A press clears the others.
    EXPECT_EQ(flags.press(), CaptionButton::Close);
    EXPECT_EQ(flags.look(CaptionButton::Minimise), ButtonLook::Normal);

    // Off every button all flags go.
    flags.track(w, 2000, 150, false, 1);
    EXPECT_FALSE(flags.hovered());
    for (CaptionButton button : captionButtons)
        EXPECT_EQ(flags.look(button), ButtonLook::Normal);
    EXPECT_FALSE(flags.press());
}

} // namespace
} // namespace dorvak
