// Timers, the modal message box, errors escaping handlers and the end of the program, on the
// interface thread's event loop.
#include "FormsTestSupport.h"

#include "platform/forms/Form.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/Waiting.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace dorvak {
namespace {

FormDesign windowWithTimer(int interval) {
    FormDesign design = parseFormDesign(R"({"name":"Ticking","controls":[
        {"kind":"Timer","name":"Timer1","properties":{"Enabled":true}}]})");
    design.controls[0].properties.insert("Interval", interval);
    return design;
}

TEST(EventLoopTest, ATimerTicksOnTheInterfaceThreadNoFasterThanTheResolution) {
    ApplicationFixture fixture;
    Form form(windowWithTimer(1));
    auto* timer = form.control<Timer>("Timer1");
    ASSERT_TRUE(timer);

    // Timed from a fresh start of the timer: a late tick lets the next come sooner, so the
    // time between ticks may fall short of the interval, the time since the start never does.
    int ticks = 0;
    qint64 sixthTick = 0;
    bool onInterfaceThread = true;
    QElapsedTimer clock;
    timer->Tick.connect([&] {
        onInterfaceThread &= QThread::currentThread() == QCoreApplication::instance()->thread();
        if (++ticks == 6)
            sixthTick = clock.elapsed();
    });
    timer->setEnabled(false);
    clock.start();
    timer->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return ticks >= 6; }, 5000));
    // Six intervals: at least 6 x 15 ms, although 1 ms was asked.
    EXPECT_GE(sixthTick, 6 * Timer::resolutionMs - 1);
    EXPECT_TRUE(onInterfaceThread);
    EXPECT_EQ(timer->Interval(), 1);

    // Disabled, it stays silent, also across a tick it would have had.
    timer->setEnabled(false);
    const int before = ticks;
    int otherTicks = 0;
    Timer other(&form);
    other.setInterval(20);
    other.Tick.connect([&] { ++otherTicks; });
    ASSERT_TRUE(waitFor([&] { return otherTicks >= 3; }, 5000));
    EXPECT_EQ(ticks, before);
}

TEST(EventLoopTest, TheMessageBoxIsModalWhileAnotherWindowsTimerKeepsTicking) {
    ApplicationFixture fixture;
    fixture.application.setTitle(QStringLiteral("Sınama Programı"));
    Form clockWindow(windowWithTimer(20));
    int ticks = 0;
    clockWindow.control<Timer>("Timer1")->Tick.connect([&] { ++ticks; });

    int ticksWhenOpened = -1;
    MessageBoxWatcher watcher([&] {
        if (ticksWhenOpened < 0)
            ticksWhenOpened = ticks;
        return ticks >= ticksWhenOpened + 3; // close only after three ticks while open
    });
    MessageBox(QStringLiteral("Lütfen Sülüs Tarihini Giriniz."));

    EXPECT_EQ(watcher.seen, 1);
    EXPECT_GE(ticks, ticksWhenOpened + 3);
    EXPECT_EQ(watcher.title, QStringLiteral("Sınama Programı"));
    EXPECT_EQ(watcher.text, QStringLiteral("Lütfen Sülüs Tarihini Giriniz."));
    EXPECT_FALSE(watcher.hadIcon);
    EXPECT_EQ(watcher.buttonCount, 1);
    EXPECT_EQ(watcher.buttonText, QStringLiteral("Tamam"));
}

