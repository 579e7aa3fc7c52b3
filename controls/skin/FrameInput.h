#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QPointF>
#include <QSizeF>
#include <cstdint>

namespace dorvak {

class Form;

// What the skin's frame does under the mouse, for a host without the window system's frame:
// a left press in the title bar arms a move of the host, which the window system runs once
// the pointer moves with the button held (or at once, see movesAtPress); a left press
// near an edge of the host resizes it until the button comes up; the pointer takes the sizing shape
// of the zone it is in. Positions are twips; the title bar is the skin, at the top of its host.
class FrameInput {
public:
    // `pixel`: the size of one screen pixel in twips.
    explicit FrameInput(QSizeF pixel);

    // The shape of the pointer at (x, y) on the host, under a title bar `titleBar` large.
    void showPointerAt(Form& host, QSizeF titleBar, double x, double y) const;
    // Over the title bar, away from its top edge, the pointer is the default one.
    void showTitleBarPointer(Form& host, double y) const;

    // A press of `button` at (x, y) on the title bar or the host, whose title bar is
    // `titleWidth` wide. A left press in the drag zone arms the title move; one near an edge
    // resizes the host, running the pending events, until the button comes up. Whether it was
    // a left press.
    bool press(Form& host, double titleWidth, std::int16_t button, double x, double y);
    // A move with `buttons` held: whether it begins the armed title move. The caller then
    // lets go of what the press pressed and has the host follow the pointer (moveHost).
    bool beginsTitleMove(std::int16_t buttons);
    // Whether the armed title move is to begin at the press itself (beginsTitleMove, with the
    // buttons still held), where the window system starts a move from where the pointer is when
    // asked. A press on a caption button waits for a motion, as elsewhere, so that it can still
    // end as the button's click.
    bool movesAtPress(bool onCaptionButton) const;
    // The window system moves the host with the pointer, the pressed point under it, until the
    // button is released.
    void moveHost(Form& host) const;
    // The button came up: whether the press ended as a move of the window, which clicks
    // nothing.
    bool release(Form* host);

    // The screen pointer position in twips, and moving it there.
    QPointF GetCursorTwips() const;
    void SetCursorTwips(QPointF at) const;

private:
    void resizeFromEdges(Form& host);

    QSizeF pixel_;
    QSizeF edgeZone_; // five pixels: where a press grips an edge
    bool titleMoveArmed_ = false;
    POINT titleMoveFrom_{}; // where an armed title move was pressed, in screen pixels
    // The last press moved the window, so its release is no caption-button click.
    bool pressBecameMove_ = false;
};

} // namespace dorvak
