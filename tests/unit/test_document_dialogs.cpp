// Builders, show step, base switch and colour buttons of the page template
// dialog HTML and the body dialog BODY.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialogs.h"
#include "dialogs/pageparts.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};

struct Did {
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<const char*> checks;
};
std::function<void(Form&)> did(Did d) {
    return [=](Form& f) {
        for (auto& [name, text] : d.texts) f[name].text = text;
        for (const char* name : d.checks) f[name].checked = true;
    };
}

const Did kIndex{.texts = {{"EditTITLE", "Index"},
                           {"ComboBoxDOCTYPE", "W3C//DTD HTML 4.0 Transitional//EN"},
                           {"ComboBoxcharset", "Shift_JIS"},
                           {"ComboBoxBGCOLOR", "white"},
                           {"ComboBoxTEXT", "#000080"}}};

}  // namespace

TEST(DocumentDialogs, Builders) {
    const char* const page_end = "⏎</BODY>⏎</HTML>⏎";
    expect_builds({
        {"HTML index page", TFormHTML, kDefault, did(kIndex),
         "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML>⏎<HEAD>⏎<TITLE>Index</TITLE>⏎"
         "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset=Shift_JIS\">⏎</HEAD>⏎"
         "<BODY BGCOLOR=\"white\" TEXT=\"#000080\">⏎",
         page_end},
        {"HTML index page, elements and names lower", TFormHTML, {1, 1, 1}, did(kIndex),
         "<!doctype html public \"-//W3C//DTD HTML 4.0 Transitional//EN\"><html>⏎<head>⏎<title>Index</title>⏎"
         "<meta http-equiv=\"content-type\" content=\"text/html; charset=Shift_JIS\">⏎</head>⏎"
         "<body bgcolor=\"white\" text=\"#000080\">⏎",
         "⏎</body>⏎</HTML>⏎"},
        {"HTML index page, values upper", TFormHTML, {0, 0, 0}, did(kIndex),
         "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML>⏎<HEAD>⏎<TITLE>Index</TITLE>⏎"
         "<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; CHARSET=Shift_JIS\">⏎</HEAD>⏎"
         "<BODY BGCOLOR=\"white\" TEXT=\"#000080\">⏎",
         page_end},
        {"HTML names lower only: declaration words are names", TFormHTML, {0, 1, 1},
         did({.texts = {{"ComboBoxDOCTYPE", "IETF//DTD HTML//EN"}, {"ComboBoxcharset", "EUC-JP"}}}),
         "<!DOCTYPE html public \"-//IETF//DTD HTML//EN\"><HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎"
         "<META http-equiv=\"content-type\" content=\"text/html; charset=EUC-JP\">⏎</HEAD>⏎<BODY>⏎",
         page_end},
        {"HTML empty, base checked with empty URL", TFormHTML, kDefault, did({.checks = {"CheckBoxBASE"}}),
         "<HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎<BASE HREF=\"\">⏎</HEAD>⏎<BODY>⏎", page_end},
        {"HTML all empty", TFormHTML, kDefault, did({}), "<HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎</HEAD>⏎<BODY>⏎",
         page_end},
        {"HTML base with target", TFormHTML, kDefault,
         did({.texts = {{"EditHREF", "http://example.jp/"}, {"ComboBoxTARGET", "_top"}}, .checks = {"CheckBoxBASE"}}),
         "<HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎<BASE HREF=\"http://example.jp/\" TARGET=\"_top\">⏎</HEAD>⏎<BODY>⏎",
         page_end},
        {"HTML base unchecked writes none of its texts", TFormHTML, kDefault,
         did({.texts = {{"EditHREF", "http://example.jp/"}, {"ComboBoxTARGET", "_top"}}}),
         "<HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎</HEAD>⏎<BODY>⏎", page_end},
        {"HTML typed document type and charset as typed", TFormHTML, kDefault,
         did({.texts = {{"ComboBoxDOCTYPE", "my//dtd x"}, {"ComboBoxcharset", " utf-8"}}}),
         "<!DOCTYPE HTML PUBLIC \"-//my//dtd x\"><HTML>⏎<HEAD>⏎<TITLE></TITLE>⏎"
         "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset= utf-8\">⏎</HEAD>⏎<BODY>⏎",
         page_end},
        {"HTML every body attribute in order, blanks count", TFormHTML, kDefault,
         did({.texts = {{"EditTITLE", " "}, {"EditBACKGROUND", "b.gif"}, {"ComboBoxBGCOLOR", "a"},
                        {"ComboBoxTEXT", "b"}, {"ComboBoxLINK", "c"}, {"ComboBoxVLINK", "d"},
                        {"ComboBoxALINK", " "}}}),
         "<HTML>⏎<HEAD>⏎<TITLE> </TITLE>⏎</HEAD>⏎"
         "<BODY BACKGROUND=\"b.gif\" BGCOLOR=\"a\" TEXT=\"b\" LINK=\"c\" VLINK=\"d\" ALINK=\" \">⏎",
         page_end},
        {"BODY background and link", TFormBODY, kDefault,
         did({.texts = {{"EditBACKGROUND", "img/back.gif"}, {"ComboBoxLINK", "blue"}}}),
         "<BODY BACKGROUND=\"img/back.gif\" LINK=\"blue\">⏎", "</BODY>⏎"},
        {"BODY the same, end omitted", TFormBODY, kDefault,
         did({.texts = {{"EditBACKGROUND", "img/back.gif"}, {"ComboBoxLINK", "blue"}}, .checks = {"CheckBoxOmit"}}),
         "<BODY BACKGROUND=\"img/back.gif\" LINK=\"blue\">", ""},
        {"BODY all empty", TFormBODY, kDefault, did({}), "<BODY>⏎", "</BODY>⏎"},
        {"BODY every attribute, all lower", TFormBODY, {1, 1, 1},
         did({.texts = {{"EditBACKGROUND", "B.GIF"}, {"ComboBoxBGCOLOR", "1"}, {"ComboBoxTEXT", "2"},
                        {"ComboBoxLINK", "3"}, {"ComboBoxVLINK", "4"}, {"ComboBoxALINK", "5"}}}),
         "<body background=\"B.GIF\" bgcolor=\"1\" text=\"2\" link=\"3\" vlink=\"4\" alink=\"5\">⏎", "</body>⏎"},
    }, "⏎");
}

