#include "shared_timer.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// One clock per interval. Its QTimer belongs to the application object, so it goes with it;
// it is stopped while no SharedTimer needs it.
struct Clock {
    QPointer<QTimer> timer;
    // Running members in the order they started. A member that stops during a tick leaves a
    // null in its place until the tick is over.
    std::vector<SharedTimer*> members;
    bool ticking = false;
};

// Entries are never erased, so a Clock stays where it is for the whole run.
std::map<int, Clock>& clocks() {
    static std::map<int, Clock> all;
    return all;
}

void tick(Clock& clock) {
    clock.ticking = true;
    // By index: a slot may start further timers, which are appended and tick at once.
    for (std::size_t i = 0; i < clock.members.size(); ++i) {
        if (SharedTimer* member = clock.members[i])
            emit member->timeout();
    }
    clock.ticking = false;
    std::erase(clock.members, nullptr);
    if (clock.members.empty() && clock.timer)
        clock.timer->stop();
}

QTimer* join(int interval, SharedTimer* member) {
    Clock& clock = clocks()[interval];
    if (!clock.timer) {
        // First use, or the application object that owned the previous one is gone.
        clock.members.clear();
        clock.timer = new QTimer(QCoreApplication::instance());
        clock.timer->setInterval(interval);
        QObject::connect(clock.timer, &QTimer::timeout, [&clock] { tick(clock); });
    }
    clock.members.push_back(member);
    if (!clock.timer->isActive())
        clock.timer->start();
    return clock.timer;
}

void leave(int interval, SharedTimer* member) {
    Clock& clock = clocks()[interval];
    const auto found = std::find(clock.members.begin(), clock.members.end(), member);
    if (found == clock.members.end())
        return;
    if (clock.ticking) {
        *found = nullptr;
        return;
    }
    clock.members.erase(found);
    if (clock.members.empty() && clock.timer)
        clock.timer->stop();
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
    if (!isActive())
        clock_ = join(interval_, this);
}

void SharedTimer::stop() {
    if (!isActive())
        return;
    clock_ = nullptr;
    leave(interval_, this);
}
