// Idle CPU of the program with 20 hidden element pickers, each with its 1 ms timer still
// running, against a minimal Qt program with one 1 ms timer, on the same X server in one run.
//
// Usage: bench_idle_cpu [SECONDS]          runs both as child processes side by side, five
//                                          rounds, and prints each round's ratio and the median
//        bench_idle_cpu --program SECONDS  one measurement, printed as "cpu_ms wall_ms ticks"
//                                          (ticks: of the one timer, or of the oldest picker)
//        bench_idle_cpu --minimal SECONDS
//
// Needs a display (xcb): run it under Xvfb, as scripts/bench.sh does.

#include "Unit1.h"
#include "Unit3.h"
#include "shared_timer.h"
#include "tamrik_application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kPickers = 20;
constexpr int kRounds = 5;

double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Lets the event loop run for a settling second, then measures CPU time over the period.
void measureIdle(int seconds, long long ticks(), QApplication& app) {
    QTimer::singleShot(1000, [&] {
        const double cpuStart = cpuMilliseconds();
        const long long ticksStart = ticks();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [&, cpuStart, ticksStart, wall] {
            std::printf("%.1f %lld %lld\n", cpuMilliseconds() - cpuStart, wall.elapsed(),
                        ticks() - ticksStart);
            std::fflush(stdout);
            app.quit();
        });
    });
    QApplication::exec();
}

long long tickCount = 0;
long long countedTicks() {
    return tickCount;
}

int runMinimal(int argc, char** argv, int seconds) {
    QApplication app(argc, argv);
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [] { ++tickCount; });
    timer.start();
    measureIdle(seconds, countedTicks, app);
    return 0;
}

int runProgram(int argc, char** argv, int seconds) {
    TamrikApplication app(argc, argv);
    TForm3 window;
    window.show();
    for (int i = 0; i < kPickers; ++i) {
        window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        TForm1* picker = window.findChildren<TForm1*>().last();
        // Counts the ticks of the oldest picker only, so that both sides pay for one counter.
        if (i == 0)
            QObject::connect(picker->Timer1, &SharedTimer::timeout, [] { ++tickCount; });
        picker->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    }
    measureIdle(seconds, countedTicks, app);
    return 0;
}

struct Figures {
    double cpuMs = 0;
    double wallMs = 0;
    long long ticks = 0;
};

QProcess* startChild(const QString& self, const QString& mode, int seconds) {
    auto* child = new QProcess;
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(self, {mode, QString::number(seconds)});
    return child;
}

Figures finishChild(QProcess* child) {
    child->waitForFinished(-1);
    Figures f;
    const QByteArray out = child->readAllStandardOutput();
    if (std::sscanf(out.constData(), "%lf %lf %lld", &f.cpuMs, &f.wallMs, &f.ticks) != 3)
        std::fprintf(stderr, "no figures from %s: %s\n", qPrintable(child->arguments().first()),
                     out.constData());
    delete child;
    return f;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--minimal") == 0)
        return runMinimal(argc, argv, std::stoi(argv[2]));
    if (argc >= 3 && std::strcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv, std::stoi(argv[2]));

    const int seconds = argc >= 2 ? std::stoi(argv[1]) : 5;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    // Both sides run at the same time, so that other work on the machine touches both alike;
    // each needs a few per cent of one core.
    std::vector<Figures> minimal, program;
    for (int round = 0; round < kRounds; ++round) {
        QProcess* m = startChild(self, QStringLiteral("--minimal"), seconds);
        QProcess* p = startChild(self, QStringLiteral("--program"), seconds);
        minimal.push_back(finishChild(m));
        program.push_back(finishChild(p));
    }

    const auto row = [](const std::string& name, const Figures& f) {
        std::printf("%-36s %9.1f %7.2f %12lld\n", name.c_str(), f.cpuMs,
                    f.wallMs > 0 ? 100.0 * f.cpuMs / f.wallMs : 0.0, f.ticks);
    };
    std::printf("Idle CPU over %d s per run, both side by side, X display %s\n", seconds,
                qgetenv("DISPLAY").constData());
    std::printf("%-36s %9s %7s %12s %7s\n", "", "CPU ms", "CPU %", "ticks", "ratio");
    std::vector<double> ratios;
    for (std::size_t round = 0; round < minimal.size(); ++round) {
        const std::string n = " (round " + std::to_string(round + 1) + ")";
        row("minimal, one 1 ms timer" + n, minimal[round]);
        row("program, 20 hidden pickers" + n, program[round]);
        ratios.push_back(minimal[round].cpuMs > 0 ? program[round].cpuMs / minimal[round].cpuMs
                                                  : 0.0);
        std::printf("%-36s %38.2f\n", "", ratios.back());
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("idle CPU ratio program / minimal (median of %d rounds): %.2f (target < 1.2)\n",
                kRounds, ratios[ratios.size() / 2]);
    return 0;
}
