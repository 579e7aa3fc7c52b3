#include "controls/skin/CaptionButtonPainter.h"

#include "controls/skin/Segment.h"
#include "platform/gdi/Surface.h"

#include <span>

namespace dorvak {
namespace {

constexpr OleColor glyphOutline = fromRgbHex(0x535666);
constexpr OleColor glyphMark = fromRgbHex(0x7C8A9E);
constexpr OleColor white = fromRgbHex(0xFFFFFF);
constexpr OleColor grey1 = fromRgbHex(0xE9E9E9);
constexpr OleColor grey2 = fromRgbHex(0xE2E2E2);
constexpr OleColor grey3 = fromRgbHex(0xDCDCDC);
constexpr OleColor grey4 = fromRgbHex(0xD7D7D7);
constexpr OleColor buttonCornerMark = fromRgbHex(0x91AAC4);
constexpr OleColor closeCornerMark = fromRgbHex(0xA0A6BC);

constexpr double buttonTop = 75;
constexpr double buttonBottom = 315;
constexpr double innerTop = 90;
constexpr double innerBottom = 300;
constexpr double firstUpperRow = 105;
constexpr int upperRows = 6;
constexpr double firstLowerRow = 195;
constexpr double rowStep = 15;

struct ButtonGeometry {
    double left;
    double right;
    double faceFrom;
    double faceTo;
    // The inner line's top and bottom spans and its two verticals.
    double innerTopFrom;
    double innerTopTo;
    double innerBottomFrom;
    double innerBottomTo;
    double innerLeft;
    double innerRight;
};

constexpr ButtonGeometry minimiseGeometry{1485, 1050, 1455, 1070, 1470,
                                          1070, 1470, 1055, 1470, 1070};
constexpr ButtonGeometry maximiseGeometry{1005, 570, 980, 590, 980, 590, 990, 575, 990, 590};
constexpr ButtonGeometry closeGeometry{525, 105, 495, 120, 495, 120, 510, 105, 510, 120};

// In the segments below, horizontal positions are distances from the title bar's right end
// (x = width − offset), vertical ones distances from its top.
constexpr Segment minimiseMarks[] = {
    {1350, 195, 1175, 195, glyphMark},
    {1350, 255, 1175, 255, glyphMark},
};

constexpr Segment minimiseGlyph[] = {
    {1335, 195, 1190, 195, glyphOutline}, {1335, 255, 1190, 255, glyphOutline},
    {1350, 210, 1350, 255, glyphOutline}, {1190, 210, 1190, 255, glyphOutline},
    {1335, 210, 1190, 210, white},        {1335, 225, 1190, 225, grey3},
    {1335, 240, 1190, 240, grey4},
};

constexpr Segment maximiseFill[] = {
    {855, 150, 705, 150, white}, {855, 165, 705, 165, white}, {855, 180, 705, 180, white},
    {855, 195, 705, 195, grey1}, {855, 210, 705, 210, grey2}, {855, 225, 705, 225, grey3},
    {855, 240, 705, 240, grey4},
};

constexpr Segment maximiseMarks[] = {
    {870, 135, 690, 135, glyphMark},
    {870, 255, 690, 255, glyphMark},
};

constexpr Segment maximiseOutline[] = {
    {855, 135, 705, 135, glyphOutline}, {855, 255, 705, 255, glyphOutline},
    {870, 150, 870, 255, glyphOutline}, {705, 150, 705, 255, glyphOutline},
    {825, 180, 735, 180, glyphOutline}, {825, 215, 735, 215, glyphOutline},
    {825, 180, 825, 215, glyphOutline}, {750, 180, 750, 215, glyphOutline},
};

constexpr Segment closeGlyph[] = {
    // The outline of the X...
    {375, 135, 330, 135, glyphOutline},
    {285, 135, 240, 135, glyphOutline},
    {390, 150, 375, 150, glyphOutline},
    {330, 150, 315, 150, glyphOutline},
    {300, 150, 285, 150, glyphOutline},
    {240, 150, 225, 150, glyphOutline},
    {375, 165, 360, 165, glyphOutline},
    {315, 165, 300, 165, glyphOutline},
    {255, 165, 240, 165, glyphOutline},
    {360, 180, 345, 180, glyphOutline},
    {270, 180, 255, 180, glyphOutline},
    {345, 195, 330, 195, glyphOutline},
    {285, 195, 270, 195, glyphOutline},
    {360, 210, 345, 210, glyphOutline},
    {270, 210, 255, 210, glyphOutline},
    {375, 225, 360, 225, glyphOutline},
    {315, 225, 300, 225, glyphOutline},
    {255, 225, 240, 225, glyphOutline},
    {390, 240, 375, 240, glyphOutline},
    {330, 240, 315, 240, glyphOutline},
    {300, 240, 285, 240, glyphOutline},
    {240, 240, 225, 240, glyphOutline},
    {375, 255, 330, 255, glyphOutline},
    {285, 255, 240, 255, glyphOutline},
    // ...then its fill, lighter at the top.
    {375, 150, 330, 150, white},
    {285, 150, 240, 150, white},
    {360, 165, 315, 165, white},
    {300, 165, 255, 165, white},
    {345, 180, 270, 180, white},
    {330, 195, 285, 195, grey1},
    {345, 210, 270, 210, grey2},
    {360, 225, 315, 225, grey3},
    {300, 225, 255, 225, grey3},
    {375, 240, 330, 240, grey4},
    {285, 240, 240, 240, grey4},
};

constexpr Segment closeCornerMarks[] = {
    {525, 75, 510, 75, closeCornerMark},
    {105, 75, 90, 75, closeCornerMark},
    {525, 315, 510, 315, closeCornerMark},
    {105, 315, 90, 315, closeCornerMark},
};

struct ButtonColours {
    OleColor outline;
    OleColor innerLine;
    OleColor flat;
    const RowTable& rows;
};

class ButtonDrawing {
public:
    explicit ButtonDrawing(const CaptionButtonCanvas& canvas)
        : canvas_(canvas) {}

