// A small test runner for the Windows test program (no GoogleTest for
// MinGW among the packages): TEST cases register themselves, CHECK records
// a failure with its place and goes on, and main prints one line per
// failure and "N passed, N failed".
#pragma once
#include <sstream>
#include <string>
#include <vector>

namespace wintest {

struct Case {
    const char* name;
    void (*run)();
};
std::vector<Case>& cases();
struct Register {
    Register(const char* name, void (*run)()) { cases().push_back({name, run}); }
};
void fail(const char* file, int line, const std::string& what);

}  // namespace wintest

#define WT_CAT2(a, b) a##b
#define WT_CAT(a, b) WT_CAT2(a, b)
#define TEST(name)                                                         \
    static void name();                                                    \
    static wintest::Register WT_CAT(reg_, name)(#name, name);              \
    static void name()
#define CHECK(cond)                                                        \
    do {                                                                   \
        if (!(cond)) wintest::fail(__FILE__, __LINE__, #cond);             \
    } while (0)
#define CHECK_EQ(a, b)                                                     \
    do {                                                                   \
        const auto& wt_a = (a);                                            \
        const auto& wt_b = (b);                                            \
        if (!(wt_a == wt_b)) {                                             \
            std::ostringstream wt_s;                                       \
            wt_s << #a << " == " << #b << ": \"" << wt_a << "\" vs \"" << wt_b << "\""; \
            wintest::fail(__FILE__, __LINE__, wt_s.str());                 \
        }                                                                  \
    } while (0)
