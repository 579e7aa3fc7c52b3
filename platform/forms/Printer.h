#pragma once

#include <QImage>
#include <QString>
#include <memory>

class QWidget;

namespace dorvak {

// Where printed pages go: the default printer, or a stand-in in tests.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // Prints one page holding the image and ends the document. Raises std::runtime_error,
    // saying why, when there is no printer or printing fails.
    virtual void printPage(const QImage& page) = 0;
};

// The desktop's default printer, through Qt PrintSupport (CUPS).
class DefaultPrinter : public PrintDevice {
public:
    void printPage(const QImage& page) override;
};

// Prints windows. A failure is reported to the user in a message box and the window stays
// as it was.
class Printer {
public:
    Printer();
    explicit Printer(std::unique_ptr<PrintDevice> device);

    void setDevice(std::unique_ptr<PrintDevice> device) { device_ = std::move(device); }

    // An image of the window's client area with its controls, on one page.
    void PrintForm(QWidget& window);

private:
    std::unique_ptr<PrintDevice> device_;
};

} // namespace dorvak
