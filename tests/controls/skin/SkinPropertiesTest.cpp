// The skin's colour schemes, saved properties, public members and layout.
#include "SkinTestSupport.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PropertyBag.h"
#include "platform/runtime/RuntimeError.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

constexpr OleColor black = 0x000000;
constexpr OleColor white = 0xFFFFFF;

TEST(SkinColourScheme, StylesZeroAndOneHaveTheirColoursAndOthersNone) {
    const auto light = colourSchemeOfStyle(0);
    const auto dark = colourSchemeOfStyle(1);
    ASSERT_TRUE(light && dark);
    // Written #RRGGBB in the scheme, held as 0x00BBGGRR.
    EXPECT_EQ(light->FrameColour, 0xEAD1B9u);
    EXPECT_EQ(light->GradientTopColour, 0xD0B498u);
    EXPECT_EQ(light->CaptionColour, black);
    EXPECT_EQ(dark->FrameColour, 0x322624u);
    EXPECT_EQ(dark->CaptionColour, white);
    EXPECT_EQ(dark->ButtonRowsNormal[0], 0x433E35u);
    // The tables shared by both schemes, and the repeated middle rows (the dark scheme's
    // normal rows are the one table without).
    EXPECT_EQ(light->CloseRowsHover, dark->CloseRowsHover);
    EXPECT_NE(light->ButtonRowsNormal, dark->ButtonRowsNormal);
    for (const RowTable* rows :
         {&light->ButtonRowsNormal, &light->ButtonRowsHover, &light->ButtonRowsPressed,
          &light->CloseRowsNormal, &light->CloseRowsHover, &light->CloseRowsPressed})
        EXPECT_EQ((*rows)[3], (*rows)[4]);
    EXPECT_FALSE(colourSchemeOfStyle(2));
    EXPECT_FALSE(colourSchemeOfStyle(-1));
}

TEST(SkinProperties, LoadingEndsWithTheSchemeOfTheStoredStyleWhateverForeColorSays) {
    // No "Style": the first pass applies Style 1, the second ends with Style 0.
    QJsonObject bag = SkinHost::savedBag();
    bag["forecolor"] = "0x000000FF";
    {
        SkinHost host(bag);
        EXPECT_EQ(host.skin().Style(), 0);
        EXPECT_EQ(host.skin().colours().FrameColour, colourSchemeOfStyle(0)->FrameColour);
        EXPECT_EQ(host.skin().captionColour(), black);
        EXPECT_EQ(host.skin().ForeColor(), black);
        EXPECT_EQ(host.skin().Caption(), QString::fromUtf8(" Dorvak Programı - Velto Yazılım"));
        EXPECT_EQ(host.skin().Font().family(), "Tahoma");
        EXPECT_TRUE(host.skin().Font().bold());
        EXPECT_FALSE(host.skin().ShowMaximiseButton());
        EXPECT_TRUE(host.skin().ShowMinimiseButton());
        EXPECT_EQ(host.form().BorderStyle(), Form::BorderNone);

        // A later fore colour lasts until the next Style change.
        host.skin().setForeColor(0x0000FF);
        EXPECT_EQ(host.skin().ForeColor(), 0x0000FFu);
        host.skin().setStyle(0);
        EXPECT_EQ(host.skin().ForeColor(), black);
    }
    bag["style"] = 1;
    SkinHost dark(bag);
    EXPECT_EQ(dark.skin().Style(), 1);
    EXPECT_EQ(dark.skin().colours().FrameColour, colourSchemeOfStyle(1)->FrameColour);
    EXPECT_EQ(dark.skin().ForeColor(), white);
}

TEST(SkinProperties, AStyleWithoutSchemeIsKeptButLeavesTheColours) {
    SkinHost host;
    host.skin().setStyle(1);
    QSignalSpy changed(&host.skin(), &UserControl::propertyChanged);
    host.skin().setStyle(2);
    EXPECT_EQ(host.skin().Style(), 2);
    EXPECT_EQ(host.skin().colours().FrameColour, colourSchemeOfStyle(1)->FrameColour);
    EXPECT_EQ(host.skin().ForeColor(), white);
    // The Style setter reports the caption colour as what changed.
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().toString(), "ForeColor");

    PropertyBag saved = host.skin().saveProperties();
    EXPECT_EQ(saved.ReadProperty("Style").toInt(), 2);
}

TEST(SkinProperties, SavingWritesOnlyWhatDiffersFromTheDefaults) {
    SkinHost host;
    const QJsonObject saved = host.skin().saveProperties().contents();
    const QJsonObject expected = SkinHost::savedBag();
    EXPECT_EQ(saved.keys(), expected.keys());
    for (const char* key : {"_extentx", "_extenty", "caption", "showmaximisebutton"})
        EXPECT_EQ(saved[key], expected[key]) << key;
    EXPECT_EQ(saved["font"]["Name"], "Tahoma");

    host.skin().setTransparencyLevel("40");
    host.skin().setShowCloseButton(false);
    const PropertyBag changed = host.skin().saveProperties();
    EXPECT_EQ(changed.ReadProperty("TransparencyLevel").toInt(), 40);
    EXPECT_FALSE(changed.ReadProperty("ShowCloseButton").toBool(true));
    EXPECT_FALSE(changed.contains("Transparency"));
}

