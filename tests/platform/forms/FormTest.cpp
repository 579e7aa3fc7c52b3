// Windows built from design descriptions: controls, arrays, containers, stacking, twips, tab
// order, and the window's own properties.
#include "FormsTestSupport.h"

#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ReadingOrder.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windowing/ToolWindowFrame.h"
#include "tests/support/Waiting.h"

#include "platform/windowing/ToolWindowFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <array>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

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

TEST(FormTest, ACodeThatNeedsAControlGetsItOrAnInvalidCallNamingWhatIsMissing) {
    ApplicationFixture fixture;
    const Form form(design(sampleWindow));
    EXPECT_EQ(&form.named<Shape>("Chart", 1), form.control<Shape>("Chart", 1));
    EXPECT_EQ(&form.named<Label>("counter"), form.control<Label>("Counter")) << "any case";

    const auto failure = [&](auto find) -> std::string {
        try {
            find();
        } catch (const RuntimeError& error) {
            return error.code() == ErrorCode::InvalidCall ? error.what() : "another error";
        }
        return "no error";
    };
    EXPECT_THAT(failure([&] { form.named<Label>("Missing"); }),
                testing::HasSubstr("Sample has no Missing"));
    EXPECT_THAT(failure([&] { form.named<Label>("Chart", 1); }),
                testing::HasSubstr("Sample has no Chart(1)"))
        << "a control of another kind is none";
    EXPECT_THAT(failure([&] { form.named<Shape>("Chart"); }),
                testing::HasSubstr("Sample has no Chart"))
        << "an array element needs its index";
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
    // Keys match with case, on the window as on its controls.
    EXPECT_TRUE(failsWith(
        R"({"name":"A","controls":[{"kind":"Label","name":"L","properties":{"caption":"x"}}]})"));
    EXPECT_TRUE(failsWith(R"({"name":"A","properties":{"clientWidth":3000}})"));
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
        {"kind": "Shape", "name": "Small", "left": 0, "top": 0, "width": 300, "height": 300,
         "properties": {"FillStyle": 0, "FillColor": "0x0000FF00"}},
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
    ASSERT_TRUE(waitFor([&] { return moves >= 1; }));

    // Width and height are the outer frame's; the client area is what is left inside it.
    form.Move(form.Left(), form.Top(), 4500, 3000);
    ASSERT_TRUE(waitFor([&] { return resizes >= 1; }));
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

TEST(ReadingOrder, ReadsLineByLineFromTheTopAndEachLineFromTheLeft) {
    const std::vector<QRect> places{
        {0, 30, 100, 20},   // 0: first text box, under its caption
        {0, 0, 100, 20},    // 1: first caption
        {120, 2, 100, 20},  // 2: second caption, a little lower
        {120, 30, 100, 20}, // 3: second text box
        {300, 10, 80, 60},  // 4: a picture beside the boxes, taller than a line
        {0, 100, 50, 20},   // 5: a footer
        {200, 95, 50, 30},  // 6: a button in the footer, reaching higher
    };
    EXPECT_EQ(readingOrder(places), (std::vector<int>{1, 2, 0, 3, 4, 5, 6}));
    EXPECT_TRUE(readingOrder({}).empty());
}

// Every child a screen reader finds in the window, in its order: name and role.
std::vector<std::pair<QString, QAccessible::Role>> accessibleChildren(Form& form) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    std::vector<std::pair<QString, QAccessible::Role>> children;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), window);
        children.emplace_back(child->text(QAccessible::Name), child->role());
    }
    return children;
}

