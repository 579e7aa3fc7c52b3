#include "tools/gallery/ShapeSheet.h"

#include "controls/button/SystemColors.h"
#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Surface.h"

#include <QPainter>
#include <array>

namespace dorvak {

namespace {

struct NamedState {
    const char* name;
    ShapeState state;
};

ShapeState inStyle(int buttonStyle, bool pressed, bool hovered, bool focused, bool enabled) {
    ShapeState state;
    state.buttonStyle = ButtonStyle(buttonStyle);
    state.buttonStyleColors = BackgroundMode::BackSolid; // a new button's background
    state.pressed = pressed;
    state.mouseOver = hovered;
    state.focused = focused;
    state.enabled = enabled;
    return state;
}

constexpr std::array<const char*, 12> shapeNames{
    "0 rectangle",   "1 rounded rectangle", "2 ellipse",        "3 diamond",
    "4 triangle up", "5 triangle left",     "6 triangle right", "7 triangle down",
    "8 arrow up",    "9 arrow left",        "10 arrow right",   "11 arrow down"};
constexpr std::array<int, 7> styles{0, 1, 2, 3, 4, 6, 7};
constexpr std::array<const char*, 5> stateNames{"rest", "hovered", "pressed", "focused",
                                                "disabled"};

ShapeState cellState(int buttonStyle, int column) {
    switch (column) {
    case 1:
        return inStyle(buttonStyle, false, true, false, true);
    case 2:
        return inStyle(buttonStyle, true, true, false, true);
    case 3:
        return inStyle(buttonStyle, false, false, true, true);
    case 4:
        return inStyle(buttonStyle, false, false, false, false);
    default:
        return inStyle(buttonStyle, false, false, false, true);
    }
}

// The rectangles keep the program's usual proportions; every other shape is square, as the
// button makes it.
QSize buttonSize(int shape) {
    return shape <= 1 ? QSize(81, 33) : QSize(64, 64);
}

// One face and one border colour for every cell (a new button's, before any style colours),
// so that the sheet compares the renderers alone.
constexpr OleColor face = buttonFace;
constexpr OleColor border = darkShadow3D;
constexpr QRgb sheetBackground = 0xFF3A6EA5;

constexpr int cell = 90;     // room for one button
constexpr int rowLabel = 26; // the style number left of each row
constexpr int blockTitle = 36;
constexpr int blockWidth = rowLabel + cell * int(stateNames.size());
constexpr int blockHeight = blockTitle + cell * int(styles.size());
constexpr int blocksAcross = 4;
constexpr int gap = 16;

// Draws one button as the renderer leaves it, cut to its window region.
void drawButton(QPainter& painter, QPoint at, int shape, const ShapeState& state) {
    const QSize size = buttonSize(shape);
    Surface surface(size.width(), size.height());
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setBackColor(face);
    surface.setForeColor(border);

    ShapeCanvas canvas(surface, state);
    drawButtonShape(ButtonShape(shape), canvas);
    const OwnedRegion region = canvas.takeWindowRegion();

    painter.save();
    painter.translate(at);
    if (const QRegion* outline = findGdiObject<QRegion>(region.get()))
        painter.setClipRegion(*outline);
    painter.drawImage(0, 0, surface.image());
    painter.restore();
}

void drawBlock(QPainter& painter, QPoint origin, int shape) {
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(origin, QSize(blockWidth, 18)), Qt::AlignLeft, shapeNames[shape]);
    title.setBold(false);
    painter.setFont(title);
    for (std::size_t column = 0; column < stateNames.size(); ++column)
        painter.drawText(QRect(origin + QPoint(rowLabel + int(column) * cell, 18), QSize(cell, 16)),
                         Qt::AlignHCenter, stateNames[column]);

    const QSize size = buttonSize(shape);
    const QPoint centring((cell - size.width()) / 2, (cell - size.height()) / 2);
    for (std::size_t row = 0; row < styles.size(); ++row) {
        const QPoint rowOrigin = origin + QPoint(0, blockTitle + int(row) * cell);
        painter.setPen(Qt::white);
        painter.drawText(QRect(rowOrigin, QSize(rowLabel, cell)), Qt::AlignVCenter,
                         QString::number(styles[row]));
        for (std::size_t column = 0; column < stateNames.size(); ++column)
            drawButton(painter, rowOrigin + QPoint(rowLabel + int(column) * cell, 0) + centring,
                       shape, cellState(styles[row], int(column)));
    }
}

} // namespace

QImage renderShapeSheet() {
    const int blocksDown = (int(shapeNames.size()) + blocksAcross - 1) / blocksAcross;
    QImage sheet(gap + blocksAcross * (blockWidth + gap), gap + blocksDown * (blockHeight + gap),
                 QImage::Format_RGB32);
    sheet.fill(sheetBackground);
    QPainter painter(&sheet);
    for (int shape = 0; shape < int(shapeNames.size()); ++shape) {
        const QPoint origin(gap + (shape % blocksAcross) * (blockWidth + gap),
                            gap + (shape / blocksAcross) * (blockHeight + gap));
        drawBlock(painter, origin, shape);
    }
    return sheet;
}

} // namespace dorvak
