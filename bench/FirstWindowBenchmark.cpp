// Time from starting a program to its first window being mapped on the X display: the program's
// start-up window and, in the same iteration, a bare Qt Widgets window (an application object
// and one label). Both share the display and the machine's load, so their ratio is the figure
// to watch; which of the two starts first alternates. Needs an X display without a window
// manager, such as a fresh Xvfb:
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_first_window
//
// DORVAK_PROGRAM in the environment times another build of the program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto patience = std::chrono::seconds(60);

// Reports the top-level windows created and mapped on the display.
class MapWatch {
public:
    MapWatch()
        : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_))
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatch() { xcb_disconnect(connection_); }

    bool connected() const { return !xcb_connection_has_error(connection_); }

    // Forgets the windows of programs that have ended.
    void forgetEarlierWindows() {
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            free(event);
        created_.clear();
    }

    // Waits until a window created since the last forgetEarlierWindows() is mapped.
    bool waitForNewWindowMapped() {
        const auto deadline = Clock::now() + patience;
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = isNewWindowMapped(*event);
                free(event);
                if (mapped)
                    return true;
            }
            pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
            if ((poll(&socket, 1, 100) < 0 && errno != EINTR) ||
                xcb_connection_has_error(connection_))
                return false;
        }
        return false;
    }

private:
    bool isNewWindowMapped(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7f) {
        case XCB_CREATE_NOTIFY:
            created_.insert(reinterpret_cast<const xcb_create_notify_event_t&>(event).window);
            return false;
        case XCB_MAP_NOTIFY:
            return created_.count(reinterpret_cast<const xcb_map_notify_event_t&>(event).window);
        default:
            return false;
        }
    }

    xcb_connection_t* connection_;
    std::set<xcb_window_t> created_;
};

// Ends the program and every process it started, and waits until they have gone, so that the
// next start has the machine to itself.
void endProcessGroup(pid_t group) {
    kill(-group, SIGTERM);
    waitpid(group, nullptr, 0); // at once when it has ended already
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (kill(-group, 0) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(-group, SIGKILL);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Seconds from starting the program to its first window being mapped; negative on failure.
double secondsToFirstWindow(MapWatch& watch, const char* program) {
    watch.forgetEarlierWindows();
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    char* arguments[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const auto start = Clock::now();
    const int failed = posix_spawn(&pid, program, nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (failed)
        return -1;
    const bool mapped = watch.waitForNewWindowMapped();
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    int status = 0;
    const bool ended = waitpid(pid, &status, WNOHANG) == pid;
    endProcessGroup(pid);
    if (!mapped)
        std::fprintf(stderr, "%s: no window after %.1f s%s\n", program, elapsed.count(),
                     ended ? ", the program ended" : "");
    return mapped ? elapsed.count() : -1;
}

void StartUpWindowBesideBareQt(benchmark::State& state) {
    // As the program is started from a desktop session: Qt picks the display's platform, and
    // the texts are Turkish.
    unsetenv("QT_QPA_PLATFORM");
    setenv("LC_ALL", "C.UTF-8", 1);
    const char* program = std::getenv("DORVAK_PROGRAM");
    if (!program)
        program = DORVAK_PROGRAM;
    MapWatch watch;
    if (!watch.connected()) {
        state.SkipWithError("no X display");
        return;
    }
    std::vector<double> bare;
    std::vector<double> started;
    for (auto _ : state) {
        // Each in both places of the pair, so that neither gains from going second.
        const double bare1 = secondsToFirstWindow(watch, BARE_QT_WINDOW);
        const double program1 = secondsToFirstWindow(watch, program);
        const double program2 = secondsToFirstWindow(watch, program);
        const double bare2 = secondsToFirstWindow(watch, BARE_QT_WINDOW);
        if (bare1 < 0 || bare2 < 0 || program1 < 0 || program2 < 0) {
            state.SkipWithError("a window did not come up");
            return;
        }
        state.SetIterationTime((program1 + program2) / 2);
        bare.insert(bare.end(), {bare1, bare2});
        started.insert(started.end(), {program1, program2});
    }
    // Medians: one start held up by the machine's other work would move a mean.
    state.counters["median_ms"] = 1000 * median(started);
    state.counters["bare_qt_median_ms"] = 1000 * median(bare);
    state.counters["times_bare_qt"] = median(started) / median(bare);
}
// Nine pairs of pairs: 18 starts of each, with the medians taken here (the repetitions of
// Google Benchmark 1.7 abort on a check of this benchmark's iteration counts).
BENCHMARK(StartUpWindowBesideBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

} // namespace

BENCHMARK_MAIN();
