// Moving and resizing the host, the pointer shapes near its edges, and the caption buttons'
// hover, press and release.

#include "controls/skin/EdgeGrips.h"
#include "controls/skin/PointerShapes.h"
#include "controls/skin/xVistaForm.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Timer.h"
#include "platform/windowing/Pointer.h"
#include "platform/windowing/WindowMove.h"
#include "platform/windowing/WindowSystem.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace dorvak {
namespace {

constexpr std::int16_t leftButton = 1;
// A press this far from the right end of the title bar is on the caption buttons, not a drag.
constexpr double captionButtonsWidth = 1500;
constexpr double dragTop = 30;
constexpr double dragBottom = 375;
// Over the caption, the pointer counts as no higher than the buttons' top.
constexpr double captionMinimumY = 75;

enum WindowStates { StateNormal = 0, StateMinimised = 1, StateMaximised = 2 };

bool leftButtonDown() {
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

// Lets pending events run; when there are none, sleeps until the next one or at most one
// timer period, so that a loop polling the pointer does not spin the processor.
void waitForEvents() {
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(15);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void setPointer(Form& host, std::int16_t pointer) {
    if (host.MousePointer() != pointer)
        host.setMousePointer(pointer);
}

} // namespace

void xVistaForm::bindTitleBar() {
    picForm->MouseDown.connect([this](std::int16_t& button, std::int16_t&, float& x, float& y) {
        titleBarPressed(button, x, y, y);
    });
    picForm->MouseMove.connect([this](std::int16_t& button, std::int16_t&, float& x, float& y) {
        titleBarMouseMove(button, x, y);
    });
    picForm->MouseUp.connect([this](std::int16_t&, std::int16_t&, float&, float&) { released(); });
    picForm->DblClick.connect([this] { toggleMaximised(); });
    picForm->Paint.connect([this] { paintTitleBar(); });

    lblFormCaption->MouseDown.connect(
        [this](std::int16_t& button, std::int16_t&, float& x, float& y) {
            titleBarPressed(button, x, y, std::max<double>(y, captionMinimumY));
        });
    lblFormCaption->MouseMove.connect(
        [this](std::int16_t& button, std::int16_t&, float& x, float& y) {
            titleBarMouseMove(button, x, std::max<double>(y, captionMinimumY));
        });
    lblFormCaption->MouseUp.connect(
        [this](std::int16_t&, std::int16_t&, float&, float&) { released(); });
    lblFormCaption->DblClick.connect([this] { toggleMaximised(); });

    tmrMouseMove->Tick.connect([this] { pollPointer(); });
}

void xVistaForm::bindHost() {
    // Bound once: the host's events then reach the skin for as long as both live.
    if (hostBound_ || !moveForm)
        return;
    hostBound_ = true;
    const QPointer<xVistaForm> skin(this);
    moveForm->MouseDown.connect([skin](std::int16_t& button, std::int16_t&, float& x, float& y) {
        if (skin)
            skin->pressed(button, x, y);
    });
    moveForm->MouseMove.connect([skin](std::int16_t& button, std::int16_t&, float& x, float& y) {
        if (skin && !skin->startTitleDrag(button))
            skin->setPointerAt(x, y);
    });
    moveForm->MouseUp.connect([skin](std::int16_t&, std::int16_t&, float&, float&) {
        if (skin)
            skin->released();
    });
    moveForm->Resize.connect([skin] {
        if (skin)
            skin->layOut();
    });
}

void xVistaForm::UserControl_MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& x,
                                       float& y) {
    setPointerAt(x, y);
}

QPointF xVistaForm::GetCursorTwips() const {
    POINT pointer;
    GetCursorPos(&pointer);
    return {pointer.x * double(TwipsPerPixelX), pointer.y * double(TwipsPerPixelY)};
}

void xVistaForm::SetCursorTwips(QPointF at) const {
    SetCursorPos(int(std::nearbyint(at.x() / TwipsPerPixelX)),
                 int(std::nearbyint(at.y() / TwipsPerPixelY)));
}

void xVistaForm::setPointerAt(double x, double y) {
    if (!HostWindow)
        return;
    const PointerZones zones{HostWindow->ScaleWidth(),
                             HostWindow->ScaleHeight(),
                             Width(),
                             Height(),
                             EdgeZoneX,
                             EdgeZoneY};
    setPointer(*HostWindow,
               pointerShapeAt(zones, x, y, leftButtonDown(), HostWindow->MousePointer()));
}

void xVistaForm::titleBarMouseMove(std::int16_t button, double x, double y) {
    if (!HostWindow || startTitleDrag(button))
        return;
    if (y > dragTop)
        setPointer(*HostWindow, PointerDefault);
    if (const int state = HostWindow->WindowState();
        state == StateNormal || state == StateMaximised)
        flags_.track(Width(), x, y, displayIcon_, button);
    // The buttons follow the pointer from the timer's ticks while it is on the title bar.
    if (!tmrMouseMove->Enabled())
        tmrMouseMove->setEnabled(true);
    setPointerAt(x, y);
}

void xVistaForm::titleBarPressed(std::int16_t button, double x, double y, double moveY) {
    // A press may come with no move before it (a touch, or a pointer that jumped here from
    // another window): it first finds what is under it, as that move would have.
    titleBarMouseMove(0, x, moveY);
    pressed(button, x, y);
}

void xVistaForm::pressed(std::int16_t button, double x, double y) {
    pressBecameMove_ = false;
    if (button != leftButton || !HostWindow)
        return;
    if (const std::optional<CaptionButton> pressedButton = flags_.press()) {
        drawCaptionButton(*pressedButton);
        picForm->Refresh();
    }
    if (x < Width() - captionButtonsWidth && y > dragTop && y <= dragBottom) {
        // The window system's move starts when the pointer moves with the button held: begun
        // at the press, it would take the pointer before a quick release, and the second click
        // of a double-click with it.
        titleDragArmed_ = true;
        GetCursorPos(&titleDragFrom_);
        setPointer(*HostWindow, PointerMove);
    }
    resizeFromEdges();
}

bool xVistaForm::startTitleDrag(std::int16_t button) {
    if (!titleDragArmed_ || !(button & leftButton))
        return false;
    titleDragArmed_ = false;
    // The press ends as a move: a caption button it pressed springs back, and the release,
    // wherever it is seen, acts on nothing.
    flags_.clear();
    pressBecameMove_ = true;
    ReleaseCapture();
    // The window moves with the pointer, the pressed point under it, until the button is
    // released.
    SendMessageA(HostWindow->hWnd(), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(titleDragFrom_.x, titleDragFrom_.y));
    if (HostWindow)
        setPointer(*HostWindow, PointerDefault);
    return true;
}

void xVistaForm::resizeFromEdges() {
    const QPointer<Form> host = HostWindow;
    if (!host)
        return;
    const QSizeF edgeZone(EdgeZoneX, EdgeZoneY);
    const auto hostFrame = [&host] {
        return QRectF(host->Left(), host->Top(), host->Width(), host->Height());
    };
    const QRectF frame = hostFrame();
    const QPointF at = GetCursorTwips() - frame.topLeft();
    const EdgeGrips grips = gripsAt(at, frame.size(), edgeZone);
    // A press that belongs to a title move, has ended already or gripped no edge has nothing
    // to follow.
    if (grips.any() && leftButtonDown() && !titleDragArmed_) {
        if (canPlaceWindows())
            followEdges(grips, frame, at);
        else
            // Where only the compositor may place windows and the pointer, it resizes.
            SendMessageA(host->hWnd(), WM_NCLBUTTONDOWN, sizingHitCode(grips), 0);
    }
    if (!host)
        return;
    drawCaptionButtons();
    picForm->Refresh();
    host->Refresh();
}

void xVistaForm::followEdges(const EdgeGrips& grips, QRectF frame, QPointF at) {
    const QPointer<Form> host = HostWindow;
    const QSizeF edgeZone(EdgeZoneX, EdgeZoneY);
    const QSizeF pixel(TwipsPerPixelX, TwipsPerPixelY);
    SetCursorTwips(snappedPointer(grips, frame, at, pixel));
    const QPointF start = GetCursorTwips();
    while (host && leftButtonDown()) {
        const QRectF current(host->Left(), host->Top(), host->Width(), host->Height());
        const QRectF resized =
            resizedFrame(grips, current, start, GetCursorTwips(), edgeZone, pixel);
        if (resized != current)
            host->Move(resized.left(), resized.top(), resized.width(), resized.height());
        // The host's resize events run the layout and repaint the frame in here.
        waitForEvents();
    }
}

void xVistaForm::released() {
    if (titleDragArmed_) {
        titleDragArmed_ = false;
        if (HostWindow)
            setPointer(*HostWindow, PointerDefault);
    }
    if (std::exchange(pressBecameMove_, false))
        return;
    if (flags_.MinimiseHover && showMinimiseButton_) {
        if (HostWindow)
            HostWindow->setWindowState(StateMinimised);
    } else if (flags_.MaximiseHover && showMaximiseButton_) {
        toggleMaximised();
    } else if (flags_.CloseHover && showCloseButton_) {
        tmrMouseMove->setEnabled(false);
        if (moveForm)
            moveForm->Unload();
        if (HostWindow)
            HostWindow->Unload();
        IsClosing = true;
    }
}

void xVistaForm::toggleMaximised() {
    if (HostWindow)
        HostWindow->setWindowState(HostWindow->WindowState() == StateMaximised ? StateNormal
                                                                               : StateMaximised);
}

bool xVistaForm::pointerOnTitleBar() const {
    // Where the compositor places the windows, the program's idea of where they are on the
    // screen need not match the screen (native Wayland tells it nothing): the pointer is on
    // the title bar when it last came onto it and has not left it.
    if (!canPlaceWindows())
        return picForm->underMouse();
    POINT pointer;
    GetCursorPos(&pointer);
    return WindowFromPoint(pointer) == picForm->hWnd();
}

void xVistaForm::pollPointer() {
    if (pointerOnTitleBar()) {
        HoverCleared = false;
    } else {
        flags_.clear();
        if (HoverCleared)
            return;
        HoverCleared = true;
        // Nothing to follow until the pointer is back on the title bar, whose first move
        // starts the timer again: an idle window does not poll.
        tmrMouseMove->setEnabled(false);
    }
    // Only a button whose look changed is drawn again, so a resting pointer costs nothing.
    for (CaptionButton button : captionButtons)
        if (isShown(button) && drawnLooks_[std::size_t(button)] != flags_.look(button))
            drawCaptionButton(button);
    picForm->Refresh();
}

} // namespace dorvak
