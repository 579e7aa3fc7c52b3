// The codes handlers receive for keys, buttons and modifiers, and the pointer shapes behind
// the runtime's pointer numbers.
#include "platform/forms/InputCodes.h"
#include "platform/forms/MousePointer.h"

#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

namespace dorvak {
namespace {

TEST(InputCodesTest, KeysButtonsAndModifiersGetTheClassicCodes) {
    using Codes = std::pair<std::int16_t, std::int16_t>; // key code, character
    const auto code = [](int key, const QString& text = {}) {
        const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        return Codes(keyCode(event), keyAscii(event));
    };
    EXPECT_EQ(code(Qt::Key_Return, "\r"), Codes(13, 13));
    EXPECT_EQ(code(Qt::Key_Enter, "\r"), Codes(13, 13));
    EXPECT_EQ(code(Qt::Key_Space, " "), Codes(32, 32));
    EXPECT_EQ(code(Qt::Key_A, "a"), Codes(65, 97));
    EXPECT_EQ(code(Qt::Key_7, "7"), Codes(55, 55));
    EXPECT_EQ(code(Qt::Key_Escape).first, 27);
    EXPECT_EQ(code(Qt::Key_Left).first, 37);
    EXPECT_EQ(code(Qt::Key_Down).first, 40);
    EXPECT_EQ(code(Qt::Key_F1).first, 112);
    EXPECT_EQ(code(Qt::Key_F12).first, 123);
    EXPECT_EQ(code(Qt::Key_Delete).first, 46);
    EXPECT_EQ(code(Qt::Key_Shift), Codes(16, 0));

    EXPECT_EQ(mouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(mouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(mouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(mouseButtonCode(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(shiftCode(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftCode(Qt::ControlModifier), 2);
}

TEST(InputCodesTest, PointerNumbersSelectTheirShapes) {
    QWidget window;
    QWidget& widget = *new QWidget(&window);
    const auto shapeFor = [&](std::int16_t pointer) {
        applyMousePointer(widget, pointer, QImage());
        return widget.testAttribute(Qt::WA_SetCursor) ? std::optional(widget.cursor().shape())
                                                      : std::nullopt;
    };
    EXPECT_EQ(shapeFor(6), Qt::SizeBDiagCursor);
    EXPECT_EQ(shapeFor(7), Qt::SizeVerCursor);
    EXPECT_EQ(shapeFor(8), Qt::SizeFDiagCursor);
    EXPECT_EQ(shapeFor(9), Qt::SizeHorCursor);
    EXPECT_EQ(shapeFor(15), Qt::SizeAllCursor);
    EXPECT_EQ(shapeFor(0), std::nullopt); // the default: the parent's pointer

    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    applyMousePointer(widget, 99, icon);
    EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
}

} // namespace
} // namespace dorvak
