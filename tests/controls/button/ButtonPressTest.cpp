// A screen reader's Press on a Button: the Click, toggle flip and face of a mouse click,
// without the pointer.
#include "tests/controls/button/ButtonTesting.h"
#include "tests/support/Waiting.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(ButtonPress, ClicksAsTheMouseDoesAndLetsThePressedFaceSpringBack) {
    ButtonHost host;
    ASSERT_TRUE(host.show());
    Button& button = *host.button;
    std::vector<std::string> log;
    button.Click.connect([&] { log.push_back("Click"); });
    button.MouseDown.connect(
        [&](std::int16_t&, std::int16_t&, float&, float&) { log.push_back("MouseDown"); });
    button.MouseUp.connect(
        [&](std::int16_t&, std::int16_t&, float&, float&) { log.push_back("MouseUp"); });
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(&button)->actionInterface();
    ASSERT_TRUE(actions);
    const auto press = [&] {
        log.clear();
        actions->doAction(QAccessibleActionInterface::pressAction());
        return waitFor([&] { return !log.empty(); }, 5000);
    };

    ASSERT_TRUE(press());
    EXPECT_EQ(log, std::vector<std::string>{"Click"});
    EXPECT_FALSE(button.state().IsPressed);
    EXPECT_FALSE(button.Value()) << "a push button leaves Value alone";

    // Enter leaves the face pressed; a press releases it as the mouse's release would.
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Return);
    ASSERT_TRUE(button.state().IsPressed);
    ASSERT_TRUE(press());
    EXPECT_EQ(log, std::vector<std::string>{"Click"});
    EXPECT_FALSE(button.state().IsPressed);

    // A toggle flips from the value it shows, and twice brings it back.
    button.setButtonType(1);
    ASSERT_TRUE(press());
    EXPECT_TRUE(button.Value());
    EXPECT_TRUE(button.state().IsPressed) << "a toggle that is on is drawn pressed";
    ASSERT_TRUE(press());
    EXPECT_FALSE(button.Value());
}

} // namespace
} // namespace dorvak
