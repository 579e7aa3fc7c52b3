#include "platform/forms/BuiltInControls.h"

#include "platform/forms/ControlRegistry.h"
#include "platform/forms/DesignProperties.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WebBrowser.h"

namespace dorvak {
namespace {

template <typename T> void registerBuiltIn(ControlRegistry& registry) {
    registry.add(QString::fromLatin1(T::kind),
                 [](const ControlSite& site) { return new T(site.container); });
}

template <typename Control> bool applyAs(QObject& control, const QJsonObject& properties) {
    auto* typed = qobject_cast<Control*>(&control);
    if (typed)
        applyDesignProperties(*typed, Control::designProperties(), properties);
    return typed != nullptr;
}

} // namespace

void registerBuiltInControls(ControlRegistry& registry) {
    registerBuiltIn<TextBox>(registry);
    registerBuiltIn<Label>(registry);
    registerBuiltIn<Shape>(registry);
    registerBuiltIn<Line>(registry);
    registerBuiltIn<Image>(registry);
    registerBuiltIn<PictureBox>(registry);
    registerBuiltIn<Timer>(registry);
    registerBuiltIn<WebBrowser>(registry);
}

void applyBuiltInDesignProperties(QObject& control, const QJsonObject& properties) {
    if (!(applyAs<TextBox>(control, properties) || applyAs<Label>(control, properties) ||
          applyAs<Shape>(control, properties) || applyAs<Line>(control, properties) ||
          applyAs<Image>(control, properties) || applyAs<PictureBox>(control, properties) ||
          applyAs<Timer>(control, properties) || applyAs<WebBrowser>(control, properties)))
        applyDesignProperties(control, PropertyTable<QObject>{}, properties);
}

} // namespace dorvak
