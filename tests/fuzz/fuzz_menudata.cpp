// libFuzzer target for the menu data writer.  Each input is an existing
// Corvane.pld of random bytes and random case settings (values outside 0
// and 1 included).  Properties:
//  - the file written parses back into the same entries, in Shift_JIS;
//  - every line of the old file outside the menu entries stays byte for
//    byte;
//  - writing it again with the same settings changes no byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/codepage.h"
#include "common/profile.h"
#include "memory_storage.h"
#include "setup/menudata.h"

using namespace corvane;
using namespace corvane::fuzz;

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& file) {
    std::fprintf(stderr, "menu data property broken: %s\nfile:\n", what.c_str());
    std::fwrite(file.data(), 1, file.size(), stderr);
    std::fprintf(stderr, "\n");
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    CaseSettings cs{in.ConsumeIntegralInRange(-1, 2), in.ConsumeIntegralInRange(-1, 2), in.ConsumeIntegralInRange(-1, 2)};
    const std::string original = in.ConsumeRemainingBytesAsString();
    MemoryStorage disk;
    const std::string path = "Corvane.pld";
    disk.files[path] = original;

    ProfileFile file(path, disk);
    write_menu_data(file, cs);
    file.save();
    const std::string& saved = disk.files[path];

    const std::vector<MenuDataEntry> entries = menu_data(cs);
    std::vector<std::string> sections{"Menu00", "Edit00"}, keys;
    const ProfileFile parsed(path, disk);
    for (const MenuDataEntry& e : entries) {
        keys.push_back(e.key);
        if (parsed.read_string(e.section, e.key) != from_utf8(e.value, CodePage::Cp932))
            fail("entry " + e.section + "/" + e.key + " does not read back", saved);
    }
    if (std::string why = check_kept(original, saved, sections, keys); !why.empty()) fail(why, saved);
    if (disk.files.size() != 1) fail("a temporary file stayed", saved);

    ProfileFile again(path, disk);
    write_menu_data(again, cs);
    if (again.modified() || again.bytes() != saved) fail("writing the same settings again changed bytes", again.bytes());
    return 0;
}
