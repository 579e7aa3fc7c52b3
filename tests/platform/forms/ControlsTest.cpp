// Standard controls beyond their design values: drawing on picture boxes, text box changes,
// images, the text box's caret at rest, and timers started and stopped from code.
#include "FormsTestSupport.h"

#include "platform/forms/CaretBlinkTimeout.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/SurfaceWidget.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/windowing/WindowRegistry.h"
#include "tests/support/Waiting.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

const char* const window = R"({"name":"Controls",
  "properties": {"ClientWidth": 3000, "ClientHeight": 1500, "BackColor": "0x00FFFFFF"},
  "controls": [
    {"kind": "PictureBox", "name": "Front", "left": 750, "top": 0, "width": 1500, "height": 900,
     "properties": {"BackColor": "0x00FF0000"}},
    {"kind": "PictureBox", "name": "Back", "left": 0, "top": 0, "width": 1500, "height": 900,
     "properties": {"BackColor": "0x00000000"}},
    {"kind": "TextBox", "name": "Text1", "left": 0, "top": 1050, "width": 1500, "height": 300},
    {"kind": "Image", "name": "Picture", "left": 2400, "top": 0, "width": 300, "height": 300}
  ]})";

QImage shown(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(ControlsTest, APictureBoxDrawsInTwipsKeepsItsDrawingAndComesToTheFront) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    auto* back = form.control<PictureBox>("Back");
    auto* front = form.control<PictureBox>("Front");
    ASSERT_TRUE(back && front);
    EXPECT_EQ(windowFromHandle(back->hWnd()), back);
    EXPECT_NE(back->hWnd(), front->hWnd());

    // Front is listed first and covers Back where they overlap.
    EXPECT_EQ(shown(form).pixel(60, 30), qRgb(0, 0, 255));
    back->ZOrder();
    EXPECT_EQ(shown(form).pixel(60, 30), qRgb(0, 0, 0));

    // A line in twips; it stays when the box is covered and uncovered, until Cls.
    back->Line(0, 150, 1500, 150, 0x0000FF00);
    EXPECT_EQ(shown(*back).pixel(40, 10), qRgb(0, 255, 0));
    EXPECT_EQ(shown(*back).pixel(40, 11), qRgb(0, 0, 0));
    front->ZOrder();
    back->ZOrder();
    EXPECT_EQ(shown(*back).pixel(40, 10), qRgb(0, 255, 0));
    back->Cls();
    EXPECT_EQ(shown(*back).pixel(40, 10), qRgb(0, 0, 0));

    // A picture box moves in twips and reports its size in its scale units.
    back->Move(150, 150, 600, 300);
    EXPECT_EQ(back->geometry(), QRect(10, 10, 40, 20));
    EXPECT_DOUBLE_EQ(back->ScaleWidth(), 600);
}

TEST(ControlsTest, APictureBoxWithoutPersistentDrawingAsksForPaintWhenResized) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    auto* box = form.control<PictureBox>("Back");
    int paints = 0;
    box->Paint.connect([&] { ++paints; });
    box->setAutoRedraw(true);
    box->Move(0, 0, 900, 900);
    EXPECT_EQ(paints, 0);
    box->setAutoRedraw(false);
    box->Move(0, 0, 1200, 900);
    EXPECT_EQ(paints, 1);
}

TEST(ControlsTest, ATextBoxReportsEveryChangeOfItsText) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    auto* text = form.control<TextBox>("Text1");
    std::vector<QString> changes;
    text->Change.connect([&] { changes.push_back(text->Text()); });
    text->setText(QStringLiteral("15"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("0"));
    EXPECT_EQ(changes, (std::vector<QString>{QStringLiteral("15"), QStringLiteral("150")}));

    text->setBackColor(0x0080C0FF); // RGB FFC080
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(0xFF, 0xC0, 0x80));
}

TEST(ControlsTest, ATextBoxCaretRestsSteadyWhenLeftAloneAndBlinksAgainOnInput) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    QPointer<TextBox> text = form.control<TextBox>("Text1");
    QStyleHints* hints = QGuiApplication::styleHints();
    const int desktopFlashTime = hints->cursorFlashTime();
    ASSERT_GT(desktopFlashTime, 0);
    text->findChild<CaretBlinkTimeout*>()->setTimeout(std::chrono::milliseconds(30));
    text->setText(QStringLiteral("15"));
    text->setFocus();
    ASSERT_TRUE(waitFor([&] { return hints->cursorFlashTime() == 0; }));

    // At rest the caret shows as it does right after a key, when it is always on.
    const QImage resting = shown(*text);
    QTest::keyClick(text, Qt::Key_End);
    EXPECT_EQ(hints->cursorFlashTime(), desktopFlashTime);
    EXPECT_EQ(shown(*text), resting);

    // Each key or click starts the wait afresh; leaving the box, or the box going, gives the
    // other text widgets their blink back.
    ASSERT_TRUE(waitFor([&] { return hints->cursorFlashTime() == 0; }));
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_EQ(hints->cursorFlashTime(), desktopFlashTime);
    ASSERT_TRUE(waitFor([&] { return hints->cursorFlashTime() == 0; }));
    text->clearFocus();
    EXPECT_EQ(hints->cursorFlashTime(), desktopFlashTime);
    text->setFocus();
    ASSERT_TRUE(waitFor([&] { return hints->cursorFlashTime() == 0; }));
    delete text;
    EXPECT_EQ(hints->cursorFlashTime(), desktopFlashTime);
}

