#include "controls/skin/CaptionButtons.h"

namespace dorvak {
namespace {

struct HitRange {
    double fromEnd; // x ≥ width − fromEnd
    double toEnd;   // x ≤ width − toEnd
};

constexpr double hitTop = 75;
constexpr double hitBottom = 240;

HitRange hitRange(CaptionButton button, bool withIcon) {
    switch (button) {
    case CaptionButton::Minimise:
        return withIcon ? HitRange{1855, 1420} : HitRange{1570, 1120};
    case CaptionButton::Maximise:
        return withIcon ? HitRange{1360, 960} : HitRange{1075, 645};
    case CaptionButton::Close:
        break;
    }
    return withIcon ? HitRange{885, 465} : HitRange{600, 180};
}

} // namespace

std::optional<CaptionButton> captionButtonAt(double width, double x, double y, bool withIcon) {
    if (y < hitTop || y > hitBottom)
        return std::nullopt;
    for (CaptionButton button : captionButtons) {
        const HitRange range = hitRange(button, withIcon);
        if (x >= width - range.fromEnd && x <= width - range.toEnd)
            return button;
    }
    return std::nullopt;
}

bool& CaptionButtonFlags::hover(CaptionButton button) {
    switch (button) {
    case CaptionButton::Minimise:
        return MinimiseHover;
    case CaptionButton::Maximise:
        return MaximiseHover;
    case CaptionButton::Close:
        break;
    }
    return CloseHover;
}

bool& CaptionButtonFlags::pressed(CaptionButton button) {
    switch (button) {
    case CaptionButton::Minimise:
        return MinimisePressed;
    case CaptionButton::Maximise:
        return MaximisePressed;
    case CaptionButton::Close:
        break;
    }
    return ClosePressed;
}

bool CaptionButtonFlags::hover(CaptionButton button) const {
    return const_cast<CaptionButtonFlags&>(*this).hover(button);
}

bool CaptionButtonFlags::pressed(CaptionButton button) const {
    return const_cast<CaptionButtonFlags&>(*this).pressed(button);
}

ButtonLook CaptionButtonFlags::look(CaptionButton button) const {
    if (hover(button))
        return pressed(button) ? ButtonLook::Pressed : ButtonLook::Hover;
    return pressed(button) ? ButtonLook::PressedOffButton : ButtonLook::Normal;
}

void CaptionButtonFlags::track(double width, double x, double y, bool withIcon,
                               std::int16_t mouseButton) {
    const std::optional<CaptionButton> hit = captionButtonAt(width, x, y, withIcon);
    if (!hit) {
        clear();
        return;
    }
    for (CaptionButton button : captionButtons)
        hover(button) = button == *hit;
    if (mouseButton == 1)
        pressed(*hit) = true;
}

std::optional<CaptionButton> CaptionButtonFlags::press() {
    const std::optional<CaptionButton> button = hovered();
    if (!button)
        return std::nullopt;
    // The hovered button keeps its hover flag; the others lose both.
    pressed(*button) = true;
    for (CaptionButton other : captionButtons) {
        if (other == *button)
            continue;
        hover(other) = false;
        pressed(other) = false;
    }
    return button;
}

std::optional<CaptionButton> CaptionButtonFlags::hovered() const {
    for (CaptionButton button : captionButtons)
        if (hover(button))
            return button;
    return std::nullopt;
}

} // namespace dorvak
