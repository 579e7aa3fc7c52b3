#include "platform/gdi/Text.h"
#include "platform/gdi/CodePage.h"
#include "platform/gdi/Surface.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace dorvak {
namespace {

// A face of fonts-wine, registered with the font database while this lives.
class WineFace {
public:
    explicit WineFace(const char* file)
        : path_(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file))
        , id_(installed() ? QFontDatabase::addApplicationFont(path_) : -1) {}
    ~WineFace() {
        if (id_ >= 0)
            QFontDatabase::removeApplicationFont(id_);
    }
    WineFace(const WineFace&) = delete;
    WineFace& operator=(const WineFace&) = delete;

    bool installed() const { return QFile::exists(path_); }
    bool registered() const { return id_ >= 0; }
    // At the designed 8.25 points.
    QFont font() const {
        QFont font(QFontDatabase::applicationFontFamilies(id_).value(0));
        font.setPointSizeF(8.25);
        return font;
    }

private:
    QString path_;
    int id_;
};

TEST(CodePage, TurkishLettersMapToWindows1254AndTheRestBecomesAQuestionMark) {
    const std::string bytes = toSystemCodePage(std::string_view("Çıkış Ğğİş €ü ✓日"));
    EXPECT_EQ(bytes, "\xC7\xFD"
                     "k\xFD\xFE \xD0\xF0\xDD\xFE \x80\xFC ??");
    EXPECT_EQ(fromSystemCodePage(bytes), QString::fromUtf8("Çıkış Ğğİş €ü ??"));
    EXPECT_EQ(toSystemCodePage(QString::fromUtf8("Şafak Hesapla")), "\xDE"
                                                                    "afak Hesapla");
}

TEST(TextOutA, DrawsOnlyTheExactForeColourInsideTheMeasuredBox) {
    Surface surface(80, 30);
    surface.setBackColor(0xFFFFFF);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    surface.setFont(font);
    surface.setForeColor(0x00336699);
    const HDC hdc = surface.hdc();

    const std::string caption = toSystemCodePage(QString::fromUtf8("Çıkış"));
    SIZE extent;
    ASSERT_TRUE(GetTextExtentPoint32A(hdc, caption.data(), int(caption.size()), &extent));
    EXPECT_GT(extent.cx, 20);
    EXPECT_GE(extent.cy, 13);
    ASSERT_TRUE(TextOutA(hdc, 5, 4, caption.data(), int(caption.size())));

    const QRect box(5, 4, extent.cx, extent.cy);
    int inked = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const OleColor pixel = plainFromPixel(surface.image().pixel(x, y));
            ASSERT_TRUE(pixel == 0x00336699 || pixel == 0xFFFFFF)
                << "blended pixel " << std::hex << pixel << " at " << x << "," << y;
            if (pixel == 0x00336699) {
                ++inked;
                EXPECT_TRUE(box.contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 30);

    SIZE empty;
    ASSERT_TRUE(GetTextExtentPoint32A(hdc, "", 0, &empty));
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, extent.cy) << "an empty caption still has the line height";
    EXPECT_FALSE(TextOutA(0, 0, 0, "a", 1));
    EXPECT_FALSE(GetTextExtentPoint32A(HDC(0xDEAD), "a", 1, &empty));
}

// The columns of a one-line text that carry ink, grouped into runs of touching columns.
int inkRuns(const Surface& surface) {
    int runs = 0;
    bool previous = false;
    for (int x = 0; x < surface.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < surface.height(); ++y)
            inked = inked || plainFromPixel(surface.image().pixel(x, y)) == 0x000000;
        runs += inked && !previous;
        previous = inked;
    }
    return runs;
}

TEST(TextOutA, SmallTahomaKeepsTheDotlessIApartFromItsNeighbours) {
    const WineFace tahoma("tahoma.ttf");
    if (!tahoma.installed())
        GTEST_SKIP() << "the Tahoma face of fonts-wine is not installed";
    ASSERT_TRUE(tahoma.registered());
    const QFont font = tahoma.font();

    // "ıi" is two strokes with a gap; light hinting drew the second on the column next to
    // the first, so captions such as "Yazdır" lost their dotless i.
    Surface surface(30, 20);
    surface.setBackColor(0xFFFFFF);
    surface.setFont(font);
    surface.setForeColor(0x000000);
    const std::string bytes = toSystemCodePage(QString::fromUtf8("ıi"));
    ASSERT_TRUE(TextOutA(surface.hdc(), 5, 2, bytes.data(), int(bytes.size())));
    EXPECT_EQ(inkRuns(surface), 2);
}

