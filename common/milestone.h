// Start-up milestones: where a run spends its time on the way to its window.
// With CORVANE_MILESTONES set, each milestone writes one line to standard
// error,
//   corvane: milestone NAME WALL_MS CPU_MS
// WALL_MS is the time since the run was launched: the variable's value read
// as the monotonic clock in microseconds, which a launcher sets just before
// it starts the program (scripts/bench milestones does; tools/maptime.c -m),
// or else since the first milestone of the process.  CPU_MS is the processor
// time of the whole process so far, which a busy machine does not inflate
// the way it inflates waiting.  Unset, a milestone costs one test.
//
// Header only, so that the yardsticks in tools/ mark the same points; each
// module holding it keeps its own copy of the launch time.  The Windows
// build has no milestones.
#pragma once

#if !defined(_WIN32)
#include <cstdio>
#include <cstdlib>
#include <ctime>
#endif

namespace corvane {

#if !defined(_WIN32)
// Kept out of line, so that a profiler can cut its counts at each
// milestone (scripts/bench milestones with valgrind: --dump-before).
[[gnu::noinline]] inline void milestone_report(const char* setting, const char* name) {
    auto micros = [](clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
    };
    const long long now = micros(CLOCK_MONOTONIC);
    static const long long launched = [&] {
        char* end = nullptr;
        const long long v = std::strtoll(setting, &end, 10);
        return end != setting && *end == '\0' && v > 0 && v <= now ? v : now;
    }();
    std::fprintf(stderr, "corvane: milestone %s %.2f %.2f\n", name, (now - launched) / 1000.0,
                 micros(CLOCK_PROCESS_CPUTIME_ID) / 1000.0);
}
#endif

inline void milestone(const char* name) {
#if !defined(_WIN32)
    static const char* const setting = std::getenv("CORVANE_MILESTONES");
    if (setting) milestone_report(setting, name);
#else
    (void)name;
#endif
}

}  // namespace corvane
