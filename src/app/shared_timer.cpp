#include "shared_timer.h"

#include <QCoreApplication>
#include <QTimer>

#include <map>

namespace {

struct Clock {
    QPointer<QTimer> timer;
    int members = 0;
};

// One clock per interval, created on first use and stopped while no timer needs it. Owned by
// the application object, so it goes with it.
std::map<int, Clock>& clocks() {
    static std::map<int, Clock> all;
    return all;
}

QTimer* joinClock(int interval) {
    Clock& clock = clocks()[interval];
    if (!clock.timer) {
        clock.timer = new QTimer(QCoreApplication::instance());
        clock.timer->setInterval(interval);
        clock.members = 0;
    }
    if (clock.members++ == 0)
        clock.timer->start();
    return clock.timer;
}

void leaveClock(int interval) {
    const auto found = clocks().find(interval);
    if (found == clocks().end() || found->second.members == 0)
        return;
    if (--found->second.members == 0 && found->second.timer)
        found->second.timer->stop();
}

} // namespace

SharedTimer::SharedTimer(QObject* parent) : QObject(parent) {}

SharedTimer::~SharedTimer() {
    stop();
}

void SharedTimer::setInterval(int msec) {
    if (msec == interval_)
        return;
    const bool running = isActive();
    stop();
    interval_ = msec;
    if (running)
        start();
}

void SharedTimer::start() {
    if (isActive())
        return;
    clock_ = joinClock(interval_);
    connect(clock_, &QTimer::timeout, this, &SharedTimer::timeout);
}

void SharedTimer::stop() {
    if (!isActive())
        return;
    disconnect(clock_, &QTimer::timeout, this, &SharedTimer::timeout);
    clock_ = nullptr;
    leaveClock(interval_);
}
