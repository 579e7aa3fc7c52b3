#include "platform/gdi/Surface.h"

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/SpanRegion.h"
#include "platform/gdi/Text.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace dorvak {

namespace {

HandleTable<HDC, Surface*>& deviceContexts() {
    static HandleTable<HDC, Surface*> table(deviceContextHandles);
    return table;
}

double twipsPerUnit(ScaleMode unit) {
    switch (unit) {
    case ScaleMode::Twips:
        return 1.0;
    case ScaleMode::Points:
        return 20.0;
    case ScaleMode::Pixels:
        return twipsPerPixel;
    case ScaleMode::Inches:
        return 1440.0;
    case ScaleMode::Millimeters:
        return 1440.0 / 25.4;
    case ScaleMode::Centimeters:
        return 1440.0 / 2.54;
    case ScaleMode::Himetric:
        return 1440.0 / 2540.0;
    }
    return 1.0;
}

QImage blankImage(int width, int height, int scale = 1) {
    QImage image(std::max(width, 0) * scale, std::max(height, 0) * scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(surfaceDotsPerMeter);
    image.setDotsPerMeterY(surfaceDotsPerMeter);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

Surface* surfaceFromHdc(HDC hdc) {
    Surface** surface = deviceContexts().find(hdc);
    // A surface leaves the table when it dies, so each entry is a live one under its own hdc.
    Q_ASSERT(!surface || (*surface && (*surface)->hdc() == hdc));
    return surface ? *surface : nullptr;
}

Surface::Surface(int width, int height)
    : image_(blankImage(width, height))
    , textFont_(designTextFont(font_, 1.0))
    , penPixel_(pixelFromPlain(translateColor(foreColor_)))
    , hdc_(deviceContexts().add(this)) {
    cls();
}

Surface::~Surface() {
    deviceContexts().remove(hdc_);
}

const InkedLine& Surface::inkedLine(std::string_view bytes) {
    if (!inkedLine_ || !inkedLine_->isFor(bytes, textFont_, deviceScale_)) {
        // Laid out at 1× at the surface's logical resolution, also before it has any pixels,
        // so that every scale places text as 1× does.
        QImage reference = image_.isNull() || deviceScale_ != 1 ? blankImage(1, 1) : QImage();
        inkedLine_ = std::make_unique<InkedLine>(std::string(bytes), textFont_,
                                                 reference.isNull() ? &image_ : &reference,
                                                 deviceScale_, designTextFont(font_, deviceScale_));
    }
    return *inkedLine_;
}

void Surface::setFont(const QFont& font) {
    font_ = font;
    textFont_ = designTextFont(font, 1.0);
}

void Surface::resize(int width, int height) {
    if (width == this->width() && height == this->height())
        return;
    replaceImage(blankImage(width, height, deviceScale_));
}

void Surface::setDeviceScale(int scale) {
    Q_ASSERT(scale >= 1);
    if (scale == deviceScale_)
        return;
    QImage blank = blankImage(width(), height(), scale);
    deviceScale_ = scale;
    replaceImage(std::move(blank));
}

void Surface::replaceImage(QImage blank) {
    const QImage previous = image_;
    image_ = std::move(blank);
    maskChanged();
    cls();
    if (image_.isNull() || previous.isNull())
        return;
    QPainter painter(&image_);
    painter.drawImage(0, 0, previous);
}

double Surface::scaleWidth() const {
    return scaleX(width(), ScaleMode::Pixels, scaleMode_);
}

double Surface::scaleHeight() const {
    return scaleY(height(), ScaleMode::Pixels, scaleMode_);
}

double Surface::scaleX(double value, ScaleMode from, ScaleMode to) {
    return value * twipsPerUnit(from) / twipsPerUnit(to);
}

int Surface::toPixels(double value) const {
    // Ties to even, as the runtime rounds coordinates.
    return int(std::nearbyint(scaleX(value, scaleMode_, ScaleMode::Pixels)));
}

void Surface::setBackColor(OleColor color) {
    translateColor(color);
    backColor_ = color;
    cls();
}

void Surface::setForeColor(OleColor color) {
    penPixel_ = pixelFromPlain(translateColor(color));
    foreColor_ = color;
}

void Surface::setBackStyle(BackStyle style) {
    if (style != backStyle_)
        maskChanged();
    backStyle_ = style;
}

void Surface::setMaskColor(OleColor color) {
    translateColor(color);
    if (color != maskColor_)
        maskChanged();
    maskColor_ = color;
}

void Surface::setMaskPicture(const QImage& mask) {
    maskPicture_ = mask;
    maskChanged();
}

void Surface::maskChanged() {
    visibleRegion_.reset();
    markChanged(rect());
}

void Surface::setPicture(const QImage& picture, const QImage& sharper) {
    picture_ = picture;
    sharperPicture_ = sharper;
    cls();
}

void Surface::cls() {
    // The mask picture may share the image; clearing needs none of the old pixels, so a
    // shared image is replaced rather than copied first.
    if (!image_.isNull() && !image_.isDetached())
        image_ = blankImage(width(), height(), deviceScale_);
    image_.fill(pixelFromPlain(translateColor(backColor_)));
    const QImage& picture =
        deviceScale_ > 1 && !sharperPicture_.isNull() ? sharperPicture_ : picture_;
    if (!picture.isNull() && !image_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture);
    }
    penPosition_ = QPoint();
    markChanged(rect());
}

void Surface::paintPicture(const QImage& picture, double x, double y) {
    if (image_.isNull() || picture.isNull())
        return;
    const QPoint at(toPixels(x), toPixels(y));
    QPainter painter(&image_);
    painter.drawImage(at, picture);
    markChanged(QRect(at, picture.deviceIndependentSize().toSize()));
}

void Surface::line(double x1, double y1, double x2, double y2, OleColor color) {
    const QPoint ends[] = {{toPixels(x1), toPixels(y1)}, {toPixels(x2), toPixels(y2)}};
    Raster(image_, pixelFromPlain(translateColor(color))).line(ends[0], ends[1]);
    markChanged(boundingRect(ends));
}

QRegion Surface::visibleRegion() const {
    if (!visibleRegion_)
        visibleRegion_ = computeVisibleRegion();
    return *visibleRegion_;
}

QRegion Surface::computeVisibleRegion() const {
    if (backStyle_ == Opaque)
        return QRegion(rect());
    if (maskPicture_.isNull())
        return {};
    const QImage mask = maskPicture_.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t seeThrough = pixelFromPlain(translateColor(maskColor_)) & 0xFFFFFFu;
    // A mask of device pixels is read on the logical grid, a block's top-left pixel for each.
    const int step = deviceScaleOf(mask);
    const int width = std::min(mask.width() / step, this->width());
    const int height = std::min(mask.height() / step, this->height());
    SpanRegion region;
    std::vector<std::pair<int, int>> spans;
    Q_ASSERT(mask.depth() == 32 && width * step <= mask.width() && height * step <= mask.height());
    const auto seen = [&](const std::uint32_t* row, int x) {
        return (row[x * step] & 0xFFFFFFu) != seeThrough;
    };
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(mask.constScanLine(y * step));
        spans.clear();
        for (int x = 0; x < width;) {
            if (!seen(row, x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && seen(row, x))
                ++x;
            spans.emplace_back(start, x - 1);
        }
        region.addRow(y, spans);
    }
    return region.region();
}

void Surface::refresh() {
    if (changed_.isEmpty())
        return;
    const QRegion changed(changed_);
    changed_ = QRect();
    if (refreshHandler_)
        refreshHandler_(changed);
}

} // namespace dorvak
