// The Button's properties: the setter protocol, the colour sets of styles and themes, the
// defaults of a new button, and saving to and restoring from the host's property bag.
#include "platform/forms/DesignValues.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/controls/button/ButtonTesting.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

using Names = std::vector<std::string>;

constexpr OleColor buttonFace = 0x8000000F;

TEST(ButtonProperties, SettersStoreNotifyByNameAndRepaint) {
    ButtonHost host;
    Button& b = *host.button;
    b.setButtonStyle(0);
    host.changes.clear();

    b.setBackColor(0x0000FF);
    EXPECT_EQ(b.BackColor(), 0x0000FFu);
    EXPECT_EQ(host.pixel(40, 3), 0x0000FFu) << "the face was repainted in the new colour";
    b.setCaption(QStringLiteral("Tamam"));
    b.setButtonShape(1);
    b.setButtonStyleColors(42); // stored as given, matches no background mode
    b.setCaptionEffect(3);
    b.setFocusRect(false);
    b.setEnabled(false);
    b.setFont(QFont(QStringLiteral("Tahoma"), 12));
    b.setMousePointer(2);
    EXPECT_EQ(host.changes,
              (Names{"BackColor", "Caption", "ButtonShape", "ButtonStyleColors", "CaptionEffect",
                     "FocusRect", "Enabled", "Font", "MousePointer"}));
    EXPECT_EQ(b.Caption(), QStringLiteral("Tamam"));
    EXPECT_EQ(b.ButtonStyleColors(), 42);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.Font().pointSize(), 12);
    EXPECT_EQ(b.MousePointer(), 2);
    EXPECT_EQ(b.accessibleName(), QStringLiteral("Tamam"));

    // The pointer code is 16 bits: a larger one fails before anything is stored.
    host.changes.clear();
    EXPECT_THROW(b.setMousePointer(40000), RuntimeError);
    EXPECT_EQ(b.MousePointer(), 2);
    EXPECT_TRUE(host.changes.empty());
}

TEST(ButtonProperties, AStyleLoadsItsFaceColoursAndNarrowsTheBackground) {
    ButtonHost host;
    Button& b = *host.button;
    const auto face = [&b] {
        return std::vector<OleColor>{b.BackColor(), b.BackColorHover(), b.BackColorPressed()};
    };
    host.changes.clear();
    b.setButtonStyle(5);
    EXPECT_EQ(face(), (std::vector<OleColor>{buttonFace, 0xB6A59F, 0xAF8C80}));
    EXPECT_EQ(host.changes, Names{"ButtonStyle"}) << "the loaded colours are not notified";
    b.setButtonStyle(7);
    EXPECT_EQ(face(), (std::vector<OleColor>{0xD8D8D8, 0xF7DBA5, 0xEFCE92}));
    b.setButtonStyle(8);
    EXPECT_EQ(face(), (std::vector<OleColor>{0x80000001, 0x80000001, 0x80000001}));

    b.setBackColor(0x123456);
    for (int style : {0, 9, -3}) {
        b.setButtonStyle(style);
        EXPECT_EQ(b.ButtonStyle(), style);
        EXPECT_EQ(b.BackColor(), 0x123456u) << "style " << style << " loads nothing";
    }

    b.setButtonStyleColors(2);
    b.setButtonStyle(4);
    EXPECT_EQ(b.ButtonStyleColors(), 1);
    EXPECT_EQ(face(), (std::vector<OleColor>{buttonFace, buttonFace, 0x999999}));
    b.setButtonStyleColors(7);
    b.setButtonStyle(6);
    EXPECT_EQ(b.ButtonStyleColors(), 3);
    EXPECT_EQ(face(), (std::vector<OleColor>{0xD2DEDD, 0xFFFFFF, 0xFFFFFF}));
    b.setButtonStyleColors(0);
    b.setButtonStyle(6);
    EXPECT_EQ(b.ButtonStyleColors(), 0) << "a transparent face stays transparent";
    b.setButtonStyle(4);
    EXPECT_EQ(b.ButtonStyleColors(), 0);
}

TEST(ButtonProperties, AThemeSetsOneBorderColourThatOnlyStyleZeroKeeps) {
    ButtonHost host;
    Button& b = *host.button;
    const auto borders = [&b] {
        return std::vector<OleColor>{b.BorderColor(), b.BorderColorHover(), b.BorderColorPressed()};
    };
    b.setButtonStyle(0);
    b.setButtonTheme(6);
    EXPECT_EQ(borders(), (std::vector<OleColor>{0x0000FF, 0x0000FF, 0x0000FF}))
        << "pure red, not the theme's back colour";
    EXPECT_EQ(b.BackColor(), 0x26368Bu);
    EXPECT_EQ(b.BackColorHover(), 0x4763FFu);
    EXPECT_EQ(b.BackColorPressed(), 0x425CEEu);

    b.setButtonStyle(1); // keeps the face colours, the repaint replaces the borders
    b.setButtonTheme(6);
    EXPECT_EQ(borders(), (std::vector<OleColor>{0x80000015, 0x80000015, 0x80000014}));
    EXPECT_EQ(b.BackColor(), 0x26368Bu);

    b.setButtonTheme(9);
    EXPECT_EQ(b.ButtonTheme(), 9);
    EXPECT_EQ(b.BackColor(), 0x26368Bu) << "an unknown theme loads nothing";
}

