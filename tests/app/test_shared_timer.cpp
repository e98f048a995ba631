#include "app_test_support.h"
#include "shared_timer.h"

#include <QSignalSpy>
#include <QTimer>

#include <memory>
#include <vector>

class TestSharedTimer : public QObject {
    Q_OBJECT

    // The clocks that drive SharedTimers of the given interval and are running.
    static int runningClocks(int interval) {
        int running = 0;
        for (QTimer* timer : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
            running += timer->isActive() && timer->interval() == interval;
        return running;
    }

private slots:
    // Many timers of one interval run on one clock, each gets every tick, and the clock stops
    // when the last of them does.
    void timersOfOneIntervalShareOneClock() {
        std::vector<std::unique_ptr<SharedTimer>> timers;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = 0; i < 20; ++i) {
            timers.push_back(std::make_unique<SharedTimer>());
            timers.back()->setInterval(1);
            spies.push_back(
                std::make_unique<QSignalSpy>(timers.back().get(), &SharedTimer::timeout));
            timers.back()->start();
            QVERIFY(timers.back()->isActive());
        }
        QCOMPARE(runningClocks(1), 1);
        QTRY_VERIFY(spies.back()->count() >= 3);
        for (const auto& spy : spies)
            QVERIFY(spy->count() >= 2);

        timers[0]->stop();
        QVERIFY(!timers[0]->isActive());
        const int stoppedAt = spies[0]->count();
        timers.erase(timers.begin() + 1); // destroyed while running
        const int before = spies.back()->count();
        QTRY_VERIFY(spies.back()->count() > before + 2);
        QCOMPARE(spies[0]->count(), stoppedAt);
        QCOMPARE(runningClocks(1), 1);

        timers.clear();
        QCOMPARE(runningClocks(1), 0);
    }

    // A tick's slot may stop, delete or start timers of the same clock.
    void timersMayComeAndGoDuringATick() {
        auto first = std::make_unique<SharedTimer>();
        auto second = std::make_unique<SharedTimer>();
        SharedTimer third;
        for (SharedTimer* t : {first.get(), second.get(), &third})
            t->setInterval(1);
        QSignalSpy thirdTicks(&third, &SharedTimer::timeout);
        int firstTicks = 0;
        connect(first.get(), &SharedTimer::timeout, this, [&] {
            if (++firstTicks == 1) {
                second.reset();
                third.start();
            } else if (firstTicks == 3) {
                first->stop();
            }
        });
        first->start();
        second->start();
        QTRY_VERIFY(thirdTicks.count() >= 5);
        QVERIFY(!second);
        QCOMPARE(firstTicks, 3);
        QVERIFY(!first->isActive());
        QCOMPARE(runningClocks(1), 1);
        third.stop();
        QCOMPARE(runningClocks(1), 0);
    }

    void startOnARunningTimerKeepsItRunning() {
        SharedTimer timer;
        timer.setInterval(5);
        QSignalSpy ticks(&timer, &SharedTimer::timeout);
        timer.start();
        timer.start();
        QCOMPARE(runningClocks(5), 1);
        QTRY_VERIFY(ticks.count() >= 2);
        timer.stop();
        QCOMPARE(runningClocks(5), 0);
        // Another interval while running moves the timer to that interval's clock.
        timer.start();
        timer.setInterval(7);
        QCOMPARE(timer.interval(), 7);
        QVERIFY(timer.isActive());
        QCOMPARE(runningClocks(5), 0);
        QCOMPARE(runningClocks(7), 1);
    }
};

TAMRIK_TEST_MAIN(TestSharedTimer)
#include "test_shared_timer.moc"
