#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace dorvak {

enum class CaptionButton { Minimise, Maximise, Close };

inline constexpr std::array<CaptionButton, 3> captionButtons{
    CaptionButton::Minimise, CaptionButton::Maximise, CaptionButton::Close};

// What a caption button shows. PressedOffButton (pressed, no longer hovered) redraws only the
// outline and glyph: the face drawn before stays.
enum class ButtonLook { Normal, Hover, Pressed, PressedOffButton };

// The button whose hit rectangle contains (x, y), in twips on a title bar `width` twips
// wide; the rectangles are shifted left when the icon takes the start of the caption.
std::optional<CaptionButton> captionButtonAt(double width, double x, double y, bool withIcon);

// The hover and pressed state of the three caption buttons.
struct CaptionButtonFlags {
    bool MinimiseHover = false;
    bool MinimisePressed = false;
    bool MaximiseHover = false;
    bool MaximisePressed = false;
    bool CloseHover = false;
    bool ClosePressed = false;

    bool& hover(CaptionButton button);
    bool& pressed(CaptionButton button);
    bool hover(CaptionButton button) const;
    bool pressed(CaptionButton button) const;
    ButtonLook look(CaptionButton button) const;

    // The pointer moved to (x, y) with `mouseButton` (1 = left) held: the button under it
    // becomes the only hovered one, and pressed too with the left button held; off all
    // buttons, every flag is cleared.
    void track(double width, double x, double y, bool withIcon, std::int16_t mouseButton);
    // A left press: the hovered button (the first in minimise, maximise, close order) becomes
    // pressed and the others are cleared. The button pressed, if any.
    std::optional<CaptionButton> press();
    void clear() { *this = CaptionButtonFlags(); }
    // The first hovered button, in minimise, maximise, close order.
    std::optional<CaptionButton> hovered() const;
};

} // namespace dorvak
