#include "controls/skin/Translucency.h"

#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowStyle.h"

namespace dorvak {

int alphaForLevel(std::int16_t level) {
    const std::int16_t opacity = toInt16(100.0 - level);
    return toInt16(opacity / 100.0 * 255.0);
}

TranslucencyResult makeTranslucent(HWND hWnd, std::int16_t level, std::uint32_t colourKey) {
    int alpha = 0;
    try {
        alpha = alphaForLevel(level);
    } catch (const RuntimeError&) {
        // Without an alpha there is nothing sound to apply.
        return TranslucencyFailed;
    }
    if (alpha < 0 || alpha > 255)
        return TranslucencyLevelOutOfRange;

    if (!windowFromHandle(hWnd))
        return TranslucencyFailed;
    SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(hWnd, colourKey, std::uint8_t(alpha), LWA_ALPHA)
               ? TranslucencyApplied
               : TranslucencyFailed;
}

} // namespace dorvak
