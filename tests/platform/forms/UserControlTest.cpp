// The user-control base: its life cycle and property bag, container services, and the mouse,
// key and focus notifications simulated through Qt Test.
#include "FormsTestSupport.h"

#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/UserControl.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/Waiting.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace dorvak {
namespace {

// Logs every notification as "Name" or "Name(args)", raises Click to its host and reads and
// writes two properties.
class Probe : public UserControl {
    Q_OBJECT

public:
    using UserControl::UserControl;

    std::vector<std::string> log;
    QString caption;
    int style = 0;
    Event<std::int16_t&> KeyPress; // raised to the host, which may change the key

protected:
    void UserControl_Initialize() override { log.push_back("Initialize"); }
    void UserControl_InitProperties() override {
        log.push_back("InitProperties");
        caption = ambientDisplayName();
    }
    void UserControl_ReadProperties(PropertyBag& bag) override {
        log.push_back("ReadProperties");
        caption = bag.ReadProperty("Caption", ambientDisplayName()).toString();
        style = bag.ReadProperty("Style", 1).toInt();
        if (bag.contents().contains("caption"))
            setAccessibleCaption(caption);
    }
    void UserControl_WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty("Caption", caption, ambientDisplayName());
        bag.WriteProperty("Style", style, 1);
    }
    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override {
        log.push_back(describe("MouseDown", button, shift, x, y));
    }
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                             float& y) override {
        log.push_back(describe("MouseUp", button, shift, x, y));
    }
    void UserControl_Click() override { log.push_back("Click"); }
    void UserControl_DblClick() override { log.push_back("DblClick"); }
    void UserControl_KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        log.push_back("KeyDown(" + std::to_string(keyCode) + "," + std::to_string(shift) + ")");
    }
    void UserControl_KeyPress(std::int16_t& keyAscii) override {
        KeyPress.raise(keyAscii);
        log.push_back("KeyPress(" + std::to_string(keyAscii) + ")");
    }
    void UserControl_KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        log.push_back("KeyUp(" + std::to_string(keyCode) + "," + std::to_string(shift) + ")");
    }
    void UserControl_GotFocus() override { log.push_back("GotFocus"); }
    void UserControl_LostFocus() override { log.push_back("LostFocus"); }
    void UserControl_EnterFocus() override { log.push_back("EnterFocus"); }
    void UserControl_ExitFocus() override { log.push_back("ExitFocus"); }
    void UserControl_Terminate() override { log.push_back("Terminate"); }

private:
    static std::string describe(const char* name, int button, int shift, float x, float y) {
        return std::string(name) + "(" + std::to_string(button) + "," + std::to_string(shift) +
               "," + std::to_string(int(x)) + "," + std::to_string(int(y)) + ")";
    }
};

class UserControlTest : public ::testing::Test {
protected:
    UserControlTest() {
        fixture.application.registerControlKind(
            "Probe", [](const ControlSite& site) { return new Probe(site); });
    }

    Form* showWindow(const char* json) {
        auto* form = new Form(parseFormDesign(json));
        form->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    ApplicationFixture fixture;
};

const char* const twoProbes = R"({"name":"Host",
  "properties": {"ClientWidth": 3000, "ClientHeight": 1500,
                 "Font": {"Name": "Tahoma", "Size": 8.25, "Bold": true}},
  "controls": [
    {"kind": "Probe", "name": "Saved", "left": 150, "top": 150, "width": 1200, "height": 600,
     "properties": {"TabIndex": 1},
     "bag": {"_extentx": 2117, "_extenty": 1058, "caption": "Kaydet", "STYLE": 6}},
    {"kind": "Probe", "name": "Fresh", "index": 2, "left": 1500, "top": 150, "width": 1200,
     "height": 600, "properties": {"TabIndex": 0}}
  ]})";

