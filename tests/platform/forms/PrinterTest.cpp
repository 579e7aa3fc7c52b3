#include "FormsTestSupport.h"

#include "platform/forms/Form.h"
#include "platform/forms/Printer.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace dorvak {
namespace {

struct FakePrinter : PrintDevice {
    explicit FakePrinter(const char* failure = nullptr)
        : failure_(failure) {}
    void printPage(const QImage& page) override {
        if (failure_)
            throw std::runtime_error(failure_);
        pages.push_back(page);
    }
    std::vector<QImage> pages;

private:
    const char* failure_;
};

const char* const window = R"({"name":"Printed",
  "properties": {"ClientWidth": 1500, "ClientHeight": 900, "BackColor": "0x0000FF00"},
  "controls": [{"kind": "Label", "name": "Label1", "left": 0, "top": 0, "width": 600,
                "height": 300, "properties": {"Caption": "X", "BackStyle": 1,
                                              "BackColor": "0x000000FF"}}]})";

TEST(PrinterTest, PrintsTheClientAreaWithItsControls) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    auto device = std::make_unique<FakePrinter>();
    const FakePrinter& printer = *device;
    Printer printing(std::move(device));
    printing.PrintForm(form);

    ASSERT_EQ(printer.pages.size(), 1u);
    const QImage page = printer.pages.front().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(page.size() / page.devicePixelRatio(), QSize(100, 60));
    EXPECT_EQ(page.pixel(page.width() - 1, page.height() - 1), qRgb(0, 255, 0)); // the window
    EXPECT_EQ(page.pixel(35, 15), qRgb(255, 0, 0));                              // the label
}

TEST(PrinterTest, AFailureIsReportedAndTheWindowStaysAsItWas) {
    ApplicationFixture fixture;
    Form form(parseFormDesign(window));
    form.Show();
    const QImage before = form.grab().toImage();
    const QRect geometry = form.geometry();

    MessageBoxWatcher watcher;
    Printer(std::make_unique<FakePrinter>("Varsayılan yazıcı yok.")).PrintForm(form);

    EXPECT_EQ(watcher.seen, 1);
    EXPECT_EQ(watcher.text, QStringLiteral("Pencere yazdırılamadı: Varsayılan yazıcı yok."));
    EXPECT_EQ(watcher.title, fixture.application.title());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), geometry);
    EXPECT_EQ(form.grab().toImage(), before);
}

} // namespace
} // namespace dorvak
