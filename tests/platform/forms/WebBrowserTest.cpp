// The browser control with the real engine, offscreen. The engine runs in a process of its own
// that ends with the control; local pages load and are drawn; a missing page, an address off
// the disk and a missing engine are errors that leave the control alive. Hostile pages served
// from a temporary folder read nothing beyond it, reach no network, and leave for nowhere: a
// link the user clicks goes to the link opener, a fake here, and only when it is a web address.
#include "platform/forms/WebBrowser.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/Waiting.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <unistd.h>

namespace dorvak {
namespace {

// The engine starts its helper processes on first use, which takes a few seconds on a busy
// machine.
constexpr int engineStartMs = 30000;

struct LoadOutcome {
    QStringList completed;
    QStringList failed;

    explicit LoadOutcome(WebBrowser& browser) {
        browser.DocumentComplete.connect([this](const QString& url) { completed << url; });
        browser.NavigateError.connect([this](const QString& url) { failed << url; });
    }
    bool done() const { return !completed.isEmpty() || !failed.isEmpty(); }
};

// A temporary folder with files and folders of its own.
class Folder {
public:
    Folder() { EXPECT_TRUE(directory_.isValid()); }

    QString path(const QString& name) const { return directory_.filePath(name); }
    QString url(const QString& name) const { return QUrl::fromLocalFile(path(name)).toString(); }
    QString write(const QString& name, const QByteArray& content) const {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        out.write(content);
        return file;
    }

private:
    QTemporaryDir directory_;
};

// A browser filling a window of its own, shown offscreen.
class ShownBrowser {
public:
    explicit ShownBrowser(QSize size) {
        window.resize(size);
        browser.setGeometry(QRect(QPoint(), size));
        window.show();
    }

    // Navigates and waits for the page to load.
    bool open(const QString& page) {
        browser.Navigate(page);
        return waitFor([&] { return outcome.done(); }, engineStartMs) && outcome.failed.isEmpty();
    }
    QRgb pixel(QPoint point) { return window.grab().toImage().pixel(point); }
    void click(QPoint point) { QTest::mouseClick(&browser, Qt::LeftButton, {}, point); }
    void move(QPoint point) { QTest::mouseMove(&browser, point); }

