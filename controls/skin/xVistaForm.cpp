#include "controls/skin/xVistaForm.h"

#include "controls/skin/TaskbarPresence.h"
#include "controls/skin/Translucency.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/SystemLocale.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/windowing/Pointer.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>

namespace dorvak {
namespace {

constexpr double titleBarHeight = 390;
constexpr double iconSize = 240;
constexpr int pollingIntervalMs = 10;
constexpr int alignTop = 1;
constexpr std::int16_t leftButton = 1;
// Over the caption, the pointer counts as no higher than the buttons' top.
constexpr double captionMinimumY = 75;

enum WindowStates { StateNormal = 0, StateMinimised = 1, StateMaximised = 2 };

} // namespace

xVistaForm::xVistaForm(const ControlSite& site)
    : UserControl(site)
    , input_(QSizeF(TwipsPerPixelX(), TwipsPerPixelY())) {}

// Properties ---------------------------------------------------------------------------------

QString xVistaForm::Caption() const {
    return lblFormCaption ? lblFormCaption->Caption() : QString();
}

void xVistaForm::setCaption(const QString& caption) {
    CreateChildControls();
    lblFormCaption->setCaption(caption);
    PropertyChanged(QStringLiteral("Caption"));
    paintHostFrame();
}

void xVistaForm::setDisplayIcon(bool display) {
    properties_.DisplayIcon = display;
    PropertyChanged(QStringLiteral("DisplayIcon"));
    layOut();
}

QFont xVistaForm::Font() const {
    return lblFormCaption ? lblFormCaption->font() : ambientFont();
}

void xVistaForm::setFont(const QFont& font) {
    CreateChildControls();
    lblFormCaption->setFont(font);
    layOut();
    PropertyChanged(QStringLiteral("Font"));
}

OleColor xVistaForm::ForeColor() const {
    return lblFormCaption ? lblFormCaption->ForeColor() : properties_.CaptionColour;
}

void xVistaForm::setForeColor(OleColor colour) {
    CreateChildControls();
    lblFormCaption->setForeColor(colour);
    properties_.CaptionColour = colour;
    PropertyChanged(QStringLiteral("ForeColor"));
}

QImage xVistaForm::Icon() const {
    return imgFormPic ? imgFormPic->Picture() : QImage();
}

void xVistaForm::setIcon(const QImage& icon) {
    CreateChildControls();
    imgFormPic->setPicture(icon);
    if (Form* host = parentForm())
        host->setIcon(icon);
    PropertyChanged(QStringLiteral("Icon"));
    properties_.DisplayIcon = true;
    layOut();
}

void xVistaForm::setShowCloseButton(bool show) {
    properties_.ShowCloseButton = show;
    PropertyChanged(QStringLiteral("ShowCloseButton"));
    layOut();
}

void xVistaForm::setShowMinimiseButton(bool show) {
    properties_.ShowMinimiseButton = show;
    PropertyChanged(QStringLiteral("ShowMinimiseButton"));
    layOut();
}

void xVistaForm::setShowMaximiseButton(bool show) {
    properties_.ShowMaximiseButton = show;
    PropertyChanged(QStringLiteral("ShowMaximiseButton"));
    layOut();
}

void xVistaForm::setStyle(std::int32_t style) {
    properties_.Style = style;
    properties_.ApplyColourScheme();
    CreateChildControls();
    lblFormCaption->setForeColor(properties_.CaptionColour);
    // The caption colour follows the scheme, so it is the saved fore colour that changed.
    PropertyChanged(QStringLiteral("ForeColor"));
    paintHostFrame();
    skipTitlePaint_ = false;
    paintTitleBar();
}

void xVistaForm::setTransparency(bool on) {
    properties_.Transparency = on;
    PropertyChanged(QStringLiteral("Transparency"));
    layOut();
}

QString xVistaForm::TransparencyLevel() const {
    return QString::number(properties_.TransparencyLevel);
}

void xVistaForm::setTransparencyLevel(const QString& level) {
    properties_.TransparencyLevel =
        toInt16(parseNumber(level.toStdString(), systemLocaleConventions()));
    PropertyChanged(QStringLiteral("TransparencyLevel"));
    layOut();
}

std::int32_t xVistaForm::MakeSemiTransparent(HWND hWnd, std::int16_t level) {
    // The colour key comes from the host whatever window is made translucent; only the
    // alpha takes effect.
    const std::uint32_t colourKey = host_ ? host_->BackColor() & 0xFFFFFFu : 0;
    return makeTranslucent(hWnd, level, colourKey);
}

// Child controls, saved properties and layout ---------------------------------------------------

void xVistaForm::CreateChildControls() {
    // Adding a control may raise events that lay the skin out, which asks for the children.
    if (childrenCreated_)
        return;
    childrenCreated_ = true;
    picForm = addControl<PictureBox>(QStringLiteral("picForm"));
    picForm->setAutoRedraw(true);
    picForm->setBorderStyle(0);
    picForm->show();

    tmrMouseMove = addControl<Timer>(QStringLiteral("tmrMouseMove"));
    tmrMouseMove->setEnabled(false);
    tmrMouseMove->setInterval(pollingIntervalMs);

    lblFormCaption = addControl<Label>(QStringLiteral("lblFormCaption"), picForm);
    lblFormCaption->setBackStyle(0);
    lblFormCaption->setCaption(extenderName());
    lblFormCaption->setForeColor(properties_.CaptionColour);
    lblFormCaption->show();

    imgFormPic = addControl<Image>(QStringLiteral("imgFormPic"), picForm);
    imgFormPic->setPicture(QImage());
    // A window icon is larger than the title bar has room for.
    imgFormPic->setStretch(true);

    bindTitleBar();
}

CaptionControls xVistaForm::captionControls() {
    CreateChildControls();
    return {*lblFormCaption, *imgFormPic, extenderName(), ambientFont()};
}

void xVistaForm::UserControl_InitProperties() {
    CreateChildControls();
    host_ = parentForm();
    if (host_)
        host_->setBorderStyle(Form::BorderNone);
    properties_.ApplyColourScheme();
    paintHostFrame();
    if (host_) {
        host_->setIcon(QImage());
        host_->setAutoRedraw(false);
    }
}

void xVistaForm::UserControl_ReadProperties(PropertyBag& bag) {
    resumeNext([&] {
        host_ = parentForm();
        bindHost();
        host_->setAutoRedraw(true);
    });
    resumeNext([&] { properties_.readProvisionalStyle(bag); });
    resumeNext([&] { properties_.ApplyColourScheme(); });
    properties_.read(bag, captionControls());
    resumeNext([&] { SetTaskbarPresence(host_->hWnd(), true); });
    resumeNext([&] {
        if (properties_.Transparency)
            MakeSemiTransparent(parentForm()->hWnd(), properties_.TransparencyLevel);
    });
    // The scheme's caption colour wins over a stored fore colour.
    resumeNext([&] {
        properties_.ApplyColourScheme();
        lblFormCaption->setForeColor(properties_.CaptionColour);
    });
    resumeNext([&] { paintHostFrame(); });
    resumeNext([&] { layOut(); });
}

void xVistaForm::UserControl_WriteProperties(PropertyBag& bag) {
    properties_.write(bag, captionControls());
    if (host_)
        host_->setAutoRedraw(false);
}

void xVistaForm::UserControl_Resize() {
    layOut();
}

void xVistaForm::layOut() {
    resumeNext([&] { CreateChildControls(); });
    if (!picForm)
        return;
    resumeNext([&] {
        setHeight(titleBarHeight);
        setExtenderAlign(alignTop);
    });
    // The caption and icon are placed by the title bar's position before it is moved.
    const double barLeft = picForm->Left();
    const double barTop = picForm->Top();
    const double barWidth = picForm->Width();
    const double barHeight = picForm->Height();
    resumeNext([&] {
        if (properties_.DisplayIcon) {
            imgFormPic->Move(barLeft + 60, barTop + 60, iconSize, iconSize);
            lblFormCaption->Move(imgFormPic->Left() + imgFormPic->Width() + 75, barTop + 90,
                                 barWidth - imgFormPic->Width() - 90, barHeight);
            imgFormPic->show();
        } else {
            imgFormPic->hide();
            lblFormCaption->Move(barLeft + 75, barTop + 90, barWidth - 90, barHeight);
        }
    });
    resumeNext([&] {
        picForm->Move(0, 0, Width(), Height());
        picForm->ZOrder(0);
    });
    resumeNext([&] {
        skipTitlePaint_ = false;
        paintTitleBar();
    });
    skipTitlePaint_ = true;
    resumeNext([&] { paintHostFrame(); });
}

void xVistaForm::UserControl_Terminate() {
    if (closing_) {
        if (boundHost_)
            boundHost_->Unload();
        if (host_)
            host_->Unload();
    } else if (host_) {
        host_->Cls();
        host_->setAutoRedraw(false);
    }
}

// Painting -------------------------------------------------------------------------------------

TitleBarPlace xVistaForm::titleBarPlace() const {
    return {picForm->surface(), Width(), Top()};
}

void xVistaForm::UserControl_Paint() {
    paintHostFrame();
}

void xVistaForm::paintTitleBar() {
    if (skipTitlePaint_ || !picForm)
        return;
    // The screen's factors are read afresh, for a bar as many pixels large as the skin.
    const QSize pixels(int(std::nearbyint(Width() / TwipsPerPixelX())),
                       int(std::nearbyint(Height() / TwipsPerPixelY())));
    painter_.paintTitleBar(titleBarPlace(), pixels, surface().backColor(), buttonFlags_);
    picForm->Refresh();
    skipTitlePaint_ = true;
}

void xVistaForm::paintHostFrame() {
    host_ = parentForm();
    if (!host_)
        return;
    if (host_->BorderStyle() != Form::BorderNone)
        host_->setBorderStyle(Form::BorderNone);
    if (properties_.Transparency)
        MakeSemiTransparent(host_->hWnd(), properties_.TransparencyLevel);
    painter_.paintHostFrame(host_->surface(), QSizeF(host_->ScaleWidth(), host_->ScaleHeight()));
    host_->Refresh();
}

// Input ----------------------------------------------------------------------------------------

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
    // The caption and the icon lie on the title bar: the pointer leaves the bar only when it
    // leaves them all.
    picForm->installEventFilter(this);

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

