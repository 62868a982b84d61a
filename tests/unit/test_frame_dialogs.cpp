// Builders and show step of the frame dialogs FRAMESET, FRAMES and FRAME.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};
const CaseSettings kLower{1, 1, 1};
const CaseSettings kFlipped{1, 1, 0};

// What the user did: texts typed, items chosen, boxes checked.
struct Did {
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<std::pair<const char*, int>> picks;
    std::vector<const char*> checks;
};
std::function<void(Form&)> did(Did d) {
    return [=](Form& f) {
        for (auto& [name, text] : d.texts) f[name].text = text;
        for (auto& [name, index] : d.picks) f[name].selected = index;
        for (const char* name : d.checks) f[name].checked = true;
    };
}

std::string times(int n, const std::string& s) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

}  // namespace

TEST(FrameDialogs, Builders) {
    expect_builds({
        {"FRAMESET cols, frameborder no", TFormFRAMESET, kDefault,
         did({.texts = {{"EditCOLSROWS", "200,*"}}, .picks = {{"RadioGroupFRAMEBORDER", 2}}}),
         "<FRAMESET COLS=\"200,*\" FRAMEBORDER=\"no\">⏎", "⏎</FRAMESET>⏎"},
        {"FRAMESET the same, end omitted", TFormFRAMESET, kDefault,
         did({.texts = {{"EditCOLSROWS", "200,*"}}, .picks = {{"RadioGroupFRAMEBORDER", 2}}, .checks = {"CheckBoxOmit"}}),
         "<FRAMESET COLS=\"200,*\" FRAMEBORDER=\"no\">", ""},
        {"FRAMESET empty split still written", TFormFRAMESET, kDefault, did({}), "<FRAMESET COLS=\"\">⏎",
         "⏎</FRAMESET>⏎"},
        {"FRAMESET rows, empty split", TFormFRAMESET, kDefault, did({.picks = {{"RadioGroupKind", 1}}}),
         "<FRAMESET ROWS=\"\">⏎", "⏎</FRAMESET>⏎"},
        {"FRAMESET every attribute in order", TFormFRAMESET, kDefault,
         did({.texts = {{"EditCOLSROWS", "*,*"}, {"EditBORDER", "0"}, {"EditFRAMESPACING", "2"},
                        {"ComboBoxBORDERCOLOR", "#FF8000"}},
              .picks = {{"RadioGroupKind", 1}, {"RadioGroupFRAMEBORDER", 1}}}),
         "<FRAMESET ROWS=\"*,*\" BORDER=\"0\" FRAMESPACING=\"2\" FRAMEBORDER=\"yes\" BORDERCOLOR=\"#FF8000\">⏎",
         "⏎</FRAMESET>⏎"},
        {"FRAMESET blanks count as a value", TFormFRAMESET, kDefault, did({.texts = {{"EditBORDER", " "}}}),
         "<FRAMESET COLS=\"\" BORDER=\" \">⏎", "⏎</FRAMESET>⏎"},
        {"FRAMESET flipped case", TFormFRAMESET, kFlipped,
         did({.texts = {{"EditCOLSROWS", "50%,*"}, {"ComboBoxBORDERCOLOR", "Navy"}},
              .picks = {{"RadioGroupKind", 1}, {"RadioGroupFRAMEBORDER", 1}}}),
         "<frameset rows=\"50%,*\" frameborder=\"YES\" bordercolor=\"Navy\">⏎", "⏎</frameset>⏎"},
        {"FRAMES rows, two frames, noframes", TFormFRAMES, kDefault,
         did({.texts = {{"EditCOLSROWS", "30%,*"}, {"CSpinEditFRAME", "2"}},
              .picks = {{"RadioGroupKind", 1}},
              .checks = {"CheckBoxNOFRAMES"}}),
         "<FRAMESET ROWS=\"30%,*\">⏎ <FRAME SRC=\"\" NAME=\"\">⏎ <FRAME SRC=\"\" NAME=\"\">⏎<NOFRAMES>⏎</NOFRAMES>⏎"
         "</FRAMESET>⏎",
         ""},
        {"FRAMES all lower, nothing given", TFormFRAMES, kLower, did({}), "<frameset cols=\"\">⏎</frameset>⏎", ""},
        {"FRAMES names lower, elements upper", TFormFRAMES, {0, 1, 1},
         did({.texts = {{"CSpinEditFRAME", "1"}}, .checks = {"CheckBoxNOFRAMES"}}),
         "<FRAMESET cols=\"\">⏎ <FRAME src=\"\" name=\"\">⏎<noframes>⏎</noframes>⏎</FRAMESET>⏎", ""},
        {"FRAMES names upper, elements lower", TFormFRAMES, {1, 0, 1}, did({.checks = {"CheckBoxNOFRAMES"}}),
         "<frameset COLS=\"\">⏎<NOFRAMES>⏎</NOFRAMES>⏎</frameset>⏎", ""},
        {"FRAMES every frame-set attribute", TFormFRAMES, {0, 0, 0},
         did({.texts = {{"EditCOLSROWS", "1,2"}, {"EditBORDER", "3"}, {"EditFRAMESPACING", "4"},
                        {"ComboBoxBORDERCOLOR", "GRAY"}},
              .picks = {{"RadioGroupFRAMEBORDER", 2}}}),
         "<FRAMESET COLS=\"1,2\" BORDER=\"3\" FRAMESPACING=\"4\" FRAMEBORDER=\"NO\" BORDERCOLOR=\"GRAY\">⏎"
         "</FRAMESET>⏎",
         ""},
        {"FRAME menu", TFormFRAME, kDefault,
         did({.texts = {{"EditSRC", "menu.html"}, {"EditNAME", "menu"}},
              .picks = {{"RadioGroupSCROLLING", 3}},
              .checks = {"CheckBoxNORESIZE"}}),
         "<FRAME SRC=\"menu.html\" NAME=\"menu\" SCROLLING=\"no\" NORESIZE>⏎", ""},
        {"FRAME everything empty", TFormFRAME, kDefault, did({}), "<FRAME SRC=\"\">⏎", ""},
        {"FRAME every attribute in order", TFormFRAME, kDefault,
         did({.texts = {{"EditSRC", "a.htm"}, {"EditNAME", "main"}, {"EditMARGINWIDTH", "5"},
                        {"EditMARGINHEIGHT", "6"}, {"ComboBoxBORDERCOLOR", "red"}},
              .picks = {{"RadioGroupSCROLLING", 1}, {"RadioGroupFRAMEBORDER", 1}},
              .checks = {"CheckBoxNORESIZE"}}),
         "<FRAME SRC=\"a.htm\" NAME=\"main\" MARGINWIDTH=\"5\" MARGINHEIGHT=\"6\" SCROLLING=\"auto\" NORESIZE "
         "FRAMEBORDER=\"yes\" BORDERCOLOR=\"red\">⏎",
         ""},
        {"FRAME values upper: chosen values raised, typed colour as typed", TFormFRAME, {0, 0, 0},
         did({.texts = {{"ComboBoxBORDERCOLOR", "Teal"}},
              .picks = {{"RadioGroupSCROLLING", 2}, {"RadioGroupFRAMEBORDER", 1}}}),
         "<FRAME SRC=\"\" SCROLLING=\"YES\" FRAMEBORDER=\"YES\" BORDERCOLOR=\"Teal\">⏎", ""},
        {"FRAME all lower", TFormFRAME, kLower,
         did({.texts = {{"EditSRC", "B.HTM"}}, .picks = {{"RadioGroupSCROLLING", 1}}, .checks = {"CheckBoxNORESIZE"}}),
         "<frame src=\"B.HTM\" scrolling=\"auto\" noresize>⏎", ""},
    }, "⏎");
}

