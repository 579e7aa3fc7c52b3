#include "platform/gdi/Text.h"

#include "platform/gdi/CodePage.h"
#include "platform/gdi/Surface.h"

#include <QFontMetrics>
#include <QPainter>

namespace dorvak {

namespace {

// Without antialiasing every glyph pixel is the pen colour, so pixel scans find the text.
QFont crispFont(const Surface& surface) {
    QFont font = surface.font();
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

bool TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || length < 0 || (length > 0 && !text))
        return false;
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    const QFont font = crispFont(*surface);
    const QFontMetrics metrics(font, &surface->image());

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
    const QFontMetrics metrics(crispFont(*surface), &surface->image());
    const QString unicode = fromSystemCodePage(std::string_view(text, std::size_t(length)));
    *size = {metrics.horizontalAdvance(unicode), metrics.height()};
    return true;
}

} // namespace dorvak
