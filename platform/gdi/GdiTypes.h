#pragma once

#include "platform/gdi/Handle.h"

#include <cstdint>

namespace dorvak {

// The classic GDI types, so that drawing code reads as the calls it makes. Regions and
// bitmaps are GDI objects (DeleteObject takes either), but neither is the other.
struct DeviceContextTag {};
struct GdiObjectTag {};
struct RegionTag {
    using widens_to = GdiObjectTag;
};
struct BitmapTag {
    using widens_to = GdiObjectTag;
};
using HDC = Handle<DeviceContextTag>;
using HGDIOBJ = Handle<GdiObjectTag>;
using HRGN = Handle<RegionTag>;
using HBITMAP = Handle<BitmapTag>;

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct SIZE {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// A gradient vertex: 16-bit channels, an 8-bit channel c stored as c × 256.
struct TRIVERTEX {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0;
};

struct GRADIENT_RECT {
    std::uint32_t UpperLeft = 0;
    std::uint32_t LowerRight = 0;
};

inline constexpr std::uint32_t GRADIENT_FILL_RECT_H = 0;
inline constexpr std::uint32_t GRADIENT_FILL_RECT_V = 1;

// Polygon fill modes.
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

} // namespace dorvak
