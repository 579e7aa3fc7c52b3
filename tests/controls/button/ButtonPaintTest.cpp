// The Button's paint pipeline, checked on the pixels it leaves on the surface.
#include "controls/button/ButtonPainter.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"
#include "tests/controls/button/ButtonTesting.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

constexpr OleColor red = 0x0000FF;
constexpr OleColor blue = 0xFF0000;
constexpr OleColor green = 0x00FF00;
constexpr OleColor black = 0x000000;
constexpr OleColor white = 0xFFFFFF;

int redOf(OleColor c) {
    return int(c & 0xFF);
}
int blueOf(OleColor c) {
    return int(c >> 16 & 0xFF);
}

// A plain face to draw on: no style colours, a grey border, black caption.
void plainFace(Button& b) {
    b.setButtonStyle(0);
    b.setBorderColor(0x808080);
    b.setBorderColorHover(0x808080);
    b.setBorderColorPressed(0x808080);
}

void hover(Button& b, QPoint at = {10, 10}) {
    const QPoint global = b.mapToGlobal(at);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
}

// Pressed the way a toggle that is on is drawn.
void pressByToggle(Button& b) {
    b.setButtonType(1);
    b.setValue(true);
}

TEST(ButtonPaint, TheFaceIsAtLeast375TwipsAndSquareForShapesBeyondTheRectangles) {
    ButtonHost host;
    Button& b = *host.button;
    b.Move(0, 0, 300, 200);
    b.setCaption(QString()); // any property repaints
    EXPECT_EQ(b.Width(), 375);
    EXPECT_EQ(b.Height(), 375);
    EXPECT_EQ(b.surface().width(), 25);

    b.Move(0, 0, 1995, 495);
    b.setButtonShape(1);
    EXPECT_EQ(b.Height(), 495) << "a rounded rectangle keeps its proportions";
    b.setButtonShape(3);
    EXPECT_EQ(b.Height(), 1995);
    b.Move(0, 0, 600, 1500);
    b.setButtonShape(11);
    EXPECT_EQ(b.Height(), 600) << "squared to the width, even when it is the smaller side";
}

TEST(ButtonPaint, SolidBackgroundFollowsTheStateAndTransparentShowsOnlyWhatIsDrawn) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QString());
    b.setBackColor(red);
    b.setBackColorHover(green);
    b.setBackColorPressed(blue);
    EXPECT_EQ(host.pixel(40, 16), red);
    hover(b);
    EXPECT_EQ(host.pixel(40, 16), green);
    pressByToggle(b);
    EXPECT_EQ(host.pixel(40, 16), blue);

    b.setValue(false);
    hover(b, {-20, 10}); // away, which also clears the pressed look
    b.setButtonStyleColors(0);
    EXPECT_EQ(b.surface().backStyle(), Surface::Transparent);
    const QRegion visible = b.surface().visibleRegion();
    EXPECT_FALSE(visible.contains(QPoint(40, 16))) << "the face is see-through";
    EXPECT_TRUE(visible.contains(QPoint(0, 0))) << "the outline shows";
    EXPECT_TRUE(visible.contains(QPoint(79, 32)));
}

