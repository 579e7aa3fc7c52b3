#include "platform/forms/BuiltInControls.h"

#include "platform/forms/ControlRegistry.h"
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

} // namespace dorvak