    QWidget window;
    WebBrowser browser{&window};
    LoadOutcome outcome{browser};
};

constexpr QRgb white = 0xffffffff;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb blue = 0xff2050a0;
constexpr QRgb yellow = 0xffffff00;

TEST(WebBrowserTest, LoadsAndDrawsALocalPageGivenByPathOrFileUrl) {
    Folder folder;
    const QString path =
        folder.write("sayfa.html", "<html><head><meta charset='utf-8'><title>Deneme</title></head>"
                                   "<body style='margin:0;background:#2050a0'>Şafak</body></html>");
    ShownBrowser shown({200, 120});
    EXPECT_EQ(shown.browser.LocationURL(), QString());

    ASSERT_TRUE(shown.open(path));
    const QString fileUrl = QUrl::fromLocalFile(path).toString();
    EXPECT_EQ(shown.outcome.completed, QStringList{fileUrl});
    EXPECT_EQ(shown.browser.LocationURL(), fileUrl);

    // The page's own colour reaches the screen: the engine renders, not only loads.
    EXPECT_TRUE(waitFor([&] { return shown.pixel({150, 100}) == blue; }, engineStartMs));
    // And its text reaches screen readers, which read the page by it.
    EXPECT_TRUE(waitFor([&] { return shown.browser.accessibleName() == "Şafak"; }, engineStartMs))
        << shown.browser.accessibleName().toStdString();
}

// Whether the page in the browser was drawn at its screen's resolution. By its own device pixel
// ratio the page draws columns one device pixel wide: alternate columns on the screen mean it
// was, pairs that it was drawn at 1× and magnified.
::testing::AssertionResult drawnAtTheScreensResolution(ShownBrowser& shown) {
    const qreal ratio = shown.window.devicePixelRatioF();
    const int width = qRound(40 * ratio);
    QString alternate;
    for (int x = 0; x < width; ++x)
        alternate += x % 2 ? u'.' : u'#';
    QString columns;
    const bool drawn = waitFor(
        [&] {
            const QImage grabbed = shown.window.grab().toImage();
            columns.clear();
            for (int x = 0; x < width; ++x)
                columns += grabbed.pixel(x, grabbed.height() / 2) == 0xff000000 ? u'#' : u'.';
            return columns == alternate;
        },
        engineStartMs);
    if (drawn)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << columns.toStdString() << " at " << ratio;
}

// CTest runs this one on one screen at 1×, and again with a screen of ratio 2 beside it, where
// the window then goes. There the page is drawn anew, and its square answers the pointer where
// it is on the screen.
TEST(WebBrowserTest, APageIsDrawnAtItsScreensResolution) {
    Folder folder;
    const QString page = folder.write("sayfa.html", R"html(<!DOCTYPE html>
<style>body { margin: 0; display: flex } canvas, div { width: 40px; height: 20px }</style>
<body><canvas></canvas><div style='background:#2050a0' onmouseover="this.style.background = '#ffff00'"></div>
<script>
const canvas = document.querySelector('canvas');
canvas.width = 40 * devicePixelRatio;
canvas.height = 20 * devicePixelRatio;
const columns = canvas.getContext('2d');
columns.fillStyle = '#fff';
columns.fillRect(0, 0, canvas.width, canvas.height);
columns.fillStyle = '#000';
for (let x = 0; x < canvas.width; x += 2)
  columns.fillRect(x, 0, 1, canvas.height);
</script>)html");
    ShownBrowser shown({80, 20});
    ASSERT_TRUE(shown.open(page));
    EXPECT_TRUE(drawnAtTheScreensResolution(shown));

    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() > 1) {
        shown.window.move(screens[1]->geometry().topLeft());
        ASSERT_TRUE(waitForValue([&] { return shown.window.devicePixelRatioF(); },
                                 screens[1]->devicePixelRatio()));
        EXPECT_TRUE(drawnAtTheScreensResolution(shown));
    }
    const QPoint square(60, 10);
    EXPECT_TRUE(waitFor(
        [&] {
            shown.move(square);
            return shown.pixel(square * shown.window.devicePixelRatioF()) == yellow;
        },
        engineStartMs));
    EXPECT_EQ(shown.outcome.completed.size(), 1) << "a new screen is no new page";
}

TEST(WebBrowserTest, AWindowOpenedWithItsPageIsUpBeforeTheEngineStarts) {
    Folder folder;
    const QString page = folder.write("sayfa.html", "<body style='background:#2050a0'>");
    // Hosts of earlier tests may still be ending.
    const auto hosts = [] {
        std::set<pid_t> running;
        for (const ChildProcess& child : descendantsOfThisProcess())
            if (child.program == "dorvak-page" && isRunning(child.pid))
                running.insert(child.pid);
        return running;
    };
    const std::set<pid_t> earlier = hosts();
    const auto hostRuns = [&] {
        const std::set<pid_t> now = hosts();
        return std::any_of(now.begin(), now.end(), [&](pid_t pid) { return !earlier.count(pid); });
    };
    QWidget window;
    window.resize(200, 120);
    WebBrowser browser(&window);
    browser.resize(window.size());
    LoadOutcome outcome(browser);
    // As a window's load handler navigates before the window is shown.
    browser.Navigate(page);
    window.show();
    EXPECT_FALSE(hostRuns()) << "started before the window could draw";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(waitFor([&] { return outcome.done(); }, engineStartMs));
    EXPECT_EQ(outcome.completed, QStringList{QUrl::fromLocalFile(page).toString()});
    EXPECT_TRUE(hostRuns());
}

TEST(WebBrowserTest, TheEngineRunsInAProcessOfItsOwnThatEndsWithTheControl) {
    Folder folder;
    const QString page = folder.write("sayfa.html", "<body style='background:#2050a0'>");
    auto shown = std::make_unique<ShownBrowser>(QSize(100, 60));
    ASSERT_TRUE(shown->open(page));

    const std::vector<ChildProcess> engine = descendantsOfThisProcess();
    const auto runs = [&](const char* program) {
        return std::count_if(engine.begin(), engine.end(),
                             [&](const ChildProcess& child) { return child.program == program; });
    };
    EXPECT_EQ(runs("dorvak-page"), 1);
    EXPECT_GE(runs("QtWebEngineProc"), 1) << "the engine's own helper processes";
    std::ifstream maps("/proc/self/maps");
    const std::string mapped{std::istreambuf_iterator<char>(maps), {}};
    EXPECT_EQ(mapped.find("libQt6WebEngineCore"), std::string::npos)
        << "the engine never loads into the program";

    shown.reset();
    EXPECT_TRUE(waitFor(
        [&] {
            return std::none_of(engine.begin(), engine.end(),
                                [](const ChildProcess& child) { return isRunning(child.pid); });
        },
        engineStartMs));

    // A control that goes while its page still loads tells nobody: closing its host is not a
    // failed navigation, and by then its own members are gone.
    int reports = 0;
    auto loading = std::make_unique<WebBrowser>(nullptr);
    loading->DocumentComplete.connect([&](const QString&) { ++reports; });
    loading->NavigateError.connect([&](const QString&) { ++reports; });
    loading->Navigate(page);
    loading.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reports, 0);
}

