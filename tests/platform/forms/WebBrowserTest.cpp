// The browser control with the real engine, offscreen: a local page loads and is drawn, a
// missing page and a missing engine are reported as errors and leave the control alive.
#include "platform/forms/WebBrowser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>

namespace dorvak {
namespace {

// The engine starts its helper process on first use, which takes a few seconds on a busy
// machine.
bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 30000);
}

struct LoadOutcome {
    QStringList completed;
    QStringList failed;

    explicit LoadOutcome(WebBrowser& browser) {
        browser.DocumentComplete.connect([this](const QString& url) { completed << url; });
        browser.NavigateError.connect([this](const QString& url) { failed << url; });
    }
    bool done() const { return !completed.isEmpty() || !failed.isEmpty(); }
};

TEST(WebBrowserTest, LoadsAndDrawsALocalPageGivenByPathOrFileUrl) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath("sayfa.html");
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><meta charset='utf-8'><title>Deneme</title></head>"
               "<body style='margin:0;background:#2050a0'>Şafak</body></html>");
    page.close();

    QWidget window;
    window.resize(200, 120);
    WebBrowser browser(&window);
    browser.setGeometry(0, 0, 200, 120);
    window.show();
    EXPECT_EQ(browser.LocationURL(), QString());

    LoadOutcome byPath(browser);
    browser.Navigate(path);
    ASSERT_TRUE(waitFor([&] { return byPath.done(); }));
    const QString fileUrl = QUrl::fromLocalFile(path).toString();
    EXPECT_EQ(byPath.completed, QStringList{fileUrl});
    EXPECT_TRUE(byPath.failed.isEmpty());
    EXPECT_EQ(browser.LocationURL(), fileUrl);

    // The page's own colour reaches the screen: the engine renders, not only loads.
    const QRgb pageColour = qRgb(0x20, 0x50, 0xa0);
    EXPECT_TRUE(waitFor([&] { return window.grab().toImage().pixel(150, 100) == pageColour; }));
}

TEST(WebBrowserTest, AMissingPageIsReportedAndTheControlCarriesOn) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    WebBrowser browser(nullptr);
    browser.resize(100, 60);
    LoadOutcome outcome(browser);
    const QString missing = QUrl::fromLocalFile(directory.filePath("yok.html")).toString();
    browser.Navigate(missing);
    ASSERT_TRUE(waitFor([&] { return outcome.done(); }));
    EXPECT_EQ(outcome.failed, QStringList{missing});
    EXPECT_TRUE(outcome.completed.isEmpty());
    EXPECT_EQ(browser.LocationURL(), missing);
}

TEST(WebBrowserTest, WithoutTheEngineNavigationFailsInsteadOfEndingTheProgram) {
    // The engine ends the process when it cannot find its helper; the control must not start it.
    qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
    WebBrowser browser(nullptr);
    LoadOutcome outcome(browser);
    browser.Navigate(QStringLiteral("file:///tmp/reklam.html"));
    EXPECT_TRUE(outcome.failed.isEmpty()) << "reported after the caller has returned";
    ASSERT_TRUE(waitFor([&] { return outcome.done(); }));
    EXPECT_EQ(outcome.failed, QStringList{"file:///tmp/reklam.html"});
    qunsetenv("QTWEBENGINEPROCESS_PATH");
}

} // namespace
} // namespace dorvak
