#include "controls/skin/FrameInput.h"

#include "controls/skin/EdgeGrips.h"
#include "controls/skin/PointerShapes.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/windowing/Pointer.h"
#include "platform/windowing/WindowMove.h"
#include "platform/windowing/WindowSystem.h"

#include <QPointer>
#include <QRectF>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

namespace dorvak {
namespace {

constexpr std::int16_t leftButton = 1;
// A press this far from the right end of the title bar is on the caption buttons, not a drag.
constexpr double captionButtonsWidth = 1500;
constexpr double dragTop = 30;
constexpr double dragBottom = 375;

bool leftButtonDown() {
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

void setPointer(Form& host, std::int16_t pointer) {
    if (host.MousePointer() != pointer)
        host.setMousePointer(pointer);
}

QRectF frameOf(const Form& host) {
    return {host.Left(), host.Top(), host.Width(), host.Height()};
}

QPointF cursorTwips(QSizeF pixel) {
    POINT pointer;
    GetCursorPos(&pointer);
    return {pointer.x * pixel.width(), pointer.y * pixel.height()};
}

// The resize loop: the gripped edges follow the pointer from `start` until the left button
// comes up. It holds nothing of the skin's: the host's events run in here, and may close the
// host and the skin with it.
void followEdges(Form& host, const EdgeGrips& grips, QPointF start, QSizeF edgeZone, QSizeF pixel) {
    const QPointer<Form> resized(&host);
    while (resized && leftButtonDown()) {
        const QRectF current = frameOf(*resized);
        const QRectF next =
            resizedFrame(grips, current, start, cursorTwips(pixel), edgeZone, pixel);
        if (next != current)
            resized->Move(next.left(), next.top(), next.width(), next.height());
        // The host's resize events run the layout and repaint the frame in here.
        DoEvents();
        // A pointer held still changes nothing: the loop looks again a timer period later
        // rather than at once, which would keep a processor busy for as long as it is held.
        if (next == current)
            std::this_thread::sleep_for(std::chrono::milliseconds(Timer::resolutionMs));
    }
}

} // namespace

FrameInput::FrameInput(QSizeF pixel)
    : pixel_(pixel)
    , edgeZone_(5 * pixel) {}

QPointF FrameInput::GetCursorTwips() const {
    return cursorTwips(pixel_);
}

void FrameInput::SetCursorTwips(QPointF at) const {
    SetCursorPos(int(std::nearbyint(at.x() / pixel_.width())),
                 int(std::nearbyint(at.y() / pixel_.height())));
}

void FrameInput::showPointerAt(Form& host, QSizeF titleBar, double x, double y) const {
    const PointerZones zones{host.ScaleWidth(), host.ScaleHeight(), titleBar.width(),
                             titleBar.height(), edgeZone_.width(),  edgeZone_.height()};
    setPointer(host, pointerShapeAt(zones, x, y, leftButtonDown(), host.MousePointer()));
}

void FrameInput::showTitleBarPointer(Form& host, double y) const {
    if (y > dragTop)
        setPointer(host, PointerDefault);
}

bool FrameInput::press(Form& host, double titleWidth, std::int16_t button, double x, double y) {
    pressBecameMove_ = false;
    if (button != leftButton)
        return false;
    if (x < titleWidth - captionButtonsWidth && y > dragTop && y <= dragBottom) {
        // The window system's move starts when the pointer moves with the button held, unless
        // it must begin at the press (movesAtPress).
        titleMoveArmed_ = true;
        GetCursorPos(&titleMoveFrom_);
        setPointer(host, PointerMove);
    }
    resizeFromEdges(host);
    return true;
}

bool FrameInput::beginsTitleMove(std::int16_t buttons) {
    if (!titleMoveArmed_ || !(buttons & leftButton))
        return false;
    titleMoveArmed_ = false;
    pressBecameMove_ = true;
    return true;
}

bool FrameInput::movesAtPress(bool onCaptionButton) const {
    // On Wayland itself: KWin starts a move from where its pointer is when the request comes,
    // which would leave out the drag's first step. On X the request names the press point
    // itself, and a move begun at the press would take the second click of a double-click.
    return titleMoveArmed_ && !onCaptionButton && onWaylandItself();
}

void FrameInput::moveHost(Form& host) const {
    const QPointer<Form> moved(&host);
    ReleaseCapture();
    SendMessageA(host.hWnd(), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(titleMoveFrom_.x, titleMoveFrom_.y));
    if (moved)
        setPointer(*moved, PointerDefault);
}

bool FrameInput::release(Form* host) {
    if (std::exchange(titleMoveArmed_, false) && host)
        setPointer(*host, PointerDefault);
    return std::exchange(pressBecameMove_, false);
}

void FrameInput::resizeFromEdges(Form& host) {
    const QRectF frame = frameOf(host);
    const QPointF at = GetCursorTwips() - frame.topLeft();
    const EdgeGrips grips = gripsAt(at, frame.size(), edgeZone_);
    // A press that belongs to a title move, has ended already or gripped no edge has nothing
    // to follow.
    if (!grips.any() || !leftButtonDown() || titleMoveArmed_)
        return;
    if (!canPlaceWindows()) {
        // Where only the compositor may place windows and the pointer, it resizes.
        SendMessageA(host.hWnd(), WM_NCLBUTTONDOWN, sizingHitCode(grips), 0);
        return;
    }
    SetCursorTwips(snappedPointer(grips, frame, at, pixel_));
    followEdges(host, grips, GetCursorTwips(), edgeZone_, pixel_);
}

} // namespace dorvak
