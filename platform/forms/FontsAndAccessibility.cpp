#include "platform/forms/FontsAndAccessibility.h"

#include "platform/forms/Accessibility.h"
#include "platform/forms/DesignFonts.h"

namespace dorvak {

FontsAndAccessibility::FontsAndAccessibility() {
    registerDesignFonts();
    installAccessibility();
}

FontsAndAccessibility::~FontsAndAccessibility() {
    removeAccessibility();
}

} // namespace dorvak
