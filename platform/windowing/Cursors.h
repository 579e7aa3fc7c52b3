#pragma once

#include "platform/windowing/UserTypes.h"

namespace dorvak {

// A system cursor (IDC_HAND, IDC_ARROW, …) by its number; the module must be null. 0 for a
// cursor that is not a system one.
HCURSOR LoadCursorA(const void* module, std::uint32_t cursorId);

// Shows the cursor over the widget under the pointer until the pointer leaves it, when
// that widget's own cursor comes back. 0 hides the pointer the same way. Returns the cursor
// this call replaced there, or 0.
HCURSOR SetCursor(HCURSOR cursor);

} // namespace dorvak
