#include "controls/skin/xVistaForm.h"

#include "controls/skin/TaskbarPresence.h"
#include "controls/skin/Translucency.h"
#include "platform/forms/DesignValues.h"
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
#include "platform/runtime/RuntimeError.h"

namespace dorvak {
namespace {

constexpr double titleBarHeight = 390;
constexpr double iconSize = 240;
constexpr int pollingIntervalMs = 10;
constexpr int alignTop = 1;

bool boolFromJson(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0;
    throw RuntimeError(ErrorCode::TypeMismatch, "not a Boolean");
}

std::int32_t int32FromJson(const QJsonValue& value) {
    if (!value.isDouble())
        throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
    return toInt32(value.toDouble());
}

} // namespace

xVistaForm::xVistaForm(const ControlSite& site)
    : UserControl(site)
    , TwipsPerPixelX(dorvak::TwipsPerPixelX())
    , TwipsPerPixelY(dorvak::TwipsPerPixelY())
    , EdgeZoneX(5 * TwipsPerPixelX)
    , EdgeZoneY(5 * TwipsPerPixelY) {}

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
    displayIcon_ = display;
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
    return lblFormCaption ? lblFormCaption->ForeColor() : CaptionColour;
}

void xVistaForm::setForeColor(OleColor colour) {
    CreateChildControls();
    lblFormCaption->setForeColor(colour);
    CaptionColour = colour;
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
    displayIcon_ = true;
    layOut();
}

void xVistaForm::setShowCloseButton(bool show) {
    showCloseButton_ = show;
    PropertyChanged(QStringLiteral("ShowCloseButton"));
    layOut();
}

void xVistaForm::setShowMinimiseButton(bool show) {
    showMinimiseButton_ = show;
    PropertyChanged(QStringLiteral("ShowMinimiseButton"));
    layOut();
}

void xVistaForm::setShowMaximiseButton(bool show) {
    showMaximiseButton_ = show;
    PropertyChanged(QStringLiteral("ShowMaximiseButton"));
    layOut();
}

void xVistaForm::setStyle(std::int32_t style) {
    style_ = style;
    ApplyColourScheme();
    CreateChildControls();
    lblFormCaption->setForeColor(CaptionColour);
    // The caption colour follows the scheme, so it is the saved fore colour that changed.
    PropertyChanged(QStringLiteral("ForeColor"));
    paintHostFrame();
    SkipTitlePaint = false;
    paintTitleBar();
}

void xVistaForm::setTransparency(bool on) {
    transparency_ = on;
    PropertyChanged(QStringLiteral("Transparency"));
    layOut();
}

QString xVistaForm::TransparencyLevel() const {
    return QString::number(transparencyLevel_);
}

void xVistaForm::setTransparencyLevel(const QString& level) {
    transparencyLevel_ = toInt16(parseNumber(level.toStdString(), systemLocaleConventions()));
    PropertyChanged(QStringLiteral("TransparencyLevel"));
    layOut();
}

std::int32_t xVistaForm::MakeSemiTransparent(HWND hWnd, std::int16_t level) {
    // The colour key comes from the host whatever window is made translucent; only the
    // alpha takes effect.
    const std::uint32_t colourKey = HostWindow ? HostWindow->BackColor() & 0xFFFFFFu : 0;
    return makeTranslucent(hWnd, level, colourKey);
}

void xVistaForm::ApplyColourScheme() {
    if (const std::optional<ColourScheme> scheme = colourSchemeOfStyle(style_)) {
        colours_ = *scheme;
        CaptionColour = scheme->CaptionColour;
    }
}

// Child controls ----------------------------------------------------------------------------

void xVistaForm::CreateChildControls() {
    if (ChildrenCreated)
        return;
    ChildrenCreated = true;

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
    lblFormCaption->setForeColor(CaptionColour);
    lblFormCaption->show();

    imgFormPic = addControl<Image>(QStringLiteral("imgFormPic"), picForm);
    imgFormPic->setPicture(QImage());
    // A window icon is larger than the title bar has room for.
    imgFormPic->setStretch(true);

    bindTitleBar();
}

// Persistence -------------------------------------------------------------------------------

void xVistaForm::UserControl_InitProperties() {
    CreateChildControls();
    HostWindow = parentForm();
    if (HostWindow)
        HostWindow->setBorderStyle(Form::BorderNone);
    ApplyColourScheme();
    paintHostFrame();
    if (HostWindow) {
        HostWindow->setIcon(QImage());
        HostWindow->setAutoRedraw(false);
    }
}