// The ink of one letter drawn with TextOutA: the set of inked pixels.
std::set<std::pair<int, int>> inkOf(const QString& letter, const QFont& font) {
    Surface surface(20, 20);
    surface.setBackColor(0xFFFFFF);
    surface.setFont(font);
    surface.setForeColor(0x000000);
    const std::string bytes = toSystemCodePage(letter);
    EXPECT_TRUE(TextOutA(surface.hdc(), 4, 4, bytes.data(), int(bytes.size())));
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (plainFromPixel(surface.image().pixel(x, y)) == 0x000000)
                ink.insert({x, y});
        }
    }
    return ink;
}

TEST(TextOutA, TahomasCapitalDottedIIsItsIWithADotAboveIt) {
    const WineFace tahoma("tahomabd.ttf");
    if (!tahoma.installed())
        GTEST_SKIP() << "the bold Tahoma face of fonts-wine is not installed";
    ASSERT_TRUE(tahoma.registered());
    QFont font = tahoma.font();
    font.setBold(true);

    // The face draws İ as a narrow bar at the left of its advance; the caption shows the
    // face's I with the İ's dot over its stem instead.
    const auto plain = inkOf(QStringLiteral("I"), font);
    const auto dotted = inkOf(QString::fromUtf8("İ"), font);
    ASSERT_FALSE(plain.empty());
    const int capTop = plain.begin()->second;
    std::set<std::pair<int, int>> dot;
    for (const auto& pixel : dotted) {
        if (pixel.second < capTop)
            dot.insert(pixel);
        else
            EXPECT_TRUE(plain.count(pixel)) << pixel.first << "," << pixel.second;
    }
    EXPECT_EQ(dotted.size() - dot.size(), plain.size()) << "the İ stands on the whole I";
    ASSERT_FALSE(dot.empty()) << "the İ has its dot";
    int left = 99, right = -1;
    for (const auto& pixel : plain) {
        left = std::min(left, pixel.first);
        right = std::max(right, pixel.first);
    }
    for (const auto& pixel : dot)
        EXPECT_TRUE(pixel.first > left && pixel.first < right) << "the dot over the stem";
}

QImage blankAt96Dpi(int width, int height, QRgb fill = 0xFFFFFFFF) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(surfaceDotsPerMeter);
    image.setDotsPerMeterY(surfaceDotsPerMeter);
    image.fill(fill);
    return image;
}

bool hasPixelOtherThan(const QImage& image, QRgb paper, QRgb ink) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != paper && image.pixel(x, y) != ink)
                return true;
    return false;
}

// Every pass of a caption fills the ink the line recorded once; it must be exactly what
// painting the shaped text there gives, clipped at any edge, also where the glyphs blend.
void expectInkAsPainted(const QString& text, const QFont& font, bool blends) {
    SCOPED_TRACE(text.toStdString() + " in " + font.family().toStdString());
    constexpr QRgb paper = 0xFF808080, ink = 0xFF336699;
    QImage device = blankAt96Dpi(1, 1);
    const std::string bytes = toSystemCodePage(text);
    const InkedLine line(bytes, font, &device);
    const ShapedText shaped(fromSystemCodePage(bytes), font, &device);
    const QPoint places[] = {{4, 3}, {0, 0}, {-3, -4}, {-7, 9}, {30, 11}};
    for (const QPoint at : places) {
        SCOPED_TRACE(testing::Message() << "at " << at.x() << "," << at.y());
        QImage inked = blankAt96Dpi(40, 18, paper);
        QImage painted = inked.copy();
        const QRect touched = line.draw(inked, at, ink);
        {
            QPainter painter(&painted);
            painter.setPen(QColor::fromRgb(ink));
            shaped.draw(painter, at);
        }
        EXPECT_EQ(inked, painted);
        for (int y = 0; y < painted.height(); ++y) {
            for (int x = 0; x < painted.width(); ++x) {
                if (painted.pixel(x, y) != paper) {
                    EXPECT_TRUE(touched.contains(x, y)) << "unreported " << x << "," << y;
                }
            }
        }
    }
    QImage painted = blankAt96Dpi(40, 18, paper);
    line.draw(painted, {4, 3}, ink);
    EXPECT_NE(painted, blankAt96Dpi(40, 18, paper)) << "the text has ink";
    EXPECT_EQ(hasPixelOtherThan(painted, paper, ink), blends);
}

TEST(InkedLine, FillsThePixelsPaintingTheShapedTextWouldWherever) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    expectInkAsPainted(QString::fromUtf8("Şafak İzin"), designTextFont(font, 1.0), false);
    // Antialiased, as above 1×: the line paints its glyphs on every pass.
    expectInkAsPainted(QString::fromUtf8("Şafak İzin"), designTextFont(font, 2.0), true);

    const WineFace tahoma("tahomabd.ttf");
    if (!tahoma.installed())
        GTEST_SKIP() << "the bold Tahoma face of fonts-wine is not installed";
    ASSERT_TRUE(tahoma.registered());
    QFont bold = tahoma.font();
    bold.setBold(true);
    // The mended İ: its dot is drawn clipped, the clip landing outside the image at -4.
    expectInkAsPainted(QString::fromUtf8("İzin Süresi"), designTextFont(bold, 1.0), false);
}