    tmrMouseMove->Tick.connect([this] { showButtonLooks(); });
}

void xVistaForm::bindHost() {
    // Bound once: the host's events then reach the skin for as long as both live.
    if (boundHost_ || !parentForm())
        return;
    boundHost_ = parentForm();
    const QPointer<xVistaForm> skin(this);
    boundHost_->MouseDown.connect([skin](std::int16_t& button, std::int16_t&, float& x, float& y) {
        if (skin)
            skin->pressed(button, x, y);
    });
    boundHost_->MouseMove.connect([skin](std::int16_t& button, std::int16_t&, float& x, float& y) {
        if (skin && !skin->startTitleDrag(button))
            skin->setPointerAt(x, y);
    });
    boundHost_->MouseUp.connect([skin](std::int16_t&, std::int16_t&, float&, float&) {
        if (skin)
            skin->released();
    });
    boundHost_->Resize.connect([skin] {
        if (skin)
            skin->layOut();
    });
}

bool xVistaForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picForm && event->type() == QEvent::Leave)
        pointerLeftTitleBar();
    return UserControl::eventFilter(watched, event);
}

void xVistaForm::UserControl_MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& x,
                                       float& y) {
    setPointerAt(x, y);
}

void xVistaForm::setPointerAt(double x, double y) {
    if (host_)
        input_.showPointerAt(*host_, QSizeF(Width(), Height()), x, y);
}

