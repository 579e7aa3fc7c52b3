#pragma once

#include "platform/forms/Event.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

namespace dorvak {

template <typename Owner> class PropertyTable;

// Raises Tick every Interval milliseconds while enabled, on the interface thread. Ticks come
// no faster than the timer resolution, 15 ms: a shorter interval ticks at that rate, so a
// 1 ms clock costs little. An interval of 0 stops the ticks.
class Timer : public QObject {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Timer>& designProperties();

    static constexpr const char* kind = "Timer";
    static constexpr int resolutionMs = 15;

    explicit Timer(QObject* container);
    ~Timer() override;

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // While the two have the same interval, this timer ticks right after the leader, in the
    // same wakeup, instead of on a count of its own: enabled while the leader's count runs, it
    // joins it, and ticks first at the leader's next tick. Timers that each show a change
    // every second then wake the program once a second, not once each.
    void tickWith(Timer& leader);

    Event<> Tick;

private:
    bool counting() const { return enabled_ && interval_ > 0; }
    bool followsLeader() const;
    bool clockNeeded() const;
    void restart();
    void keepClockRunningAsNeeded();
    void raiseTicks();

    QTimer clock_;
    int interval_ = 0;
    bool enabled_ = true;
    QPointer<Timer> leader_;
    std::vector<QPointer<Timer>> followers_;
};

} // namespace dorvak