// Row 1 and row H−2 (inside the outline) of a vertical gradient, column 1 and W−2 of a
// horizontal one, and their middles.
TEST(ButtonPaint, GradientBackgroundsLayTheirColoursWhereEachModeSays) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QString());
    b.setBackColor(red);         // c0
    b.setBackColorPressed(blue); // c1 at rest
    b.setBackColorHover(green);  // c1 when hovered
    // Within two pixels of a gradient's end on a 33-pixel face: an eighth of the way.
    const auto near = [](OleColor pixel, OleColor color) {
        return std::abs(redOf(pixel) - redOf(color)) <= 32 &&
               std::abs(blueOf(pixel) - blueOf(color)) <= 32;
    };
    const int W = 80, H = 33;
    struct Case {
        int mode;
        QPoint a;  // expected near c0
        QPoint bb; // expected near c1
        QPoint c;  // expected near c0
    };
    const std::vector<Case> cases{
        {2, {1, 16}, {W - 2, 16}, {2, 5}},      // c0 left, c1 right
        {3, {40, H - 2}, {40, 1}, {10, H - 2}}, // c1 top, c0 bottom
        {4, {40, 1}, {40, 16}, {40, H - 2}},    // c0 top and bottom, c1 middle
        {5, {40, 16}, {40, 1}, {40, 17}},       // c0 middle, c1 top and bottom (H−2 below)
        {6, {1, 16}, {40, 16}, {W - 2, 16}},    // c0 both sides, c1 centre
        {7, {40, 16}, {1, 16}, {39, 5}},        // c0 centre, c1 sides
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.mode);
        b.setButtonStyleColors(test.mode);
        EXPECT_EQ(b.surface().backStyle(), Surface::Opaque);
        EXPECT_TRUE(near(host.pixel(test.a.x(), test.a.y()), red))
            << test.a.x() << "," << test.a.y();
        EXPECT_TRUE(near(host.pixel(test.bb.x(), test.bb.y()), blue))
            << test.bb.x() << "," << test.bb.y();
        EXPECT_TRUE(near(host.pixel(test.c.x(), test.c.y()), red));
    }
    b.setButtonStyleColors(5);
    EXPECT_TRUE(near(host.pixel(40, H - 2), blue)) << "c1 at the bottom too";
    b.setButtonStyleColors(2);
    hover(b);
    EXPECT_TRUE(near(host.pixel(W - 2, 16), green)) << "hovered, c1 is the hover colour";
}

// Disabled, styles 6 to 8 give the rest border a colour of their own only while their own
// gradient is drawn and the face shows rest: style 6 also when hovered, as it has no hover look.
TEST(ButtonPaint, ADisabledOwnGradientRecoloursOnlyTheRestBorder) {
    ButtonHost host;
    Button& b = *host.button;
    b.setCaption(QString());
    b.setButtonStyle(7);
    b.setEnabled(false);
    EXPECT_EQ(b.BorderColor(), 0xB5B2ADu);
    EXPECT_EQ(b.BorderColorHover(), 0xB17F3Cu) << "the other borders are the style's";
    b.setButtonStyleColors(0);
    EXPECT_EQ(b.BorderColor(), 0x8F8F8Eu) << "transparent: no own gradient, the style's border";

    b.setButtonStyleColors(1);
    b.setEnabled(true);
    hover(b);
    ASSERT_TRUE(b.state().mouseOver());
    b.setEnabled(false);
    ASSERT_TRUE(b.state().mouseOver()) << "disabling keeps the pointer's state";
    EXPECT_EQ(b.BorderColor(), 0x8F8F8Eu) << "hovered style 7 keeps its border";
    b.setButtonStyle(8);
    EXPECT_EQ(b.BorderColor(), b.BackColor()) << "hovered style 8 keeps its border";
    b.setButtonStyle(6);
    EXPECT_EQ(b.BorderColor(), 0x8DABABu);
}

TEST(ButtonPaint, OwnGradientsOfStylesFiveToEightFollowStateAndDisable) {
    ButtonHost host;
    Button& b = *host.button;
    b.setCaption(QString());
    b.setButtonStyle(5); // at rest: BackColor on both ends
    b.setBackColor(red);
    EXPECT_EQ(host.pixel(40, 2), red);
    EXPECT_EQ(host.pixel(40, 30), red);
    EXPECT_EQ(b.BorderColor(), 0x8000000Fu);
    EXPECT_EQ(b.BorderColorHover(), 0u);

    b.setButtonStyle(6);
    b.setEnabled(false);
    EXPECT_EQ(host.pixel(40, 16), 0xDBE7E7u);
    EXPECT_EQ(b.BorderColor(), 0x8DABABu);
    EXPECT_EQ(host.pixel(0, 16), 0x8DABABu) << "the outline is drawn in it";

    b.setButtonStyle(8);
    EXPECT_EQ(b.BorderColor(), 0xA4B6B7u);
    b.setEnabled(true);
    b.setBackColor(red);
    EXPECT_EQ(b.BorderColor(), red) << "style 8 borders are its face colours";
    EXPECT_EQ(host.pixel(40, 32) & 0xFF, 0xFFu) << "BackColor along the bottom";

    b.setButtonStyleColors(0);
    EXPECT_EQ(b.surface().backStyle(), Surface::Transparent);

    EXPECT_FALSE(b.surface().visibleRegion().contains(QPoint(40, 16)))
        << "no own gradient over a transparent face";
}