TEST(WebBrowserTest, AMissingPageOrAnAddressOffTheDiskIsReportedAndTheControlCarriesOn) {
    Folder folder;
    WebBrowser browser(nullptr);
    browser.resize(100, 60);
    LoadOutcome outcome(browser);
    const QString missing = folder.url("yok.html");
    const QString remote = QStringLiteral("https://velto.example/reklam.html");
    for (const QString& address : {missing, remote}) {
        SCOPED_TRACE(address.toStdString());
        outcome.completed.clear();
        outcome.failed.clear();
        browser.Navigate(address);
        ASSERT_TRUE(waitFor([&] { return outcome.done(); }, engineStartMs));
        EXPECT_EQ(outcome.failed, QStringList{address});
        EXPECT_TRUE(outcome.completed.isEmpty());
        EXPECT_EQ(browser.LocationURL(), address);
    }
}

TEST(WebBrowserTest, WithoutTheEngineNavigationFailsInsteadOfEndingTheProgram) {
    // The engine ends its process when it cannot find its helper: that is the page host's.
    qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
    WebBrowser browser(nullptr);
    LoadOutcome outcome(browser);
    browser.Navigate(QStringLiteral("file:///tmp/reklam.html"));
    EXPECT_TRUE(outcome.failed.isEmpty()) << "reported after the caller has returned";
    ASSERT_TRUE(waitFor([&] { return outcome.done(); }, engineStartMs));
    EXPECT_EQ(outcome.failed, QStringList{"file:///tmp/reklam.html"});
    qunsetenv("QTWEBENGINEPROCESS_PATH");
}