TEST(DocumentDialogs, PageSkeletonIsByteForByteInEitherLineBreak) {
    for (const std::string eol : {"\r\n", "\n"}) {
        TagTexts t = build_with(TFormHTML(), kDefault, did(kIndex), eol);
        EXPECT_EQ(t.start, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML>" + eol + "<HEAD>" +
                               eol + "<TITLE>Index</TITLE>" + eol +
                               "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset=Shift_JIS\">" + eol +
                               "</HEAD>" + eol + "<BODY BGCOLOR=\"white\" TEXT=\"#000080\">" + eol);
        EXPECT_EQ(t.end, eol + "</BODY>" + eol + "</HTML>" + eol);
        TagTexts b = build_with(TFormBODY(), kDefault, did({}), eol);
        EXPECT_EQ(b.start, "<BODY>" + eol);
        EXPECT_EQ(b.end, "</BODY>" + eol);
    }
}

TEST(DocumentDialogs, ColourPickedFromTheListFollowsTheValueCase) {
    for (const DialogDesign& (*design)() : {TFormHTML, TFormBODY}) {
        TagTexts t = build_with(design(), {0, 0, 0}, [](Form& f) {
            f["ComboBoxBGCOLOR"].text = f.item("ComboBoxBGCOLOR", 9);
            f["ComboBoxTEXT"].text = "Navy";
        });
        EXPECT_NE(t.start.find("<BODY BGCOLOR=\"WHITE\" TEXT=\"Navy\">"), std::string::npos) << t.start;
    }
}

namespace {

struct Shown {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog;
    Shown(const DialogDesign& d, const CaseSettings& cs) : dialog(d, host, platform) {
        dialog.create();
        dialog.FormShow(cs);
    }
    Form& form() { return dialog.form(); }
};

}  // namespace

