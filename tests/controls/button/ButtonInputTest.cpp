// The Button's visual state and the events it raises, driven by simulated mouse, key and
// focus input on a shown window.
#include "platform/windowing/Pointer.h"
#include "tests/controls/button/ButtonTesting.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

using Log = std::vector<std::string>;

class ButtonInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.show());
        Button& b = button();
        const auto mouse = [this](const char* name) {
            return [this, name](std::int16_t& button, std::int16_t& shift, float&, float&) {
                log.push_back(std::string(name) + "(" + std::to_string(button) + "," +
                              std::to_string(shift) + ")");
            };
        };
        const auto key = [this](const char* name) {
            return [this, name](std::int16_t& code, std::int16_t&) {
                log.push_back(std::string(name) + "(" + std::to_string(code) + ")");
            };
        };
        b.MouseDown.connect(mouse("MouseDown"));
        b.MouseUp.connect(mouse("MouseUp"));
        b.KeyDown.connect(key("KeyDown"));
        b.KeyUp.connect(key("KeyUp"));
        b.Click.connect([this] { log.push_back("Click"); });
        b.DblClick.connect([this] { log.push_back("DblClick"); });
    }

    Button& button() { return *host.button; }
    const ButtonState& state() { return host.button->state(); }

    // The pointer moves to a point of the button (which may lie outside it). The move goes
    // to the button as it does while the button holds the capture: the offscreen platform
    // cannot grab the mouse.
    void moveTo(QPoint local) {
        const QPoint global = button().mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton,
                         QGuiApplication::mouseButtons(), Qt::NoModifier);
        QApplication::sendEvent(&button(), &move);
    }
    void press(Qt::MouseButton which = Qt::LeftButton, QPoint at = {20, 10}) {
        QTest::mousePress(&button(), which, {}, at);
    }
    void release(Qt::MouseButton which = Qt::LeftButton, QPoint at = {20, 10}) {
        QTest::mouseRelease(&button(), which, {}, at);
    }
    bool captured() { return GetCapture() == button().hWnd(); }

    ButtonHost host;
    Log log;
};

TEST_F(ButtonInput, AClickTracksHoverPressAndReleaseAndRaisesItsEvents) {
    EXPECT_FALSE(state().IsMouseOver.has_value()) << "empty until the first move";
    moveTo({20, 10});
    EXPECT_EQ(state().IsMouseOver, std::optional<bool>(true));

    press();
    EXPECT_TRUE(state().IsPressed);
    // A toggle would show it pressed now; a push button shows the pressed border colour.
    release();
    EXPECT_FALSE(state().IsPressed);
    EXPECT_EQ(log, (Log{"MouseDown(1,0)", "MouseUp(1,0)", "Click"}));
    EXPECT_FALSE(button().Value()) << "a push button leaves Value alone";

    moveTo({200, 10});
    EXPECT_EQ(state().IsMouseOver, std::optional<bool>(false));
    EXPECT_FALSE(captured());
}

TEST_F(ButtonInput, LeavingWhileHeldSpringsTheFaceBackAndComingBackOnlyHovers) {
    moveTo({20, 10});
    press();
    ASSERT_TRUE(state().IsPressed);
    moveTo({-5, 10});
    EXPECT_FALSE(state().IsPressed);
    EXPECT_FALSE(*state().IsMouseOver);
    EXPECT_FALSE(captured());

    moveTo({20, 10});
    EXPECT_TRUE(*state().IsMouseOver);
    EXPECT_FALSE(state().IsPressed);
    release();
}

TEST_F(ButtonInput, APressArrivingWithoutAMoveFromAnotherWindowsButtonStillClicks) {
    // A second window, apart from the first, with a button of its own.
    QWidget other;
    other.setGeometry(500, 300, 200, 100);
    auto* target = new Button(ControlSite{nullptr, &other, QStringLiteral("Button2"), -1});
    target->setGeometry(10, 10, 81, 33);
    target->start(PropertyBag());
    int clicks = 0;
    target->Click.connect([&clicks] { ++clicks; });
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    const QPoint onTarget = target->mapToGlobal(QPoint(20, 10));
    QWindow* first = host.window.windowHandle();
    QWindow* second = other.windowHandle();

    // The pointer rests on the first button, which holds the capture to see it leave, and the
    // other button is pressed at once, with no move seen before (a touch, or a compositor
    // that reports only the pointer's arrival): the pointer still reads as on the first.
    moveTo({20, 10});
    ASSERT_TRUE(captured());
    QTest::mousePress(second, Qt::LeftButton, {}, second->mapFromGlobal(onTarget));
    QTest::mouseRelease(second, Qt::LeftButton, {}, second->mapFromGlobal(onTarget));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(captured());

    // The move reaches the holder, which lets the capture go; but the press is handed to the
    // window that held the pointer grab when it happened, as an X server does.
    moveTo({20, 10});
    ASSERT_TRUE(captured());
    moveTo(button().mapFromGlobal(onTarget));
    ASSERT_FALSE(captured());
    QTest::mousePress(first, Qt::LeftButton, {}, first->mapFromGlobal(onTarget));
    QTest::mouseRelease(second, Qt::LeftButton, {}, second->mapFromGlobal(onTarget));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(log, Log{}) << "the first button was never pressed";
}

