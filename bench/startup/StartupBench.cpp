// Whole-process start-up as the user feels it: from exec to the window
// mapped on the X server, for the main program and for the floor window,
// alternated in one run so that both meet the same machine.
// usage (under Xvfb): startup_bench ROUNDS MAIN_PROGRAM FLOOR_PROGRAM

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds from exec to the first top-level window mapped.
double timeToMap(Display *display, const char *program)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True); // no events from before
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    double micros = -1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            break;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    return micros;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ROUNDS MAIN_PROGRAM FLOOR_PROGRAM\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display: run under xvfb-run\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // One start of each first: the file system cache, as after any earlier use.
    timeToMap(display, argv[2]);
    timeToMap(display, argv[3]);
    std::vector<double> main, floor;
    for (int i = 0; i < rounds; ++i) {
        // Alternated, and the order swapped each round.
        if (i % 2) {
            floor.push_back(timeToMap(display, argv[3]));
            main.push_back(timeToMap(display, argv[2]));
        } else {
            main.push_back(timeToMap(display, argv[2]));
            floor.push_back(timeToMap(display, argv[3]));
        }
    }
    const double m = median(main), f = median(floor);
    std::printf("rounds %d\nmain window  median %8.1f ms  min %8.1f ms\nfloor window median %8.1f ms  min %8.1f ms\n"
                "ratio (medians) %.3f\n",
                rounds, m / 1000, *std::min_element(main.begin(), main.end()) / 1000, f / 1000,
                *std::min_element(floor.begin(), floor.end()) / 1000, m / f);
    XCloseDisplay(display);
    return 0;
}