    void line(double x1, double y1, double x2, double y2, OleColor colour) const {
        canvas_.surface.line(canvas_.width - x1, canvas_.top + y1, canvas_.width - x2,
                             canvas_.top + y2, colour);
    }
    void draw(std::span<const Segment> segments) const {
        for (const Segment& segment : segments)
            line(segment.x1, segment.y1, segment.x2, segment.y2, segment.colour);
    }

    void frame(const ButtonGeometry& at, const ButtonColours& colours) const {
        line(at.left - 15, buttonTop, at.right, buttonTop, colours.outline);
        line(at.left - 15, buttonBottom, at.right, buttonBottom, colours.outline);
        line(at.left, innerTop, at.left, buttonBottom, colours.outline);
        line(at.right, innerTop, at.right, buttonBottom, colours.outline);

        line(at.innerTopFrom, innerTop, at.innerTopTo, innerTop, colours.innerLine);
        line(at.innerBottomFrom, innerBottom, at.innerBottomTo, innerBottom, colours.innerLine);
        line(at.innerLeft, innerTop, at.innerLeft, innerBottom, colours.innerLine);
        line(at.innerRight, innerTop, at.innerRight, innerBottom, colours.innerLine);
    }

    void face(const ButtonGeometry& at, const ButtonColours& colours) const {
        double y = firstUpperRow;
        for (int row = 0; row < upperRows; ++row, y += rowStep)
            line(at.faceFrom, y, at.faceTo, y, colours.flat);
        y = firstLowerRow;
        for (OleColor colour : colours.rows) {
            line(at.faceFrom, y, at.faceTo, y, colour);
            y += rowStep;
        }
    }

    // The full-width lines under the outline's top and bottom, of which the outline leaves
    // the two corner pixels.
    void cornerLines(const ButtonGeometry& at) const {
        line(at.left, buttonTop, at.right - 15, buttonTop, buttonCornerMark);
        line(at.left, buttonBottom, at.right - 15, buttonBottom, buttonCornerMark);
    }

private:
    const CaptionButtonCanvas& canvas_;
};

const RowTable& rowsOf(ButtonLook look, const RowTable& normal, const RowTable& hover,
                       const RowTable& pressed) {
    switch (look) {
    case ButtonLook::Hover:
        return hover;
    case ButtonLook::Pressed:
        return pressed;
    default:
        return normal;
    }
}

OleColor flatOf(ButtonLook look, OleColor normal, OleColor hover, OleColor pressed) {
    switch (look) {
    case ButtonLook::Hover:
        return hover;
    case ButtonLook::Pressed:
        return pressed;
    default:
        return normal;
    }
}

ButtonColours coloursOf(CaptionButton button, ButtonLook look, const ColourScheme& scheme) {
    if (button == CaptionButton::Close)
        return {
            scheme.CloseOutline, scheme.CloseInnerLine,
            flatOf(look, scheme.CloseFlatNormal, scheme.CloseFlatHover, scheme.CloseFlatPressed),
            rowsOf(look, scheme.CloseRowsNormal, scheme.CloseRowsHover, scheme.CloseRowsPressed)};
    return {
        scheme.ButtonOutline, scheme.ButtonInnerLine,
        flatOf(look, scheme.ButtonFlatNormal, scheme.ButtonFlatHover, scheme.ButtonFlatPressed),
        rowsOf(look, scheme.ButtonRowsNormal, scheme.ButtonRowsHover, scheme.ButtonRowsPressed)};
}

const ButtonGeometry& geometryOf(CaptionButton button) {
    switch (button) {
    case CaptionButton::Minimise:
        return minimiseGeometry;
    case CaptionButton::Maximise:
        return maximiseGeometry;
    case CaptionButton::Close:
        break;
    }
    return closeGeometry;
}

} // namespace

void DrawCaptionButton(const CaptionButtonCanvas& canvas, CaptionButton button, ButtonLook look) {
    const ButtonDrawing drawing(canvas);
    const ButtonGeometry& at = geometryOf(button);
    const ButtonColours colours = coloursOf(button, look, canvas.colours);
    // Pressed, then dragged off the button: the face keeps what was drawn last.
    const bool drawFace = look != ButtonLook::PressedOffButton;

    if (canvas.cornerMarks && button != CaptionButton::Close)
        drawing.cornerLines(at);
    drawing.frame(at, colours);
    if (drawFace)
        drawing.face(at, colours);

    switch (button) {
    case CaptionButton::Minimise:
        if (canvas.cornerMarks)
            drawing.draw(minimiseMarks);
        drawing.draw(minimiseGlyph);
        break;
    case CaptionButton::Maximise:
        drawing.draw(maximiseFill);
        if (canvas.cornerMarks)
            drawing.draw(maximiseMarks);
        drawing.draw(maximiseOutline);
        if (drawFace)
            drawing.line(810, 195, 750, 195, colours.rows[0]);
        break;
    case CaptionButton::Close:
        drawing.draw(closeGlyph);
        if (canvas.cornerMarks)
            drawing.draw(closeCornerMarks);
        break;
    }
}

} // namespace dorvak
