#include <cstdio>
#include <cstring>

#include "wintest.h"

namespace wintest {

namespace {
int g_failures = 0;
const char* g_current = "";
}  // namespace

std::vector<Case>& cases() {
    static std::vector<Case> all;
    return all;
}

void fail(const char* file, int line, const std::string& what) {
    ++g_failures;
    std::printf("FAIL %s (%s:%d): %s\n", g_current, file, line, what.c_str());
    std::fflush(stdout);
}

}  // namespace wintest

// Runs every case, or those whose name contains the first argument.
int main(int argc, char** argv) {
    int passed = 0, failed = 0;
    for (const wintest::Case& c : wintest::cases()) {
        if (argc > 1 && !std::strstr(c.name, argv[1])) continue;
        wintest::g_current = c.name;
        const int before = wintest::g_failures;
        c.run();
        if (wintest::g_failures == before) ++passed;
        else ++failed;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
