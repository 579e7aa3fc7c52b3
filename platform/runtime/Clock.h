#pragma once

#include "platform/runtime/Date.h"

#include <chrono>
#include <functional>

namespace dorvak {

// The wall clock a window reads: the system's, or one a test sets.
using WallClock = std::function<std::chrono::system_clock::time_point()>;

// The instant as a local date and time, to the whole second (the clock shows the second
// that has begun, never one rounded up), in the time zone in force now.
Date localDateTime(std::chrono::system_clock::time_point instant);

// Now, in local time.
Date currentDateTime();

// How long from the instant until the next second begins, rounded up to whole milliseconds
// so that a wait of that length never ends early: 1 to 1000 ms.
std::chrono::milliseconds untilNextSecond(std::chrono::system_clock::time_point instant);

} // namespace dorvak
