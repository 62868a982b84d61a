// The ten input-field dialogs: their builder on every member, the
// attributes each member offers, and the show step's captions and labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "app/switches.h"
#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};

// Types each (control, text) pair; a text of "[x]" checks the box instead.
std::function<void(Form&)> typed(std::vector<std::pair<const char*, std::string>> values) {
    return [=](Form& f) {
        for (auto& [name, text] : values) {
            if (text == "[x]") f[name].checked = true;
            else f[name].text = text;
        }
    };
}

const std::function<void(Form&)> kNothing = [](Form&) {};

}  // namespace

TEST(InputDialogs, Builders) {
    const std::string long_value(5000, 'w');
    expect_builds({
        // The worked examples.
        {"text with name, size and maximum", TFormINPUTtext, kDefault,
         typed({{"EditNAME", "email"}, {"EditSIZE", "30"}, {"EditMAXLENGTH", "60"}}),
         "<INPUT TYPE=\"text\" NAME=\"email\" SIZE=\"30\" MAXLENGTH=\"60\">", ""},
        {"password, nothing entered", TFormINPUTpassword, kDefault, kNothing, "<INPUT TYPE=\"password\">", ""},
        {"check box checked", TFormINPUTcheckbox, kDefault,
         typed({{"EditNAME", "news"}, {"EditVALUE", "yes"}, {"CheckBoxCHECKED", "[x]"}}),
         "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"yes\" CHECKED>", ""},
        {"submit with a Japanese value", TFormINPUTsubmit, kDefault, typed({{"EditVALUE", "送信"}}),
         "<INPUT TYPE=\"submit\" VALUE=\"送信\">", ""},
        {"image, nothing entered: SRC always", TFormINPUTimage, kDefault, kNothing,
         "<INPUT TYPE=\"image\" SRC=\"\">", ""},
        {"image: NAME before SRC", TFormINPUTimage, kDefault,
         typed({{"EditSRC", "images/go.gif"}, {"EditNAME", "go"}}),
         "<INPUT TYPE=\"image\" NAME=\"go\" SRC=\"images/go.gif\">", ""},
        {"radio, all lower", TFormINPUTradio, {1, 1, 1},
         typed({{"EditNAME", "q1"}, {"EditVALUE", "a"}, {"CheckBoxCHECKED", "[x]"}}),
         "<input type=\"radio\" name=\"q1\" value=\"a\" checked>", ""},
        {"hidden, values upper: typed value kept", TFormINPUThidden, {0, 0, 0},
         typed({{"EditNAME", "mode"}, {"EditVALUE", "edit"}}),
         "<INPUT TYPE=\"HIDDEN\" NAME=\"mode\" VALUE=\"edit\">", ""},
        // The TYPE word follows the value case alone.
        {"text, values upper", TFormINPUTtext, {0, 0, 0}, kNothing, "<INPUT TYPE=\"TEXT\">", ""},
        {"text, names lower, values lower", TFormINPUTtext, {1, 1, 1}, kNothing, "<input type=\"text\">", ""},
        {"file, elements lower only", TFormINPUTfile, {1, 0, 0}, typed({{"EditSIZE", "40"}}),
         "<input TYPE=\"FILE\" SIZE=\"40\">", ""},
        // Values go in as typed.
        {"button, blanks only are a value", TFormINPUTbutton, kDefault, typed({{"EditNAME", "  "}}),
         "<INPUT TYPE=\"button\" NAME=\"  \">", ""},
        {"reset, a double quote is not escaped", TFormINPUTreset, kDefault, typed({{"EditVALUE", "a\"b"}}),
         "<INPUT TYPE=\"reset\" VALUE=\"a\"b\">", ""},
        {"file, a very long name is not cut", TFormINPUTfile, kDefault, typed({{"EditNAME", long_value}}),
         ("<INPUT TYPE=\"file\" NAME=\"" + long_value + "\">").c_str(), ""},
        {"password, letters and blanks kept", TFormINPUTpassword, {0, 0, 0},
         typed({{"EditVALUE", " Ab c "}, {"EditMAXLENGTH", "x8"}}),
         "<INPUT TYPE=\"PASSWORD\" VALUE=\" Ab c \" MAXLENGTH=\"x8\">", ""},
        {"image, blank SRC and Japanese name", TFormINPUTimage, {0, 1, 1},
         typed({{"EditSRC", " "}, {"EditNAME", "送る"}}), "<INPUT type=\"image\" name=\"送る\" src=\" \">", ""},
        // CHECKED comes last, in the attribute case; unchecked writes nothing.
        {"check box, names lower", TFormINPUTcheckbox, {0, 1, 1}, typed({{"CheckBoxCHECKED", "[x]"}}),
         "<INPUT type=\"checkbox\" checked>", ""},
        {"radio unchecked", TFormINPUTradio, kDefault, typed({{"EditVALUE", "b"}}),
         "<INPUT TYPE=\"radio\" VALUE=\"b\">", ""},
        {"hidden, nothing entered", TFormINPUThidden, kDefault, kNothing, "<INPUT TYPE=\"hidden\">", ""},
        {"button, name and value", TFormINPUTbutton, {0, 0, 1}, typed({{"EditNAME", "b1"}, {"EditVALUE", "押す"}}),
         "<INPUT TYPE=\"button\" NAME=\"b1\" VALUE=\"押す\">", ""},
    });
}

