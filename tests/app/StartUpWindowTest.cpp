// The start-up window, opened offscreen. Its seconds are driven by hand: every timer that is
// enabled when a second ends ticks once, so 35 seconds take no time and no test sleeps. The
// page is the real engine's; beside the test program there is no page, so tests that need the
// shipped one point the window's browser at it in the source tree.
#include "app/Form1.h"
#include "app/Form3.h"
#include "platform/forms/Application.h"
#include "platform/forms/DesignValues.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WebBrowser.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/ProgramApplication.h"
#include "tests/support/Waiting.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace dorvak {
namespace {

// Counts how often a window of class F is shown.
template <typename F> class ShowCounter : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<F*>(watched))
            ++count;
        return false;
    }
};

class StartUpWindow : public ::testing::Test {
protected:
    void SetUp() override {
        programApplication();
        window = programApplication().showForm<Form3>();
    }

    void TearDown() override {
        for (Form* form : std::vector<Form*>(programApplication().forms()))
            form->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T> T& named(const char* name) const {
        T* found = window->control<T>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    bool loaded() const { return !window.isNull() && !window->isUnloading(); }

    // One second of the window's life.
    void tickOneSecond() {
        std::vector<Timer*> due;
        // Timer1 last: at 35 it unloads the window, and the others' ticks of that second are
        // then irrelevant.
        for (const char* name : {"Timer4", "Timer3", "Timer2", "Timer1"})
            if (Timer& timer = named<Timer>(name); timer.Enabled())
                due.push_back(&timer);
        for (Timer* timer : due)
            if (loaded())
                timer->Tick.raise();
    }

    // The shipped page in the window's browser, loaded and drawn in the strip the window shows
    // it in.
    bool showTheShippedPage() {
        auto& browser = named<WebBrowser>("WebBrowser1");
        browser.DocumentComplete.connect([this](const QString&) { pageLoaded = true; });
        browser.Navigate(QStringLiteral(DORVAK_SOURCE_DIR "/app/assets/advertisement.html"));
        const QRgb band = qRgb(0x2f, 0x3a, 0x1a);
        return waitFor([&] { return pageLoaded && window->grab().toImage().pixel(5, 5) == band; },
                       30000);
    }

    QString caption(const char* label) const { return named<Label>(label).Caption(); }
    bool pictureShown() const { return !named<PictureBox>("Picture3").isHidden(); }

    QPointer<Form3> window;
    bool pageLoaded = false;
};

TEST_F(StartUpWindow, IsBuiltFromItsDesign) {
    EXPECT_EQ(window->windowTitle(), " Velto Dorvak Programı");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window->size(), QSize(513, 115));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // not resizable
    EXPECT_EQ(window->surface().image().pixel(510, 114), qRgb(0x00, 0x00, 0xC0));
    EXPECT_FALSE(window->windowIcon().isNull());
    // Centred; the platform may shift the client area by its frame once the window is shown.
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 4);

    // The banner and the blinking picture are the 24-bit bitmaps of their sizes.
    const QImage banner = named<PictureBox>("Picture1").Picture();
    const QImage blink = named<PictureBox>("Picture3").Picture();
    EXPECT_EQ(banner.size(), QSize(462, 55));
    EXPECT_EQ(blink.size(), QSize(53, 114));
    EXPECT_EQ(named<PictureBox>("Picture3").parentWidget(), &named<PictureBox>("Picture2"));
    EXPECT_EQ(named<Label>("Label3").parentWidget(), &named<PictureBox>("Picture3"));
    EXPECT_EQ(named<Label>("Label2").parentWidget(), &named<PictureBox>("Picture1"));

    // The page lies behind everything, larger than the window and up to its left; it shows
    // only in the strip the two picture boxes leave free.
    auto& browser = named<WebBrowser>("WebBrowser1");
    EXPECT_EQ(browser.geometry(), QRect(-253, -304, 761, 385));
    const auto showsPage = [&](QPoint point) {
        QWidget* found = window->childAt(point);
        return found == &browser || browser.isAncestorOf(found);
    };
    EXPECT_TRUE(showsPage({0, 0}));
    EXPECT_TRUE(showsPage({463, 55}));
    EXPECT_FALSE(showsPage({464, 0}));
    EXPECT_FALSE(showsPage({0, 56}));

    // The notice must be readable: its text does not vanish into its back colour.
    const auto& notice = named<Label>("Label2");
    EXPECT_NE(qColorFromOle(notice.ForeColor()), qColorFromOle(notice.BackColor()));
}

