// libFuzzer target for the relative URL and the folder of a path.  Each
// input gives random paths (mixed separators, "." and ".." runs, drive
// letters, network shares, Japanese names, Shift_JIS bytes) and ordinary
// paths built from parts.  Properties:
//  - no crash, in both path styles;
//  - the folder of a path is a prefix of it, and its name the rest;
//  - a relative result never climbs above the root of the edited file's
//    drive;
//  - for ordinary paths on one drive, the result joined to the edited
//    file's folder names the chosen file again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/relurl.h"

using namespace corvane;

namespace {

[[noreturn]] void fail(const char* what, const std::string& chosen, const std::string& edited, const std::string& got) {
    std::fprintf(stderr, "relative URL property broken: %s\nchosen: '%s'\nedited: '%s'\nresult: '%s'\n", what,
                 chosen.c_str(), edited.c_str(), got.c_str());
    std::abort();
}

std::string fold(std::string s, PathStyle style) {
    if (style == PathStyle::Windows)
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::vector<std::string> split(const std::string& s, const std::string& seps) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (seps.find(c) != std::string::npos) {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

// The names of a path after its drive part, with "." dropped and ".."
// taking back a name (never past the root).
std::vector<std::string> resolved(const std::string& after_drive, PathStyle style) {
    std::vector<std::string> names;
    for (const std::string& n : split(after_drive, style == PathStyle::Windows ? "\\/" : "/")) {
        if (n == ".") continue;
        if (n == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(n);
    }
    return names;
}

std::string random_path(FuzzedDataProvider& in) {
    static const char* const kParts[] = {"C:", "c:", "D:", "\\\\srv\\share", "//srv/share", "\\", "/", ".", "..",
                                         "...", "a", "B", "\xE8\xA1\xA8", "\xE3\x82\xBD", "\x95\x5C", "x.htm", ":"};
    std::string p;
    const int n = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < n; ++i)
        p += in.ConsumeBool() ? std::string(kParts[in.ConsumeIntegralInRange<size_t>(0, std::size(kParts) - 1)])
                              : in.ConsumeRandomLengthString(6);
    return p;
}

// An ordinary full path: a drive, then folder names, then a file name.
struct Ordinary {
    std::string drive;
    std::vector<std::string> folders;
    std::string name;
    std::string text(PathStyle style, FuzzedDataProvider& in) const {
        std::string t = drive;
        for (const std::string& f : folders) t += (style == PathStyle::Windows && in.ConsumeBool() ? "\\" : "/") + f;
        return t + (style == PathStyle::Windows ? "\\" : "/") + name;
    }
};

Ordinary ordinary(FuzzedDataProvider& in, const std::string& drive) {
    static const char* const kNames[] = {"a", "A", "b", "dir", "\xE8\xA1\xA8", "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88",
                                         "my page", "x#y"};
    Ordinary o{drive, {}, {}};
    const int n = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < n; ++i) o.folders.push_back(kNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)]);
    o.name = std::string(kNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)]) + ".htm";
    return o;
}

void check_folder(const std::string& p, PathStyle style) {
    const std::string folder = folder_of(p, style), name = file_name_of(p, style);
    if (p.compare(0, folder.size(), folder) != 0) fail("the folder is not the start of the path", p, "", folder);
    if (p.size() < name.size() || p.compare(p.size() - name.size(), name.size(), name) != 0)
        fail("the name is not the end of the path", p, "", name);
    if (folder.size() + name.size() > p.size()) fail("folder and name overlap", p, "", folder + "|" + name);
}

// Leading "../" steps of a relative result.
size_t climbs(const std::string& url) {
    size_t n = 0;
    while (url.compare(3 * n, 3, "../") == 0) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const PathStyle style = in.ConsumeBool() ? PathStyle::Windows : PathStyle::Posix;
    const bool exists = in.ConsumeBool();
    const auto folder_exists = [exists](std::string_view) { return exists; };

    // Random paths.
    const std::string chosen = random_path(in), edited = random_path(in);
    check_folder(chosen, style);
    check_folder(edited, style);
    const std::string url = relative_url(chosen, edited, style, folder_exists);
    (void)relative_path(folder_of(edited, style), chosen, style);
    // The open dialog gives full paths only; a path without a drive comes
    // back as it is.
    const auto sep = [style](char ch) { return ch == '/' || (style == PathStyle::Windows && ch == '\\'); };
    const bool full = style == PathStyle::Posix ? !chosen.empty() && chosen[0] == '/'
                                                : (chosen.size() >= 3 && chosen[1] == ':' && sep(chosen[2])) ||
                                                      (chosen.size() > 2 && sep(chosen[0]) && sep(chosen[1]));
    if (full && url.rfind("file:", 0) != 0 && climbs(url) > 0) {
        // The edited file's folder, resolved, is as deep as one may climb.
        const std::string base = folder_of(edited, style);
        size_t drive = 0;
        if (style == PathStyle::Windows && base.size() >= 2 && base[1] == ':') drive = 2;
        if (climbs(url) > resolved(base.substr(drive), style).size())
            fail("the result climbs above the root", chosen, edited, url);
    }

    // Ordinary paths on one drive.
    const std::string drive = style == PathStyle::Posix ? "" : in.ConsumeBool() ? "C:" : "\\\\srv\\share";
    const Ordinary c = ordinary(in, drive), e = ordinary(in, drive);
    const std::string ct = c.text(style, in), et = e.text(style, in);
    const std::string rel = relative_url(ct, et, style, [](std::string_view) { return true; });
    std::vector<std::string> joined = e.folders;
    for (const std::string& step : split(rel, "/")) {
        if (step == "..") {
            if (joined.empty()) fail("the result climbs above the root", ct, et, rel);
            joined.pop_back();
        } else {
            joined.push_back(step);
        }
    }
    std::vector<std::string> want = c.folders;
    want.push_back(c.name);
    bool same = joined.size() == want.size();
    for (size_t i = 0; same && i < want.size(); ++i) same = fold(joined[i], style) == fold(want[i], style);
    if (!same) fail("joined to the edited file's folder, the result names another file", ct, et, rel);
    return 0;
}
