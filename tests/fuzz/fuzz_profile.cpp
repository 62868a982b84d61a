// libFuzzer target for profile (settings) files.  Each input is a file's
// bytes followed by a run of reads and writes of the keys the program uses,
// in any letter case.  Properties:
//  - a written key reads back as written, and a key not written reads as
//    it did in the file as loaded;
//  - every line of the file outside the written keys stays byte for byte;
//  - the saved file is the bytes in memory, and loading it and writing the
//    same values again changes no byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/profile.h"
#include "memory_storage.h"

using namespace corvane;
using namespace corvane::fuzz;

namespace {

struct Key {
    const char* section;
    const char* key;
};
// The settings file's keys and some of the menu data's, in the spellings a
// hand-edited file may use.
const Key kKeys[] = {
    {"Setup", "Element"}, {"Setup", "Attribute"}, {"Setup", "Value"}, {"setup", "ELEMENT"},
    {"SETUP", "value"},   {"Menu00", "M00"},      {"Menu00", "S0000"}, {"Edit00", "M00a"},
    {"Edit00", "M00b"},   {"edit00", "m00A"},
};

[[noreturn]] void fail(const std::string& what, const std::string& file) {
    std::fprintf(stderr, "profile property broken: %s\nfile:\n", what.c_str());
    std::fwrite(file.data(), 1, file.size(), stderr);
    std::fprintf(stderr, "\n");
    std::abort();
}

// A value as the program writes one: no line break, no blank at either end
// (reading drops those).
std::string value_from(FuzzedDataProvider& in) {
    std::string v = in.ConsumeRandomLengthString(24);
    std::string out;
    for (char c : v)
        if (c != '\r' && c != '\n') out += c;
    while (!out.empty() && (out.front() == ' ' || out.front() == '\t')) out.erase(0, 1);
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    return out;
}

std::string id(const Key& k) { return folded(k.section) + "\n" + folded(k.key); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string original = in.ConsumeRandomLengthString(4096);
    MemoryStorage disk;
    const std::string path = "Corvane.ini";
    disk.files[path] = original;
    const ProfileFile loaded(path, disk);
    if (loaded.bytes() != original) fail("loading changed the bytes", original);

    ProfileFile file(path, disk);
    std::map<std::string, std::pair<Key, std::string>> written;
    std::vector<std::string> sections, keys;
    while (in.remaining_bytes() > 0) {
        const Key& k = kKeys[in.ConsumeIntegralInRange<size_t>(0, std::size(kKeys) - 1)];
        if (in.ConsumeBool()) {
            std::string v = in.ConsumeBool() ? std::to_string(in.ConsumeIntegral<int>()) : value_from(in);
            file.write_string(k.section, k.key, v);
            written[id(k)] = {k, v};
            sections.push_back(k.section);
            keys.push_back(k.key);
        } else {
            auto it = written.find(id(k));
            std::optional<std::string> want =
                it != written.end() ? std::optional<std::string>(it->second.second) : loaded.read_string(k.section, k.key);
            if (file.read_string(k.section, k.key) != want)
                fail(std::string("key ") + k.section + "/" + k.key + " reads wrong", file.bytes());
        }
    }
    for (const auto& [name, kv] : written)
        if (file.read_string(kv.first.section, kv.first.key) != kv.second)
            fail(std::string("written key ") + kv.first.section + "/" + kv.first.key + " reads back wrong", file.bytes());
    if (std::string why = check_kept(original, file.bytes(), sections, keys); !why.empty()) fail(why, file.bytes());

    const bool changed = file.modified();
    file.save();
    if (changed && disk.files[path] != file.bytes()) fail("the saved file is not the bytes in memory", file.bytes());
    if (disk.files.size() != 1) fail("a temporary file stayed", file.bytes());

    ProfileFile again(path, disk);
    for (const auto& [name, kv] : written) again.write_string(kv.first.section, kv.first.key, kv.second);
    if (again.modified() || again.bytes() != disk.files[path]) fail("writing the same values again changed bytes", again.bytes());
    return 0;
}