// What the skin writes back after reading `bag`, the font compared by what it reads as (the
// font is written with all its attributes) and left out of both.
void expectWrittenBackEqual(QJsonObject bag) {
    QJsonObject saved = SkinHost(bag).skin().saveProperties().contents();
    EXPECT_EQ(fontFromJson(saved.take("font"), QFont()), fontFromJson(bag.take("font"), QFont()));
    EXPECT_EQ(saved, bag);
}

TEST(SkinProperties, ASavedDesignWritesItselfBackEqualAndIgnoresValuesOfTheWrongType) {
    QJsonObject bag = SkinHost::savedBag(); // the main window's design, as saved
    expectWrittenBackEqual(bag);

    // The colour is saved as text; every other kind of value once changed.
    bag["displayicon"] = true;
    bag["forecolor"] = "0x00FFFFFF";
    bag["style"] = 1;
    bag["transparency"] = true;
    bag["transparencylevel"] = 40;
    expectWrittenBackEqual(bag);

    bag["showclosebutton"] = "ja";
    bag["transparencylevel"] = "kırk";
    SkinHost mismatched(bag);
    EXPECT_TRUE(mismatched.skin().ShowCloseButton());
    EXPECT_EQ(mismatched.skin().TransparencyLevel(), "15");
    EXPECT_TRUE(mismatched.skin().Transparency()) << "reading goes on after a mismatch";
}

TEST(SkinProperties, IconTurnsTheIconOnAndBecomesTheHostsIcon) {
    SkinHost host;
    EXPECT_FALSE(host.skin().DisplayIcon());
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::red);
    QSignalSpy changed(&host.skin(), &UserControl::propertyChanged);
    host.skin().setIcon(icon);

    EXPECT_TRUE(host.skin().DisplayIcon());
    EXPECT_EQ(host.skin().Icon(), icon);
    EXPECT_EQ(host.form().Icon(), icon);
    EXPECT_TRUE(host.skin().iconImage()->isVisibleTo(&host.form()));
    // DisplayIcon changes silently.
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().toString(), "Icon");
}

TEST(SkinProperties, TransparencyLevelIsTextHeldAsA16BitInteger) {
    SkinHost host;
    EXPECT_EQ(host.skin().TransparencyLevel(), "15");
    host.skin().setTransparencyLevel("40");
    EXPECT_EQ(host.skin().TransparencyLevel(), "40");

    try {
        host.skin().setTransparencyLevel("yarım");
        FAIL() << "text that is no number was taken";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::TypeMismatch);
    }
    try {
        host.skin().setTransparencyLevel("40000");
        FAIL() << "a level beyond 16 bits was taken";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::Overflow);
    }
    EXPECT_EQ(host.skin().TransparencyLevel(), "40");
}

TEST(SkinLayout, TitleBarCaptionAndIconTakeTheirPlacesWithAndWithoutIcon) {
    SkinHost host;
    host.form().show();
    xVistaForm& skin = host.skin();
    // Designed 600 twips tall, the skin spans the host's top at 390 twips, and follows it.
    EXPECT_EQ(skin.Top(), 0);
    EXPECT_EQ(skin.Height(), 390);
    EXPECT_EQ(skin.Width(), 9225);
    host.form().setClientWidth(6000);
    EXPECT_EQ(skin.Width(), 6000);
    host.form().setClientWidth(9225);

    const PictureBox& bar = *skin.titleBar();
    EXPECT_EQ(QRectF(bar.Left(), bar.Top(), bar.Width(), bar.Height()), QRectF(0, 0, 9225, 390));
    const Label& caption = *skin.captionLabel();
    EXPECT_EQ(QRectF(caption.Left(), caption.Top(), caption.Width(), caption.Height()),
              QRectF(75, 90, 9225 - 90, 390));
    EXPECT_FALSE(skin.iconImage()->isVisibleTo(&host.form()));

    skin.setDisplayIcon(true);
    const Image& icon = *skin.iconImage();
    EXPECT_EQ(QRectF(icon.Left(), icon.Top(), icon.Width(), icon.Height()),
              QRectF(60, 60, 240, 240));
    EXPECT_TRUE(icon.isVisibleTo(&host.form()));
    EXPECT_EQ(QRectF(caption.Left(), caption.Top(), caption.Width(), caption.Height()),
              QRectF(60 + 240 + 75, 90, 9225 - 240 - 90, 390));
}

} // namespace
} // namespace dorvak
