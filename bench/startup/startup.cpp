// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and memory of a program against yardsticks, measured in turn, round after
// round, in one run on one X display (run it under xvfb-run, in a session D-Bus):
//   bench_startup [-n ROUNDS] PROGRAM YARDSTICK...
// Each start is timed from the spawn of the process to two points seen by this X client:
// the map of its first window, and that window painted, which is the last damage to it
// (DAMAGE extension) before a quiet spell. Qt maps a window before it has drawn its text,
// so only the second is what a user sees. Memory is the resident set once it is painted.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// Long enough for any second frame (the focus frame of a window activated late).
constexpr auto quietSpell = std::chrono::milliseconds(300);

struct Sample
{
    double mapped;
    double painted;
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

class Display
{
  public:
    Display() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "no X display; run under xvfb-run\n");
            std::exit(1);
        }
        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fprintf(stderr, "the X server has no DAMAGE extension\n");
            std::exit(1);
        }
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        xcb_discard_reply(m_connection,
                          xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION,
                                                   XCB_DAMAGE_MINOR_VERSION)
                              .sequence);
        // Every top-level window is announced to us as it is made and mapped.
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }

    Sample measure(const char *program)
    {
        drain();
        char *arguments[] = {const_cast<char *>(program), nullptr};
        pid_t pid = 0;
        const Clock::time_point start = Clock::now();
        if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
            std::perror(program);
            std::exit(1);
        }
        const auto [mapped, painted] = watch(start);
        if (!mapped || !painted) {
            std::fprintf(stderr, "%s showed no painted window\n", program);
            std::exit(1);
        }
        const long rss = residentKiB(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return {Milliseconds(*mapped - start).count(), Milliseconds(*painted - start).count(), rss};
    }

  private:
    // Damage is watched on each new top-level window from its creation, so no drawing
    // can come before the watch. Returns when the first mapped window has been quiet.
    std::pair<std::optional<Clock::time_point>, std::optional<Clock::time_point>>
    watch(Clock::time_point start)
    {
        std::map<xcb_window_t, xcb_damage_damage_t> damages;
        xcb_window_t shown = XCB_NONE;
        std::optional<Clock::time_point> mapped, painted;
        const Clock::time_point deadline = start + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            if (painted && Clock::now() - *painted > quietSpell)
                break;
            xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
                continue;
            }
            const Clock::time_point now = Clock::now();
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                const xcb_damage_damage_t damage = xcb_generate_id(m_connection);
                xcb_damage_create(m_connection, damage, created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(m_connection);
                damages[created->window] = damage;
            } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
                shown = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                mapped = now;
            } else if (type == m_damageEvent) {
                const auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                // Ask for the next report; painting after the map is what counts.
                xcb_damage_subtract(m_connection, notify->damage, XCB_NONE, XCB_NONE);
                xcb_flush(m_connection);
                if (notify->drawable == shown)
                    painted = now;
            }
            std::free(event);
        }
        for (const auto &[window, damage] : damages)
            xcb_damage_destroy(m_connection, damage); // fails harmlessly for windows gone
        xcb_flush(m_connection);
        return {mapped, painted};
    }

    // Drops whatever the previous run left, once the server has sent all of it.
    void drain()
    {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    xcb_connection_t *m_connection;
    int m_damageEvent = 0;
};

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

    Display display;
    for (const char *program : programs)
        display.measure(program); // warm the file cache
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i)
            samples[i].push_back(display.measure(programs[i]));
    }

    const auto medianOf = [&samples](std::size_t i, auto field) {
        std::vector<double> values;
        for (const Sample &sample : samples[i])
            values.push_back(static_cast<double>(sample.*field));
        return median(values);
    };
    // The ratio is the median of each round's ratio: the machine's slow spells fall on
    // both programs of a round alike, and cancel.
    const auto pairedRatio = [&samples](std::size_t i) {
        std::vector<double> ratios;
        for (std::size_t round = 0; round < samples[i].size(); ++round)
            ratios.push_back(samples[0][round].painted / samples[i][round].painted);
        return median(ratios);
    };
    std::printf("%d rounds, medians; the first program against each of the others\n", rounds);
    std::printf("%10s %10s %10s %8s %9s  %s\n", "painted ms", "mapped ms", "RSS MB", "ratio",
                "extra MB", "program");
    const double programMemory = medianOf(0, &Sample::residentKiB);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const double painted = medianOf(i, &Sample::painted);
        const double memory = medianOf(i, &Sample::residentKiB);
        std::printf("%10.1f %10.1f %10.2f %8.3f %9.2f  %s\n", painted, medianOf(i, &Sample::mapped),
                    memory / 1024, pairedRatio(i), (programMemory - memory) / 1024, programs[i]);
    }
    std::printf("targets: painted at most 1.00 times the one-label yardstick (the last), "
                "0.5 MB more memory at most\n");
    return 0;
}
