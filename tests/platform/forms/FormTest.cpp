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

} // namespace
} // namespace dorvak
