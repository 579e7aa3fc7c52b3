#include "platform/gdi/Text.h"

#include "platform/gdi/CodePage.h"
#include "platform/gdi/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QtEndian>
#include <cmath>
#include <limits>

namespace dorvak {

namespace {

// Measured at the surface's resolution, also before it has any pixels.
QFontMetrics metricsOf(const QFont& font, const Surface& surface) {
    if (!surface.image().isNull())
        return QFontMetrics(font, &surface.image());
    QImage reference(1, 1, QImage::Format_RGB32);
    reference.setDotsPerMeterX(surfaceDotsPerMeter);
    reference.setDotsPerMeterY(surfaceDotsPerMeter);
    return QFontMetrics(font, &reference);
}

// One unwrapped line whose baseline lies at the font's (whole-pixel) ascent.
QList<QGlyphRun> singleLine(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(std::numeric_limits<int>::max() / 2);
        line.setPosition(QPointF(0, QFontMetrics(font, device).ascent() - line.ascent()));
    }
    layout.endLayout();
    return line.isValid() ? line.glyphRuns() : QList<QGlyphRun>();
}

// The OS/2 table's Windows ascent and descent, and the head table's units per em.
constexpr int winAscentOffset = 74;
constexpr int winDescentOffset = 76;
constexpr int unitsPerEmOffset = 18;

} // namespace

QFont designTextFont(QFont font, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

LineMetrics designLineMetrics(const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const QRawFont face = QRawFont::fromFont(font);
    const QByteArray os2 = face.fontTable("OS/2");
    const QByteArray head = face.fontTable("head");
    const auto word = [](const QByteArray& table, int offset) {
        return qFromBigEndian<quint16>(table.constData() + offset);
    };
    if (os2.size() < winDescentOffset + 2 || head.size() < unitsPerEmOffset + 2 ||
        word(head, unitsPerEmOffset) == 0)
        return {metrics.ascent(), metrics.height()};
    // The face's own units: a face of bitmap strikes only reports its pixels as units.
    const qreal pixelsPerUnit = face.pixelSize() / word(head, unitsPerEmOffset);
    const auto pixels = [&](int offset) { return std::round(word(os2, offset) * pixelsPerUnit); };
    // Never less than the toolkit's own, which already fits the faces that agree with it.
    const qreal ascent = std::max(pixels(winAscentOffset), std::ceil(metrics.ascent()));
    const qreal descent = std::max(pixels(winDescentOffset), std::ceil(metrics.descent()));
    return {ascent, ascent + descent};
}

ShapedText::ShapedText(QList<QGlyphRun> runs, qreal devicePixelRatio)
    : runs_(std::move(runs)) {
    for (QGlyphRun& run : runs_)
        mendDottedCapitalI(run, devicePixelRatio);
}

ShapedText::ShapedText(const QString& text, const QFont& font, QPaintDevice* device)
    : ShapedText(singleLine(text, font, device), device->devicePixelRatioF()) {}

void ShapedText::mendDottedCapitalI(QGlyphRun& run, qreal devicePixelRatio) {
    const QRawFont face = run.rawFont();
    const QList<quint32> letters = face.glyphIndexesForString(QStringLiteral("Iİ"));
    if (letters.size() != 2 || letters[0] == 0 || letters[1] == 0)
        return;
    const quint32 plain = letters[0];
    const quint32 dotted = letters[1];
    const QRectF stem = face.boundingRect(plain);
    const QRectF withDot = face.boundingRect(dotted);
    // A whole İ covers its I; the one to mend is the narrower bar.
    if (withDot.width() >= stem.width() - 0.5)
        return;
    const qreal shift = std::round((stem.center().x() - withDot.center().x()) * devicePixelRatio) /
                        devicePixelRatio;

    QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] != dotted)
            continue;
        glyphs[i] = plain;
        const QPointF at = positions[i] + QPointF(shift, 0);
        QGlyphRun dot = run;
        dot.setGlyphIndexes({dotted});
        dot.setPositions({at});
        // Everything of the İ above its I, half a pixel clear of the I's top: the dot.
        const qreal top = at.y() + withDot.top() - 1;
        const QRectF clip(at.x() + withDot.left() - 1, top, withDot.width() + 2,
                          at.y() + stem.top() - 0.5 - top);
        dots_.push_back({dot, clip});
    }
    run.setGlyphIndexes(glyphs);
}

void ShapedText::draw(QPainter& painter, QPointF origin) const {
    for (const QGlyphRun& run : runs_)
        painter.drawGlyphRun(origin, run);
    for (const Dot& dot : dots_) {
        painter.save();
        painter.setClipRect(dot.clip.translated(origin), Qt::IntersectClip);
        painter.drawGlyphRun(origin, dot.glyph);
        painter.restore();
    }
}

bool TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || length < 0 || (length > 0 && !text))
        return false;
    if (surface->image().isNull())
        return true; // nothing to draw on yet
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    const QFont font = designTextFont(surface->font(), 1.0);
    const QFontMetrics metrics = metricsOf(font, *surface);
    const ShapedText shaped(unicode, font, &surface->image());

    QPainter painter(&surface->image());
    painter.setPen(QColor::fromRgb(surface->penPixel()));
    shaped.draw(painter, QPointF(x, y));

    const QRect advance(x, y, metrics.horizontalAdvance(unicode), metrics.height());
    surface->markChanged(advance |
                         metrics.boundingRect(unicode).translated(x, y + metrics.ascent()));
    return true;
}

bool GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || !size || length < 0 || (length > 0 && !text))
        return false;
    const QFontMetrics metrics = metricsOf(designTextFont(surface->font(), 1.0), *surface);
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    *size = {metrics.horizontalAdvance(unicode), metrics.height()};
    return true;
}

} // namespace dorvak