TEST_F(UserControlTest, StartsFromItsBagAndSavesWhatDiffersFromTheDefaults) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* saved = form->control<Probe>("Saved");
    auto* fresh = form->control<Probe>("Fresh", 2);
    ASSERT_TRUE(saved && fresh);

    EXPECT_EQ(saved->log.at(0), "Initialize");
    EXPECT_EQ(saved->log.at(1), "ReadProperties");
    EXPECT_EQ(saved->caption, QStringLiteral("Kaydet"));
    EXPECT_EQ(saved->style, 6);
    // Saved again: lower-case keys, the size entries, nothing equal to a default.
    EXPECT_EQ(
        saved->saveProperties().contents(),
        (QJsonObject{{"_extentx", 2117}, {"_extenty", 1058}, {"caption", "Kaydet"}, {"style", 6}}));

    // Without a bag the control is newly placed and named by its host.
    EXPECT_EQ(fresh->log.at(1), "InitProperties");
    EXPECT_EQ(fresh->caption, QStringLiteral("Fresh(2)"));
    EXPECT_EQ(fresh->ambientFont().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(fresh->ambientFont().bold());
    EXPECT_EQ(fresh->extenderName(), QStringLiteral("Fresh"));
    EXPECT_EQ(fresh->parentForm(), form.data());

    QSignalSpy changed(fresh, &UserControl::propertyChanged);
    fresh->PropertyChanged("Caption");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("Caption"));

    form->Unload();
    EXPECT_EQ(saved->log.back(), "Terminate");
}

TEST_F(UserControlTest, ReceivesMouseEventsInItsScaleUnitsAndClicksOnRelease) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* probe = form->control<Probe>("Saved");
    // Focused first, so that its focus events come before the input logged.
    probe->setFocus();
    ASSERT_TRUE(waitFor([&] { return probe->hasFocus(); }, 5000));
    probe->log.clear();

    QTest::mouseClick(probe, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    EXPECT_EQ(probe->log,
              (std::vector<std::string>{"MouseDown(1,1,150,60)", "MouseUp(1,1,150,60)", "Click"}));

    // In pixels once the control switches its scale; the right button clicks nothing.
    probe->surface().setScaleMode(ScaleMode::Pixels);
    probe->log.clear();
    QTest::mouseClick(probe, Qt::RightButton, Qt::NoModifier, QPoint(10, 4));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"MouseDown(2,0,10,4)", "MouseUp(2,0,10,4)"}));

    // Press, release, double click, release: one Click, then DblClick, no second Click.
    probe->log.clear();
    QTest::mouseClick(probe, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseDClick(probe, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(probe, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"MouseDown(1,0,3,3)", "MouseUp(1,0,3,3)",
                                                    "Click", "DblClick", "MouseUp(1,0,3,3)"}));

    // Released outside: no Click.
    probe->log.clear();
    QTest::mousePress(probe, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(probe, Qt::LeftButton, Qt::NoModifier, QPoint(200, 3));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"MouseDown(1,0,3,3)", "MouseUp(1,0,200,3)"}));
    form->Unload();
}

TEST_F(UserControlTest, SeeThroughPixelsOfItsSurfaceTakeNoClicks) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* probe = form->control<Probe>("Saved");
    probe->setFocus();
    ASSERT_TRUE(waitFor([&] { return probe->hasFocus(); }, 5000));
    Surface& surface = probe->surface();
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setBackColor(0x00FFFFFF);
    surface.line(0, 0, 40, 0, 0x000000FF); // a red row on white
    surface.setMaskColor(0x00FFFFFF);
    surface.setMaskPicture(surface.image());
    surface.setBackStyle(Surface::Transparent);
    probe->log.clear();

    QTest::mouseClick(probe, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_TRUE(probe->log.empty());
    QTest::mouseClick(probe, Qt::LeftButton, Qt::NoModifier, QPoint(20, 0));
    EXPECT_EQ(probe->log.size(), 3u);
    form->Unload();
}

