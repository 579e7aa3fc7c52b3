#include "platform/forms/Timer.h"

#include "platform/forms/DesignProperties.h"

#include <algorithm>

namespace dorvak {

const PropertyTable<Timer>& Timer::designProperties() {
    static const PropertyTable<Timer> properties{
        designed<Timer>("Interval", &Timer::setInterval),
        designed<Timer>("Enabled", &Timer::setEnabled),
    };
    return properties;
}

Timer::Timer(QObject* container)
    : QObject(container) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick.raise(); });
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::restart() {
    // As in the classic runtime, setting the interval or enabling starts the count afresh.
    if (enabled_ && interval_ > 0)
        timer_.start(std::max(interval_, resolutionMs));
    else
        timer_.stop();
}

} // namespace dorvak