TEST(ButtonProperties, ANewButtonGetsItsDefaultsAndItsFirstPaintSetsTheBorders) {
    ButtonHost host;
    Button& b = *host.button;
    EXPECT_EQ(b.Width(), 1200);
    EXPECT_EQ(b.height(), 33);
    EXPECT_EQ(b.ButtonStyle(), 1);
    EXPECT_EQ(b.ButtonStyleColors(), 1);
    EXPECT_EQ(b.CaptionAlignment(), 2);
    EXPECT_EQ(b.PictureAlignment(), 2);
    EXPECT_EQ(b.BackColor(), buttonFace);
    EXPECT_EQ(b.ForeColorPressed(), 0x0000FFu);
    EXPECT_EQ(b.ForeColorHover(), 0xFF0000u);
    EXPECT_EQ(b.EffectColor(), 0xFFFFFFu);
    EXPECT_EQ(b.Caption(), QStringLiteral("Button1")) << "named by its host";
    EXPECT_TRUE(b.FocusRect());
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(host.changes.empty()) << "placing a button runs no setter";

    // Never set, yet painted over by style 1, and therefore saved.
    EXPECT_EQ(b.BorderColor(), 0x80000015u);
    EXPECT_EQ(b.BorderColorHover(), 0x80000015u);
    EXPECT_EQ(b.BorderColorPressed(), 0x80000014u);
    EXPECT_EQ(b.saveProperties().contents(),
              (QJsonObject{{"_extentx", 2117},
                           {"_extenty", 873},
                           {"bordercolor", qint64(0x80000015)},
                           {"bordercolorhover", qint64(0x80000015)},
                           {"bordercolorpressed", qint64(0x80000014)},
                           {"caption", "Button1"},
                           {"font", fontToJson(b.Font())}}));
}

TEST(ButtonProperties, SavedPropertiesComeBackUnchangedWithoutRunningSetters) {
    QJsonObject saved;
    {
        ButtonHost host;
        Button& b = *host.button;
        b.setButtonStyle(5);
        b.setBackColor(0x0080FF);
        b.setBackColorHover(0x00FF80);
        b.setBackColorPressed(0x8000FF);
        b.setButtonShape(3);
        b.setButtonType(1);
        b.setCaptionAlignment(0);
        b.setCaptionStyle(2);
        b.setDropDown(2);
        b.setPictureAlignment(4);
        b.setForeColor(0x112233);
        b.setEffectColor(0x445566);
        b.setCaption(QStringLiteral("Çıkış"));
        b.setFocusRect(false);
        b.setValue(true);
        b.setHandPointer(true);
        b.setPictureGray(true);
        b.setEnabled(false);
        b.setMousePointer(99);
        saved = b.saveProperties().contents();
    }
    EXPECT_EQ(saved.value("buttonstyle"), 5);
    EXPECT_EQ(saved.value("backcolor"), 0x0080FF);

    ButtonHost host(saved, QSize(80, 80)); // the size a diamond was squared to
    const Button& b = *host.button;
    EXPECT_EQ(host.changes, (Names{"Font", "MouseIcon"})) << "only Font and MouseIcon use setters";
    EXPECT_EQ(b.ButtonStyle(), 5);
    EXPECT_EQ(b.BackColor(), 0x0080FFu) << "the style's colour set is not loaded";
    EXPECT_EQ(b.BackColorHover(), 0x00FF80u);
    EXPECT_EQ(b.BackColorPressed(), 0x8000FFu);
    EXPECT_EQ(b.ButtonShape(), 3);
    EXPECT_EQ(b.ButtonType(), 1);
    EXPECT_EQ(b.CaptionAlignment(), 0);
    EXPECT_EQ(b.CaptionStyle(), 2);
    EXPECT_EQ(b.DropDown(), 2);
    EXPECT_EQ(b.PictureAlignment(), 4);
    EXPECT_EQ(b.ForeColor(), 0x112233u);
    EXPECT_EQ(b.EffectColor(), 0x445566u);
    EXPECT_EQ(b.Caption(), QStringLiteral("Çıkış"));
    EXPECT_FALSE(b.FocusRect());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(b.HandPointer());
    EXPECT_TRUE(b.PictureGray());
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(host.button->saveProperties().contents(), saved);
}

// Restores straight from a bag, so that an error in it reaches the test, not a message box.
class RestoredButton : public Button {
public:
    using Button::Button;
    using Button::UserControl_ReadProperties;
};

