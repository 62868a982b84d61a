// Start-up milestones: where a run spends its time on the way to its window.
// With CORVANE_MILESTONES set, each milestone writes one line to standard
// error,
//   corvane: milestone NAME WALL_MS CPU_MS FAULTS
// WALL_MS is the time since the run was launched: the variable's value read
// as the monotonic clock in microseconds, which a launcher sets just before
// it starts the program (scripts/bench milestones does; tools/maptime.c -m),
// or else since the first milestone of the process.  CPU_MS is the processor
// time of the whole process so far, which a busy machine does not inflate
// the way it inflates waiting; FAULTS its page faults so far.  Unset, a
// milestone costs one test.
//
// Header only, so that the yardsticks in tools/ mark the same points.  The
// Windows build has no milestones.
#pragma once

#if !defined(_WIN32)
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <sys/resource.h>
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
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "corvane: milestone %s %.2f %.2f %ld\n", name, (now - launched) / 1000.0,
                 micros(CLOCK_PROCESS_CPUTIME_ID) / 1000.0, usage.ru_minflt + usage.ru_majflt);
}
#endif

inline const char* milestone_setting() {
#if !defined(_WIN32)
    static const char* const setting = std::getenv("CORVANE_MILESTONES");
    return setting;
#else
    return nullptr;
#endif
}

// Whether milestones are written at all.
inline bool milestones_on() { return milestone_setting() != nullptr; }

inline void milestone(const char* name) {
#if !defined(_WIN32)
    if (const char* setting = milestone_setting()) milestone_report(setting, name);
#else
    (void)name;
#endif
}

}  // namespace corvane
