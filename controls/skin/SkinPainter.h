#pragma once

#include "controls/skin/CaptionButtons.h"
#include "controls/skin/SkinProperties.h"

#include <QSize>
#include <QSizeF>
#include <array>
#include <optional>

namespace dorvak {

class Surface;

// The title bar's surface, and the skin's width and top on its host in twips, which place the
// caption buttons.
struct TitleBarPlace {
    Surface& surface;
    double width;
    double top;
};

// Paints the skin in the colours of its properties: the title bar with its caption buttons,
// and the frame on the host. It remembers the look each caption button shows, so that a
// button is drawn again only when its look changes.
class SkinPainter {
public:
    explicit SkinPainter(const SkinProperties& properties)
        : properties_(properties) {}

    // The whole title bar afresh: a gradient picture of `gradientPixels` as the surface's
    // background, each shown caption button in the look of `flags`, and the border lines, the
    // third in `backColour`, the skin's own.
    void paintTitleBar(const TitleBarPlace& bar, QSize gradientPixels, OleColor backColour,
                       const CaptionButtonFlags& flags);
    // One caption button in `look`; a hidden one leaves the gradient showing.
    void drawButton(const TitleBarPlace& bar, CaptionButton button, ButtonLook look);
    void drawButtons(const TitleBarPlace& bar, const CaptionButtonFlags& flags);
    // The shown buttons whose look differs from the one they show; whether any was drawn.
    bool drawChangedButtons(const TitleBarPlace& bar, const CaptionButtonFlags& flags);

    // Four one-pixel columns on each side of the host's surface, `size` twips large, and four
    // rows at its bottom; the title bar covers their top.
    void paintHostFrame(Surface& host, QSizeF size) const;

private:
    const SkinProperties& properties_;
    // Empty where the button is hidden or its drawing failed.
    std::array<std::optional<ButtonLook>, 3> shownLooks_;
};

} // namespace dorvak
