#pragma once

#include "controls/skin/CaptionButtons.h"
#include "controls/skin/FrameInput.h"
#include "controls/skin/SkinPainter.h"
#include "controls/skin/SkinProperties.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windowing/UserTypes.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <cstdint>

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
    bool DisplayIcon() const { return properties_.DisplayIcon; }
    void setDisplayIcon(bool display);
    QFont Font() const;
    void setFont(const QFont& font);
    OleColor ForeColor() const;
    void setForeColor(OleColor colour);
    QImage Icon() const;
    void setIcon(const QImage& icon);
    bool ShowCloseButton() const { return properties_.ShowCloseButton; }
    void setShowCloseButton(bool show);
    bool ShowMinimiseButton() const { return properties_.ShowMinimiseButton; }
    void setShowMinimiseButton(bool show);
    bool ShowMaximiseButton() const { return properties_.ShowMaximiseButton; }
    void setShowMaximiseButton(bool show);
    std::int32_t Style() const { return properties_.Style; }
    void setStyle(std::int32_t style);
    bool Transparency() const { return properties_.Transparency; }
    void setTransparency(bool on);
    // Percent of translucency, as decimal text; text that is no number raises a type
    // mismatch and one out of the 16-bit range an overflow.
    QString TransparencyLevel() const;
    void setTransparencyLevel(const QString& level);

    // Makes the window translucent by `level` percent. 0 done, 1 a level outside 0..100
    // (nothing changed), 2 a step failed.
    std::int32_t MakeSemiTransparent(HWND hWnd, std::int16_t level);

    // The state the title bar and its buttons show.
    const ColourScheme& colours() const { return properties_.colours; }
    OleColor captionColour() const { return properties_.CaptionColour; }
    const CaptionButtonFlags& buttonFlags() const { return buttonFlags_; }
    bool isClosing() const { return closing_; }
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Child controls and layout.
    void CreateChildControls();
    void bindTitleBar();
    void bindHost();
    CaptionControls captionControls();
    void layOut();

    // Painting.
    TitleBarPlace titleBarPlace() const;
    void paintTitleBar();
    void paintHostFrame();

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
    // The armed press becomes the window system's move of the host, until the button is up.
    void moveHost();
    void setPointerAt(double x, double y);
    void toggleMaximised();
    // The caption buttons show their looks at the next tick of the pointer timer.
    void showButtonLooksSoon();
    void showButtonLooks();
    void pointerLeftTitleBar();

    PictureBox* picForm = nullptr;
    Timer* tmrMouseMove = nullptr;
    Label* lblFormCaption = nullptr;
    Image* imgFormPic = nullptr;
    QPointer<Form> host_;
    // The host whose mouse and resize events the skin takes, once its properties are read.
    QPointer<Form> boundHost_;

    SkinProperties properties_;
    SkinPainter painter_{properties_};
    FrameInput input_;
    CaptionButtonFlags buttonFlags_;
    bool childrenCreated_ = false;
    bool skipTitlePaint_ = false;
    bool closing_ = false;
};

} // namespace dorvak
