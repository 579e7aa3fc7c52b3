#pragma once

#include "platform/runtime/Date.h"

#include <chrono>

namespace dorvak {

// The instant as a local date and time, to the whole second (the clock shows the second
// that has begun, never one rounded up).
Date localDateTime(std::chrono::system_clock::time_point instant);

// Now, in local time.
Date currentDateTime();

} // namespace dorvak