// What one call of TextOutA on a new surface draws, and the extent it measures.
std::pair<QImage, QSize> drawnAlone(const std::string& bytes, const QFont& font) {
    Surface surface(60, 20);
    surface.setBackColor(0xFFFFFF);
    surface.setFont(font);
    surface.setForeColor(0x000000);
    SIZE extent;
    GetTextExtentPoint32A(surface.hdc(), bytes.data(), int(bytes.size()), &extent);
    TextOutA(surface.hdc(), 3, 2, bytes.data(), int(bytes.size()));
    return {surface.image(), QSize(extent.cx, extent.cy)};
}

TEST(TextOutA, DrawsTheTextAndFontOfEachCallAlsoAfterAFaceWasRegistered) {
    // A surface keeps the line it drew last; each call must still draw and measure what a
    // surface that never drew anything would.
    Surface surface(60, 20);
    surface.setForeColor(0x000000);
    const auto draw = [&](const std::string& bytes) {
        surface.setBackColor(0xFFFFFF); // clears
        SIZE extent;
        GetTextExtentPoint32A(surface.hdc(), bytes.data(), int(bytes.size()), &extent);
        TextOutA(surface.hdc(), 3, 2, bytes.data(), int(bytes.size()));
        return std::pair<QImage, QSize>(surface.image(), QSize(extent.cx, extent.cy));
    };
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    surface.setFont(font);
    const std::string tamam = "Tamam", iptal = toSystemCodePage(QString::fromUtf8("İptal"));
    EXPECT_EQ(draw(tamam), drawnAlone(tamam, font));
    EXPECT_EQ(draw(iptal), drawnAlone(iptal, font));
    EXPECT_NE(drawnAlone(iptal, font), drawnAlone(tamam, font));
    QFont larger = font;
    larger.setPixelSize(15);
    surface.setFont(larger);
    EXPECT_EQ(draw(iptal), drawnAlone(iptal, larger));
    EXPECT_NE(drawnAlone(iptal, larger), drawnAlone(iptal, font));

    QFont fixedsys(QStringLiteral("Fixedsys"));
    fixedsys.setPointSize(9);
    surface.setFont(fixedsys);
    const auto standIn = draw(tamam); // the family is not known yet
    const WineFace face("fixedsys.ttf");
    if (!face.installed())
        GTEST_SKIP() << "the Fixedsys face of fonts-wine is not installed";
    ASSERT_TRUE(face.registered());
    const auto registered = drawnAlone(tamam, fixedsys);
    EXPECT_NE(registered, standIn) << "the registered face draws otherwise";
    EXPECT_EQ(draw(tamam), registered);
}

// A label's text drawn by a kept WrappedText, against one laid out for this paint alone.
TEST(WrappedText, LaysOutAnewForAnotherTextFontWidthOrAlignment) {
    WrappedText kept;
    const auto paint = [](WrappedText& text, const QString& caption, const QFont& font, int width,
                          Qt::Alignment alignment) {
        QImage image = blankAt96Dpi(120, 60);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        text.draw(painter, caption, font, width, alignment, &image);
        return image;
    };
    const auto expectAsFresh = [&](const QString& caption, const QFont& font, int width,
                                   Qt::Alignment alignment) {
        WrappedText fresh;
        const QImage image = paint(kept, caption, font, width, alignment);
        EXPECT_EQ(image, paint(fresh, caption, font, width, alignment));
        EXPECT_NE(image, blankAt96Dpi(120, 60));
        return image;
    };
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font = designTextFont(font, 1.0);
    const QString caption = QString::fromUtf8("Askerlik Dönemi uzun");
    const QImage wide = expectAsFresh(caption, font, 118, Qt::AlignLeft);
    const QImage narrow = expectAsFresh(caption, font, 50, Qt::AlignLeft);
    EXPECT_NE(narrow, wide) << "the narrower label wraps";
    EXPECT_NE(expectAsFresh(caption, font, 50, Qt::AlignRight), narrow);
    EXPECT_NE(expectAsFresh(QString::fromUtf8("Gün Kaldı..."), font, 50, Qt::AlignRight), narrow);
    QFont bold = font;
    bold.setBold(true);
    EXPECT_NE(expectAsFresh(caption, bold, 50, Qt::AlignLeft), narrow);
    EXPECT_EQ(expectAsFresh(caption, font, 50, Qt::AlignLeft), narrow);
}

} // namespace
} // namespace dorvak
