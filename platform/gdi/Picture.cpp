#include "platform/gdi/Picture.h"

#include <QImageReader>
#include <cmath>

namespace dorvak {

namespace {

int himetricFromPixels(int pixels) {
    return int(std::lround(pixels * 2540.0 / 96.0));
}

} // namespace

Picture::Picture(QImage image)
    : image_(std::move(image)) {}

int Picture::widthHimetric() const {
    return himetricFromPixels(image_.width());
}

int Picture::heightHimetric() const {
    return himetricFromPixels(image_.height());
}

PicturePtr pictureFromImage(const QImage& image) {
    if (image.isNull())
        return nullptr;
    return std::make_shared<const Picture>(image.convertToFormat(QImage::Format_RGB32));
}

PicturePtr loadPicture(const QString& path) {
    QImageReader reader(path);
    return pictureFromImage(reader.read());
}

} // namespace dorvak