TEST(EventLoopTest, TheMessageBoxBelongsToTheActiveWindowAndMayGoWithIt) {
    ApplicationFixture fixture;
    auto owner = std::make_unique<Form>(windowWithTimer(20));
    owner->show();
    owner->activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == owner.get(); }, 5000));

    // A window manager minimises a box with the window it belongs to and brings both back.
    bool ownedByTheWindow = false;
    QTimer unloadWhileOpen;
    QObject::connect(&unloadWhileOpen, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        unloadWhileOpen.stop();
        ownedByTheWindow =
            box->windowHandle() && box->windowHandle()->transientParent() == owner->windowHandle();
        owner.reset();
    });
    unloadWhileOpen.start(1);
    MessageBox(QStringLiteral("Lütfen Sülüs Tarihini Giriniz."));

    EXPECT_TRUE(ownedByTheWindow);
    EXPECT_FALSE(owner);
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST(EventLoopTest, TheKeyboardFocusGoesBackWhereItWasWhenTheMessageBoxCloses) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(R"({"name":"Boxes","controls":[
        {"kind":"TextBox","name":"Text1","properties":{"TabIndex":0}},
        {"kind":"TextBox","name":"Text2","top":600,"properties":{"TabIndex":1}}]})"));
    form.Show();
    auto* second = form.control<QWidget>("Text2");
    second->setFocus();
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == second; }, 5000));

    // Twice, as a handler that shows two boxes in a row does.
    for (int box = 0; box < 2; ++box) {
        MessageBoxWatcher watcher;
        MessageBox(QStringLiteral("Lütfen Sülüs Tarihini Giriniz."));
        ASSERT_EQ(watcher.seen, 1);
        EXPECT_TRUE(waitFor([&] { return QApplication::focusWidget() == second; }, 5000))
            << "after box " << box + 1;
        EXPECT_EQ(QApplication::activeWindow(), &form);
    }
}

TEST(EventLoopTest, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    ApplicationFixture fixture;
    Form form(windowWithTimer(20));
    int ticks = 0;
    MessageBoxWatcher watcher;
    form.control<Timer>("Timer1")->Tick.connect([&] {
        ++ticks;
        if (ticks == 1)
            throw RuntimeError(ErrorCode::Overflow);
        if (ticks == 2)
            throw std::runtime_error("disk dolu");
    });
    ASSERT_TRUE(waitFor([&] { return ticks >= 4; }, 5000));
    EXPECT_EQ(watcher.texts, (QStringList{QStringLiteral("Çalışma zamanı hatası '6':\n\nOverflow"),
                                          QStringLiteral("Çalışma zamanı hatası:\n\ndisk dolu")}));
    EXPECT_EQ(watcher.title, fixture.application.title());
}

TEST(EventLoopTest, DoEventsLetsTimerTicksRunInsideALoopOfAHandler) {
    ApplicationFixture fixture;
    Form form(windowWithTimer(20));
    int ticks = 0;
    form.control<Timer>("Timer1")->Tick.connect([&] { ++ticks; });
    // A handler that polls, as the skin's resize loop does: without DoEvents it would spin
    // until the bound with the timer silent.
    QElapsedTimer bound;
    bound.start();
    while (ticks < 3 && bound.elapsed() < 5000)
        DoEvents();
    EXPECT_GE(ticks, 3);
}

class CountingForm : public Form {
public:
    CountingForm()
        : Form(parseFormDesign(R"({"name":"Counting"})")) {}
    int loads = 0;
    int unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

TEST(EventLoopTest, TheProgramEndsWhenTheLastWindowIsUnloaded) {
    ApplicationFixture fixture;
    QSignalSpy ended(&fixture.application, &Application::lastFormUnloaded);

    auto* main = fixture.application.showForm<CountingForm>();
    EXPECT_EQ(fixture.application.showForm<CountingForm>(), main); // one instance per class
    EXPECT_EQ(main->loads, 1);
    Form* about = new Form(parseFormDesign(R"({"name":"About"})"));
    about->Show();

    main->Unload();
    main->Unload(); // a second unload does nothing
    EXPECT_EQ(main->unloads, 1);
    EXPECT_EQ(fixture.application.loadedForm<CountingForm>(), nullptr);
    EXPECT_EQ(ended.count(), 0); // the About window keeps the program running

    // A window class can be loaded again after it was unloaded.
    QPointer<CountingForm> again = fixture.application.showForm<CountingForm>();
    EXPECT_NE(again.data(), nullptr);
    EXPECT_EQ(again->loads, 1);
    again->close(); // closing from the frame unloads too
    EXPECT_EQ(again->unloads, 1);
    EXPECT_EQ(ended.count(), 0);

    // A handler may unload the last window and then show another: the program goes on.
    about->Unload();
    auto* next = fixture.application.showForm<CountingForm>();
    ASSERT_TRUE(waitFor([&] { return again.isNull(); })); // destroyed once back in the event loop
    EXPECT_EQ(ended.count(), 0);

    next->Unload();
    EXPECT_TRUE(waitFor([&] { return ended.count() == 1; }));
}

} // namespace
} // namespace dorvak
