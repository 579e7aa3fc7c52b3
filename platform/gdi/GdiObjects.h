#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QImage>
#include <QRegion>
#include <optional>
#include <variant>

namespace dorvak {

// A bitmap object: 32-bit pixels.
struct Bitmap {
    QImage image;
};

using GdiObject = std::variant<QRegion, Bitmap>;

// The table of region and bitmap handles; a new object's handle is of its own kind.
HRGN addGdiObject(QRegion region);
HBITMAP addGdiObject(Bitmap bitmap);
template <typename T> T* findGdiObject(HGDIOBJ handle);
// Removes the object from the table and hands it over (a window taking its region, a
// picture taking its bitmap); nothing if the handle is unknown or of another kind.
template <typename T> std::optional<T> takeGdiObject(HGDIOBJ handle);

bool DeleteObject(HGDIOBJ object);

} // namespace dorvak
