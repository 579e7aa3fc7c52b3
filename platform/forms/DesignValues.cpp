#include "platform/forms/DesignValues.h"

#include "platform/forms/DesignFonts.h"
#include "platform/runtime/RuntimeError.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonObject>

namespace dorvak {
namespace {

constexpr const char* pictureSourceKey = "dorvak-source";
constexpr const char* pngMember = "PNG";
// Turkish: the character set all of the program's fonts are saved with.
constexpr int turkishCharset = 162;

void checkSavedPictureSize(QSize size) {
    if (qint64(size.width()) * size.height() > maxSavedPicturePixels)
        throw RuntimeError(ErrorCode::InvalidCall,
                           "saved picture too large: " + std::to_string(size.width()) + " x " +
                               std::to_string(size.height()));
}

QJsonValue pngToJson(const QImage& picture) {
    checkSavedPictureSize(picture.size());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw RuntimeError(ErrorCode::InvalidCall, "picture cannot be saved as PNG");
    return QJsonObject{{QLatin1String(pngMember), QString::fromLatin1(png.toBase64())}};
}

// The size is checked from the PNG header before any pixel is decoded.
QImage pictureFromPng(const QJsonObject& saved) {
    const auto png =
        QByteArray::fromBase64Encoding(saved.value(QLatin1String(pngMember)).toString().toLatin1(),
                                       QByteArray::AbortOnBase64DecodingErrors);
    QBuffer buffer;
    buffer.setData(png.decoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    QImage picture;
    if (const QSize size = png ? reader.size() : QSize(); size.isValid()) {
        checkSavedPictureSize(size);
        picture = reader.read();
    }
    if (picture.isNull())
        throw RuntimeError(ErrorCode::InvalidCall, "saved picture is not a PNG image");
    // Only a picture loaded from the program's files may claim to be one of them.
    if (!picture.text(QLatin1String(pictureSourceKey)).isEmpty())
        picture.setText(QLatin1String(pictureSourceKey), QString());
    return picture;
}

} // namespace

OleColor colorFromJson(const QJsonValue& value) {
    if (value.isDouble())
        return static_cast<OleColor>(value.toInteger());
    bool ok = false;
    const QString text = value.toString();
    const OleColor color = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                               ? text.mid(2).toUInt(&ok, 16)
                               : text.toUInt(&ok, 10);
    if (!ok)
        throw RuntimeError(ErrorCode::TypeMismatch, "not a colour: " + text.toStdString());
    return color;
}

QJsonValue colorToJson(OleColor color) {
    return QLatin1String("0x") + QString::number(color, 16).toUpper().rightJustified(8, u'0');
}

bool boolFromJson(const QJsonValue& value) {
    if (!value.isBool() && !value.isDouble())
        throw RuntimeError(ErrorCode::TypeMismatch, "not a Boolean");
    return boolFromJson(value, false);
}

bool boolFromJson(const QJsonValue& value, bool otherwise) {
    if (value.isBool())
        return value.toBool();
    return value.isDouble() ? value.toDouble() != 0 : otherwise;
}

double numberFromJson(const QJsonValue& value) {
    if (!value.isDouble())
        throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
    return value.toDouble();
}

double numberFromJson(const QJsonValue& value, double otherwise) {
    return value.isDouble() ? value.toDouble() : otherwise;
}

QColor qColorFromOle(OleColor color) {
    const OleColor plain = translateColor(color);
    return QColor(int(plain & 0xFF), int(plain >> 8 & 0xFF), int(plain >> 16 & 0xFF));
}

QFont fontFromJson(const QJsonValue& value, const QFont& base) {
    const QJsonObject object = value.toObject();
    QFont font = base;
    if (object.contains(QLatin1String("Name")))
        font.setFamily(object.value(QLatin1String("Name")).toString());
    if (object.contains(QLatin1String("Size")))
        font.setPointSizeF(object.value(QLatin1String("Size")).toDouble());
    font.setBold(object.value(QLatin1String("Bold")).toBool(base.bold()));
    font.setItalic(object.value(QLatin1String("Italic")).toBool(base.italic()));
    font.setUnderline(object.value(QLatin1String("Underline")).toBool(base.underline()));
    font.setStrikeOut(object.value(QLatin1String("Strikethrough")).toBool(base.strikeOut()));
    return withDesignMetrics(font);
}

QJsonValue fontToJson(const QFont& font) {
    return QJsonObject{{QLatin1String("Name"), font.family()},
                       {QLatin1String("Size"), font.pointSizeF()},
                       {QLatin1String("Bold"), font.bold()},
                       {QLatin1String("Italic"), font.italic()},
                       {QLatin1String("Underline"), font.underline()},
                       {QLatin1String("Strikethrough"), font.strikeOut()},
                       {QLatin1String("Charset"), turkishCharset}};
}

QImage loadAssetPicture(const QString& file) {
    QImage picture(QStringLiteral(":/assets/") + file);
    if (picture.isNull())
        throw RuntimeError(ErrorCode::InvalidCall, "no picture: " + file.toStdString());
    picture.setText(QLatin1String(pictureSourceKey), file);
    return picture;
}

QImage sharperPicture(const QImage& picture, qreal devicePixelRatio) {
    const QString file = picture.text(QLatin1String(pictureSourceKey));
    if (devicePixelRatio <= 1.0 || file.isEmpty())
        return picture;
    const QFileInfo name(file);
    QImage sharper(QStringLiteral(":/assets/%1@2x.%2").arg(name.completeBaseName(), name.suffix()));
    if (sharper.isNull())
        return picture;
    sharper.setDevicePixelRatio(2);
    return sharper;
}

QImage pictureFromJson(const QJsonValue& value) {
    if (value.isObject())
        return pictureFromPng(value.toObject());
    const QString file = value.toString();
    return file.isEmpty() ? QImage() : loadAssetPicture(file);
}

QJsonValue pictureToJson(const QImage& picture) {
    if (picture.isNull())
        return QJsonValue();
    const QString file = picture.text(QLatin1String(pictureSourceKey));
    return file.isEmpty() ? pngToJson(picture) : QJsonValue(file);
}

} // namespace dorvak
