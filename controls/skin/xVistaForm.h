#pragma once

#include "controls/skin/CaptionButtons.h"
#include "controls/skin/ColourScheme.h"
#include "controls/skin/EdgeGrips.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windowing/UserTypes.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>

namespace dorvak {

class Form;
class Image;
class Label;
class PictureBox;
class Timer;

// A window skin. Placed on a borderless window (its host), it draws a gradient title bar
// with the icon, the caption and minimise, maximise and close buttons, and a four-pixel
// frame; it moves the host when the title bar is dragged, resizes it from its edges, keeps
// its task-bar button and can make it translucent. It takes the host's mouse and resize
// events itself, so the host needs no code for it.
class xVistaForm : public UserControl {
    Q_OBJECT

public:
    static constexpr const char* kind = "xVistaForm";

    explicit xVistaForm(const ControlSite& site);

    QString Caption() const;
    void setCaption(const QString& caption);
    bool DisplayIcon() const { return displayIcon_; }
    void setDisplayIcon(bool display);
    QFont Font() const;
    void setFont(const QFont& font);
    OleColor ForeColor() const;
    void setForeColor(OleColor colour);
    QImage Icon() const;
    void setIcon(const QImage& icon);
    bool ShowCloseButton() const { return showCloseButton_; }
    void setShowCloseButton(bool show);
    bool ShowMinimiseButton() const { return showMinimiseButton_; }
    void setShowMinimiseButton(bool show);
    bool ShowMaximiseButton() const { return showMaximiseButton_; }
    void setShowMaximiseButton(bool show);
    std::int32_t Style() const { return style_; }
    void setStyle(std::int32_t style);
    bool Transparency() const { return transparency_; }
    void setTransparency(bool on);
    // Percent of translucency, as decimal text; text that is no number raises a type
    // mismatch and one out of the 16-bit range an overflow.
    QString TransparencyLevel() const;
    void setTransparencyLevel(const QString& level);

    // Makes the window translucent by `level` percent. 0 done, 1 a level outside 0..100
    // (nothing changed), 2 a step failed.
    std::int32_t MakeSemiTransparent(HWND hWnd, std::int16_t level);

    // The state the title bar and its buttons show.
    const ColourScheme& colours() const { return colours_; }
    OleColor captionColour() const { return CaptionColour; }
    const CaptionButtonFlags& buttonFlags() const { return flags_; }
    bool isClosing() const { return IsClosing; }
    PictureBox* titleBar() const { return picForm; }
    Label* captionLabel() const { return lblFormCaption; }
    Image* iconImage() const { return imgFormPic; }
    Timer* pointerTimer() const { return tmrMouseMove; }

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void UserControl_WriteProperties(PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    void UserControl_Terminate() override;
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;

private:
    // Properties and layout.
    void CreateChildControls();
    void bindTitleBar();
    void bindHost();
    void ApplyColourScheme();
    void layOut();

    // Painting.
    void paintTitleBar();
    void paintHostFrame();
    void drawCaptionButton(CaptionButton button);
    void drawCaptionButtons();
    bool isShown(CaptionButton button) const;

    // Input.
    void pressed(std::int16_t button, double x, double y);
    void released();
    void titleBarMouseMove(std::int16_t button, double x, double y);
    // A press on the title bar at (x, y); `moveY` is where a move to that point tracks the
    // caption buttons.
    void titleBarPressed(std::int16_t button, double x, double y, double moveY);
    // Starts the window system's move of a press armed in the title bar, once the pointer
    // moves with the left button held; whether it did.
    bool startTitleDrag(std::int16_t button);
    void setPointerAt(double x, double y);
    void toggleMaximised();
    void resizeFromEdges();
    // The resize loop: the gripped edges follow the pointer until the button is released.
    void followEdges(const EdgeGrips& grips, QRectF frame, QPointF at);
    void pollPointer();
    bool pointerOnTitleBar() const;
    QPointF GetCursorTwips() const;
    void SetCursorTwips(QPointF at) const;

    PictureBox* picForm = nullptr;
    Timer* tmrMouseMove = nullptr;
    Label* lblFormCaption = nullptr;
    Image* imgFormPic = nullptr;
    QPointer<Form> HostWindow;
    QPointer<Form> moveForm;

    // The saved properties; their defaults are set by the constructor.
    struct Persistence;
    bool showCloseButton_{};
    bool showMinimiseButton_{};
    bool showMaximiseButton_{};
    bool displayIcon_{};
    bool transparency_{};
    std::int16_t transparencyLevel_{};
    std::int32_t style_{};
    OleColor CaptionColour{};
    ColourScheme colours_{};

    CaptionButtonFlags flags_;
    // The look each caption button was last drawn in, so that the pointer polling redraws
    // only what changed.
    std::array<std::optional<ButtonLook>, 3> drawnLooks_;
    bool HoverCleared = false;
    bool SkipTitlePaint = false;
    bool IsClosing = false;
    bool ChildrenCreated = false;
    bool hostBound_ = false;
    // The last press moved the window, so its release is no caption-button click.
    bool pressBecameMove_ = false;
    bool titleDragArmed_ = false;
    POINT titleDragFrom_{}; // where an armed title drag was pressed, in screen pixels

    float TwipsPerPixelX;
    float TwipsPerPixelY;
    float EdgeZoneX;
    float EdgeZoneY;
};

} // namespace dorvak
