#pragma once

namespace dorvak {

// For the lifetime of the application object: the faces the windows are designed with are
// made available, and screen readers are shown the windows, user controls and shapes; the
// accessibility goes again with the object.
class FontsAndAccessibility {
public:
    FontsAndAccessibility();
    ~FontsAndAccessibility();
    FontsAndAccessibility(const FontsAndAccessibility&) = delete;
    FontsAndAccessibility& operator=(const FontsAndAccessibility&) = delete;
};

} // namespace dorvak