TEST(ButtonPaint, CaptionBoxesRoundHalvesToEvenAndSitFiveOrSixFromTheEdge) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QStringLiteral("Tamam"));
    const PixelBox& box = b.state().CaptionRect;
    const int w = box.Width, h = box.Height;
    ASSERT_GT(w, 10);
    ASSERT_GT(h, 5);

    // (SW − w) / 2 = 10.5 and (SH − h) / 2 = 6.5: even neighbours, 10 and 6.
    b.resize(w + 21, h + 13);
    b.setCaptionAlignment(2);
    EXPECT_EQ(box.Left, 10);
    EXPECT_EQ(box.Top, 6);
    // ... and 11.5, 7.5 go up to 12 and 8.
    b.resize(w + 23, h + 15);
    b.setCaptionAlignment(2);
    EXPECT_EQ(box.Left, 12);
    EXPECT_EQ(box.Top, 8);

    b.setFont(QFont(QStringLiteral("Tahoma"), 16)); // taller than half the smallest face
    const int tall = box.Height;
    b.resize(80, tall + 4); // the caption is more than half as tall: 5
    b.setCaptionAlignment(0);
    EXPECT_EQ(box.Top, 5);
    b.resize(80, 4 * tall);
    b.setCaptionAlignment(0);
    EXPECT_EQ(box.Top, 6) << "5.5 and more rounds to 6";
    b.setCaptionAlignment(1);
    EXPECT_EQ(box.Left, box.Width < 40 ? 6 : 5);
    b.setCaptionAlignment(3);
    EXPECT_EQ(box.Left, 80 - box.Width - 5);
    b.setCaptionAlignment(4);
    EXPECT_EQ(box.Top, 4 * tall - tall - 5);
    const PixelBox before = box;
    b.setCaptionAlignment(7);
    EXPECT_EQ(box.Left, before.Left) << "an unknown alignment keeps the last box";

    // The ink of the caption lies in its box and moves one pixel down and right when pressed.
    b.setCaptionAlignment(2);
    const QRect ink = inkBox(host.face(), black);
    EXPECT_TRUE(QRect(box.Left, box.Top, box.Width, box.Height).contains(ink));
    b.setForeColorPressed(black);
    pressByToggle(b);
    EXPECT_EQ(inkBox(host.face(), black), ink.translated(1, 1));
}

TEST(ButtonPaint, CaptionEffectsAndTheDisabledEngraving) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QStringLiteral("Hesapla"));
    b.setEffectColor(green);
    const QRect text = inkBox(host.face(), black);

    b.setCaptionEffect(3); // outline: the effect colour all round
    EXPECT_EQ(inkBox(host.face(), black), text);
    EXPECT_EQ(inkBox(host.face(), green), text.adjusted(-1, -1, 1, 1));
    b.setCaptionEffect(2); // shadow, down and right
    EXPECT_EQ(inkBox(host.face(), green).bottomRight(), text.bottomRight() + QPoint(1, 1));
    b.setCaptionEffect(1); // raised: up and left
    EXPECT_EQ(inkBox(host.face(), green).topLeft(), text.topLeft() - QPoint(1, 1));
    b.setCaptionEffect(5);
    EXPECT_TRUE(inkBox(host.face(), black).isNull()) << "an unknown effect draws no caption";

    b.setCaptionEffect(3);
    b.setEnabled(false); // engraved: highlight one pixel down-right under the shadow
    EXPECT_TRUE(inkBox(host.face(), green).isNull()) << "the effect is ignored";
    const QRect shadow = inkBox(host.face(), 0xA0A0A0);
    EXPECT_EQ(shadow, text);
    EXPECT_EQ(inkBox(host.face(), white).bottomRight(), shadow.bottomRight() + QPoint(1, 1));
    b.setButtonStyle(6); // light styles: the shadow colour alone
    b.setButtonStyleColors(1);
    b.setBackColor(0x00C0C0);
    EXPECT_EQ(inkBox(host.face(), 0xA0A0A0), text);
    EXPECT_TRUE(inkBox(host.face(), white).isNull());
}

