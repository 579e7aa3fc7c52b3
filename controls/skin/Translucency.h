#pragma once

#include "platform/windowing/UserTypes.h"

#include <cstdint>

namespace dorvak {

// The constant opacity (0 invisible to 255 opaque) for a translucency level in percent:
// (100 − level) / 100 × 255, halves to even. Outside 0..255 for a level outside 0..100.
// Raises RuntimeError (overflow) when 100 − level leaves the 16-bit range.
int alphaForLevel(std::int16_t level);

// Results of making a window translucent.
enum TranslucencyResult : std::int32_t {
    TranslucencyApplied = 0,
    TranslucencyLevelOutOfRange = 1,
    TranslucencyFailed = 2,
};

// Makes the window layered with the opacity of `level`; `colourKey` is handed on but has no
// effect, as only the alpha is applied. A level outside 0..100 changes nothing.
TranslucencyResult makeTranslucent(HWND hWnd, std::int16_t level, std::uint32_t colourKey);

} // namespace dorvak