void xVistaForm::titleBarMouseMove(std::int16_t button, double x, double y) {
    if (!host_ || startTitleDrag(button))
        return;
    input_.showTitleBarPointer(*host_, y);
    if (const int state = host_->WindowState(); state == StateNormal || state == StateMaximised)
        buttonFlags_.track(Width(), x, y, properties_.DisplayIcon, button);
    showButtonLooksSoon();
    setPointerAt(x, y);
}

void xVistaForm::titleBarPressed(std::int16_t button, double x, double y, double moveY) {
    // A press may come with no move before it (a touch, or a pointer that jumped here from
    // another window): it first finds what is under it, as that move would have.
    titleBarMouseMove(0, x, moveY);
    pressed(button, x, y);
}

void xVistaForm::pressed(std::int16_t button, double x, double y) {
    const QPointer<Form> host = host_;
    if (!host)
        return;
    const std::optional<CaptionButton> pressedButton =
        button == leftButton ? buttonFlags_.press() : std::nullopt;
    if (pressedButton) {
        painter_.drawButton(titleBarPlace(), *pressedButton, buttonFlags_.look(*pressedButton));
        picForm->Refresh();
    }
    // An edge resize runs the host's events until the button comes up; they may close it.
    if (!input_.press(*host, Width(), button, x, y) || !host)
        return;
    painter_.drawButtons(titleBarPlace(), buttonFlags_);
    picForm->Refresh();
    host->Refresh();
    if (!input_.movesAtPress(pressedButton.has_value()))
        return;
    // Input already received is seen first: its release makes the press a click, and sway
    // would start a move asked for after that and hold the window until the next click.
    const QPointer<xVistaForm> skin(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    if (skin && input_.beginsTitleMove(GetAsyncKeyState(VK_LBUTTON) < 0 ? leftButton : 0))
        moveHost();
}

bool xVistaForm::startTitleDrag(std::int16_t button) {
    if (!host_ || !input_.beginsTitleMove(button))
        return false;
    moveHost();
    return true;
}

void xVistaForm::moveHost() {
    // The press ends as a move: a caption button it pressed springs back, and the release,
    // wherever it is seen, acts on nothing.
    buttonFlags_.clear();
    showButtonLooksSoon();
    if (host_)
        input_.moveHost(*host_);
}

void xVistaForm::released() {
    if (input_.release(host_))
        return;
    if (buttonFlags_.MinimiseHover && properties_.ShowMinimiseButton) {
        if (host_)
            host_->setWindowState(StateMinimised);
    } else if (buttonFlags_.MaximiseHover && properties_.ShowMaximiseButton) {
        toggleMaximised();
    } else if (buttonFlags_.CloseHover && properties_.ShowCloseButton) {
        tmrMouseMove->setEnabled(false);
        if (boundHost_)
            boundHost_->Unload();
        if (host_)
            host_->Unload();
        closing_ = true;
    }
}

void xVistaForm::toggleMaximised() {
    if (host_)
        host_->setWindowState(host_->WindowState() == StateMaximised ? StateNormal
                                                                     : StateMaximised);
}

void xVistaForm::showButtonLooksSoon() {
    // However many moves come before the tick, the buttons are drawn once for them.
    if (!tmrMouseMove->Enabled())
        tmrMouseMove->setEnabled(true);
}

void xVistaForm::showButtonLooks() {
    // Only a move or a press changes a look: until the next, there is nothing to poll.
    tmrMouseMove->setEnabled(false);
    if (painter_.drawChangedButtons(titleBarPlace(), buttonFlags_))
        picForm->Refresh();
}

void xVistaForm::pointerLeftTitleBar() {
    // Onto the host, another window or off the screen: the buttons go back to their normal
    // look, drawn once.
    buttonFlags_.clear();
    showButtonLooks();
}

} // namespace dorvak