TEST(FrameDialogs, ColourPickedFromTheListFollowsTheValueCase) {
    for (const DialogDesign& (*design)() : {TFormFRAMESET, TFormFRAMES, TFormFRAME}) {
        TagTexts t = build_with(design(), {0, 0, 0}, [](Form& f) {
            f["ComboBoxBORDERCOLOR"].text = f.item("ComboBoxBORDERCOLOR", 11);
        });
        EXPECT_NE(t.start.find(" BORDERCOLOR=\"NAVY\">"), std::string::npos) << design().class_name << t.start;
    }
}

TEST(FrameDialogs, SkeletonIsByteForByteInEitherLineBreak) {
    for (const std::string eol : {"\r\n", "\n"}) {
        TagTexts t = build_with(TFormFRAMES(), kDefault,
                                did({.texts = {{"EditCOLSROWS", "30%,*"}, {"CSpinEditFRAME", "2"}},
                                     .picks = {{"RadioGroupKind", 1}},
                                     .checks = {"CheckBoxNOFRAMES"}}),
                                eol);
        EXPECT_EQ(t.start, "<FRAMESET ROWS=\"30%,*\">" + eol + " <FRAME SRC=\"\" NAME=\"\">" + eol +
                               " <FRAME SRC=\"\" NAME=\"\">" + eol + "<NOFRAMES>" + eol + "</NOFRAMES>" + eol +
                               "</FRAMESET>" + eol);
        EXPECT_EQ(t.end, "");
        TagTexts set = build_with(TFormFRAMESET(), kDefault, did({.texts = {{"EditCOLSROWS", "200,*"}}}), eol);
        EXPECT_EQ(set.start, "<FRAMESET COLS=\"200,*\">" + eol);
        EXPECT_EQ(set.end, eol + "</FRAMESET>" + eol);
    }
}

