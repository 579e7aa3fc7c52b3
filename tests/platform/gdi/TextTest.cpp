#include "platform/gdi/Text.h"
#include "platform/gdi/CodePage.h"
#include "platform/gdi/Surface.h"

#include <QFile>
#include <QFontDatabase>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace dorvak {
namespace {

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
    EXPECT_FALSE(GetTextExtentPoint32A(0xDEAD, "a", 1, &empty));
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
    const QString face = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (!QFile::exists(face))
        GTEST_SKIP() << "the Tahoma face of fonts-wine is not installed";
    const int id = QFontDatabase::addApplicationFont(face);
    ASSERT_GE(id, 0);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPointSizeF(8.25);

    // "ıi" is two strokes with a gap; light hinting drew the second on the column next to
    // the first, so captions such as "Yazdır" lost their dotless i.
    Surface surface(30, 20);
    surface.setBackColor(0xFFFFFF);
    surface.setFont(font);
    surface.setForeColor(0x000000);
    const std::string bytes = toSystemCodePage(QString::fromUtf8("ıi"));
    ASSERT_TRUE(TextOutA(surface.hdc(), 5, 2, bytes.data(), int(bytes.size())));
    EXPECT_EQ(inkRuns(surface), 2);
    QFontDatabase::removeApplicationFont(id);
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
    const QString face = QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf");
    if (!QFile::exists(face))
        GTEST_SKIP() << "the bold Tahoma face of fonts-wine is not installed";
    const int id = QFontDatabase::addApplicationFont(face);
    ASSERT_GE(id, 0);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPointSizeF(8.25);
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
    QFontDatabase::removeApplicationFont(id);
}

} // namespace
} // namespace dorvak