TEST(ButtonPaint, CaptionColouringBlendsAcrossTheWholeFace) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QStringLiteral("MMMMMMMM"));
    b.setForeColor(black);      // A
    b.setForeColorPressed(red); // B at rest
    const OleColor face = translateColor(0x8000000F);
    // Red of every caption pixel, against the blend expected at its column or row.
    const auto check = [&](const std::function<int(int x, int y)>& expected) {
        const PixelBox& box = b.state().CaptionRect;
        int checked = 0;
        for (int x = box.Left; x < box.Left + box.Width; ++x)
            for (int y = box.Top; y < box.Top + box.Height; ++y) {
                const OleColor pixel = host.pixel(x, y);
                if (pixel == face)
                    continue;
                EXPECT_EQ(redOf(pixel), expected(x, y)) << x << "," << y;
                ++checked;
            }
        EXPECT_GT(checked, 20);
    };
    b.setCaptionStyle(1); // A at the face's left edge to B at its right edge
    check([](int x, int) { return int(std::nearbyint(255.0 * x / 80)); });
    b.setCaptionStyle(2); // B at the top edge to A at the bottom edge
    check([](int, int y) { return int(std::nearbyint(255 - 255.0 * y / 33)); });

    // A system colour as the caption colour matches no pixel: the caption keeps it.
    b.setForeColor(0x80000012);
    b.setCaptionStyle(1);
    EXPECT_FALSE(inkBox(host.face(), translateColor(0x80000012)).isNull());
}

// The caption is shaped once and every pass draws from that: a new caption or font must show
// at once, exactly as on a button that never showed the old one.
TEST(ButtonPaint, ANewCaptionOrFontShowsAsOnAButtonThatNeverHadTheOldOne) {
    const QString tamam = QStringLiteral("Tamam"), iptal = QString::fromUtf8("İptal");
    QFont larger(QStringLiteral("DejaVu Sans"));
    larger.setPixelSize(14);
    const auto outlined = [](Button& b) {
        plainFace(b);
        b.setEffectColor(green);
        b.setCaptionEffect(3); // ten passes of the caption
    };
    const auto drawnAlone = [&](const QString& caption, const QFont* font) {
        ButtonHost host;
        outlined(*host.button);
        if (font)
            host.button->setFont(*font);
        host.button->setCaption(caption);
        return host.face().copy();
    };
    const QImage tamamAlone = drawnAlone(tamam, nullptr);
    const QImage iptalAlone = drawnAlone(iptal, nullptr);
    const QImage iptalLarger = drawnAlone(iptal, &larger);
    ASSERT_NE(tamamAlone, iptalAlone);
    ASSERT_NE(iptalAlone, iptalLarger);

    ButtonHost host;
    Button& b = *host.button;
    outlined(b);
    b.setCaption(tamam);
    EXPECT_EQ(host.face(), tamamAlone);
    b.setCaption(iptal);
    EXPECT_EQ(host.face(), iptalAlone);
    b.setFont(larger);
    EXPECT_EQ(host.face(), iptalLarger);
}