void xVistaForm::UserControl_ReadProperties(PropertyBag& bag) {
    resumeNext([&] {
        moveForm = parentForm();
        HostWindow = parentForm();
        bindHost();
        HostWindow->setAutoRedraw(true);
    });
    // A store without "Style" loads the dark scheme first and ends with the light one.
    resumeNext([&] { style_ = int32FromJson(bag.ReadProperty("Style", 1)); });
    resumeNext([&] { ApplyColourScheme(); });
    resumeNext([&] { CreateChildControls(); });

    resumeNext([&] {
        lblFormCaption->setCaption(bag.ReadProperty("Caption", extenderName()).toString());
    });
    resumeNext([&] { displayIcon_ = boolFromJson(bag.ReadProperty("DisplayIcon", false)); });
    resumeNext(
        [&] { lblFormCaption->setFont(fontFromJson(bag.ReadProperty("Font"), ambientFont())); });
    resumeNext([&] { CaptionColour = colorFromJson(bag.ReadProperty("ForeColor", 0)); });
    resumeNext([&] { imgFormPic->setPicture(pictureFromJson(bag.ReadProperty("Icon"))); });
    resumeNext([&] { showCloseButton_ = boolFromJson(bag.ReadProperty("ShowCloseButton", true)); });
    resumeNext(
        [&] { showMinimiseButton_ = boolFromJson(bag.ReadProperty("ShowMinimiseButton", true)); });
    resumeNext(
        [&] { showMaximiseButton_ = boolFromJson(bag.ReadProperty("ShowMaximiseButton", true)); });

    resumeNext([&] { style_ = int32FromJson(bag.ReadProperty("Style", 0)); });
    resumeNext([&] { transparency_ = boolFromJson(bag.ReadProperty("Transparency", false)); });
    resumeNext([&] {
        const QJsonValue level = bag.ReadProperty("TransparencyLevel", 15);
        if (!level.isDouble())
            throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
        transparencyLevel_ = toInt16(level.toDouble());
    });

    resumeNext([&] { SetTaskbarPresence(HostWindow->hWnd(), true); });
    resumeNext([&] {
        if (transparency_)
            MakeSemiTransparent(parentForm()->hWnd(), transparencyLevel_);
    });
    // The scheme's caption colour wins over a stored fore colour.
    resumeNext([&] {
        ApplyColourScheme();
        lblFormCaption->setForeColor(CaptionColour);
    });
    resumeNext([&] { paintHostFrame(); });
    resumeNext([&] { layOut(); });
}

void xVistaForm::UserControl_WriteProperties(PropertyBag& bag) {
    bag.WriteProperty("Caption", Caption(), extenderName());
    bag.WriteProperty("DisplayIcon", displayIcon_, false);
    bag.WriteProperty("Font", fontToJson(Font()), fontToJson(ambientFont()));
    bag.WriteProperty("ForeColor", colorToJson(CaptionColour), colorToJson(0));
    bag.WriteProperty("Icon", pictureToJson(Icon()), pictureToJson(QImage()));
    bag.WriteProperty("ShowCloseButton", showCloseButton_, true);
    bag.WriteProperty("ShowMinimiseButton", showMinimiseButton_, true);
    bag.WriteProperty("ShowMaximiseButton", showMaximiseButton_, true);
    bag.WriteProperty("Style", style_, 0);
    bag.WriteProperty("Transparency", transparency_, false);
    bag.WriteProperty("TransparencyLevel", transparencyLevel_, 15);
    if (HostWindow)
        HostWindow->setAutoRedraw(false);
}

// Layout and lifetime -------------------------------------------------------------------------

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
        if (displayIcon_) {
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
        SkipTitlePaint = false;
        paintTitleBar();
    });
    SkipTitlePaint = true;
    resumeNext([&] { paintHostFrame(); });
}

void xVistaForm::UserControl_Paint() {
    paintHostFrame();
}

void xVistaForm::UserControl_Terminate() {
    if (IsClosing) {
        if (moveForm)
            moveForm->Unload();
        if (HostWindow)
            HostWindow->Unload();
    } else if (HostWindow) {
        HostWindow->Cls();
        HostWindow->setAutoRedraw(false);
    }
}

} // namespace dorvak
