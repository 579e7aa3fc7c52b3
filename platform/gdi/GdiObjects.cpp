#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/HandleTable.h"

namespace dorvak {

namespace {

HandleTable<HGDIOBJ, GdiObject>& gdiObjects() {
    static HandleTable<HGDIOBJ, GdiObject> table(gdiObjectHandles);
    return table;
}

} // namespace

HRGN addGdiObject(QRegion region) {
    return HRGN(gdiObjects().add(std::move(region)).value);
}

HBITMAP addGdiObject(Bitmap bitmap) {
    return HBITMAP(gdiObjects().add(std::move(bitmap)).value);
}

template <typename T> T* findGdiObject(HGDIOBJ handle) {
    GdiObject* object = gdiObjects().find(handle);
    return object ? std::get_if<T>(object) : nullptr;
}

template <typename T> std::optional<T> takeGdiObject(HGDIOBJ handle) {
    T* object = findGdiObject<T>(handle);
    if (!object)
        return std::nullopt;
    T taken = std::move(*object);
    gdiObjects().remove(handle);
    return taken;
}

template QRegion* findGdiObject<QRegion>(HGDIOBJ);
template Bitmap* findGdiObject<Bitmap>(HGDIOBJ);
template std::optional<QRegion> takeGdiObject<QRegion>(HGDIOBJ);
template std::optional<Bitmap> takeGdiObject<Bitmap>(HGDIOBJ);

bool DeleteObject(HGDIOBJ object) {
    return gdiObjects().remove(object);
}

} // namespace dorvak
