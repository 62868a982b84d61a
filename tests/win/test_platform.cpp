// The Windows halves of the code-page conversion and of the profile writer,
// on the system they are written for.  The runner starts Wine in a Japanese
// locale, so the ANSI code page is 932 as on the editor's users' machines.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/codepage.h"
#include "common/profile.h"
#include "common/sysinfo.h"
#include "wintest.h"

using corvane::CodePage;

namespace {

std::string temp_folder() {
    char buf[MAX_PATH];
    GetTempPathA(sizeof buf, buf);
    std::string dir = std::string(buf) + "corvane-wintest-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::string read_all(const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        std::fclose(f);
    }
    return out;
}

void write_all(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string utf8_of(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

int files_in(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    int n = 0;
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
        if (std::string(fd.cFileName) != "." && std::string(fd.cFileName) != "..") ++n;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

}  // namespace

TEST(AnsiCodePageIsJapanese) { CHECK_EQ(GetACP(), 932u); }

TEST(CodePageRoundTrips) {
    struct Row {
        const char* utf8;
        const char* ansi;
    };
    // 表 and ソ end in the byte of a backslash; the backslash itself stays one.
    const Row rows[] = {
        {"", ""},
        {"abc", "abc"},
        {"\xE8\xA1\xA8\xE7\xA4\xBA", "\x95\x5C\x8E\xA6"},        // 表示
        {"\xE3\x82\xBD\\", "\x83\x5C\\"},                        // ソ backslash
        {"\xEF\xBD\xB7\xEF\xBD\xAC\xEF\xBE\x9D", "\xB7\xAC\xDD"},  // ｷｬﾝ half-width
        {"C:\\web\\\xE8\xA1\xA8\\a.htm", "C:\\web\\\x95\x5C\\a.htm"},
    };
    for (CodePage cp : {CodePage::SystemAnsi, CodePage::Cp932}) {
        for (const Row& r : rows) {
            CHECK_EQ(corvane::from_utf8(r.utf8, cp), std::string(r.ansi));
            CHECK_EQ(corvane::to_utf8(r.ansi, cp), std::string(r.utf8));
        }
    }
}

TEST(CharacterOutsideTheCodePageIsAReference) {
    // An emoji (outside UTF-16's first plane), an accented letter and a
    // Hangul syllable that Shift_JIS lacks: never '?', never a look-alike.
    CHECK_EQ(corvane::from_utf8("a\xF0\x9F\x98\x80z", CodePage::SystemAnsi), std::string("a&#128512;z"));
    CHECK_EQ(corvane::from_utf8("\xC3\xA9", CodePage::SystemAnsi), std::string("&#233;"));
    CHECK_EQ(corvane::from_utf8("\xE8\xA1\xA8\xED\x95\x9C", CodePage::SystemAnsi), std::string("\x95\x5C&#54620;"));
}

TEST(ProfileReplacesInOneStep) {
    const std::string dir = temp_folder();
    const std::string ini = dir + "\\Corvane.ini";
    write_all(ini, "[Other]\r\nx=1\r\n[Setup]\r\nElement=0\r\n");
    {
        corvane::ProfileFile f(ini);
        f.write_int("Setup", "Element", 1);
        f.write_int("Setup", "Value", 0);
        f.save();
    }
    CHECK_EQ(read_all(ini), std::string("[Other]\r\nx=1\r\n[Setup]\r\nElement=1\r\nValue=0\r\n"));
    CHECK_EQ(files_in(dir), 1);  // no temporary file left behind
    {
        corvane::ProfileFile f(dir + "\\New.pld");
        f.write_string("Menu00", "key", "\x95\x5C");
        f.save();
    }
    CHECK_EQ(read_all(dir + "\\New.pld"), std::string("[Menu00]\r\nkey=\x95\x5C\r\n"));
    DeleteFileA(ini.c_str());
    DeleteFileA((dir + "\\New.pld").c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(ReadOnlyProfileIsRefused) {
    const std::string dir = temp_folder();
    const std::string ini = dir + "\\Corvane.ini";
    const std::string before = "[Setup]\r\nElement=0\r\n";
    write_all(ini, before);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string message;
    try {
        corvane::ProfileFile f(ini);
        f.write_int("Setup", "Element", 1);
        f.save();
    } catch (const corvane::ProfileWriteError& e) {
        message = e.what();
    }
    CHECK_EQ(message, ini + " \xE3\x81\xAB\xE6\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x82\x81\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93");
    CHECK_EQ(read_all(ini), before);
    CHECK_EQ(files_in(dir), 1);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(ini.c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(ProfileInAFolderTheCodePageCannotName) {
    // 表示 and a Hangul syllable that Shift_JIS lacks: the writer works on
    // UTF-8 paths through the W functions, and its refusal names the path
    // readably.
    const std::wstring wdir = std::wstring(L"C:\\corvane-\x8868\x793A-\xD55C-") + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(wdir.c_str(), nullptr);
    const std::string dir = "C:\\corvane-\xE8\xA1\xA8\xE7\xA4\xBA-\xED\x95\x9C-" + std::to_string(GetCurrentProcessId());
    const std::string ini = dir + "\\Corvane.ini";
    {
        corvane::ProfileFile f(ini);
        f.write_int("Setup", "Element", 1);
        f.save();
    }
    const std::wstring wini = wdir + L"\\Corvane.ini";
    CHECK(GetFileAttributesW(wini.c_str()) != INVALID_FILE_ATTRIBUTES);
    CHECK_EQ(corvane::ProfileFile(ini).read_int("Setup", "Element", 0), 1);
    SetFileAttributesW(wini.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string message;
    try {
        corvane::ProfileFile f(ini);
        f.write_int("Setup", "Element", 0);
        f.save();
    } catch (const corvane::ProfileWriteError& e) {
        message = e.what();
    }
    CHECK_EQ(message, ini + " \xE3\x81\xAB\xE6\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x82\x81\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93");
    SetFileAttributesW(wini.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(wini.c_str());
    RemoveDirectoryW(wdir.c_str());
}

TEST(ProgramFolderIsUtf8) {
    wchar_t buf[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    std::wstring w(buf, n);
    w = w.substr(0, w.find_last_of(L"\\/"));
    CHECK_EQ(corvane::program_dir(), utf8_of(w));
}
