#include "platform/forms/PropertyBag.h"
#include "platform/forms/DesignValues.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(PropertyBagTest, ReadsKeysWithoutRegardToCaseAndFallsBackToTheDefault) {
    const PropertyBag bag(QJsonObject{{"buttonstyle", 6}, {"Caption", "Çıkış"}});
    EXPECT_EQ(bag.ReadProperty("ButtonStyle", 1).toInt(), 6);
    EXPECT_EQ(bag.ReadProperty("CAPTION", "Button").toString(), QStringLiteral("Çıkış"));
    EXPECT_EQ(bag.ReadProperty("ButtonTheme", 0).toInt(), 0);
    EXPECT_TRUE(bag.ReadProperty("Picture").isNull());
}

TEST(PropertyBagTest, WritesOnlyValuesThatDifferFromTheirDefaults) {
    PropertyBag bag;
    bag.WriteProperty("ButtonStyle", 1, 1);
    bag.WriteProperty("BackColor", double(0x8000000F), qint64(0x8000000F)); // same number
    bag.WriteProperty("ForeColorPressed", 0xFF, 255);
    bag.WriteProperty("Caption", "Yazdır", "Button");
    bag.WriteProperty("FocusRect", false, true);
    EXPECT_EQ(bag.contents(), (QJsonObject{{"caption", "Yazdır"}, {"focusrect", false}}));

    // Writing the default later removes an earlier value, so the saved form stays minimal.
    bag.WriteProperty("caption", "Button", "Button");
    EXPECT_FALSE(bag.contains("Caption"));
}

TEST(PropertyBagTest, SavedBooleansAndNumbersAreStrictUnlessAFallbackIsGiven) {
    // The runtime saves true as -1; any number but 0 is true.
    EXPECT_TRUE(boolFromJson(QJsonValue(-1)));
    EXPECT_TRUE(boolFromJson(QJsonValue(0.5)));
    EXPECT_FALSE(boolFromJson(QJsonValue(0)));
    EXPECT_TRUE(boolFromJson(QJsonValue(true)));
    EXPECT_EQ(numberFromJson(QJsonValue(-2.5)), -2.5);
    for (const QJsonValue& other : {QJsonValue(), QJsonValue("-1"), QJsonValue(QJsonArray{1})}) {
        EXPECT_EQ(errorOf([&] { boolFromJson(other); }), ErrorCode::TypeMismatch);
        EXPECT_EQ(errorOf([&] { numberFromJson(other); }), ErrorCode::TypeMismatch);
        EXPECT_TRUE(boolFromJson(other, true));
        EXPECT_EQ(numberFromJson(other, 7), 7);
    }
    // A fallback never overrides a value of the right type.
    EXPECT_FALSE(boolFromJson(QJsonValue(false), true));
    EXPECT_EQ(numberFromJson(QJsonValue(0), 7), 0);
}

TEST(PropertyBagTest, FontsColoursAndPicturesSurviveTheBag) {
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    tahoma.setBold(true);
    PropertyBag bag;
    bag.WriteProperty("Font", fontToJson(tahoma), fontToJson(QFont()));
    const QFont restored = fontFromJson(PropertyBag(bag.contents()).ReadProperty("font"));
    EXPECT_EQ(restored.family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(restored.pointSizeF(), 8.25);
    EXPECT_TRUE(restored.bold());
    EXPECT_FALSE(restored.italic());

    // A saved font object as design files hold it, without the members it does not need.
    const QFont saved = fontFromJson(
        QJsonObject{{"Name", "MS Sans Serif"}, {"Size", 8.25}, {"Bold", true}, {"Charset", 162}});
    EXPECT_EQ(saved.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(saved.bold());

    EXPECT_EQ(colorFromJson(QJsonValue("0x8000000F")), 0x8000000Fu);
    EXPECT_EQ(colorFromJson(QJsonValue(181749)), 181749u);
    EXPECT_EQ(colorToJson(0x0080C0FF), QJsonValue("0x0080C0FF"));
    EXPECT_EQ(colorFromJson(colorToJson(0x80000012)), 0x80000012u);

    EXPECT_TRUE(pictureFromJson(QJsonValue()).isNull());
    EXPECT_TRUE(pictureToJson(QImage()).isNull());
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QJsonValue savedPng(const QByteArray& bytes) {
    return QJsonObject{{"PNG", QString::fromLatin1(bytes.toBase64())}};
}

TEST(PropertyBagTest, APictureFromOutsideTheProgramsFilesIsSavedAsItsPixels) {
    // Every pixel different, one fully transparent: a lossy or premultiplying encoding shows.
    QImage picture(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgba(x * 60, y * 100 + 7, 255 - x * 50, x * 60));
    PropertyBag bag;
    bag.WriteProperty("Picture", pictureToJson(picture));
    const QJsonValue saved = bag.contents().value("picture");
    ASSERT_TRUE(saved.isObject());
    EXPECT_EQ(saved.toObject().keys(), QStringList{"PNG"});
    EXPECT_TRUE(saved.toObject().value("PNG").toString().startsWith("iVBORw0KGgo")) << "base64";

    // Through the text of a saved design and back.
    const QByteArray design = QJsonDocument(bag.contents()).toJson();
    const QImage restored = pictureFromJson(
        PropertyBag(QJsonDocument::fromJson(design).object()).ReadProperty("Picture"));
    EXPECT_EQ(restored.convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_EQ(pictureToJson(restored), saved) << "saved again, it is saved the same";

    // A saved picture whose text claims it is one of the program's files is still saved whole,
    // not by that name.
    picture.setText("dorvak-source", "dorvak.png");
    const QJsonValue again = pictureToJson(pictureFromJson(savedPng(encoded(picture, "PNG"))));
    ASSERT_TRUE(again.isObject());
    EXPECT_EQ(pictureFromJson(again).convertToFormat(QImage::Format_ARGB32), picture);
}

TEST(PropertyBagTest, ASavedPictureThatIsNoModestPngIsAnInvalidCall) {
    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noise.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x ^ y) * 13 % 256));
    const QByteArray png = encoded(noise, "PNG");
    for (const QJsonValue& corrupt :
         {savedPng(png.left(png.size() / 2)), savedPng(encoded(noise, "JPEG")),
          savedPng(encoded(noise, "BMP")), savedPng({}),
          QJsonValue(QJsonObject{{"PNG", QString::fromLatin1(png.toBase64().insert(40, "!"))}}),
          QJsonValue(QJsonObject{{"PNG", 42}}),
          QJsonValue(QJsonObject{{"png", QString::fromLatin1(png.toBase64())}})}) {
        EXPECT_EQ(errorOf([&] { pictureFromJson(corrupt); }), ErrorCode::InvalidCall)
            << QJsonDocument(QJsonArray{corrupt}).toJson().left(80).toStdString();
    }

    // One pixel over the limit: refused when saved and, saved anyway, when read.
    QImage large(2049, 2048, QImage::Format_Mono);
    large.fill(0);
    EXPECT_EQ(errorOf([&] { pictureToJson(large); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([&] { pictureFromJson(savedPng(encoded(large, "PNG"))); }),
              ErrorCode::InvalidCall);
    EXPECT_EQ(pictureFromJson(savedPng(encoded(large.copy(0, 0, 2048, 2048), "PNG"))).size(),
              QSize(2048, 2048));

    // Values of other types are no picture, as before pictures could be saved whole.
    for (const QJsonValue& other : {QJsonValue(0), QJsonValue(true), QJsonValue(QJsonArray{1})})
        EXPECT_TRUE(pictureFromJson(other).isNull());
}

} // namespace
} // namespace dorvak
