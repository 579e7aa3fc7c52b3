// The program's own pictures on screens above 1×: each has a drawing at twice its size, the
// program shows that drawing where the screen has the pixels for it, and a picture it did not
// draw is left as it is.
#include "app/Form2.h"
#include "platform/forms/Application.h"
#include "platform/forms/DesignValues.h"
#include "platform/forms/Image.h"
#include "tests/support/ProgramApplication.h"
#include "tests/support/Waiting.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

QImage comparable(const QImage& image) {
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    return plain;
}

TEST(ProgramPictures, EachHasADrawingAtTwiceItsSizeThatScreensAbove1xGet) {
    programApplication();
    for (const char* file : {"form1-background.jpg", "about-banner.jpg", "dorvak.png",
                             "about-mark.png", "startup-banner.bmp", "startup-blink.bmp"}) {
        SCOPED_TRACE(file);
        const QImage picture = loadAssetPicture(QString::fromLatin1(file));
        EXPECT_EQ(sharperPicture(picture, 1), picture);
        for (qreal ratio : {1.5, 2.0}) {
            const QImage sharper = sharperPicture(picture, ratio);
            EXPECT_EQ(sharper.size(), picture.size() * 2);
            EXPECT_EQ(sharper.devicePixelRatio(), 2);
            EXPECT_EQ(sharper.deviceIndependentSize(), QSizeF(picture.size()));
        }
    }
    // A picture a saved design brings with it stays itself, even with the pixels of one of the
    // program's own.
    const QImage brought = pictureFromJson(pictureToJson(QImage(":/assets/about-mark.png")));
    ASSERT_FALSE(brought.isNull());
    EXPECT_EQ(sharperPicture(brought, 2), brought);
    EXPECT_EQ(sharperPicture(brought, 2).devicePixelRatio(), 1);

    // The window icon offers both drawings.
    Form2* about = programApplication().showForm<Form2>();
    about->setIcon(loadAssetPicture(QStringLiteral("dorvak.png")));
    EXPECT_EQ(about->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
    about->Unload();
}

// The About window's banner, grabbed in device pixels, is the picture drawn for its screen's
// ratio pixel for pixel, at natural size and stretched over the same bounds. CTest runs this on
// one screen at 1×, and again with a screen of ratio 2 beside it, where the window then goes.
TEST(ProgramPictures, TheAboutBannerShowsTheDrawingForItsScreensRatio) {
    Form2* about = programApplication().showForm<Form2>();
    Image& banner = about->named<Image>(QStringLiteral("Image1"), 1);
    const auto showsTheDrawingForItsRatio = [&] {
        const QImage drawn(banner.devicePixelRatioF() > 1
                               ? QStringLiteral(":/assets/about-banner@2x.jpg")
                               : QStringLiteral(":/assets/about-banner.jpg"));
        for (bool stretch : {false, true}) {
            SCOPED_TRACE(stretch ? "stretched" : "natural size");
            banner.setStretch(stretch);
            EXPECT_EQ(comparable(banner.grab().toImage()), comparable(drawn));
        }
    };
    showsTheDrawingForItsRatio();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() > 1) {
        about->move(screens[1]->geometry().topLeft());
        ASSERT_TRUE(waitForValue([&] { return banner.devicePixelRatioF(); },
                                 screens[1]->devicePixelRatio()));
        showsTheDrawingForItsRatio();
    }
    EXPECT_EQ(banner.Picture().size(), QSize(600, 198)) << "what is saved stays the 1× picture";
    about->Unload();
}

} // namespace
} // namespace dorvak
