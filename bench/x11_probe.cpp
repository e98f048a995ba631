// Measures a window program from outside, on the X server in $DISPLAY (no window manager):
//   start-up  time from fork to the MapNotify of its first top-level window,
//   idle CPU  the CPU time of all its threads over a quiet stretch, as a share of one core,
//   peak RSS  ru_maxrss of the exited process (wait4),
// then closes it as a window manager would (WM_DELETE_WINDOW) and checks it ends.
//
//   tamrik_x11_probe [--runs N] [--idle-ms MS] [--before-idle CMD] -- program args...
//
// --before-idle runs CMD through /bin/sh once the window is shown (with $PROBE_WINDOW set to
// its id), e.g. to open and hide windows with xdotool before the idle stretch. Prints one
// "key value" line per figure (medians over the runs; peak RSS is the largest seen).

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of all threads of a process in seconds, from the nanosecond counters in
// /proc/PID/task/*/schedstat (the first field is the time spent running).
double cpuSeconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    unsigned long long ns = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long running = 0;
        if (schedstat >> running)
            ns += running;
    }
    closedir(dir);
    return double(ns) / 1e9;
}

// Waits for the MapNotify of a new top-level window; returns it, or None after the timeout.
Window waitForMap(Display* display, double timeoutMs, Clock::time_point start) {
    const int fd = ConnectionNumber(display);
    while (msSince(start) < timeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 1000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return None;
}

void sendDelete(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits up to timeoutMs for the child to end; kills it after that. Returns the exit status.
int reap(pid_t pid, double timeoutMs, rusage& usage, bool& killed) {
    const Clock::time_point start = Clock::now();
    int status = 0;
    killed = false;
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return status;
        if (msSince(start) > timeoutMs && !killed) {
            kill(pid, SIGKILL);
            killed = true;
        }
        usleep(2000);
    }
}

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    int idleMs = 0;
    std::string beforeIdle;
    int arg = 1;
    for (; arg < argc; ++arg) {
        const std::string option = argv[arg];
        if (option == "--")
            break;
        if (arg + 1 >= argc) {
            std::fprintf(stderr, "tamrik_x11_probe: %s needs a value\n", option.c_str());
            return 2;
        }
        if (option == "--runs")
            runs = std::max(1, std::atoi(argv[++arg]));
        else if (option == "--idle-ms")
            idleMs = std::max(0, std::atoi(argv[++arg]));
        else if (option == "--before-idle")
            beforeIdle = argv[++arg];
        else {
            std::fprintf(stderr, "tamrik_x11_probe: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (arg + 1 >= argc) {
        std::fprintf(stderr, "usage: tamrik_x11_probe [options] -- program args...\n");
        return 2;
    }
    char** command = argv + arg + 1;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tamrik_x11_probe: cannot open display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<double> startupMs, idleCpu;
    long peakKb = 0;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        XSync(display, True); // drop what earlier runs left
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execvp(command[0], command);
            std::perror("execvp");
            _exit(127);
        }
        const Window window = waitForMap(display, 20000, start);
        if (window == None) {
            std::fprintf(stderr, "tamrik_x11_probe: no window within 20 s\n");
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        startupMs.push_back(msSince(start));

        if (idleMs > 0) {
            if (!beforeIdle.empty()) {
                const std::string withWindow = "PROBE_WINDOW=" + std::to_string(window) +
                                               "; export PROBE_WINDOW; " + beforeIdle;
                if (std::system(withWindow.c_str()) != 0) {
                    std::fprintf(stderr, "tamrik_x11_probe: --before-idle command failed\n");
                    ++failures;
                }
            }
            usleep(500 * 1000); // let start-up work settle
            const double cpu0 = cpuSeconds(pid);
            const Clock::time_point idleStart = Clock::now();
            usleep(static_cast<useconds_t>(idleMs) * 1000);
            const double cpu1 = cpuSeconds(pid);
            idleCpu.push_back(100.0 * (cpu1 - cpu0) / (msSince(idleStart) / 1000.0));
        }

        sendDelete(display, window);
        rusage usage{};
        bool killed = false;
        const int status = reap(pid, 10000, usage, killed);
        if (killed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "tamrik_x11_probe: run %d did not end cleanly (status %d%s)\n",
                         run, status, killed ? ", killed" : "");
            ++failures;
        }
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    XCloseDisplay(display);

    std::printf("startup_ms %.1f\n", median(startupMs));
    std::printf("startup_ms_min %.1f\n", *std::min_element(startupMs.begin(), startupMs.end()));
    std::printf("peak_rss_kb %ld\n", peakKb);
    if (!idleCpu.empty())
        std::printf("idle_cpu_percent %.3f\n", median(idleCpu));
    std::printf("runs %d\n", runs);
    return failures ? 1 : 0;
}