TEST(FrameDialogs, FrameCountIsPulledWithinItsLimits) {
    // Whatever stands in the spin edit, the number of FRAME lines is 0 to 99.
    const std::string line = " <FRAME SRC=\"\" NAME=\"\">⏎";
    const std::pair<const char*, int> rows[] = {
        {"0", 0}, {"1", 1}, {"99", 99}, {"100", 99}, {"1000", 99}, {"-1", 0}, {"-2147483648", 0},
        {"abc", 0}, {"", 0}, {"7x", 0}, {"99999999999999999999", 99}, {"-99999999999999999999", 0},
    };
    for (auto [typed, lines] : rows) {
        TagTexts t = build_with(TFormFRAMES(), kDefault, did({.texts = {{"CSpinEditFRAME", typed}}}), "⏎");
        EXPECT_EQ(t.start, "<FRAMESET COLS=\"\">⏎" + times(lines, line) + "</FRAMESET>⏎") << typed;
    }
}

namespace {

Form shown(const DialogDesign& d, const CaseSettings& cs) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(d, host, platform);
    dialog.create();
    dialog.FormShow(cs);
    return dialog.form();
}

}  // namespace

TEST(FrameDialogs, CaptionsFollowTheElementCase) {
    const struct {
        const DialogDesign& (*design)();
        const char* upper;
        const char* lower;
    } rows[] = {
        {TFormFRAMESET, "Pelinor - HTML : ﾌﾚｰﾑｾｯﾄ <FRAMESET>", "Pelinor - HTML : ﾌﾚｰﾑｾｯﾄ <frameset>"},
        {TFormFRAMES, "Pelinor - HTML : ﾌﾚｰﾑひな形作成<FRAMESET> <FRAME>",
         "Pelinor - HTML : ﾌﾚｰﾑひな形作成<frameset> <frame>"},
        {TFormFRAME, "Pelinor - HTML : ﾌﾚｰﾑ <FRAME>", "Pelinor - HTML : ﾌﾚｰﾑ <frame>"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(shown(r.design(), kDefault).caption, r.upper);
        EXPECT_EQ(shown(r.design(), {1, 0, 1}).caption, r.lower);
        EXPECT_EQ(shown(r.design(), {0, 1, 0}).caption, r.upper);
    }
}

TEST(FrameDialogs, ShowStepAdaptsNamesAndValueLists) {
    // The radio items keep the ideographic space and the blank after it.
    const std::vector<std::string> frameborder = {"未指定\xE3\x80\x80 (立体表示)", "立体表示 (\"yes\")",
                                                  "平面表示 (\"no\")"};
    const std::vector<std::string> scrolling = {"未指定 (自動)", "自動\xE3\x80\x80 (\"auto\")",
                                                "あり\xE3\x80\x80 (\"yes\")", "なし\xE3\x80\x80 (\"no\")"};
    for (const DialogDesign& (*design)() : {TFormFRAMESET, TFormFRAMES}) {
        Form f = shown(design(), kDefault);
        EXPECT_EQ(f["RadioGroupKind"].items, (std::vector<std::string>{"横 (COLS)", "縦 (ROWS)"}));
        EXPECT_EQ(f["RadioGroupKindx"].items, (std::vector<std::string>{"COLS", "ROWS"}));
        EXPECT_EQ(f["RadioGroupFRAMEBORDER"].items, frameborder);
        EXPECT_EQ(f["RadioGroupFRAMEBORDERx"].items, (std::vector<std::string>{"", "yes", "no"}));

        Form g = shown(design(), kFlipped);
        EXPECT_EQ(g["RadioGroupKind"].items, (std::vector<std::string>{"横 (cols)", "縦 (rows)"}));
        EXPECT_EQ(g["RadioGroupKindx"].items, (std::vector<std::string>{"cols", "rows"}));
        for (const char* l : {"LabelBORDER", "LabelFRAMESPACING", "StaticTextFRAMEBORDER", "LabelBORDERCOLOR"})
            EXPECT_EQ(g.label(l), to_lower_ascii(f.label(l))) << l;
        EXPECT_EQ(g["RadioGroupFRAMEBORDER"].items[1], "立体表示 (\"YES\")");
        EXPECT_EQ(g["RadioGroupFRAMEBORDERx"].items, (std::vector<std::string>{"", "YES", "NO"}));
        EXPECT_EQ(g["ComboBoxBORDERCOLOR"].items.front(), "BLACK");
    }
    Form frames = shown(TFormFRAMES(), {1, 0, 1});  // elements lower, names upper
    EXPECT_EQ(frames.label("LabelNOFRAMES"), "NOFRAMES");
    EXPECT_EQ(frames.label("LabelSRC"), "SRC");
    Form named = shown(TFormFRAMES(), {0, 1, 1});
    for (auto [l, lower] : {std::pair{"LabelNOFRAMES", "noframes"}, {"LabelSRC", "src"}, {"LabelNAME", "name"}})
        EXPECT_EQ(named.label(l), lower);

    Form frame = shown(TFormFRAME(), kDefault);
    EXPECT_EQ(frame["RadioGroupSCROLLING"].items, scrolling);
    EXPECT_EQ(frame["RadioGroupFRAMEBORDER"].items, frameborder);
    Form flipped = shown(TFormFRAME(), kFlipped);
    for (auto [l, lower] : {std::pair{"LabelSRC", "src"}, {"LabelNAME", "name"}, {"StaticTextSCROLLING", "scrolling"},
                            {"StaticTextFRAMEBORDER", "frameborder"}, {"LabelBORDERCOLOR", "bordercolor"},
                            {"LabelMARGINWIDTH", "marginwidth"}, {"LabelMARGINHEIGHT", "marginheight"},
                            {"StaticTextNORESIZE", "noresize"}})
        EXPECT_EQ(flipped.label(l), lower);
    EXPECT_EQ(flipped["RadioGroupSCROLLING"].items[1], "自動\xE3\x80\x80 (\"AUTO\")");
    EXPECT_EQ(flipped["RadioGroupSCROLLINGx"].items, (std::vector<std::string>{"", "AUTO", "YES", "NO"}));
}

TEST(FrameDialogs, OkHandsTheSkeletonToTheHostOnce) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(TFormFRAMES(), host, platform);
    dialog.create();
    dialog.FormShow(kDefault);
    did({.texts = {{"EditCOLSROWS", "30%,*"}, {"CSpinEditFRAME", "2"}},
         .picks = {{"RadioGroupKind", 1}},
         .checks = {"CheckBoxNOFRAMES"}})(dialog.form());
    ASSERT_TRUE(dialog.ButtonOKClick());
    EXPECT_EQ(host.set_data_count, 1);
    EXPECT_EQ(host.start,
              "<FRAMESET ROWS=\"30%,*\">\r\n <FRAME SRC=\"\" NAME=\"\">\r\n <FRAME SRC=\"\" NAME=\"\">\r\n"
              "<NOFRAMES>\r\n</NOFRAMES>\r\n</FRAMESET>\r\n");
    EXPECT_EQ(host.end, "");
}