TEST(ControlsTest, AnImageShowsItsPictureAtNaturalSizeOrStretched) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    auto* image = form.control<Image>("Picture");
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    image->setPicture(picture);
    const QPoint at = image->pos();
    EXPECT_EQ(shown(form).pixel(at + QPoint(5, 5)), qRgb(255, 0, 0));
    EXPECT_EQ(shown(form).pixel(at + QPoint(15, 15)), qRgb(255, 255, 255)); // the window
    image->setStretch(true);
    EXPECT_EQ(shown(form).pixel(at + QPoint(15, 15)), qRgb(255, 0, 0));
}

TEST(ControlsTest, ATimerStartsAfreshWhenEnabledAndStopsWithoutAnInterval) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    Timer timer(&form);
    int ticks = 0;
    timer.Tick.connect([&] { ++ticks; });
    EXPECT_TRUE(timer.Enabled()); // enabled by default, but without an interval: silent

    Timer witness(&form); // proves time passed without a tick of the timer under test
    int witnessTicks = 0;
    witness.Tick.connect([&] { ++witnessTicks; });
    witness.setInterval(20);
    ASSERT_TRUE(waitFor([&] { return witnessTicks >= 3; }));
    EXPECT_EQ(ticks, 0);

    timer.setInterval(20);
    ASSERT_TRUE(waitFor([&] { return ticks >= 1; }));
    timer.setInterval(0);
    const int stoppedAt = ticks;
    witnessTicks = 0;
    ASSERT_TRUE(waitFor([&] { return witnessTicks >= 3; }));
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(ControlsTest, TimersTickingWithALeaderWakeWithItAndHandOverOnItsBeat) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    Timer count(&form), show(&form), hide(&form);
    for (Timer* timer : {&count, &show, &hide})
        timer->setInterval(40);
    show.setEnabled(false);
    hide.setEnabled(false);
    show.tickWith(count);
    hide.tickWith(count);

    // A mark posted from the leader's tick lands only once the whole round has ticked: what
    // lies between two marks ticked in one wakeup.
    QString log;
    count.Tick.connect([&] {
        log += u'c';
        QMetaObject::invokeMethod(
            &form, [&] { log += u'|'; }, Qt::QueuedConnection);
    });
    // The picture's blink in the start-up window: each hands over to the other.
    show.Tick.connect([&] {
        log += u's';
        hide.setEnabled(true);
        show.setEnabled(false);
    });
    hide.Tick.connect([&] {
        log += u'h';
        show.setEnabled(true);
        hide.setEnabled(false);
    });
    // Enabled between two of the leader's ticks, a follower still ticks on them.
    QTimer::singleShot(10, &form, [&] { show.setEnabled(true); });
    ASSERT_TRUE(waitFor([&] { return log.count(u'|') >= 5; }));
    EXPECT_TRUE(log.startsWith(QStringLiteral("cs|ch|cs|ch|"))) << log.toStdString();
}

// Above 1× an owner-drawn surface shows each of its pixels as whole device pixels, never a
// blend of neighbours: its one-pixel lines and its text stay sharp.
TEST(ControlsTest, ASurfaceShowsItsPixelsWholeAtEveryDevicePixelRatio) {
    SurfaceWidget widget;
    widget.resize(7, 5);
    Surface& surface = widget.surface();
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x)
            surface.image().setPixel(x, y, (x + y) % 2 ? 0xFF000000 : 0xFFFFFFFF);
    }
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        QImage shown(QSize(7, 5) * ratio, QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::red);
        widget.render(&shown);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                // One of the surface pixels the device pixel lies on, not a blend of them.
                const int left = int(x / ratio), right = int(std::ceil((x + 1) / ratio)) - 1;
                const int top = int(y / ratio), bottom = int(std::ceil((y + 1) / ratio)) - 1;
                const QRgb pixel = shown.pixel(x, y);
                const QImage& image = surface.image();
                ASSERT_TRUE(pixel == image.pixel(left, top) || pixel == image.pixel(right, top) ||
                            pixel == image.pixel(left, bottom) ||
                            pixel == image.pixel(right, bottom))
                    << "at " << ratio << "x, device pixel " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace dorvak
