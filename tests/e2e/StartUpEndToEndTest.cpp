// The real program on a virtual X display with a window manager: the start-up window opens
// centred, stays above another window activated over it, shows the page strip, and after its
// 35 seconds gives way to the main window.
#include "tests/support/Waiting.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using dorvak::waitFor;

const QString startUpTitle = QStringLiteral(" Velto Dorvak Programı");
const QString mainTitle = QStringLiteral("Dorvak Programı - Velto Yazılım");
const QString otherTitle = QStringLiteral("Baska pencere");

// The bound of every wait. What the test waits for takes a second or two on an idle machine,
// but on a loaded 2-core one a window manager or a window can take well over 10 s to come up;
// the bound only ends a test that would otherwise hang.
constexpr int patience = 60000;
// The start-up window's count before the main window opens.
constexpr int startUpMilliseconds = 35000;

// Runs a command-line tool of the X display to its end and returns what it printed.
QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(patience))
        process.kill();
    return process.readAllStandardOutput();
}

// A program started for the test, ended with it.
class Started {
public:
    explicit Started(
        const QString& program, const QStringList& arguments = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(program, arguments);
    }
    ~Started() {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(5000);
    }
    bool running() const { return process_.state() == QProcess::Running; }

private:
    QProcess process_;
};

// The visible top-level window whose title is exactly `title`, or 0.
qulonglong findWindow(const QString& title) {
    const QString pattern = "^" + QRegularExpression::escape(title) + "$";
    const QList<QByteArray> found =
        run("xdotool", {"search", "--onlyvisible", "--name", pattern}).split('\n');
    return found.first().toULongLong();
}

// The client area of a window in screen coordinates.
QRect clientArea(qulonglong window) {
    const QString info = QString::fromUtf8(run("xwininfo", {"-id", QString::number(window)}));
    const auto value = [&](const char* label) {
        const QRegularExpression pattern(QString::fromLatin1(label) + ":\\s+(-?\\d+)");
        return pattern.match(info).captured(1).toInt();
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
            value("Height")};
}

// The window manager's stacking order of the managed windows, bottom to top.
QList<qulonglong> stackingOrder() {
    const QString line = QString::fromUtf8(run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}));
    QList<qulonglong> windows;
    const QRegularExpression hex("0x[0-9a-fA-F]+");
    for (auto it = hex.globalMatch(line.section('#', 1)); it.hasNext();)
        windows << it.next().captured().toULongLong(nullptr, 16);
    return windows;
}

// A private Xvfb screen, 1280 x 1024, for the test and every program it starts. The server
// picks a free display number itself and tells it on its output.
class VirtualDisplay {
public:
    VirtualDisplay() {
        server_.start("Xvfb",
                      {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        QByteArray number;
        QDeadlineTimer deadline(patience);
        while (!number.endsWith('\n') && server_.waitForReadyRead(int(deadline.remainingTime())))
            number += server_.readAllStandardOutput();
        if (number.endsWith('\n'))
            qputenv("DISPLAY", ":" + number.trimmed());
    }
    ~VirtualDisplay() {
        server_.terminate();
        server_.waitForFinished(patience);
    }

private:
    QProcess server_;
};

qulonglong activeWindow() {
    const QString line = QString::fromUtf8(run("xprop", {"-root", "_NET_ACTIVE_WINDOW"}));
    return line.section('#', 1).trimmed().section(',', 0, 0).toULongLong(nullptr, 16);
}

QImage screenshot() {
    return QImage::fromData(run("import", {"-window", "root", "png:-"}), "PNG");
}

TEST(StartUpEndToEnd, OpensCentredStaysOnTopShowsThePageAndGivesWayToTheMainWindow) {
    qunsetenv("DISPLAY");
    VirtualDisplay display;
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "the virtual display did not start";
    Started windowManager("openbox", {"--sm-disable"});
    ASSERT_TRUE(waitFor(
        [] {
            return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        },
        patience))
        << "openbox " << (windowManager.running() ? "runs but never announced itself" : "ended")
        << " on display " << qgetenv("DISPLAY").constData();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    Started program(DORVAK_EXECUTABLE, {}, environment);

    qulonglong startUp = 0;
    ASSERT_TRUE(waitFor([&] { return (startUp = findWindow(startUpTitle)) != 0; }, patience));
    const QRect area = clientArea(startUp);
    EXPECT_EQ(area.size(), QSize(513, 115));
    const QRect screen(0, 0, 1280, 1024);
    // Centred as a whole with its frame; the title bar shifts the client area a little.
    EXPECT_LE(std::abs(area.center().x() - screen.center().x()), 8) << area.center().x();
    EXPECT_LE(std::abs(area.center().y() - screen.center().y()), 30) << area.center().y();

    // Another window, over the start-up window's place, activated by the user.
    Started other("xmessage", {"-geometry", "700x400+290+312", "-title", otherTitle, "-name",
                               otherTitle, "Bu pencere baslangic penceresinin ustune acilir."});
    qulonglong otherWindow = 0;
    ASSERT_TRUE(waitFor([&] { return (otherWindow = findWindow(otherTitle)) != 0; }, patience));
    run("xdotool", {"windowactivate", "--sync", QString::number(otherWindow)});
    ASSERT_TRUE(waitFor([&] { return activeWindow() == otherWindow; }, patience));

    const QList<qulonglong> stacking = stackingOrder();
    EXPECT_GT(stacking.indexOf(startUp), stacking.indexOf(otherWindow));
    // On screen: the page's band in the strip at the top left, and the banner bitmap below.
    const QPoint strip = area.topLeft() + QPoint(4, 4);
    const QRgb band = qRgb(0x2f, 0x3a, 0x1a);
    EXPECT_TRUE(waitFor([&] { return screenshot().pixel(strip) == band; }, patience))
        << "page strip shows " << std::hex << screenshot().pixel(strip);

    // About 35 seconds after the start the main window takes over.
    qulonglong main = 0;
    EXPECT_TRUE(waitFor([&] { return (main = findWindow(mainTitle)) != 0; },
                        startUpMilliseconds + patience));
    EXPECT_EQ(findWindow(startUpTitle), 0u);
    EXPECT_TRUE(program.running());
}

} // namespace
