#pragma once

#include <QImage>
#include <QString>
#include <memory>

namespace dorvak {

// A picture object. Controls hold it by shared pointer: assigning a picture shares it.
class Picture {
public:
    explicit Picture(QImage image);

    const QImage& image() const { return image_; }
    // Size in hundredths of a millimetre, as picture objects report it (96 pixels an inch).
    int widthHimetric() const;
    int heightHimetric() const;

private:
    QImage image_;
};

using PicturePtr = std::shared_ptr<const Picture>;

// nullptr for a null image.
PicturePtr pictureFromImage(const QImage& image);
// A BMP or JPEG file (or resource); nullptr when it cannot be read.
PicturePtr loadPicture(const QString& path);

} // namespace dorvak
