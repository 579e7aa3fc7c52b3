#pragma once

#include "platform/gdi/GdiTypes.h"

namespace dorvak {

// Rectangle mode only (GRADIENT_FILL_RECT_H or _V): each GRADIENT_RECT names two vertices,
// opposite corners in either order; every colour stays on its own vertex's edge and blends
// linearly to the other. Clipped to the surface. False for a stale device context, a vertex
// index out of range or another mode.
bool GradientFill(HDC hdc, const TRIVERTEX* vertices, std::uint32_t vertexCount,
                  const GRADIENT_RECT* mesh, std::uint32_t meshCount, std::uint32_t mode);

} // namespace dorvak
