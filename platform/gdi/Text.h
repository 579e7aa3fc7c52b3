#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QPaintDevice;

namespace dorvak {

// Text in the system code page (see CodePage.h), in the surface font. Drawn unantialiased
// in exactly the fore colour with a transparent background, (x, y) the top-left corner.
bool TextOutA(HDC hdc, int x, int y, const char* text, int length);
// Width and line height in pixels of the text in the surface font.
bool GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size);

// The font a designed text is drawn with at a device pixel ratio. At 1× unantialiased and
// fully hinted: the faces' own bitmap strikes draw (fonts-wine's bold Tahoma is bold only
// in them), every pixel is the text colour, and small Tahoma keeps its dotless i apart from
// its neighbours. Above 1× the antialiased outlines, sharp at any size.
QFont designTextFont(QFont font, qreal devicePixelRatio);

// Where a line's baseline lies below its top, and how far apart lines are, as the desktop
// the windows were designed on measures a face: from its Windows ascent and descent, which
// leave room above the capitals for the dot of İ. fonts-wine's Tahoma reports a smaller
// ascent to the toolkit, so a line placed by it loses that dot above its top.
struct LineMetrics {
    qreal ascent;
    qreal height;
};
LineMetrics designLineMetrics(const QFont& font, QPaintDevice* device);

// Laid-out glyphs, mended once and drawn as often as needed. A capital dotted İ whose glyph
// does not stand on the face's I (fonts-wine's Tahoma draws it as a narrow bar at the left
// of its advance, which reads "I zin") is drawn as the face's I with the İ's own dot
// centred above it.
class ShapedText {
public:
    ShapedText(QList<QGlyphRun> runs, qreal devicePixelRatio);
    // A single line at (0, 0): its baseline lies at the font's ascent.
    ShapedText(const QString& text, const QFont& font, QPaintDevice* device);

    // Glyph positions are taken relative to origin.
    void draw(QPainter& painter, QPointF origin) const;
    // Draws the same glyphs at the same places from another rendering of the face: laid out
    // at 1×, drawn from the outlines at the device's size.
    void setFace(const QRawFont& face);

private:
    struct Dot {
        QGlyphRun glyph; // the İ alone, moved over the I
        QRectF clip;     // what lies above the I: the dot
    };
    void mendDottedCapitalI(QGlyphRun& run, qreal devicePixelRatio);

    QList<QGlyphRun> runs_;
    std::vector<Dot> dots_;
};

// One line of text in the system code page as TextOutA draws it: shaped and rasterised once,
// its ink kept as the runs of pixels the raster engine paints, so that every further pass,
// in any colour and at any place, only fills those runs. The text calls draw unantialiased
// at 1×, so the ink is exact; where a glyph blends all the same (a colour glyph, or the
// antialiased font above 1×), each pass paints the glyphs instead. At every device scale the
// line is laid out and measured as at 1×, so that what is placed by its extent stays where
// 1× puts it, and above 1× drawn from the font at the device's size.
class InkedLine {
public:
    // font: as the text is laid out, and drawn at 1×; device: where it is measured and
    // shaped, at 1× at the surface's logical resolution; deviceScale: the device pixel ratio
    // of the images it draws on, above 1 drawing the glyphs from deviceFont.
    InkedLine(std::string bytes, const QFont& font, QPaintDevice* device, int deviceScale = 1,
              const QFont& deviceFont = QFont());

    // Whether this is the line of these bytes in this font at this scale, as the font
    // resolves now.
    bool isFor(std::string_view bytes, const QFont& font, int deviceScale = 1) const;

    // The advance width and the line height.
    QSize extent() const { return extent_; }
    // Draws the line with (x, y) its top-left corner and returns the area it may change,
    // clipped to the image; both logical.
    QRect draw(QImage& image, QPoint at, std::uint32_t pixel) const;

private:
    struct Run {
        int y, first, last; // in device pixels from the top-left corner, both ends painted
    };
    void recordInk();

    std::string bytes_;
    QFont font_;
    int deviceScale_;
    QRawFont face_;
    ShapedText shaped_;
    QSize extent_;
    QRect touched_; // what a draw may change, from the top-left corner
    std::vector<Run> ink_;
    bool exactInk_ = true;
};

// A designed text wrapped at word boundaries within a width, each line placed on the face's
// design line metrics (see designLineMetrics) and mended (see ShapedText). Laid out once and
// drawn on every paint until the text, the font, the width, the alignment or the device's
// resolution changes.
class WrappedText {
public:
    void draw(QPainter& painter, const QString& text, const QFont& font, int width,
              Qt::Alignment alignment, QPaintDevice* device);

private:
    struct Key {
        QString text;
        QFont font;
        int width;
        Qt::Alignment alignment;
        qreal devicePixelRatio;
        int dpiX, dpiY;
        bool operator==(const Key&) const = default;
    };
    void layOut(const Key& key, QPaintDevice* device);

    std::optional<Key> key_;
    QRawFont face_; // what the font resolved to
    std::vector<ShapedText> lines_;
};

} // namespace dorvak