namespace {

// Each member as the family's table has it: what it offers, in output
// order, and how it is reached.
struct MemberRow {
    const char* switch_name;
    const DialogDesign& (*design)();
    const char* caption;
    std::vector<std::string> attributes;
    std::vector<std::string> tab_order;
    int w, h;
};

const std::vector<MemberRow>& member_rows() {
    static const std::vector<MemberRow> rows = {
        {"/INPUTtext", TFormINPUTtext, "Pelinor - HTML : 入力（ﾃｷｽﾄ） <INPUT TYPE=\"text\">",
         {"NAME", "VALUE", "SIZE", "MAXLENGTH"}, {"EditNAME", "EditVALUE", "EditSIZE", "EditMAXLENGTH"}, 400, 117},
        {"/INPUTpassword", TFormINPUTpassword, "Pelinor - HTML : 入力（ﾊﾟｽﾜｰﾄﾞ） <INPUT TYPE=\"password\">",
         {"NAME", "VALUE", "SIZE", "MAXLENGTH"}, {"EditNAME", "EditVALUE", "EditSIZE", "EditMAXLENGTH"}, 400, 117},
        {"/INPUTbutton", TFormINPUTbutton, "Pelinor - HTML : 入力（ﾎﾞﾀﾝ） <INPUT TYPE=\"button\">", {"NAME", "VALUE"},
         {"EditNAME", "EditVALUE"}, 335, 119},
        {"/INPUTcheckbox", TFormINPUTcheckbox, "Pelinor - HTML : 入力（ﾁｪｯｸﾎﾞｯｸｽ） <INPUT TYPE=\"checkbox\">",
         {"NAME", "VALUE", "CHECKED"}, {"EditNAME", "EditVALUE", "CheckBoxCHECKED"}, 407, 120},
        {"/INPUTradio", TFormINPUTradio, "Pelinor - HTML : 入力（ﾗｼﾞｵﾎﾞﾀﾝ） <INPUT TYPE=\"radio\">",
         {"NAME", "VALUE", "CHECKED"}, {"EditNAME", "EditVALUE", "CheckBoxCHECKED"}, 407, 120},
        {"/INPUTsubmit", TFormINPUTsubmit, "Pelinor - HTML : 入力（ｻﾌﾞﾐｯﾄ） <INPUT TYPE=\"submit\">", {"VALUE"},
         {"EditVALUE"}, 340, 86},
        {"/INPUTreset", TFormINPUTreset, "Pelinor - HTML : 入力（ﾘｾｯﾄ） <INPUT TYPE=\"reset\">", {"VALUE"},
         {"EditVALUE"}, 340, 85},
        {"/INPUTimage", TFormINPUTimage, "Pelinor - HTML : 入力（ｲﾒｰｼﾞ） <INPUT TYPE=\"image\">", {"NAME", "SRC"},
         {"EditSRC", "ButtonSRC", "EditNAME"}, 416, 134},
        {"/INPUThidden", TFormINPUThidden, "Pelinor - HTML : 入力（隠しﾌｨｰﾙﾄﾞ） <INPUT TYPE=\"hidden\">",
         {"NAME", "VALUE"}, {"EditNAME", "EditVALUE"}, 400, 87},
        {"/INPUTfile", TFormINPUTfile, "Pelinor - HTML : 入力（ﾌｧｲﾙ転送） <INPUT TYPE=\"file\">", {"NAME", "SIZE"},
         {"EditNAME", "EditSIZE"}, 340, 107},
    };
    return rows;
}

}  // namespace