TEST(DocumentDialogs, ShowStepAdaptsLabelsAndValueListsButNotTheTypedNameLists) {
    Shown plain(TFormHTML(), kDefault);
    const std::vector<std::string> doctypes = plain.form()["ComboBoxDOCTYPE"].items;
    const std::vector<std::string> charsets = plain.form()["ComboBoxcharset"].items;
    ASSERT_EQ(doctypes.size(), 10u);
    EXPECT_EQ(doctypes[1], "W3C//DTD HTML 4.0 Transitional//EN");
    EXPECT_EQ(charsets, (std::vector<std::string>{"Shift_JIS", "EUC-JP", "ISO-2022-JP", "x-sjis", "x-euc-jp"}));
    EXPECT_EQ(plain.form().caption, "Pelinor - HTML : ひな形HTML作成 <HTML>");
    EXPECT_EQ(plain.form().label("LabelCHARSET"), "charset");
    for (int e = 0; e < 2; ++e)
        for (int a = 0; a < 2; ++a)
            for (int v = 0; v < 2; ++v) {
                Shown s(TFormHTML(), {e, a, v});
                EXPECT_EQ(s.form()["ComboBoxDOCTYPE"].items, doctypes);
                EXPECT_EQ(s.form()["ComboBoxcharset"].items, charsets);
                // The charset label shows a value word: the attribute case leaves it alone.
                EXPECT_EQ(s.form().label("LabelCHARSET"), v ? "charset" : "CHARSET");
            }

    Shown elements(TFormHTML(), {1, 0, 1});
    EXPECT_EQ(elements.form().caption, "Pelinor - HTML : ひな形HTML作成 <html>");
    for (auto [l, shown] : {std::pair{"LabelTITLE", "<title>"}, {"LabelDOCTYPE", "<!doctype>"}, {"LabelBASE", "<base>"},
                            {"LabelHREF", "HREF"}, {"LabelALINK", "ALINK"}})
        EXPECT_EQ(elements.form().label(l), shown) << l;

    Shown names(TFormHTML(), {0, 1, 0});
    for (auto [l, shown] : {std::pair{"LabelTITLE", "<TITLE>"}, {"LabelHREF", "href"}, {"LabelTARGET", "target"},
                            {"LabelBACKGROUND", "background"}, {"LabelBGCOLOR", "bgcolor"}, {"LabelTEXT", "text"},
                            {"LabelLINK", "link"}, {"LabelVLINK", "vlink"}, {"LabelALINK", "alink"}})
        EXPECT_EQ(names.form().label(l), shown) << l;
    EXPECT_EQ(names.form()["ComboBoxTARGET"].items.front(), "_BLANK");
    for (const char* c : {"ComboBoxBGCOLOR", "ComboBoxTEXT", "ComboBoxLINK", "ComboBoxVLINK", "ComboBoxALINK"})
        EXPECT_EQ(names.form()[c].items.back(), "PINK") << c;

    Shown body(TFormBODY(), {1, 1, 0});
    EXPECT_EQ(body.form().caption, "Pelinor - HTML : 本体部 <body>");
    EXPECT_EQ(body.form().label("LabelVLINK"), "vlink");
    EXPECT_EQ(body.form()["ComboBoxALINK"].items.front(), "BLACK");
}

TEST(DocumentDialogs, OneColourHandlerFindsEachBoxByTheButtonsName) {
    for (const char* a : {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"})
        EXPECT_EQ(page::ButtonCOLORClick(std::string("Button") + a), std::string("ComboBox") + a);
    EXPECT_EQ(page::ButtonCOLORClick("EditTEXT"), "");
}

TEST(DocumentDialogs, OkHandsThePageToTheHostOnce) {
    Shown s(TFormHTML(), kDefault);
    did(kIndex)(s.form());
    ASSERT_TRUE(s.dialog.ButtonOKClick());
    EXPECT_EQ(s.host.set_data_count, 1);
    EXPECT_EQ(s.host.start,
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML>\r\n<HEAD>\r\n"
              "<TITLE>Index</TITLE>\r\n<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
              "</HEAD>\r\n<BODY BGCOLOR=\"white\" TEXT=\"#000080\">\r\n");
    EXPECT_EQ(s.host.end, "\r\n</BODY>\r\n</HTML>\r\n");
}
