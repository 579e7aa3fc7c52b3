// Windows built from design descriptions: controls, arrays, containers, stacking, twips, tab
// order, and the window's own properties.
#include "FormsTestSupport.h"

#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

FormDesign design(const char* json) {
    return parseFormDesign(QByteArray(json));
}

const char* const sampleWindow = R"({
  "name": "Sample",
  "properties": { "Caption": "Örnek Pencere", "BorderStyle": 0, "ClientWidth": 4500,
                  "ClientHeight": 3000, "BackColor": "0x00000080" },
  "controls": [
    { "kind": "Label", "name": "Front", "left": 300, "top": 300, "width": 1500, "height": 300,
      "properties": { "Caption": "Önde", "TabIndex": 3 } },
    { "kind": "Label", "name": "Counter", "container": "Box", "left": 150, "top": 150,
      "width": 600, "height": 300, "properties": { "Caption": "0" } },
    { "kind": "Label", "name": "Back", "left": 300, "top": 300, "width": 1500, "height": 300,
      "properties": { "Caption": "Arkada" } },
    { "kind": "TextBox", "name": "Second", "left": 0, "top": 1200, "width": 900, "height": 300,
      "properties": { "Text": "15", "TabIndex": 2 } },
    { "kind": "TextBox", "name": "First", "left": 0, "top": 1500, "width": 900, "height": 300,
      "properties": { "Text": "", "TabIndex": 0, "ToolTipText": "İpucu" } },
    { "kind": "TextBox", "name": "Third", "left": 0, "top": 1800, "width": 900, "height": 300,
      "properties": { "TabIndex": 7 } },
    { "kind": "Shape", "name": "Chart", "index": 1, "left": 2400, "top": 0, "width": 600,
      "height": 600, "properties": { "FillStyle": 0, "FillColor": "0x0000FF00" } },
    { "kind": "Shape", "name": "Chart", "index": 0, "left": 2400, "top": 0, "width": 600,
      "height": 600, "properties": { "Visible": false } },
    { "kind": "PictureBox", "name": "Box", "left": 3000, "top": 1500, "width": 1500,
      "height": 1500, "properties": { "BackColor": "0x00FF0000" } },
    { "kind": "Timer", "name": "Clock", "container": "Box",
      "properties": { "Interval": 1000, "Enabled": false } }
  ]
})";

TEST(FormTest, BuildsControlsFromTheDesignInStackingAndTabOrder) {
    ApplicationFixture fixture;
    Form form(design(sampleWindow));

    EXPECT_EQ(form.Caption(), QStringLiteral("Örnek Pencere"));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(300, 200)); // 4500 x 3000 twips
    EXPECT_EQ(form.surface().image().pixel(10, 10), qRgb(0x80, 0, 0));

    // Control arrays are told apart by index; a plain name finds no array element.
    auto* chart0 = form.control<Shape>("Chart", 0);
    auto* chart1 = form.control<Shape>("Chart", 1);
    ASSERT_TRUE(chart0 && chart1);
    EXPECT_NE(chart0, chart1);
    EXPECT_EQ(form.control<Shape>("Chart"), nullptr);
    EXPECT_FALSE(chart0->Visible());
    EXPECT_TRUE(chart1->Visible());
    EXPECT_EQ(chart1->FillColor(), 0x0000FF00u);
    EXPECT_EQ(form.control<Label>("Chart", 1), nullptr); // not a label
    EXPECT_EQ(form.displayNameOf(chart1), QStringLiteral("Chart(1)"));

    // A container listed after its contents still receives them; positions are relative to
    // the container and in twips.
    auto* box = form.control<PictureBox>("Box");
    auto* counter = form.control<Label>("Counter");
    ASSERT_TRUE(box && counter);
    EXPECT_EQ(counter->parentWidget(), box);
    EXPECT_EQ(counter->geometry(), QRect(10, 10, 40, 20));
    EXPECT_EQ(box->geometry(), QRect(200, 100, 100, 100));
    EXPECT_EQ(form.control<Timer>("Clock")->parent(), box);

    // The first listed control is in front where two overlap.
    EXPECT_EQ(form.childAt(QPoint(30, 30)), form.control<Label>("Front"));

    // Tab order follows the tab indexes, not the listing order.
    auto* first = form.control<TextBox>("First");
    EXPECT_EQ(first->nextInFocusChain(), form.control<TextBox>("Second"));
    EXPECT_EQ(form.control<TextBox>("Second")->nextInFocusChain(), form.control<TextBox>("Third"));
    EXPECT_EQ(first->toolTip(), QStringLiteral("İpucu"));

    // The window opens with the focus on the lowest tab index, though it was created later.
    form.Show();
    EXPECT_EQ(form.focusWidget(), first);
}

TEST(FormTest, RejectsBrokenDesigns) {
    ApplicationFixture fixture;
    const auto failsWith = [](const char* json, ErrorCode code = ErrorCode::InvalidCall) {
        try {
            Form form(design(json));
        } catch (const RuntimeError& error) {
            return error.code() == code;
        }
        return false;
    };
    EXPECT_TRUE(failsWith("not json"));
    EXPECT_TRUE(failsWith(R"({"name":"A","controls":[{"kind":"Gauge","name":"G1"}]})"));
    EXPECT_TRUE(failsWith(
        R"({"name":"A","controls":[{"kind":"Label","name":"L","container":"Nowhere"}]})"));
    EXPECT_TRUE(failsWith(
        R"({"name":"A","controls":[{"kind":"Label","name":"L","properties":{"Captoin":"x"}}]})"));
    EXPECT_TRUE(failsWith(
        R"({"name":"A","controls":[{"kind":"Label","name":"L","properties":{"ForeColor":"red"}}]})",
        ErrorCode::TypeMismatch));
}

