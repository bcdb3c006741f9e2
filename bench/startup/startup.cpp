// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and memory of a program against yardsticks, measured in turn in one run
// on one X display (run it under xvfb-run):
//   bench_startup [-n ROUNDS] PROGRAM YARDSTICK...
// Start-up is the time from starting the process to the map of its first window, seen by
// this X client; memory is the resident set once the window has been shown for a while.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample
{
    double milliseconds;
    long residentKiB;
};

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

bool waitForMap(xcb_connection_t *connection, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped)
            return true;
    }
    return false;
}

Sample measure(xcb_connection_t *connection, const char *program)
{
    // Drop whatever the previous run left in the queue.
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);

    char *arguments[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    if (!waitForMap(connection, start + std::chrono::seconds(20))) {
        std::fprintf(stderr, "%s showed no window\n", program);
        std::exit(1);
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {milliseconds, rss};
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 21;
    std::vector<const char *> programs(argv + 1, argv + argc);
    if (programs.size() > 2 && std::string(programs[0]) == "-n") {
        rounds = std::atoi(programs[1]);
        programs.erase(programs.begin(), programs.begin() + 2);
    }
    if (programs.size() < 2 || rounds < 1) {
        std::fprintf(stderr, "usage: bench_startup [-n ROUNDS] PROGRAM YARDSTICK...\n");
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display; run under xvfb-run\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    for (const char *program : programs)
        measure(connection, program); // warm the file cache
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<long>> memory(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const Sample sample = measure(connection, programs[i]);
            times[i].push_back(sample.milliseconds);
            memory[i].push_back(sample.residentKiB);
        }
    }

    std::printf("%d rounds, medians; the first program against each of the others\n", rounds);
    std::printf("%9s %12s %7s %10s  %s\n", "start ms", "resident MB", "ratio", "extra MB",
                "program");
    const double programTime = median(times[0]);
    const long programMemory = median(memory[0]);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const double t = median(times[i]);
        const long m = median(memory[i]);
        std::printf("%9.1f %12.1f %7.2f %10.1f  %s\n", t, m / 1024.0, programTime / t,
                    (programMemory - m) / 1024.0, programs[i]);
    }
    std::printf("targets: ratio 1.25 at most, extra memory 8 MB at most\n");
    xcb_disconnect(connection);
    return 0;
}
