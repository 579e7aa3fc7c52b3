#include "platform/gdi/Text.h"

#include "platform/gdi/CodePage.h"
#include "platform/gdi/Surface.h"

#include <QFontMetrics>
#include <QPainter>

namespace dorvak {

namespace {

// Without antialiasing every glyph pixel is the pen colour, so pixel scans find the text.
// Full hinting places glyphs by the faces' own hinted advances: with the lighter modes the
// small Tahoma sizes draw the dotless i on top of its neighbour.
QFont crispFont(const Surface& surface) {
    QFont font = surface.font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Measured at the surface's resolution, also before it has any pixels.
QFontMetrics metricsOf(const QFont& font, const Surface& surface) {
    if (!surface.image().isNull())
        return QFontMetrics(font, &surface.image());
    QImage reference(1, 1, QImage::Format_RGB32);
    reference.setDotsPerMeterX(surfaceDotsPerMeter);
    reference.setDotsPerMeterY(surfaceDotsPerMeter);
    return QFontMetrics(font, &reference);
}

} // namespace

bool TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || length < 0 || (length > 0 && !text))
        return false;
    if (surface->image().isNull())
        return true; // nothing to draw on yet
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    const QFont font = crispFont(*surface);
    const QFontMetrics metrics = metricsOf(font, *surface);

    QPainter painter(&surface->image());
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(surface->penPixel()));
    painter.drawText(QPoint(x, y + metrics.ascent()), unicode);

    const QRect advance(x, y, metrics.horizontalAdvance(unicode), metrics.height());
    surface->markChanged(advance |
                         metrics.boundingRect(unicode).translated(x, y + metrics.ascent()));
    return true;
}

bool GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || !size || length < 0 || (length > 0 && !text))
        return false;
    const QFontMetrics metrics = metricsOf(crispFont(*surface), *surface);
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    *size = {metrics.horizontalAdvance(unicode), metrics.height()};
    return true;
}

} // namespace dorvak
