#include "platform/runtime/Clock.h"

#include <ctime>

namespace dorvak {

Date localDateTime(std::chrono::system_clock::time_point instant) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(instant));
    // localtime_r reads the zone once per process; tzset() looks again (a stat of the zone
    // file when TZ is unset), so that a change of time zone shows at the next reading.
    tzset();
    std::tm local{};
    localtime_r(&seconds, &local);
    return makeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec == 60 ? 59 : local.tm_sec);
}

Date currentDateTime() {
    return localDateTime(std::chrono::system_clock::now());
}

std::chrono::milliseconds untilNextSecond(std::chrono::system_clock::time_point instant) {
    using namespace std::chrono;
    const auto intoSecond = duration_cast<milliseconds>(instant - floor<seconds>(instant));
    return milliseconds(1000) - intoSecond;
}

} // namespace dorvak