TEST_F(ButtonInput, TheColumnAndRowJustPastTheFaceStillCountAsInside) {
    moveTo({20, 10});
    const QSize size = button().size();
    moveTo({size.width(), size.height()});
    EXPECT_TRUE(*state().IsMouseOver);
    moveTo({size.width() + 1, size.height()});
    EXPECT_FALSE(*state().IsMouseOver);
    moveTo({0, 0});
    EXPECT_TRUE(*state().IsMouseOver);
    moveTo({0, -1});
    EXPECT_FALSE(*state().IsMouseOver);
}

TEST_F(ButtonInput, AnyMouseButtonPressesTheFaceAndADoubleClickPressesItAgain) {
    moveTo({20, 10});
    for (Qt::MouseButton which : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        press(which);
        EXPECT_TRUE(state().IsPressed) << which;
        release(which);
        EXPECT_FALSE(state().IsPressed);
    }
    QTest::mouseDClick(&button(), Qt::LeftButton, {}, {20, 10});
    EXPECT_TRUE(state().IsPressed);
    EXPECT_NE(std::find(log.begin(), log.end(), "DblClick"), log.end());
}

TEST_F(ButtonInput, SpaceShowsThePressWhileHeldAndClicksOnRelease) {
    button().setFocus();
    QTest::keyPress(&button(), Qt::Key_Space);
    EXPECT_TRUE(state().IsPressed);
    QTest::keyRelease(&button(), Qt::Key_Space);
    EXPECT_FALSE(state().IsPressed);
    EXPECT_EQ(log, (Log{"KeyDown(32)", "Click", "KeyUp(32)"}));

    log.clear();
    QTest::keyClick(&button(), Qt::Key_A);
    EXPECT_FALSE(state().IsPressed) << "other keys do not press";
    EXPECT_EQ(log, (Log{"KeyDown(65)", "KeyUp(65)"}));

    log.clear();
    QTest::keyRelease(&button(), Qt::Key_Space);
    EXPECT_EQ(log, (Log{"KeyUp(32)"})) << "a Space pressed elsewhere clicks nothing";

    button().setButtonType(1);
    QTest::keyClick(&button(), Qt::Key_Space);
    EXPECT_TRUE(button().Value()) << "Space flips a toggle as a click does";
    QTest::keyClick(&button(), Qt::Key_Space);
    EXPECT_FALSE(button().Value());
}

TEST_F(ButtonInput, EnterReportsAMouseDownAtTheCornerAndStaysPressed) {
    button().setFocus();
    QTest::keyPress(&button(), Qt::Key_Return);
    EXPECT_TRUE(state().IsPressed);
    QTest::keyRelease(&button(), Qt::Key_Return);
    EXPECT_TRUE(state().IsPressed) << "pressed again by the reported mouse down";
    EXPECT_EQ(log, (Log{"KeyDown(13)", "MouseDown(0,0)", "KeyUp(13)"}));

    moveTo({20, 10});
    release();
    EXPECT_FALSE(state().IsPressed) << "until the next mouse up";
}

TEST_F(ButtonInput, AToggleFlipsItsValueOnEachClickAndShowsItPressed) {
    button().setButtonType(1);
    moveTo({20, 10});
    QTest::mouseClick(&button(), Qt::LeftButton, {}, {20, 10});
    EXPECT_TRUE(button().Value());
    EXPECT_TRUE(state().IsPressed) << "a toggle that is on is drawn pressed";
    QTest::mouseClick(&button(), Qt::LeftButton, {}, {20, 10});
    EXPECT_FALSE(button().Value()) << "two clicks return to the start";
    // The face the click found pressed stays so until the pointer leaves.
    EXPECT_TRUE(state().IsPressed);
    moveTo({200, 10});

    EXPECT_FALSE(state().IsPressed);
}

TEST_F(ButtonInput, FocusIsMarkedAndTheButtonIsReachedByTabAndByScreenReaders) {
    auto* other = new Button(ControlSite{nullptr, &host.window, QStringLiteral("Button2"), -1});
    other->setGeometry(10, 60, 81, 33);
    other->start(PropertyBag());
    other->show();
    button().setFocus();
    ASSERT_TRUE(button().hasFocus());
    EXPECT_TRUE(state().HasFocus);

    QTest::keyPress(&button(), Qt::Key_Tab);
    QTest::keyRelease(other, Qt::Key_Tab); // released where the focus went
    EXPECT_TRUE(other->hasFocus());
    EXPECT_TRUE(other->state().HasFocus);
    EXPECT_FALSE(state().HasFocus);
    EXPECT_TRUE(log.empty()) << "focus raises no event: " << ::testing::PrintToString(log);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(other);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Button2"));
    other->setCaption(QStringLiteral("Tamam"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Tamam"));
}

} // namespace
} // namespace dorvak