TEST(ButtonProperties, PicturesFromOutsideTheProgramsFilesComeBackWithTheirPixels) {
    QImage face(6, 4, QImage::Format_RGB32);
    QImage pointer(16, 16, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            face.setPixel(x % 6, y % 4, qRgb(x * 40, y * 60, 255 - x * 30));
            pointer.setPixel(x, y, qPremultiply(qRgba(x * 16, 255 - y * 16, 90, x * y)));
        }
    QJsonObject saved;
    {
        ButtonHost host;
        host.button->setPicture(pictureFromImage(face));
        host.button->setMouseIcon(pointer);
        saved = host.button->saveProperties().contents();
    }
    EXPECT_TRUE(saved.value("picture").isObject());
    EXPECT_TRUE(saved.value("mouseicon").isObject());

    // Through the text of a saved design, at the size a new button has.
    ButtonHost host(QJsonDocument::fromJson(QJsonDocument(saved).toJson()).object(), {80, 33});
    ASSERT_NE(host.button->Picture(), nullptr);
    EXPECT_EQ(host.button->Picture()->image(), face);
    EXPECT_EQ(host.button->MouseIcon().convertToFormat(QImage::Format_ARGB32),
              pointer.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(host.button->saveProperties().contents(), saved);

    // A saved picture that cannot be read ends the restore with an invalid call: what was read
    // before it stays, nothing after it is read.
    RestoredButton b(ControlSite{nullptr, &host.window, QStringLiteral("Button2"), -1});
    PropertyBag corrupt(QJsonObject{
        {"caption", "Tamam"}, {"picture", QJsonObject{{"PNG", "kırık"}}}, {"picturegray", true}});
    EXPECT_EQ(errorOf([&] { b.UserControl_ReadProperties(corrupt); }), ErrorCode::InvalidCall);
    EXPECT_EQ(b.Caption(), QStringLiteral("Tamam"));
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_FALSE(b.PictureGray());
}

TEST(ButtonProperties, TheProgramsOwnButtonsRestoreFromTheirSavedDesigns) {
    struct Expected {
        const char* name;
        int theme;
        OleColor back, pressed, hover;
        const char* caption;
    };
    const std::vector<Expected> form1{
        {"Button2", 5, 0x02C5F5, 0xAFEFFE, 0xE2F9FF, "Çıkış"},
        {"Button1", 8, 0x8B4027, 0xCD5F3A, 0xFF7648, "Hakkında"},
        {"Command2", 6, 0x26368B, 0x425CEE, 0x4763FF, "Yazdır"},
        {"Command1", 5, 0x02C5F5, 0xAFEFFE, 0xE2F9FF, "Şafak Hesapla"},
    };
    const std::vector<SavedButton> saved = savedButtons("Form1");
    ASSERT_EQ(saved.size(), form1.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const Expected& expected = form1[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(saved[i].name, QLatin1String(expected.name));
        ButtonHost host(saved[i].bag, QSize(int(saved[i].width / 15), int(saved[i].height / 15)));
        const Button& b = *host.button;
        EXPECT_EQ(b.ButtonStyle(), 6);
        EXPECT_EQ(b.ButtonStyleColors(), 3);
        EXPECT_EQ(b.ButtonTheme(), expected.theme);
        EXPECT_EQ(b.CaptionEffect(), 3);
        EXPECT_EQ(b.BackColor(), expected.back);
        EXPECT_EQ(b.BackColorPressed(), expected.pressed);
        EXPECT_EQ(b.BackColorHover(), expected.hover);
        EXPECT_EQ(b.Caption(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(b.Font().family(), QStringLiteral("Tahoma"));
        EXPECT_DOUBLE_EQ(b.Font().pointSizeF(), 8.25);
        EXPECT_FALSE(b.Font().bold());
        EXPECT_EQ(b.ButtonShape(), 0);
        EXPECT_EQ(b.CaptionAlignment(), 2);
        EXPECT_TRUE(b.FocusRect());

        // Saved again, it writes what its design holds.
        QJsonObject again = host.button->saveProperties().contents();
        QJsonObject original = saved[i].bag;
        EXPECT_EQ(fontFromJson(again.take("font")), fontFromJson(original.take("font")));
        EXPECT_EQ(again, original);
    }

    const std::vector<SavedButton> about = savedButtons("Form2");
    ASSERT_EQ(about.size(), 1u);
    ButtonHost host(about[0].bag, QSize(25, 25));
    const Button& x = *host.button;
    EXPECT_EQ(x.Caption(), QStringLiteral("X"));
    EXPECT_EQ(x.ButtonStyle(), 8);
    EXPECT_EQ(x.ButtonStyleColors(), 1);
    EXPECT_EQ(x.BorderColor(), 0x02C5F5u);
    EXPECT_EQ(x.BorderColorHover(), 0xE2F9FFu);
}

} // namespace
} // namespace dorvak
