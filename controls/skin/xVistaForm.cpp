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

#include <array>
#include <type_traits>
#include <variant>

namespace dorvak {
namespace {

constexpr double titleBarHeight = 390;
constexpr double iconSize = 240;
constexpr int pollingIntervalMs = 10;
constexpr int alignTop = 1;

} // namespace

// One entry per saved property, in the order they are written and read back, with its
// default. A value of the wrong type is a type mismatch, which leaves the property as it was.
struct xVistaForm::Persistence {
    using Flag = bool xVistaForm::*;
    using Number = std::int32_t xVistaForm::*;
    using ShortNumber = std::int16_t xVistaForm::*;
    using Colour = OleColor xVistaForm::*;
    // The properties the child controls hold, with defaults of the host's.
    struct Accessor {
        void (*read)(xVistaForm&, const PropertyBag&, const QString& key);
        void (*write)(xVistaForm&, PropertyBag&, const QString& key);
    };
    struct Property {
        const char* key;
        std::variant<Flag, Number, ShortNumber, Colour, Accessor> member;
        std::int32_t defaultValue = 0;
    };

    static const std::array<Property, 11> properties;

    static void setDefaults(xVistaForm& skin);
    static void read(xVistaForm& skin, const PropertyBag& bag, const Property& property);
    static void write(xVistaForm& skin, PropertyBag& bag, const Property& property);
};

xVistaForm::xVistaForm(const ControlSite& site)
    : UserControl(site)
    , TwipsPerPixelX(dorvak::TwipsPerPixelX())
    , TwipsPerPixelY(dorvak::TwipsPerPixelY())
    , EdgeZoneX(5 * TwipsPerPixelX)
    , EdgeZoneY(5 * TwipsPerPixelY) {
    Persistence::setDefaults(*this);
}

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

const std::array<xVistaForm::Persistence::Property, 11> xVistaForm::Persistence::properties{{
    {"Caption", Accessor{[](xVistaForm& s, const PropertyBag& bag, const QString& key) {
                             s.lblFormCaption->setCaption(
                                 bag.ReadProperty(key, s.extenderName()).toString());
                         },
                         [](xVistaForm& s, PropertyBag& bag, const QString& key) {
                             bag.WriteProperty(key, s.Caption(), s.extenderName());
                         }}},
    {"DisplayIcon", &xVistaForm::displayIcon_, false},
    {"Font", Accessor{[](xVistaForm& s, const PropertyBag& bag, const QString& key) {
                          s.lblFormCaption->setFont(
                              fontFromJson(bag.ReadProperty(key), s.ambientFont()));
                      },
                      [](xVistaForm& s, PropertyBag& bag, const QString& key) {
                          bag.WriteProperty(key, fontToJson(s.Font()), fontToJson(s.ambientFont()));
                      }}},
    {"ForeColor", &xVistaForm::CaptionColour, 0},
    {"Icon", Accessor{[](xVistaForm& s, const PropertyBag& bag, const QString& key) {
                          s.imgFormPic->setPicture(pictureFromJson(bag.ReadProperty(key)));
                      },
                      [](xVistaForm& s, PropertyBag& bag, const QString& key) {
                          bag.WriteProperty(key, pictureToJson(s.Icon()), pictureToJson(QImage()));
                      }}},
    {"ShowCloseButton", &xVistaForm::showCloseButton_, true},
    {"ShowMinimiseButton", &xVistaForm::showMinimiseButton_, true},
    {"ShowMaximiseButton", &xVistaForm::showMaximiseButton_, true},
    {"Style", &xVistaForm::style_, 0},
    {"Transparency", &xVistaForm::transparency_, false},
    {"TransparencyLevel", &xVistaForm::transparencyLevel_, 15},
}};

void xVistaForm::Persistence::setDefaults(xVistaForm& skin) {
    for (const Property& property : properties) {
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (!std::is_same_v<Member, Accessor>) {
                    using Value = std::remove_reference_t<decltype(skin.*member)>;
                    skin.*member = static_cast<Value>(property.defaultValue);
                }
            },
            property.member);
    }
}

void xVistaForm::Persistence::read(xVistaForm& skin, const PropertyBag& bag,
                                   const Property& property) {
    const QString key = QString::fromLatin1(property.key);
    const std::int32_t fallback = property.defaultValue;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Accessor>) {
                // The readers set the child controls, created before the first is read.
                Q_ASSERT(skin.lblFormCaption && skin.imgFormPic);
                member.read(skin, bag, key);
            } else if constexpr (std::is_same_v<Member, Flag>)
                skin.*member = boolFromJson(bag.ReadProperty(key, fallback != 0));
            else if constexpr (std::is_same_v<Member, Number>)
                skin.*member = toInt32(numberFromJson(bag.ReadProperty(key, fallback)));
            else if constexpr (std::is_same_v<Member, ShortNumber>)
                skin.*member = toInt16(numberFromJson(bag.ReadProperty(key, fallback)));
            else
                skin.*member = colorFromJson(bag.ReadProperty(key, fallback));
        },
        property.member);
}

void xVistaForm::Persistence::write(xVistaForm& skin, PropertyBag& bag, const Property& property) {
    const QString key = QString::fromLatin1(property.key);
    const std::int32_t fallback = property.defaultValue;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Accessor>)
                member.write(skin, bag, key);
            else if constexpr (std::is_same_v<Member, Flag>)
                bag.WriteProperty(key, skin.*member, fallback != 0);
            else if constexpr (std::is_same_v<Member, Colour>)
                bag.WriteProperty(key, colorToJson(skin.*member),
                                  colorToJson(static_cast<OleColor>(fallback)));
            else
                bag.WriteProperty(key, int(skin.*member), fallback);
        },
        property.member);
}

void xVistaForm::UserControl_ReadProperties(PropertyBag& bag) {
    resumeNext([&] {
        moveForm = parentForm();
        HostWindow = parentForm();
        bindHost();
        HostWindow->setAutoRedraw(true);
    });
    // A store without "Style" loads the dark scheme first and ends with the light one.
    resumeNext([&] { style_ = toInt32(numberFromJson(bag.ReadProperty("Style", 1))); });
    resumeNext([&] { ApplyColourScheme(); });
    resumeNext([&] { CreateChildControls(); });

    for (const Persistence::Property& property : Persistence::properties)
        resumeNext([&] { Persistence::read(*this, bag, property); });

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
    for (const Persistence::Property& property : Persistence::properties)
        Persistence::write(*this, bag, property);
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