TEST_F(UserControlTest, ReceivesKeysAndFocusAndRaisesEventsWithArgumentsByReference) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* saved = form->control<Probe>("Saved");
    auto* fresh = form->control<Probe>("Fresh", 2);
    fresh->setFocus();
    ASSERT_TRUE(waitFor([&] { return fresh->hasFocus(); }));
    EXPECT_EQ(fresh->log.back(), "GotFocus");
    EXPECT_EQ(fresh->log.at(fresh->log.size() - 2), "EnterFocus");

    // The host's handler changes the key its control reports.
    fresh->KeyPress.connect([](std::int16_t& key) {
        if (key == 'a')
            key = 'A';
    });
    fresh->log.clear();
    QTest::keyClick(fresh, Qt::Key_A);
    QTest::keyClick(fresh, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(fresh->log, (std::vector<std::string>{"KeyDown(65,0)", "KeyPress(65)", "KeyUp(65,0)",
                                                    "KeyDown(16,1)", "KeyDown(13,1)",
                                                    "KeyPress(13)", "KeyUp(13,1)", "KeyUp(16,0)"}));

    // Tab order from the design: Fresh (0) then Saved (1); from Saved, the Tab passes Fresh by,
    // which a screen reader could not name, back to Saved.
    saved->log.clear();
    fresh->log.clear();
    QTest::keyPress(fresh, Qt::Key_Tab);
    ASSERT_TRUE(waitFor([&] { return saved->hasFocus(); }));
    EXPECT_EQ(fresh->log, (std::vector<std::string>{"LostFocus", "ExitFocus"}));
    EXPECT_EQ(saved->log, (std::vector<std::string>{"EnterFocus", "GotFocus"}));
    QTest::keyPress(saved, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(saved->hasFocus());
    EXPECT_FALSE(fresh->hasFocus());
    form->Unload();
}

TEST_F(UserControlTest, CreatesChildControlsAndFollowsItsContainerWhenAlignedToTheTop) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* probe = form->control<Probe>("Saved");
    auto* caption = probe->addControl<Label>("lblCaption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->parentWidget(), probe);
    EXPECT_FALSE(caption->Visible()); // added controls start hidden
    EXPECT_EQ(probe->childControl("LBLCAPTION"), caption);
    auto* inner = probe->addControl<Label>("lblInner", caption);
    EXPECT_EQ(inner->parentWidget(), caption);
    EXPECT_THROW(probe->addControl("Gauge", "g"), RuntimeError);

    probe->setExtenderAlign(1);
    EXPECT_EQ(probe->geometry(), QRect(0, 0, 200, 40));
    form->resize(260, 100);
    ASSERT_TRUE(waitForValue([&] { return probe->width(); }, 260));
    EXPECT_EQ(probe->Top(), 0);
    form->Unload();
}

TEST_F(UserControlTest, AScreenReaderSeesCaptionedControlsAsButtonsAndLabelsByTheirCaption) {
    QPointer<Form> form = showWindow(R"({"name":"Host", "controls": [
      {"kind": "Probe", "name": "Exit", "left": 0, "top": 0, "width": 600, "height": 300},
      {"kind": "Label", "name": "Label1", "left": 0, "top": 600, "width": 900, "height": 300,
       "properties": {"Caption": "Sülüs Tarihi:"}},
      {"kind": "TextBox", "name": "Text1", "left": 0, "top": 900, "width": 900, "height": 300,
       "properties": {"Text": "15"}}]})");
    auto* exit = form->control<Probe>("Exit");
    exit->setAccessibleCaption(QStringLiteral("Çıkış"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(exit);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Çıkış"));

    QAccessibleInterface* label =
        QAccessible::queryAccessibleInterface(form->control<QObject>("Label1"));
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("Sülüs Tarihi:"));
    QAccessibleInterface* text =
        QAccessible::queryAccessibleInterface(form->control<QObject>("Text1"));
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    EXPECT_EQ(text->text(QAccessible::Value), QStringLiteral("15"));
    form->Unload();
}

TEST_F(UserControlTest, AScreenReaderPressesACaptionedControlWhichClicksAsItsMouseWould) {
    QPointer<Form> form = showWindow(twoProbes);
    auto* saved = form->control<Probe>("Saved");
    auto* fresh = form->control<Probe>("Fresh", 2);
    saved->setAccessibleCaption(QStringLiteral("Kaydet"));
    saved->log.clear();
    const QString press = QAccessibleActionInterface::pressAction();

    QAccessibleActionInterface* button =
        QAccessible::queryAccessibleInterface(saved)->actionInterface();
    ASSERT_TRUE(button);
    EXPECT_EQ(button->actionNames().value(0), press);
    button->doAction(press);
    // From the event loop, so that the screen reader asking is not held by what the click does.
    EXPECT_TRUE(saved->log.empty());
    ASSERT_TRUE(waitFor([&] { return !saved->log.empty(); }, 5000));
    EXPECT_EQ(saved->log, std::vector<std::string>{"Click"}); // no pointer: no mouse events

    // A control without a caption is no button; a disabled one cannot be pressed.
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(fresh)->actionInterface()->actionNames().contains(
            press));
    saved->setEnabled(false);
    saved->log.clear();
    EXPECT_FALSE(button->actionNames().contains(press));
    button->doAction(press);
    saved->Press();
    QCoreApplication::processEvents();
    EXPECT_TRUE(saved->log.empty());
    form->Unload();
}

} // namespace
} // namespace dorvak

#include "UserControlTest.moc"