TEST(FormTest, StandardControlsPaintAsDesigned) {
    ApplicationFixture fixture;
    Form form(design(R"({"name":"Painted",
      "properties": {"ClientWidth": 3000, "ClientHeight": 1500, "BackColor": "0x00FFFFFF"},
      "controls": [
        {"kind": "Label", "name": "Opaque", "left": 0, "top": 0, "width": 600, "height": 300,
         "properties": {"Caption": "", "BackStyle": 1, "BackColor": "0x00000000"}},
        {"kind": "Label", "name": "Clear", "left": 0, "top": 450, "width": 600, "height": 300,
         "properties": {"Caption": ""}},
        {"kind": "Shape", "name": "Filled", "left": 900, "top": 0, "width": 600, "height": 600,
         "properties": {"FillStyle": 0, "FillColor": "0x0000FF00", "BorderStyle": 0}},
        {"kind": "Shape", "name": "Outline", "left": 1800, "top": 0, "width": 600,
         "height": 600, "properties": {"BorderColor": "0x000000FF"}},
        {"kind": "Line", "name": "Divider", "properties": {"X1": 0, "Y1": 1200, "X2": 3000,
         "Y2": 1200, "BorderColor": "0x00FF0000"}}
      ]})"));
    form.Show();
    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(20, 10), qRgb(0, 0, 0));        // opaque label: its back colour
    EXPECT_EQ(shown.pixel(20, 40), qRgb(255, 255, 255));  // transparent label: the window
    EXPECT_EQ(shown.pixel(80, 20), qRgb(0, 255, 0));      // filled shape without border
    EXPECT_EQ(shown.pixel(120, 0), qRgb(255, 0, 0));      // outline: top edge
    EXPECT_EQ(shown.pixel(140, 20), qRgb(255, 255, 255)); // outline: hollow inside
    EXPECT_EQ(shown.pixel(100, 80), qRgb(0, 0, 255));     // the line, at 1200 twips down
    EXPECT_EQ(shown.pixel(100, 81), qRgb(255, 255, 255));
}

TEST(FormTest, RaisesItsOwnMouseAndResizeEventsInTwipsForABoundControl) {
    ApplicationFixture fixture;
    Form form(design(R"({"name":"Host","properties":{"ClientWidth":3000,"ClientHeight":1500}})"));
    form.Show();
    std::vector<std::array<float, 4>> downs;
    form.MouseDown.connect([&](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        downs.push_back({float(button), float(shift), x, y});
    });
    int moves = 0;
    form.MouseMove.connect([&](std::int16_t&, std::int16_t&, float&, float&) { ++moves; });
    int resizes = 0;
    form.Resize.connect([&] { ++resizes; });

    QTest::mousePress(&form, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 2));
    QTest::mouseRelease(&form, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 2));
    QTest::mouseMove(&form, QPoint(10, 10)); // no button held: still a move
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], (std::array<float, 4>{1, 2, 60, 30}));
    QTRY_VERIFY(moves >= 1);

    // Width and height are the outer frame's; the client area is what is left inside it.
    form.Move(form.Left(), form.Top(), 4500, 3000);
    QTRY_VERIFY(resizes >= 1);
    EXPECT_DOUBLE_EQ(form.Width(), 4500);
    EXPECT_DOUBLE_EQ(form.Height(), 3000);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), form.ClientWidth());
}

TEST(FormTest, TheWindowTakesItsBorderPlaceAndFontsFromItsDesign) {
    ApplicationFixture fixture;
    Form tool(design(R"({"name":"Tool", "properties": {"BorderStyle": 4, "ClientWidth": 7695,
      "ClientHeight": 1725, "StartUpPosition": 2,
      "Font": {"Name": "MS Sans Serif", "Size": 8.25, "Bold": true}}})"));
    EXPECT_EQ(tool.windowType(), Qt::Tool);
    // Fixed: the window keeps its designed client size.
    EXPECT_EQ(tool.minimumSize(), QSize(513, 115));
    EXPECT_EQ(tool.maximumSize(), QSize(513, 115));
    tool.Show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The frame is the window manager's and unknown until shown: the client area is centred.
    EXPECT_LE(std::abs(tool.geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(tool.geometry().center().y() - screen.center().y()), 1);

    // The designed faces are there even where the desktop does not have them.
    EXPECT_EQ(QFontInfo(tool.Font()).family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(), QStringLiteral("Tahoma"));

    // A shown window that loses its border stays shown, now without a frame, and sizable.
    tool.setBorderStyle(Form::BorderNone);
    EXPECT_TRUE(tool.isVisible());
    EXPECT_TRUE(tool.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(tool.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    tool.setWindowState(2);
    EXPECT_EQ(tool.WindowState(), 2);
    tool.setWindowState(0);
    EXPECT_EQ(tool.WindowState(), 0);
}

} // namespace
} // namespace dorvak