QImage solid(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(ButtonPaint, PicturesArePlacedByAlignmentAndGreyedAtRestOrWhenDisabled) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QString());
    b.setBackColor(green);
    const QRgb warm = qRgb(200, 50, 10);
    b.resize(80, 40);
    b.setPicture(pictureFromImage(solid(20, 20, warm))); // half the height: top is 4
    b.setPictureAlignment(0);
    const OleColor warmColor = rgb(200, 50, 10);
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(30, 4, 20, 20));
    b.setPicture(pictureFromImage(solid(20, 18, warm))); // shorter: 4.55 rounds to 5
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(30, 5, 20, 18));
    b.setPictureAlignment(1);
    EXPECT_EQ(inkBox(host.face(), warmColor).left(), 5) << "(80 - 20) / 80 + 4 = 4.75";
    b.setPictureAlignment(3);
    EXPECT_EQ(inkBox(host.face(), warmColor).left(), 80 - 20 - 5);
    b.setPictureAlignment(4);
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(30, 40 - 18 - 5, 20, 18));
    b.setPictureAlignment(2);
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(30, 11, 20, 18));

    pressByToggle(b);
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(31, 12, 20, 18)) << "pressed: down-right";
    b.setValue(false);
    hover(b);
    hover(b, {-20, 0}); // the pointer leaving clears the pressed look

    b.setPictureGray(true); // the red pass: grey of the red channel; the back colour stays
    EXPECT_EQ(inkBox(host.face(), rgb(200, 200, 200)), QRect(30, 11, 20, 18));
    EXPECT_EQ(host.pixel(29, 11), green);
    hover(b);
    EXPECT_EQ(inkBox(host.face(), warmColor), QRect(30, 11, 20, 18)) << "hovered: never grey";

    b.setPictureGray(false);
    hover(b, {-20, 0});
    b.setEnabled(false); // the blue pass, whatever PictureGray says
    EXPECT_EQ(inkBox(host.face(), rgb(10, 10, 10)), QRect(30, 11, 20, 18));

    // With a system colour as back colour nothing matches: the whole box turns grey, face
    // included (its F0F0F0 stays F0F0F0, the border 808080 does too).
    b.setEnabled(true);
    b.setPictureGray(true);
    b.setBackColor(0x8000000F);
    b.setBackColorPressed(0x00FF00);
    b.setButtonStyleColors(3);
    EXPECT_EQ(inkBox(host.face(), rgb(200, 200, 200)), QRect(30, 11, 20, 18));
    EXPECT_EQ(host.pixel(50, 29),
              rgb(redOf(host.pixel(50, 29)), redOf(host.pixel(50, 29)), redOf(host.pixel(50, 29))))
        << "the gradient pixels on the box's far edge are grey too";
}

TEST(ButtonPaint, TheHandCursorIsMadeCurrentWhileFocusedOrHoveredAtRest) {
    ButtonHost host;
    Button& b = *host.button;
    ASSERT_TRUE(host.show());
    b.clearFocus();
    QCursor::setPos(b.mapToGlobal(QPoint(20, 10)));
    b.setHandPointer(true);
    EXPECT_NE(b.cursor().shape(), Qt::PointingHandCursor) << "neither focused nor hovered";
    b.setFocus();
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);
}

// A new button of 81 × 33 without a caption, focused.
bool focusWithoutCaption(ButtonHost& host) {
    host.button->setCaption(QString());
    if (!host.show())
        return false;
    host.button->setFocus();
    return host.button->state().HasFocus;
}

TEST(ButtonPaint, AFocusedButtonDotsItsGreyFocusOutline) {
    ButtonHost host;
    Button& b = *host.button;
    ASSERT_TRUE(focusWithoutCaption(host));
    // Style 1: the grey outline from (4,4) to (75,28), every other pixel black.
    std::string top;
    for (int x = 3; x <= 10; ++x)
        top += host.pixel(x, 4) == black ? '#' : host.pixel(x, 4) == 0xD1D1D1 ? 'g' : '.';
    EXPECT_EQ(top, ".#g#g#g#");
    EXPECT_EQ(host.pixel(4, 5), 0xD1D1D1u);
    EXPECT_EQ(host.pixel(4, 6), black);
    EXPECT_EQ(host.pixel(75, 28), 0xD1D1D1u) << "odd column, even row";
    EXPECT_EQ(host.pixel(75, 27), black);

    b.setFocusRect(false);
    EXPECT_TRUE(inkBox(host.face(), black).isNull());
    EXPECT_TRUE(inkBox(host.face(), 0xD1D1D1).isNull());
    b.setFocusRect(true);
    b.setButtonStyle(6); // marks focus with its edges, not dots

    EXPECT_TRUE(inkBox(host.face(), 0xD1D1D1).isNull());
    EXPECT_EQ(host.pixel(1, 1), 0xF7D7BDu) << "focus edge 4";
}