TEST(InputDialogs, EachMemberOffersExactlyTheAttributesOfItsRow) {
    for (const MemberRow& row : member_rows()) {
        const DialogDesign& d = row.design();
        SCOPED_TRACE(d.class_name);
        const SwitchRow* sw = find_switch(row.switch_name);
        ASSERT_TRUE(sw);
        EXPECT_EQ(&sw->design(), &d);
        EXPECT_EQ(d.tab_order, row.tab_order);
        EXPECT_EQ(d.client_w, row.w);
        EXPECT_EQ(d.client_h, row.h);
        EXPECT_EQ(dialog_caption(d, kDefault), row.caption);

        // The name labels are the row's attributes; the edits, boxes and
        // buttons feed those alone.
        std::set<std::string> labels, fed;
        for (const ControlDef& c : d.controls) {
            if (c.kind == Kind::NameLabel) labels.insert(c.caption);
            else if (c.kind == Kind::Edit) fed.insert(c.name.substr(4));
            else if (c.kind == Kind::CheckBox) fed.insert(c.name.substr(8));
            else if (c.kind == Kind::Button && c.name != "ButtonOK" && c.name != "ButtonCancel")
                fed.insert(c.name.substr(6));
        }
        const std::set<std::string> offered(row.attributes.begin(), row.attributes.end());
        EXPECT_EQ(labels, offered);
        EXPECT_EQ(fed, offered);

        // Everything filled: each attribute once, in the row's order.
        std::string expected = std::string("<INPUT TYPE=\"") + (row.switch_name + 6) + "\"";
        for (const std::string& a : row.attributes) expected += a == "CHECKED" ? " CHECKED" : " " + a + "=\"v\"";
        expected += ">";
        TagTexts t = build_with(d, kDefault, [](Form& f) {
            for (Control& c : f.controls()) {
                if (c.kind() == Kind::Edit) c.text = "v";
                if (c.kind() == Kind::CheckBox) c.checked = true;
            }
        });
        EXPECT_EQ(t.start, expected);
        EXPECT_EQ(t.end, "");
    }
}

TEST(InputDialogs, SwitchesAreMatchedExactly) {
    for (const char* bad : {"/inputtext", "/INPUTText", "/INPUTTEXT", "/INPUT", "/INPUTtext ", "INPUTtext"})
        EXPECT_EQ(find_switch(bad), nullptr) << bad;
}

TEST(InputDialogs, ShowStepLowersTheOwnNameLabelsAndNothingElse) {
    for (const MemberRow& row : member_rows()) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(row.design(), host, platform);
        dialog.FormShow({1, 1, 0});
        SCOPED_TRACE(row.design().class_name);
        EXPECT_EQ(dialog.form().caption.substr(dialog.form().caption.find('<')),
                  std::string("<input type=\"") + to_upper_ascii(row.switch_name + 6) + "\">");
        for (const Control& c : dialog.form().controls()) {
            const std::string& designed = c.def->caption;
            EXPECT_EQ(c.caption, c.kind() == Kind::NameLabel ? to_lower_ascii(designed) : designed) << c.name();
            EXPECT_EQ(c.items, c.def->items()) << c.name();
        }
    }
}