TEST(FormTest, AScreenReaderSeesAFrameNamedByItsCaptionWithItsControlsInReadingOrder) {
    ApplicationFixture fixture;
    // Listed front to back, which is neither the reading order nor its reverse.
    const FormDesign reading =
        design(R"({"name": "Reading", "properties": {"Caption": "Okuma Sırası"},
      "controls": [
        {"kind": "Label", "name": "Count", "left": 1500, "top": 600, "width": 600, "height": 300,
         "properties": {"Caption": "34"}},
        {"kind": "Label", "name": "Title", "left": 0, "top": 0, "width": 1500, "height": 300,
         "properties": {"Caption": "Başlık"}},
        {"kind": "Label", "name": "Days", "left": 2400, "top": 600, "width": 900, "height": 300,
         "properties": {"Caption": "Gün Kaldı..."}},
        {"kind": "Label", "name": "Caption", "left": 0, "top": 630, "width": 1200,
         "height": 300, "properties": {"Caption": "İzin Kullandıysan:"}}
      ]})");
    Form form(reading);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(window->role(), QAccessible::Window); // a frame, not a filler
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Okuma Sırası"));
    using Child = std::pair<QString, QAccessible::Role>;
    const std::vector<Child> inReadingOrder{{"Başlık", QAccessible::StaticText},
                                            {"İzin Kullandıysan:", QAccessible::StaticText},
                                            {"34", QAccessible::StaticText},
                                            {"Gün Kaldı...", QAccessible::StaticText}};
    EXPECT_EQ(accessibleChildren(form), inReadingOrder);

    // In the frame the program draws on Wayland the frame is the window, the form its client.
    auto* framed = new Form(reading);
    const std::unique_ptr<ToolWindowFrame> frame = std::make_unique<ToolWindowFrame>(framed);
    window = QAccessible::queryAccessibleInterface(frame.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Okuma Sırası"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(framed)->role(), QAccessible::Client);
    EXPECT_EQ(accessibleChildren(*framed), inReadingOrder);
}

TEST(FormTest, ANamedShapeIsAPictureShownToScreenReadersOnlyWhileNoFilledShapeHidesIt) {
    ApplicationFixture fixture;
    Form form(design(R"({"name": "Chart", "controls": [
        {"kind": "Shape", "name": "Red", "left": 0, "top": 0, "width": 600, "height": 600,
         "properties": {"FillStyle": 0, "FillColor": "0x000000FF", "Visible": false}},
        {"kind": "Shape", "name": "Small", "left": 0, "top": 0, "width": 300, "height": 300,
         "properties": {"FillStyle": 0, "FillColor": "0x0000FF00"}},
        {"kind": "Shape", "name": "Outline", "left": 0, "top": 0, "width": 600, "height": 600},
        {"kind": "Shape", "name": "Orange", "left": 0, "top": 0, "width": 600, "height": 600,
         "properties": {"FillStyle": 0, "FillColor": "0x000080FF"}}
      ]})"));
    auto* red = form.control<Shape>("Red");
    auto* orange = form.control<Shape>("Orange");
    red->setAccessibleName(QStringLiteral("Kırmızı: Çok Karanlık"));
    orange->setAccessibleName(QStringLiteral("Turuncu: Karanlık"));
    form.Show();
    const auto showing = [](Shape* shape) {
        const QAccessible::State state = QAccessible::queryAccessibleInterface(shape)->state();
        return !state.invisible && !state.offscreen;
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(orange)->role(), QAccessible::Graphic);
    // An unnamed shape is decoration, as before.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.control<Shape>("Outline"))->role(),
              QAccessible::Client);
    // Neither an unfilled outline nor a smaller shape in front of it hides orange.
    EXPECT_TRUE(showing(orange));
    EXPECT_FALSE(showing(red));

    red->setVisible(true);
    EXPECT_TRUE(showing(red));
    EXPECT_FALSE(showing(orange));
    red->setVisible(false);
    EXPECT_TRUE(showing(orange));
}

// The texts a screen reader finds in an object and everything in it.
QStringList accessibleTexts(QAccessibleInterface* object) {
    QStringList texts{object->text(QAccessible::Name), object->text(QAccessible::Description)};
    for (int i = 0; i < object->childCount(); ++i)
        texts += accessibleTexts(object->child(i));
    return texts;
}

TEST(FormTest, AMessageBoxIsAnnouncedAsAnAlertWithItsTextOnce) {
    ApplicationFixture fixture;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QStringList texts;
    MessageBoxWatcher watcher([&] {
        QAccessibleInterface* box =
            QAccessible::queryAccessibleInterface(QApplication::activeModalWidget());
        role = box->role();
        name = box->text(QAccessible::Name);
        texts = accessibleTexts(box);
        return true;
    });
    MessageBox(QStringLiteral("Lütfen Sülüs Tarihini Giriniz."));
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_EQ(name, fixture.application.title());
    EXPECT_EQ(texts.count(QStringLiteral("Lütfen Sülüs Tarihini Giriniz.")), 1);
}

} // namespace
} // namespace dorvak
