// Level to alpha, and what applying it does to the host window.
#include "SkinTestSupport.h"

#include "controls/skin/Translucency.h"
#include "platform/windowing/WindowStyle.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(SkinTranslucency, LevelsMapToAlphaHalvesToEven) {
    EXPECT_EQ(alphaForLevel(0), 255);
    EXPECT_EQ(alphaForLevel(15), 217);
    EXPECT_EQ(alphaForLevel(50), 128); // 127.5
    EXPECT_EQ(alphaForLevel(100), 0);
    EXPECT_EQ(alphaForLevel(-1), 258);
    EXPECT_EQ(alphaForLevel(101), -3);
}

TEST(SkinTranslucency, MakeSemiTransparentAppliesOrRefusesAndTurningItOffKeepsTheAlpha) {
    SkinHost host;
    Form& form = host.form();
    form.show();
    xVistaForm& skin = host.skin();

    EXPECT_EQ(skin.MakeSemiTransparent(form.hWnd(), 101), 1);
    EXPECT_EQ(skin.MakeSemiTransparent(form.hWnd(), -1), 1);
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_EQ(GetWindowLongA(form.hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);

    EXPECT_EQ(skin.MakeSemiTransparent(form.hWnd(), 50), 0);
    EXPECT_NE(GetWindowLongA(form.hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_NEAR(form.windowOpacity(), 128 / 255.0, 0.005);
    EXPECT_EQ(skin.MakeSemiTransparent(HWND(0xDEADu), 50), 2);

    // The properties apply the level on every frame paint, and stop when turned off.
    skin.setTransparencyLevel("15");
    skin.setTransparency(true);
    EXPECT_NEAR(form.windowOpacity(), 217 / 255.0, 0.005);
    skin.setTransparency(false);
    skin.setTransparencyLevel("100");
    EXPECT_NEAR(form.windowOpacity(), 217 / 255.0, 0.005);
}

} // namespace
} // namespace dorvak
