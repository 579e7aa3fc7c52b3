#include "platform/forms/PropertyBag.h"
#include "platform/forms/DesignValues.h"

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

} // namespace
} // namespace dorvak
