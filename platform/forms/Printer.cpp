#include "platform/forms/Printer.h"

#include "platform/forms/MessageBox.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace dorvak {

void DefaultPrinter::printPage(const QImage& page) {
    if (QPrinterInfo::defaultPrinter().isNull())
        throw std::runtime_error("Varsayılan yazıcı yok.");
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Yazıcı belgeyi kabul etmedi.");
    // The window at its size on screen (96 pixels per inch), shrunk only if it would not fit.
    // A window grabbed above 1× holds more pixels, not more size.
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF size = page.deviceIndependentSize();
    const double scale = std::min({printer.resolution() / 96.0, paper.width() / size.width(),
                                   paper.height() / size.height()});
    painter.scale(scale, scale);
    painter.drawImage(QPoint(0, 0), page);
    if (!painter.end())
        throw std::runtime_error("Belge yazıcıya gönderilemedi.");
}

Printer::Printer()
    : Printer(std::make_unique<DefaultPrinter>()) {}

Printer::Printer(std::unique_ptr<PrintDevice> device)
    : device_(std::move(device)) {}

void Printer::PrintForm(QWidget& window) {
    const QImage page = window.grab().toImage();
    try {
        device_->printPage(page);
    } catch (const std::exception& error) {
        MessageBox(QStringLiteral("Pencere yazdırılamadı: ") + QString::fromUtf8(error.what()));
    }
}

} // namespace dorvak
