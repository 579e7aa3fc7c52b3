// Every caption the three windows are designed with, drawn by its own label at the screen's
// device pixel ratio (CTest runs this program at 1×, 1.5× and 2×): each letter shows whole,
// where its advance puts it, with the ink its face gives it, inside the designed label.
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "platform/forms/Application.h"
#include "platform/forms/Label.h"
#include "platform/gdi/Text.h"
#include "tests/support/ProgramApplication.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace dorvak {
namespace {

qreal ratio() {
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// The captions are drawn black on white for the test: the colours change no glyph.
bool inked(QRgb pixel) {
    return qGray(pixel) < 128;
}

// A letter drawn alone by the toolkit in the font: its ink columns and its top ink row, in
// device pixels from the pen position and the baseline.
struct LetterInk {
    std::set<int> columns;
    int top = 0;
};

LetterInk inkOf(QChar letter, const QFont& font) {
    constexpr int margin = 8;
    const qreal scale = ratio();
    QImage image(QSize(40, 40) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, 2 * margin), QString(letter));
    painter.end();
    LetterInk ink;
    ink.top = image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inked(image.pixel(x, y)))
                continue;
            ink.columns.insert(x - qRound(margin * scale));
            ink.top = std::min(ink.top, y - qRound(2 * margin * scale));
        }
    }
    return ink;
}

// Whether the label shows ink in a column (one either side, for glyphs placed between
// device pixels) between two rows.
bool inkNear(const QImage& image, int column, int top, int bottom) {
    for (int x = column - 1; x <= column + 1; ++x) {
        for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
            if (x >= 0 && x < image.width() && inked(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

// Checks every letter of the label's caption; the failures name the label and the letter.
void expectEveryLetterWhole(Label& label, const std::string& name) {
    label.setForeColor(0x000000);
    label.setBackColor(0xFFFFFF);
    label.setBackStyle(1);
    const QImage shown = label.grab().toImage();
    const qreal scale = ratio();
    const QFont font = designTextFont(label.font(), scale);
    const LineMetrics metrics = designLineMetrics(font, &label);

    QTextLayout layout(label.Caption(), font, &label);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(label.width());
    layout.endLayout();

    const LetterInk stem = inkOf(u'I', font);
    for (int l = 0; l < layout.lineCount(); ++l) {
        const QTextLine line = layout.lineAt(l);
        EXPECT_LE(line.naturalTextWidth(), label.width()) << name << " line " << l;
        const int baseline = qRound((l * metrics.height + metrics.ascent) * scale);
        const int bandTop = qRound(l * metrics.height * scale);
        const int bandBottom = qRound((l + 1) * metrics.height * scale);
        for (int i = line.textStart(); i < line.textStart() + line.textLength(); ++i) {
            const QChar letter = label.Caption().at(i);
            if (letter.isSpace())
                continue;
            const int pen = qRound(line.cursorToX(i) * scale);
            const bool dottedCapital = letter == u'İ';
            const LetterInk ink = dottedCapital ? stem : inkOf(letter, font);
            for (const int column : ink.columns)
                EXPECT_TRUE(inkNear(shown, pen + column, bandTop, bandBottom))
                    << name << ": '" << QString(letter).toStdString() << "' at " << i
                    << " lacks its ink in column " << column;
            if (dottedCapital) {
                const int dotted = *stem.columns.begin() + *stem.columns.rbegin();
                EXPECT_TRUE(inkNear(shown, pen + dotted / 2, bandTop, baseline + stem.top - 1))
                    << name << ": the İ at " << i << " has no dot";
            }
        }
    }
}

// The width of a text in the 8-point strike of fonts-wine's MS Sans Serif.
qreal strikeWidth(const QString& text) {
    const QRawFont strike(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"), 13);
    qreal width = 0;
    for (const QPointF& advance :
         strike.advancesForGlyphIndexes(strike.glyphIndexesForString(text)))
        width += advance.x();
    return width;
}

template <typename F> void checkCaptionsOf() {
    programApplication();
    const auto form = std::make_unique<F>();
    form->show();
    int captions = 0;
    for (Label* label : form->template findChildren<Label*>()) {
        const QString name = form->displayNameOf(label);
        if (name.isEmpty() || label->Caption().trimmed().isEmpty())
            continue;
        ++captions;
        expectEveryLetterWhole(*label, name.toStdString());
    }
    EXPECT_GT(captions, 0);
}

TEST(DesignedText, EveryLetterOfTheMainWindowsCaptionsShows) {
    checkCaptionsOf<Form1>();
}

TEST(DesignedText, EveryLetterOfTheAboutWindowsCaptionsShows) {
    checkCaptionsOf<Form2>();
}

TEST(DesignedText, EveryLetterOfTheStartUpWindowsCaptionsShows) {
    checkCaptionsOf<Form3>();
}

// "MS Sans Serif" has only bitmap strikes. Above 1× fonts-wine's scalable Tahoma draws it,
// set so that each designed text keeps within 5 % of the width the strike gives it at 1×.
TEST(DesignedText, MsSansSerifAbove1xIsTheScalableTahomaAtTheStrikesWidths) {
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed";
    programApplication();
    const Form1 form;
    int checked = 0;
    for (Label* label : form.findChildren<Label*>()) {
        if (label->font().family() != QLatin1String("MS Sans Serif") ||
            label->Caption().trimmed().isEmpty())
            continue;
        ++checked;
        const QString drawnIn = QFontInfo(label->font()).family();
        if (ratio() == 1.0) {
            EXPECT_EQ(drawnIn, QLatin1String("MS Sans Serif"));
            continue;
        }
        EXPECT_EQ(drawnIn, QLatin1String("Tahoma"));
        if (label->font().bold())
            continue; // the strike has no bold, the stand-in does
        const qreal width = QFontMetricsF(label->font(), label).horizontalAdvance(label->Caption());
        const qreal designed = strikeWidth(label->Caption());
        EXPECT_NEAR(width, designed, designed * 0.05) << label->Caption().toStdString();
    }
    EXPECT_GE(checked, 10);
}

} // namespace
} // namespace dorvak
