#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

// A repeating timer for windows of which many may exist at once, each ticking at the same short
// interval for its whole life (the element pickers, 1 ms). All running SharedTimers of one
// interval are driven by a single QTimer: the event loop wakes and books one timer per tick
// however many there are, and each SharedTimer costs one signal emission per tick. Used like a
// QTimer: setInterval, start, stop, isActive, timeout.
class SharedTimer : public QObject {
    Q_OBJECT
public:
    explicit SharedTimer(QObject* parent = nullptr);
    ~SharedTimer() override;

    void setInterval(int msec);
    int interval() const { return interval_; }
    bool isActive() const { return clock_ != nullptr; }
    // Joins the clock of its interval. A running timer keeps running: the ticks' phase belongs to
    // the shared clock, so there is nothing to restart.
    void start();
    void stop();

signals:
    void timeout();

private:
    int interval_ = 0;
    QPointer<QTimer> clock_;
};
