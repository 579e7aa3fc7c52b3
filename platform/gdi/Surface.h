#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/GdiTypes.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace dorvak {

class InkedLine;

// Units of ScaleMode, ScaleX and ScaleY, numbered as the forms runtime numbers them.
enum class ScaleMode : int {
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Inches = 5,
    Millimeters = 6,
    Centimeters = 7,
    Himetric = 8,
};

inline constexpr int twipsPerPixel = 15; // at 96 device-independent pixels per inch
// 96 dots per inch, so that font point sizes become the desktop's pixel sizes.
inline constexpr int surfaceDotsPerMeter = 3780;

// What a Form, PictureBox or user control draws on: a persistent 32-bit image with its
// colours, background picture and transparency mask, and a device context handle for the
// GDI-style calls. The widget showing it only blits the area handed to the refresh handler.
//
// Above 1× the image holds device pixels: a whole device scale k, each logical pixel a k × k
// block (the image's device pixel ratio is k). Sizes, coordinates, regions and changed areas
// stay logical, so the GDI-style calls draw the 1× geometry scaled by k; only text and
// pictures use the extra pixels.
class Surface {
public:
    enum BackStyle : int { Transparent = 0, Opaque = 1 };

    Surface(int width = 0, int height = 0);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // In device pixels, its device pixel ratio the device scale.
    const QImage& image() const { return image_; }
    // For the drawing calls: writes through it must be reported with markChanged().
    QImage& image() { return image_; }
    int width() const { return image_.width() / deviceScale_; }
    int height() const { return image_.height() / deviceScale_; }
    QRect rect() const { return QRect(0, 0, width(), height()); }
    // Keeps what is drawn in the overlapping area; new area shows back colour and picture.
    void resize(int width, int height);

    int deviceScale() const { return deviceScale_; }
    // Keeps what is drawn, resampled, until the owner draws again.
    void setDeviceScale(int scale);

    int widthTwips() const { return width() * twipsPerPixel; }
    int heightTwips() const { return height() * twipsPerPixel; }
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    double scaleWidth() const;
    double scaleHeight() const;
    static double scaleX(double value, ScaleMode from, ScaleMode to);
    static double scaleY(double value, ScaleMode from, ScaleMode to) {
        return scaleX(value, from, to);
    }

    // Colours are kept as given (system colours untranslated); setting one that does not
    // translate raises RuntimeError. Setting the back colour clears the surface.
    OleColor backColor() const { return backColor_; }
    void setBackColor(OleColor color);
    OleColor foreColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    // The plain fore colour as an image pixel: the pen and text colour.
    std::uint32_t penPixel() const { return penPixel_; }
    BackStyle backStyle() const { return backStyle_; }
    void setBackStyle(BackStyle style);

    const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    // The line of text (system code page) the text calls draw and measure in the surface
    // font. The last one is kept, so the passes of a paint that draw one caption again and
    // again shape it once; it is made anew for other text, another font, or a font that
    // resolves to another face.
    const InkedLine& inkedLine(std::string_view bytes);

    const QImage& picture() const { return picture_; }
    // The background picture, drawn at the top-left corner by cls(); above 1× the sharper
    // one when given (a picture of device pixel ratio above 1, the same logical size).
    void setPicture(const QImage& picture, const QImage& sharper = QImage());
    // Back colour, then the background picture; forgets all drawing.
    void cls();
    // Draws at natural size, (x, y) in scale units.
    void paintPicture(const QImage& picture, double x, double y);
    // A one-pixel line in scale units, the end point excluded.
    void line(double x1, double y1, double x2, double y2, OleColor color);

    OleColor maskColor() const { return maskColor_; }
    void setMaskColor(OleColor color);
    void setMaskPicture(const QImage& mask);
    // The pixels that show: all of them when opaque; when transparent, those of the mask
    // picture that differ from the mask colour.
    QRegion visibleRegion() const;

    // The device context handle for the GDI-style calls; unknown once the surface is gone.
    HDC hdc() const { return hdc_; }
    QPoint penPosition() const { return penPosition_; }
    void setPenPosition(QPoint position) { penPosition_ = position; }

    // Drawing calls report the pixels they touched; refresh() hands the accumulated area to
    // the refresh handler. A change of what the mask lets through counts as a change of the
    // whole surface.
    void markChanged(const QRect& area) { changed_ |= area & rect(); }
    void refresh();
    void setRefreshHandler(std::function<void(const QRegion& changed)> handler) {
        refreshHandler_ = std::move(handler);
    }

private:
    int toPixels(double value) const;
    QRegion computeVisibleRegion() const;
    void maskChanged();
    // Takes a blank image of the new size or scale, keeping what was drawn.
    void replaceImage(QImage blank);

    QImage image_;
    int deviceScale_ = 1;
    QImage picture_;
    QImage sharperPicture_;
    QImage maskPicture_;
    // The showing widget asks on every paint and mouse event; worked out once per mask.
    mutable std::optional<QRegion> visibleRegion_;
    QFont font_;
    QFont textFont_; // the font as the text calls lay it out, and draw it at 1×
    std::unique_ptr<InkedLine> inkedLine_;
    OleColor backColor_ = 0x8000000F;
    OleColor foreColor_ = 0x80000012;
    OleColor maskColor_ = 0x00C0C0C0;
    std::uint32_t penPixel_;
    BackStyle backStyle_ = Opaque;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    QPoint penPosition_;
    QRect changed_;
    std::function<void(const QRegion&)> refreshHandler_;
    HDC hdc_;
};

// The surface behind a device context handle; nullptr for a stale or unknown one.
Surface* surfaceFromHdc(HDC hdc);

} // namespace dorvak