// The program's error output while it lasts, the helper processes' included.
class StandardErrorCapture {
public:
    StandardErrorCapture() {
        EXPECT_TRUE(file_.open());
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { restore(); }

    QString text() {
        restore();
        file_.seek(0);
        return QString::fromUtf8(file_.readAll());
    }

private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

TEST(WebBrowserTest, TheSandboxIsOffOnlyForRootAndThenTheProgramSaysWhy) {
    Folder folder;
    const QString page = folder.write("sayfa.html", "<body>");
    StandardErrorCapture errors;
    ShownBrowser shown({100, 60});
    ASSERT_TRUE(shown.open(page));
    const QString said = errors.text();

    const QString rootNotice = QStringLiteral(
        "Dorvak: Web sayfası korumalı alan (sandbox) olmadan açılıyor, çünkü program root olarak "
        "çalışıyor; tarayıcı motorunun korumalı alanı root için çalışmaz.\n");
    if (geteuid() == 0)
        EXPECT_TRUE(said.contains(rootNotice)) << said.toStdString();
    else
        EXPECT_FALSE(said.contains(QStringLiteral("korumalı alan"))) << said.toStdString();
}

TEST(WebBrowserTest, AScriptReadsNothingBeyondItsFolderAndNothingFromTheNetwork) {
    QTcpServer network;
    ASSERT_TRUE(network.listen(QHostAddress::LocalHost));
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(network.serverPort());

    Folder folder;
    const QString secret = folder.write("gizli/bilgi.txt", "GİZLİ");
    QImage(4, 4, QImage::Format_RGB32).save(folder.path("gizli/resim.png"));
    folder.write("sayfa/kendi.txt", "kendi");
    ASSERT_TRUE(QFile::link(secret, folder.path("sayfa/kisayol.txt")));
    const QByteArray secretUrl = folder.url("gizli/bilgi.txt").toUtf8();
    const QByteArray pictureUrl = folder.url("gizli/resim.png").toUtf8();

    // One square per attempt, green when it got nothing, red when it got something.
    const QStringList attempts = {
        "fetch of a file elsewhere", "XMLHttpRequest of a file elsewhere",
        "fetch of ../gizli",         "fetch through a link in the folder",
        "frame of a file elsewhere", "picture elsewhere",
        "fetch from the network",    "picture from the network",
    };
    const QString page =
        folder.write("sayfa/sayfa.html", QByteArray(R"html(<!DOCTYPE html><meta charset="utf-8">
<style>body { margin: 0; display: flex } div { width: 20px; height: 20px; background: #fff }</style>
<body><div></div><div></div><div></div><div></div><div></div><div></div><div></div><div></div>
<div></div>
<script>
function show(i, expected) {
  document.body.children[i].style.background = expected ? '#00ff00' : '#ff0000';
}
function request(url) {
  return new Promise((resolve, reject) => {
    const r = new XMLHttpRequest();
    r.open('GET', url);
    r.onload = () => resolve(r.responseText);
    r.onerror = reject;
    r.send();
  });
}
function frameText(url) {
  return new Promise(resolve => {
    const f = document.createElement('iframe');
    f.style.display = 'none';
    const read = () => {
      try { resolve(f.contentDocument ? f.contentDocument.body.innerText : ''); }
      catch (e) { resolve(''); }
    };
    // A frame whose address is refused never loads: what it holds then is what it got.
    f.onload = read;
    setTimeout(read, 2000);
    f.src = url;
    document.documentElement.appendChild(f);
  });
}
function picture(url) {
  return new Promise(resolve => {
    const i = new Image();
    i.onload = () => resolve('picture');
    i.onerror = () => resolve('');
    i.src = url;
  });
}
const text = url => fetch(url).then(r => r.text());
[
  () => text('SECRET'), () => request('SECRET'), () => text('../gizli/bilgi.txt'),
  () => text('kisayol.txt'), () => frameText('SECRET'), () => picture('PICTURE'),
  () => text('REMOTE/'), () => picture('REMOTE/resim.png'),
].forEach((attempt, i) => attempt().then(got => show(i, !got), () => show(i, true)));
// Its own folder stays open to it.
text('kendi.txt').then(got => show(8, got === 'kendi'), () => show(8, false));
</script>)html")
                                             .replace("SECRET", secretUrl)
                                             .replace("PICTURE", pictureUrl)
                                             .replace("REMOTE", remote));
    ShownBrowser shown({200, 20});
    ASSERT_TRUE(shown.open(page));
    const auto square = [](int i) { return QPoint(20 * i + 10, 10); };
    ASSERT_TRUE(waitFor(
        [&] {
            for (int i = 0; i <= attempts.size(); ++i)
                if (shown.pixel(square(i)) == white)
                    return false;
            return true;
        },
        engineStartMs))
        << "every attempt came to an end";
    for (int i = 0; i < attempts.size(); ++i)
        EXPECT_EQ(shown.pixel(square(i)), green) << attempts[i].toStdString() << " got something";
    EXPECT_EQ(shown.pixel(square(attempts.size())), green) << "the page's own file";
    QCoreApplication::processEvents();
    EXPECT_FALSE(network.hasPendingConnections()) << "the network was reached";
}

TEST(WebBrowserTest, ALinkTheUserClicksGoesToTheOpenerOnlyAsAWebAddressAndThePageStays) {
    Folder folder;
    folder.write("diger.html", "<body style='background:#ff0000'>");
    // Six links, then a square that turns yellow under the pointer and green when clicked,
    // each 60 pixels wide; and a script that tries to leave as soon as the page has loaded,
    // before any click.
    const QString page = folder.write("sayfa.html", R"html(<!DOCTYPE html><meta charset="utf-8">
<style>body { margin: 0; display: flex } a, div { width: 60px; height: 60px; background: #2050a0 }</style>
<body onload="setTimeout(() => location.href = 'https://istenmeyen.example/')">
<a href="https://velto.example/reklam"></a>
<a href="https://velto.example/yeni" target="_blank"></a>
<a href="file:///etc/hostname"></a>
<a href="diger.html"></a>
<a href="javascript:location.href = 'file:///etc/hostname'"></a>
<a href="mailto:kimse@velto.example"></a>
<div onmouseover="this.style.background = '#ffff00'" onclick="this.style.background = '#00ff00'"></div>)html");
    ShownBrowser shown({420, 60});
    QList<QUrl> opened;
    shown.browser.setLinkOpener([&](const QUrl& url) { opened << url; });
    ASSERT_TRUE(shown.open(page));
    const auto box = [](int i) { return QPoint(60 * i + 30, 30); };
    const int square = 6;
    // Drawn is not yet listening: on a slow machine the engine drops the first input. The
    // pointer is moved over the square until it answers; a move is not a click.
    ASSERT_TRUE(waitFor(
        [&] {
            shown.move(box(square));
            return shown.pixel(box(square)) == yellow;
        },
        engineStartMs));

    // The file, page, script and mail links first: none of them gets through, so the first
    // address the opener sees is the web link's.
    for (int refused : {2, 3, 4, 5})
        shown.click(box(refused));
    shown.click(box(0));
    shown.click(box(1));
    ASSERT_TRUE(waitFor([&] { return opened.size() >= 2; }, engineStartMs));
    EXPECT_EQ(opened, (QList<QUrl>{QUrl("https://velto.example/reklam"),
                                   QUrl("https://velto.example/yeni")}));

    // Still the same page, alive: its square answers a click.
    shown.click(box(square));
    EXPECT_TRUE(waitFor([&] { return shown.pixel(box(square)) == green; }, engineStartMs));
    EXPECT_EQ(shown.browser.LocationURL(), QUrl::fromLocalFile(page).toString());
    EXPECT_EQ(shown.outcome.completed.size(), 1);
    EXPECT_TRUE(shown.outcome.failed.isEmpty());
    EXPECT_EQ(opened.size(), 2);
}

} // namespace
} // namespace dorvak
