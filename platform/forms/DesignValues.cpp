#include "platform/forms/DesignValues.h"

#include "platform/forms/DesignFonts.h"
#include "platform/runtime/RuntimeError.h"

#include <QJsonObject>

namespace dorvak {
namespace {

constexpr const char* pictureSourceKey = "dorvak-source";
// Turkish: the character set all of the program's fonts are saved with.
constexpr int turkishCharset = 162;

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

QImage pictureFromJson(const QJsonValue& value) {
    const QString file = value.toString();
    return file.isEmpty() ? QImage() : loadAssetPicture(file);
}

QJsonValue pictureToJson(const QImage& picture) {
    const QString file = picture.text(QLatin1String(pictureSourceKey));
    return file.isEmpty() ? QJsonValue() : QJsonValue(file);
}

} // namespace dorvak
