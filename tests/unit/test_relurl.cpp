#include "common/relurl.h"

#include "common/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

using corvane::CodePage;
using corvane::folder_of;
using corvane::PathStyle;
using corvane::relative_path;
using corvane::relative_url;

namespace {

constexpr PathStyle W = PathStyle::Windows;
constexpr PathStyle P = PathStyle::Posix;

struct Case {
    std::string a, b, want;
};

// Every folder exists except those listed, so Windows paths work on any OS.
corvane::FolderExists all_but(std::set<std::string> missing) {
    return [missing](std::string_view p) { return !missing.count(std::string(p)); };
}

TEST(FolderOf, BothStyles) {
    const struct {
        PathStyle style;
        std::string path, want;
    } cases[] = {
        {W, R"(C:\web\site\index.htm)", R"(C:\web\site)"},
        {W, R"(C:\index.htm)", R"(C:\)"},
        {W, "", ""},
        {W, "index.htm", ""},
        {W, "C:index.htm", "C:"},
        {W, R"(\index.htm)", R"(\)"},
        {W, R"(\\srv\share\page.htm)", R"(\\srv\share)"},
        {W, R"(C:/web/site/index.htm)", "C:/web/site"},  // as Qt's dialogs hand it back
        {W, R"(C:\web\site\)", R"(C:\web\site)"},
        {P, "/web/site/index.htm", "/web/site"},
        {P, "/index.htm", "/"},
        {P, "", ""},
        {P, "index.htm", ""},
        {P, R"(/web/a\b.htm)", "/web"},  // a backslash is part of a POSIX name
        {P, "/web/C:x.htm", "/web"},
        {P, "/web/C:/x.htm", "/web/C:"},
    };
    for (const auto& c : cases) EXPECT_EQ(folder_of(c.path, c.style), c.want) << c.path;
}

// Edited file, chosen file, URL.
TEST(RelativeUrl, WindowsPaths) {
    const std::string page = R"(C:\web\site\page.htm)";
    const Case cases[] = {
        {page, R"(C:\web\site\logo.gif)", "logo.gif"},
        {page, R"(C:\web\site\img\logo.gif)", "img/logo.gif"},
        {page, R"(C:\web\site\img\icons\a.gif)", "img/icons/a.gif"},
        {page, R"(C:\web\top.htm)", "../top.htm"},
        {page, R"(C:\web\other\x.htm)", "../other/x.htm"},
        {page, R"(C:\web\site2\x.htm)", "../site2/x.htm"},
        {R"(C:\web\site2\page.htm)", R"(C:\web\site\x.htm)", "../site/x.htm"},
        {page, R"(C:\x.htm)", "../../x.htm"},
        {page, R"(D:\data\pics\a.jpg)", "file:///D|/data/pics/a.jpg"},
        {page, R"(D:\a.jpg)", "file:///D|/a.jpg"},
        {page, R"(d:\Data\a.jpg)", "file:///d|/Data/a.jpg"},  // spelled as the chosen path has it
        {page, R"(c:\WEB\Site\logo.gif)", "logo.gif"},
        {page, R"(c:\WEB\Other\x.htm)", "../Other/x.htm"},
        {"", R"(C:\web\site\img\logo.gif)", "logo.gif"},
        {"", R"(D:\data\pics\a.jpg)", "a.jpg"},
        {R"(C:\page.htm)", R"(C:\web\a.gif)", "web/a.gif"},
        // Nothing is escaped.
        {page, R"(C:\web\site\my img\#1 画像.gif)", "my img/#1 画像.gif"},
        // Full-width letters are equal in either case, as in Windows file names.
        {R"(C:\ＷＥＢ\page.htm)", R"(C:\ｗｅｂ\a.gif)", "a.gif"},
        // Forward slashes, as Qt's file dialogs give paths.
        {page, "C:/web/site/img/logo.gif", "img/logo.gif"},
        // An edited path that is not a full path is no base.
        {"page.htm", R"(C:\web\x.gif)", "x.gif"},
        {R"(site\page.htm)", R"(C:\web\x.gif)", "x.gif"},
        // Network shares: \\server\share is the drive part.
        {R"(\\srv\share\web\page.htm)", R"(\\srv\share\img\a.gif)", "../img/a.gif"},
        {R"(\\srv\share\web\page.htm)", R"(\\SRV\Share\web\a.gif)", "a.gif"},
        {R"(\\srv\share\web\page.htm)", R"(\\srv\other\x\a.gif)", "file://srv/other/x/a.gif"},
        {R"(\\srv\share\web\page.htm)", R"(\\box\share\a.gif)", "file://box/share/a.gif"},
        {R"(\\srv\share\web\page.htm)", R"(C:\x\a.gif)", "file:///C|/x/a.gif"},
        {page, R"(\\srv\share\a b\#.gif)", "file://srv/share/a b/#.gif"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(relative_url(c.b, c.a, W, all_but({})), c.want) << c.a << " -> " << c.b;
}

TEST(RelativeUrl, MissingBaseFolderUsesTheChosenFolder) {
    const auto exists = all_but({R"(C:\gone)"});
    EXPECT_EQ(relative_url(R"(C:\web\img\a.gif)", R"(C:\gone\page.htm)", W, exists), "a.gif");
    EXPECT_EQ(relative_url(R"(D:\img\a.gif)", R"(C:\gone\page.htm)", W, exists), "a.gif");
    EXPECT_EQ(relative_url("/web/img/a.gif", "/gone/page.htm", P, all_but({"/gone"})), "a.gif");
}

TEST(RelativeUrl, PosixPaths) {
    const std::string page = "/web/site/page.htm";
    const Case cases[] = {
        {page, "/web/site/logo.gif", "logo.gif"},
        {page, "/web/top.htm", "../top.htm"},
        {page, "/web/site2/x.htm", "../site2/x.htm"},
        {page, "/x.htm", "../../x.htm"},
        {page, "/web/Site/logo.gif", "../Site/logo.gif"},  // names are case-sensitive
        {page, R"(/web/site/a\b.gif)", R"(a\b.gif)"},
        {page, "/web/site/my img/#1 画像.gif", "my img/#1 画像.gif"},
        {"", "/any/where/a.gif", "a.gif"},
        {"site/page.htm", "/web/a.gif", "a.gif"},
        {"/page.htm", "/web/a.gif", "web/a.gif"},
        // "." and ".." resolved, never above the root.
        {"/web/./site/../page.htm", "/web/a.gif", "a.gif"},
        {"/../../page.htm", "/x/a.gif", "x/a.gif"},
        {page, "/web/img/../site/./a.gif", "a.gif"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(relative_url(c.b, c.a, P, all_but({})), c.want) << c.a << " -> " << c.b;
}

#ifndef _WIN32
// The three-argument form asks the file system whether the base folder exists.
TEST(RelativeUrl, ChecksTheRealFileSystem) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("corvane_relurl_" + std::to_string(::getpid()));
    fs::create_directories(root / "site" / "img");
    const std::string site = (root / "site").string();
    EXPECT_EQ(relative_url(site + "/img/a.gif", site + "/page.htm", P), "img/a.gif");
    EXPECT_EQ(relative_url(site + "/img/a.gif", site + "/nowhere/page.htm", P), "a.gif");
    fs::remove_all(root);
}
#endif

// Base folder, chosen file, path.
TEST(RelativePath, BothStyles) {
    const std::string base = R"(C:\web\site)";
    const struct {
        PathStyle style;
        Case c;
    } cases[] = {
        {W, {base, R"(C:\web\site\img\a.gif)", "img/a.gif"}},
        {W, {base, R"(C:\web\top.htm)", "../top.htm"}},
        {W, {base, R"(D:\x\y.htm)", "D:/x/y.htm"}},
        {W, {base, R"(C:\web\site\a.htm)", "a.htm"}},
        {W, {base, R"(c:\WEB\SITE\a.htm)", "a.htm"}},
        {W, {base, R"(C:\web\site2\a.htm)", "../site2/a.htm"}},
        {W, {base, R"(C:\a.htm)", "../../a.htm"}},
        {W, {base, R"(C:\Web\Other\a b#.htm)", "../Other/a b#.htm"}},
        {W, {"", R"(C:\web\a.htm)", "C:/web/a.htm"}},
        {W, {R"(C:\)", R"(C:\x\a.htm)", "x/a.htm"}},
        {W, {R"(\\srv\share\web)", R"(\\srv\share\a.htm)", "../a.htm"}},
        {W, {R"(\\srv\share\web)", R"(\\srv\other\a.htm)", "//srv/other/a.htm"}},
        {W, {base, "C:/web/top.htm", "../top.htm"}},
        {P, {"/web/site", "/web/site/img/a.gif", "img/a.gif"}},
        {P, {"/web/site", "/web/top.htm", "../top.htm"}},
        {P, {"/web/site", "/web/Site/a.htm", "../Site/a.htm"}},
        {P, {"/", "/x/a.htm", "x/a.htm"}},
        {P, {"", "/x/y.htm", "/x/y.htm"}},
        {P, {"/web/site", R"(/web/site/a\b.htm)", R"(a\b.htm)"}},
    };
    for (const auto& [style, c] : cases) EXPECT_EQ(relative_path(c.a, c.b, style), c.want) << c.a << " -> " << c.b;
}

// In CP932 the second byte of 表 (95 5C) and ソ (83 5C) is a backslash byte.
// Converted to UTF-8 at the host boundary, those names split right.
TEST(RelativeUrl, ShiftJisTrailByteIsNoSeparator) {
    const std::string host_page = "C:\\\x95\x5C\\\x83\x5C\\page.htm";  // C:\表\ソ\page.htm
    ASSERT_EQ(std::count(host_page.begin(), host_page.end(), '\\'), 5);

    const std::string page = corvane::to_utf8(host_page, CodePage::Cp932);
    ASSERT_EQ(page, "C:\\表\\ソ\\page.htm");
    const std::string folder = folder_of(page, W);
    EXPECT_EQ(corvane::from_utf8(folder, CodePage::Cp932), "C:\\\x95\x5C\\\x83\x5C");

    const auto exists = all_but({});
    EXPECT_EQ(relative_url("C:\\表\\ソ\\img\\a.gif", page, W, exists), "img/a.gif");
    EXPECT_EQ(relative_url("C:\\表\\ソ\\a.gif", page, W, exists), "a.gif");
    EXPECT_EQ(relative_url("C:\\表\\b.gif", page, W, exists), "../b.gif");
    EXPECT_EQ(relative_url("C:\\表ソ\\b.gif", page, W, exists), "../../表ソ/b.gif");
    EXPECT_EQ(relative_path(folder, "C:\\表\\x.htm", W), "../x.htm");
    EXPECT_EQ(relative_path(folder, "C:\\表\\ソ\\ソ\\x.htm", W), "ソ/x.htm");
    // The URL goes back to the host as CP932 with the trail bytes intact.
    EXPECT_EQ(corvane::from_utf8(relative_url("C:\\表\\ソ\\表.gif", page, W, exists), CodePage::Cp932),
              "\x95\x5C.gif");
}

}  // namespace
