#include "platform/gdi/Text.h"

#include "platform/gdi/CodePage.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace dorvak {

namespace {

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

// The face a font resolves to now. Registering a font can change it for the same QFont, so
// whatever is kept of a shaped text is kept together with the face it was shaped in.
QRawFont resolvedFace(const QFont& font) {
    return QRawFont::fromFont(font);
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

void ShapedText::setFace(const QRawFont& face) {
    for (QGlyphRun& run : runs_)
        run.setRawFont(face);
    for (Dot& dot : dots_)
        dot.glyph.setRawFont(face);
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

InkedLine::InkedLine(std::string bytes, const QFont& font, QPaintDevice* device, int deviceScale,
                     const QFont& deviceFont)
    : bytes_(std::move(bytes))
    , font_(font)
    , deviceScale_(deviceScale)
    , face_(resolvedFace(font_))
    , shaped_(fromSystemCodePage(bytes_), font_, device) {
    const QString unicode = fromSystemCodePage(bytes_);
    const QFontMetrics metrics(font_, device);
    extent_ = QSize(metrics.horizontalAdvance(unicode), metrics.height());
    touched_ =
        QRect(QPoint(), extent_) | metrics.boundingRect(unicode).translated(0, metrics.ascent());
    if (deviceScale_ > 1)
        shaped_.setFace(resolvedFace(deviceFont));
    recordInk();
}

bool InkedLine::isFor(std::string_view bytes, const QFont& font, int deviceScale) const {
    return bytes == bytes_ && font == font_ && deviceScale == deviceScale_ &&
           resolvedFace(font_) == face_;
}

// Draws the line white on black with room all round, and keeps the rows of white pixels.
void InkedLine::recordInk() {
    const int margin = std::max(extent_.height(), 8);
    const QRect canvasArea = touched_.adjusted(-margin, -margin, margin, margin);
    constexpr QRgb paper = 0xFF000000, ink = 0xFFFFFFFF;
    QImage canvas(canvasArea.size() * deviceScale_, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(deviceScale_);
    canvas.fill(paper);
    {
        QPainter painter(&canvas);
        painter.setPen(QColor::fromRgb(ink));
        shaped_.draw(painter, -canvasArea.topLeft());
    }
    const QPoint corner = canvasArea.topLeft() * deviceScale_;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width();) {
            if (row[x] != ink) {
                exactInk_ = exactInk_ && row[x] == paper;
                ++x;
                continue;
            }
            const int first = x;
            while (x < canvas.width() && row[x] == ink)
                ++x;
            const Run run{y + corner.y(), first + corner.x(), x - 1 + corner.x()};
            ink_.push_back(run);
            touched_ |= QRect(QPoint(run.first, run.y) / deviceScale_,
                              QPoint(run.last, run.y) / deviceScale_);
        }
    }
}

QRect InkedLine::draw(QImage& image, QPoint at, std::uint32_t pixel) const {
    const QRect logicalImage(QPoint(), image.size() / deviceScale_);
    const QRect touched = touched_.translated(at);
    if (!exactInk_) {
        QPainter painter(&image);
        painter.setPen(QColor::fromRgb(pixel));
        shaped_.draw(painter, at);
        return touched & logicalImage;
    }
    auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const QPoint corner = at * deviceScale_;
    // Only a line reaching over an edge needs its runs cut.
    const bool whole = logicalImage.contains(touched);
    for (const Run& run : ink_) {
        const int y = corner.y() + run.y;
        int first = corner.x() + run.first, last = corner.x() + run.last;
        if (!whole) {
            if (unsigned(y) >= unsigned(image.height()))
                continue;
            first = std::max(first, 0);
            last = std::min(last, image.width() - 1);
            if (first > last)
                continue;
        }
        fillPixels(bits + y * stride + first, last - first + 1, pixel);
    }
    return touched & logicalImage;
}

void WrappedText::draw(QPainter& painter, const QString& text, const QFont& font, int width,
                       Qt::Alignment alignment, QPaintDevice* device) {
    const Key key{text,
                  font,
                  width,
                  alignment,
                  device->devicePixelRatioF(),
                  device->logicalDpiX(),
                  device->logicalDpiY()};
    // The face is asked of the kept font, which remembers what it resolved to.
    if (key_ != key || resolvedFace(key_->font) != face_)
        layOut(key, device);
    for (const ShapedText& line : lines_)
        line.draw(painter, QPointF());
}

void WrappedText::layOut(const Key& key, QPaintDevice* device) {
    const LineMetrics metrics = designLineMetrics(key.font, device);
    QTextLayout layout(key.text, key.font, device);
    QTextOption option(key.alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (qreal top = 0;; top += metrics.height) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(key.width);
        line.setPosition(QPointF(0, top + metrics.ascent - line.ascent()));
    }
    layout.endLayout();

    lines_.clear();
    for (int i = 0; i < layout.lineCount(); ++i)
        lines_.emplace_back(layout.lineAt(i).glyphRuns(), key.devicePixelRatio);
    key_ = key;
    face_ = resolvedFace(key_->font);
}

bool TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || length < 0 || (length > 0 && !text))
        return false;
    if (surface->image().isNull())
        return true; // nothing to draw on yet
    const InkedLine& line = surface->inkedLine(std::string_view(text, std::size_t(length)));
    surface->markChanged(line.draw(surface->image(), QPoint(x, y), surface->penPixel()));
    return true;
}

bool GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || !size || length < 0 || (length > 0 && !text))
        return false;
    const QSize extent = surface->inkedLine(std::string_view(text, std::size_t(length))).extent();
    *size = {extent.width(), extent.height()};
    return true;
}

} // namespace dorvak
