#pragma once

#include "platform/forms/Event.h"

#include <QObject>
#include <QTimer>

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

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    Event<> Tick;

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace dorvak