// The painter reads the state and draws on the face it is given: the button's own state
// drawn again on a face of its own gives the button's face, and a paint at another size
// leaves the button as it was.
TEST(ButtonPaint, ThePainterDrawsTheStateItIsGivenAndChangesNothingElse) {
    ButtonHost host;
    Button& b = *host.button;
    b.setButtonStyle(7);
    b.setButtonShape(1);
    b.setCaption(QStringLiteral("Tamam"));
    b.setCaptionEffect(3);
    const QImage shown = host.face();
    const OleColor border = b.BorderColor();

    Surface again(shown.width(), shown.height());
    again.setFont(b.Font());
    const PaintedFace painted = ButtonPainter(b.state(), again, true).paint();
    EXPECT_EQ(again.image(), shown);
    EXPECT_TRUE(painted.windowRegion) << "the rounded rectangle's region, for the caller";

    Surface larger(2 * shown.width(), 3 * shown.height());
    larger.setFont(b.Font());
    ButtonPainter(b.state(), larger, true).paint();
    EXPECT_EQ(host.face(), shown);
    EXPECT_EQ(b.size(), shown.size());
    EXPECT_EQ(b.BorderColor(), border);
}

TEST(ButtonPaint, ARectangleRemovesTheWindowRegionAnotherShapeLeft) {
    ButtonHost host;
    Button& b = *host.button;
    b.setButtonShape(2);
    ASSERT_FALSE(b.mask().isEmpty());
    ASSERT_NE(b.state().ShapeRegion, HRGN());
    b.setButtonShape(0);
    EXPECT_TRUE(b.mask().isEmpty());
    EXPECT_EQ(b.state().ShapeRegion, HRGN());
}

TEST(ButtonPaint, StyleFourFramesTheFocusedCaption) {
    ButtonHost host;
    Button& b = *host.button;
    b.setButtonStyle(4);
    b.setCaption(QStringLiteral("Tamam"));
    ASSERT_TRUE(host.show());
    b.setFocus();
    const PixelBox& box = b.state().CaptionRect;
    EXPECT_EQ(inkBox(host.face(), 0xCC9999),
              QRect(QPoint(box.Left - 3, box.Top - 2),
                    QPoint(box.Left + box.Width + 1, box.Top + box.Height + 1)));
    b.setCaption(QString());
    EXPECT_TRUE(inkBox(host.face(), 0xCC9999).isNull()) << "no frame round an empty caption";
}

TEST(ButtonPaint, DropDownChevronsSitLeftRightOrInTheCorner) {
    ButtonHost host;
    Button& b = *host.button;
    plainFace(b);
    b.setCaption(QString());
    const QImage& face = host.face();
    b.setDropDown(3);
    EXPECT_EQ(colorMap(face, {{'#', black}, {'.', translateColor(0x8000000F)}, {'o', 0x808080}},
                       QRect(0, 0, 16, 14)),
              rows("oooooooooooooooo", //
                   "o...............", //
                   "o...............", //
                   "o...............", //
                   "o...............", //
                   "o.....##...##...", //
                   "o......##.##....", //
                   "o.......###.....", //
                   "o........#......", //
                   "o.....##...##...", //
                   "o......##.##....", //
                   "o.......###.....", //
                   "o........#......", //
                   "o..............."));
    // SH / 2 − 8 = 8.5 rounds to 8.
    b.setDropDown(1);
    EXPECT_EQ(inkBox(face, black), QRect(2 + 6, 8 + 5, 7, 8));
    b.setDropDown(2);
    EXPECT_EQ(inkBox(face, black), QRect(80 - 21 + 6, 8 + 5, 7, 8));
    b.setDropDown(0);
    EXPECT_TRUE(inkBox(face, black).isNull());
}

} // namespace
} // namespace dorvak
