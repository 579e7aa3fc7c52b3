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
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &Timer::raiseTicks);
}

Timer::~Timer() {
    // Followers count on their own from now on.
    for (const QPointer<Timer>& follower : followers_) {
        if (follower) {
            follower->leader_ = nullptr;
            follower->keepClockRunningAsNeeded();
        }
    }
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::tickWith(Timer& leader) {
    leader_ = &leader;
    leader.followers_.push_back(this);
    keepClockRunningAsNeeded();
    leader.keepClockRunningAsNeeded();
}

bool Timer::followsLeader() const {
    return leader_ && leader_->interval_ == interval_;
}

bool Timer::clockNeeded() const {
    if (followsLeader())
        return false;
    return counting() ||
           std::any_of(followers_.begin(), followers_.end(), [](const QPointer<Timer>& follower) {
               return follower && follower->followsLeader() && follower->counting();
           });
}

void Timer::restart() {
    // As in the classic runtime, setting the interval or enabling starts the count afresh;
    // a follower joins its leader's count instead.
    if (counting() && !followsLeader())
        clock_.start(std::max(interval_, resolutionMs));
    else
        keepClockRunningAsNeeded();
    // A new interval may tie or untie followers, and the leader may now count for this one.
    for (const QPointer<Timer>& follower : followers_)
        if (follower)
            follower->keepClockRunningAsNeeded();
    if (leader_)
        leader_->keepClockRunningAsNeeded();
}

void Timer::keepClockRunningAsNeeded() {
    if (!clockNeeded())
        clock_.stop();
    else if (!clock_.isActive())
        clock_.start(std::max(interval_, resolutionMs));
}

void Timer::raiseTicks() {
    // The timers counting when the tick came; one that a handler enables in this round ticks
    // from the next, one that a handler stops ticks no more.
    std::vector<QPointer<Timer>> due;
    if (counting())
        due.emplace_back(this);
    for (const QPointer<Timer>& follower : followers_)
        if (follower && follower->followsLeader() && follower->counting())
            due.push_back(follower);
    for (const QPointer<Timer>& timer : due)
        if (timer && timer->counting())
            timer->Tick.raise();
    keepClockRunningAsNeeded();
}

} // namespace dorvak