TEST_F(StartUpWindow, CountsThirtyFiveSecondsWithTheNoticesAndTheBlinkingPicture) {
    const QString preparing =
        QString(35, QLatin1Char(' ')) + QStringLiteral("Reklam Hazırlanıyor...");
    const QString clickNotice = QStringLiteral("(REKLAMA TIKLAMAZSANIZ PROGRAM ÇALIŞMAZ)");
    ShowCounter<Form1> mainWindowShows;

    EXPECT_EQ(caption("Label1"), "0");
    EXPECT_EQ(caption("Label2"), "");
    EXPECT_TRUE(pictureShown());
    for (int second = 1; second <= 34; ++second) {
        tickOneSecond();
        SCOPED_TRACE(second);
        EXPECT_EQ(caption("Label1"), QString::number(second));
        EXPECT_EQ(caption("Label3"), QString::number(second));
        EXPECT_EQ(caption("Label2"), second < 8 ? preparing : clickNotice);
        // Shown for the first two seconds, then hidden on even and shown on odd ones.
        EXPECT_EQ(pictureShown(), second == 1 || second % 2 == 1);
        EXPECT_EQ(programApplication().loadedForm<Form1>(), nullptr);
        EXPECT_TRUE(loaded());
    }

    tickOneSecond();
    EXPECT_FALSE(loaded());
    EXPECT_FALSE(window->isVisible());
    Form1* mainWindow = programApplication().loadedForm<Form1>();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(mainWindowShows.count, 1);
    EXPECT_EQ(programApplication().forms(), std::vector<Form*>{mainWindow});

    // Unloading the start-up window did not end the program: the main window took over.
    QSignalSpy ended(&programApplication(), &Application::lastFormUnloaded);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(mainWindowShows.count, 1);
}

TEST_F(StartUpWindow, ClosingItEarlyEndsTheProgramWithoutTheMainWindow) {
    QSignalSpy ended(&programApplication(), &Application::lastFormUnloaded);
    for (int second = 1; second <= 20; ++second)
        tickOneSecond();
    window->close();
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(waitFor([&] { return ended.count() == 1; }));
    EXPECT_EQ(programApplication().loadedForm<Form1>(), nullptr);
    EXPECT_TRUE(programApplication().forms().empty());
}

TEST_F(StartUpWindow, StaysOnTopAndCountsWithoutItsPage) {
    // The test program has no page beside it: the load fails and the real timers count on.
    auto& browser = named<WebBrowser>("WebBrowser1");
    EXPECT_EQ(browser.LocationURL(), Form3::advertisementAddress());
    bool failed = false;
    browser.NavigateError.connect([&](const QString&) { failed = true; });

    // On activation the window puts itself above the others, and stays shown.
    ASSERT_TRUE(waitFor([&] { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }));
    EXPECT_TRUE(window->isVisible());

    ASSERT_TRUE(waitFor([&] { return failed; }, 30000));
    const int counted = caption("Label1").toInt();
    EXPECT_TRUE(waitFor([&] { return caption("Label1").toInt() > counted; }, 3000));

    // The four timers tick in one wakeup a second: a mark posted from the count's tick lands
    // after the others' ticks of that second. The picture's two timers take turns.
    QString ticks;
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4"})
        named<Timer>(name).Tick.connect([&ticks, name] { ticks += QLatin1String(name).back(); });
    named<Timer>("Timer1").Tick.connect([&] {
        QMetaObject::invokeMethod(
            window, [&] { ticks += u'|'; }, Qt::QueuedConnection);
    });
    ASSERT_TRUE(waitFor([&] { return ticks.count(u'|') == 2; }, 3000));
    EXPECT_TRUE(ticks == "142|143|" || ticks == "143|142|") << ticks.toStdString();
}

TEST_F(StartUpWindow, TheAdvertisementsLinkOpensInTheDesktopsBrowser) {
    QList<QUrl> opened;
    named<WebBrowser>("WebBrowser1").setLinkOpener([&](const QUrl& url) { opened << url; });
    ASSERT_TRUE(showTheShippedPage());

    // Where the user sees the advertisement, in the strip between the two pictures.
    const QPoint onTheBand(230, 28);
    QWidget* clicked = window->childAt(onTheBand);
    ASSERT_NE(clicked, nullptr);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->mapFrom(window, onTheBand));
    ASSERT_TRUE(waitFor([&] { return !opened.isEmpty(); }, 30000));
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://velto.example/")});
    EXPECT_TRUE(loaded());
}

TEST_F(StartUpWindow, TheBrowserEngineEndsWithTheWindow) {
    ASSERT_TRUE(showTheShippedPage());
    const std::vector<ChildProcess> engine = descendantsOfThisProcess();
    EXPECT_TRUE(std::any_of(engine.begin(), engine.end(), [](const ChildProcess& child) {
        return child.program == "dorvak-page";
    }));

    for (int second = 1; second <= 35; ++second)
        tickOneSecond();
    ASSERT_NE(programApplication().loadedForm<Form1>(), nullptr);
    EXPECT_TRUE(waitFor(
        [&] {
            return std::none_of(engine.begin(), engine.end(),
                                [](const ChildProcess& child) { return isRunning(child.pid); });
        },
        15000))
        << "the page host and the engine's helper processes are gone";
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace dorvak
