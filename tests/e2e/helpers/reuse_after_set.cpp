// A program on the stand-in link that changes its texts as soon as
// pelr_SetData has returned, as a caller may: the editor's side must have
// them as they were handed over.  Writes `<argument> bytes` of a pattern.
#include <cstdlib>
#include <cstring>
#include <string>

#include "pelinorn.h"

int main(int argc, char** argv) {
    const size_t size = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
    std::string start(size, '\0'), end = "<end>";
    for (size_t i = 0; i < size; ++i) start[i] = static_cast<char>('a' + i % 26);
    pelr_SetData(start.c_str(), end.c_str());
    std::memset(start.data(), '#', size);
    std::memset(end.data(), '#', end.size());
    return 0;
}
