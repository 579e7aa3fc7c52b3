#pragma once

#include "controls/skin/CaptionButtons.h"
#include "controls/skin/ColourScheme.h"
#include "platform/gdi/Color.h"

#include <QFont>
#include <QString>
#include <cstdint>

namespace dorvak {

class Image;
class Label;
class PropertyBag;

// The saved properties the skin's child controls hold: the caption and its font on the
// caption label, the icon on the icon image; with the defaults the host gives them.
struct CaptionControls {
    Label& caption;
    Image& icon;
    QString defaultCaption; // the skin's name on its host
    QFont defaultFont;      // the host's font
};

// What the skin shows and saves besides its child controls: which parts it shows, its
// translucency, its Style with the colours the Style selects, and the caption colour.
class SkinProperties {
public:
    // Each saved property at its default.
    SkinProperties();

    bool ShowCloseButton;
    bool ShowMinimiseButton;
    bool ShowMaximiseButton;
    bool DisplayIcon;
    bool Transparency;
    std::int16_t TransparencyLevel;
    std::int32_t Style;
    OleColor CaptionColour; // the saved ForeColor; the Style's scheme replaces it
    ColourScheme colours{};

    // Takes the colours of the Style's scheme, the caption colour with them; a Style without
    // a scheme keeps the colours in use.
    void ApplyColourScheme();
    bool shows(CaptionButton button) const;
    // The light scheme marks the corners of the caption buttons.
    bool marksCorners() const { return Style == 0; }

    // The Style read before the others, defaulting to the dark scheme: a bag without one
    // loads the dark scheme first and ends with the light one, when the properties are read.
    void readProvisionalStyle(const PropertyBag& bag);
    // Reads the properties in their saved order; a value that fails to read leaves its
    // property as it was and the next is read.
    void read(const PropertyBag& bag, const CaptionControls& controls);
    // Writes the properties in the same order; a value equal to its default is left out.
    void write(PropertyBag& bag, const CaptionControls& controls);

private:
    struct Persistence;
};

} // namespace dorvak
