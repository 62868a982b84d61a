// Builders and show step of the table dialogs (TABLE, CAPTION, TR, TD/TH)
// and the form dialogs (FORM, SELECT, OPTION, TEXTAREA).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};
const CaseSettings kLower{1, 1, 1};
const CaseSettings kUpperValues{0, 0, 0};

// The expected texts write the host line break as ⏎; every table runs once
// with each kind of host line break.
std::string with_eol(std::string s, const std::string& eol) {
    const std::string mark = "⏎";
    for (size_t at = s.find(mark); at != std::string::npos; at = s.find(mark, at + eol.size()))
        s.replace(at, mark.size(), eol);
    return s;
}

// Each case through OK: what the recording host receives, once.
void expect_builds_with_each_eol(std::initializer_list<BuilderCase> cases) {
    for (const char* eol : {"\r\n", "\n"}) {
        for (const BuilderCase& c : cases) {
            RecordingHost host;
            host.eol = eol;
            FakePlatform platform;
            Dialog dialog(c.design(), host, platform);
            dialog.create();
            dialog.FormShow(c.cs);
            c.setup(dialog.form());
            const std::string what = std::string(c.what) + (eol[0] == '\r' ? " (CRLF)" : " (LF)");
            ASSERT_TRUE(dialog.ButtonOKClick()) << what;
            EXPECT_EQ(host.set_data_count, 1) << what;
            EXPECT_EQ(host.start, with_eol(c.start, eol)) << what;
            EXPECT_EQ(host.end, with_eol(c.end, eol)) << what;
        }
    }
}

struct Set {
    std::vector<std::pair<const char*, int>> picks;            // radio groups: item
    std::vector<std::pair<const char*, std::string>> texts;    // edits, combo boxes, spin edits
    std::vector<const char*> checks;                           // check boxes
};

std::function<void(Form&)> set(Set s) {
    return [s](Form& f) {
        for (auto& [name, i] : s.picks) f[name].selected = i;
        for (auto& [name, t] : s.texts) f[name].text = t;
        for (const char* name : s.checks) f[name].checked = true;
    };
}

// A colour or target picked from the list: the item as the show step left it.
std::function<void(Form&)> pick_item(const char* combo, int item, Set s = {}) {
    auto rest = set(std::move(s));
    return [=](Form& f) {
        f[combo].selected = item;
        f[combo].text = f.item(combo, item);
        rest(f);
    };
}

std::string times(int n, const std::string& line) {
    std::string s;
    for (int i = 0; i < n; ++i) s += line;
    return s;
}

}  // namespace

TEST(TableDialogs, WorkedExamples) {
    expect_builds_with_each_eol({
        {"table centred, border, padding, width in percent", TFormTABLE, kDefault,
         set({{{"RadioGroupALIGN", 2}},
              {{"EditBORDER", "1"}, {"EditCELLPADDING", "4"}, {"EditWIDTH", "80"}},
              {"CheckBoxWIDTHP"}}),
         "<TABLE ALIGN=\"center\" BORDER=\"1\" CELLPADDING=\"4\" WIDTH=\"80%\">⏎", "</TABLE>⏎"},
        {"the same, end tag omitted", TFormTABLE, kDefault,
         set({{{"RadioGroupALIGN", 2}},
              {{"EditBORDER", "1"}, {"EditCELLPADDING", "4"}, {"EditWIDTH", "80"}},
              {"CheckBoxWIDTHP", "CheckBoxOmit"}}),
         "<TABLE ALIGN=\"center\" BORDER=\"1\" CELLPADDING=\"4\" WIDTH=\"80%\">", ""},
        {"table, nothing entered", TFormTABLE, kDefault, set({}), "<TABLE>⏎", "</TABLE>⏎"},
        {"caption at the bottom", TFormCAPTION, kDefault,
         set({{{"RadioGroupALIGN", 2}}, {{"EditCAPTION", "売上表"}}}), "<CAPTION ALIGN=\"bottom\">売上表",
         "</CAPTION>"},
        {"row on top in silver", TFormTR, kDefault,
         pick_item("ComboBoxBGCOLOR", 17, {{{"RadioGroupVALIGN", 1}}}), "<TR VALIGN=\"top\" BGCOLOR=\"silver\">",
         "</TR>"},
        {"header cell right, two columns, no wrap", TFormTDTH, kDefault,
         set({{{"RadioGroupKind", 1}, {"RadioGroupALIGN", 3}}, {{"EditCOLSPAN", "2"}}, {"CheckBoxNOWRAP"}}),
         "<TH ALIGN=\"right\" COLSPAN=\"2\" NOWRAP>", "</TH>"},
        {"data cell all lower, width without percent", TFormTDTH, kLower, set({{}, {{"EditWIDTH", "30"}}}),
         "<td width=\"30\">", "</td>"},
        {"data cell values upper, centred, colour from the dialog", TFormTDTH, kUpperValues,
         set({{{"RadioGroupALIGN", 2}}, {{"ComboBoxBGCOLOR", "#FF8000"}}}),
         "<TD ALIGN=\"CENTER\" BGCOLOR=\"#FF8000\">", "</TD>"},
    });
}

TEST(TableDialogs, EdgeCases) {
    expect_builds_with_each_eol({
        {"blanks are a value", TFormTABLE, kDefault, set({{}, {{"EditBORDER", "  "}}}), "<TABLE BORDER=\"  \">⏎",
         "</TABLE>⏎"},
        {"a double quote is written unchanged", TFormTABLE, kDefault,
         set({{}, {{"EditBACKGROUND", "a\"b.gif"}, {"EditCELLSPACING", "表 2"}}}),
         "<TABLE CELLSPACING=\"表 2\" BACKGROUND=\"a\"b.gif\">⏎", "</TABLE>⏎"},
        {"percent boxes beside empty edits add nothing", TFormTABLE, kDefault,
         set({{}, {}, {"CheckBoxWIDTHP", "CheckBoxHEIGHTP"}}), "<TABLE>⏎", "</TABLE>⏎"},
        {"every table attribute in order", TFormTABLE, kDefault,
         set({{{"RadioGroupALIGN", 1}},
              {{"EditBACKGROUND", "bg.gif"}, {"ComboBoxBGCOLOR", "Navy"}, {"EditHEIGHT", "50"}, {"EditWIDTH", "300"},
               {"EditCELLPADDING", "2"}, {"EditCELLSPACING", "0"}, {"EditBORDER", "3"}},
              {"CheckBoxHEIGHTP"}}),
         "<TABLE ALIGN=\"left\" BORDER=\"3\" CELLSPACING=\"0\" CELLPADDING=\"2\" WIDTH=\"300\" HEIGHT=\"50%\" "
         "BGCOLOR=\"Navy\" BACKGROUND=\"bg.gif\">⏎",
         "</TABLE>⏎"},
        {"table all lower, right", TFormTABLE, kLower, set({{{"RadioGroupALIGN", 3}}, {{"EditHEIGHT", "9"}}}),
         "<table align=\"right\" height=\"9\">⏎", "</table>⏎"},
        {"caption omitted drops its text", TFormCAPTION, kDefault,
         set({{}, {{"EditCAPTION", "売上表"}}, {"CheckBoxOmit"}}), "<CAPTION>", ""},
        {"caption omitted keeps its alignment", TFormCAPTION, kDefault,
         set({{{"RadioGroupALIGN", 1}}, {{"EditCAPTION", "x"}}, {"CheckBoxOmit"}}), "<CAPTION ALIGN=\"top\">", ""},
        {"empty caption", TFormCAPTION, kDefault, set({}), "<CAPTION>", "</CAPTION>"},
        {"caption lower, values upper", TFormCAPTION, {1, 1, 0},
         set({{{"RadioGroupALIGN", 1}}, {{"EditCAPTION", "Sales"}}}), "<caption align=\"TOP\">Sales", "</caption>"},
        {"row with everything, end omitted", TFormTR, kDefault,
         set({{{"RadioGroupALIGN", 2}, {"RadioGroupVALIGN", 3}}, {{"ComboBoxBGCOLOR", "#123456"}}, {"CheckBoxOmit"}}),
         "<TR ALIGN=\"center\" VALIGN=\"bottom\" BGCOLOR=\"#123456\">", ""},
        {"row all lower, middle", TFormTR, kLower, set({{{"RadioGroupVALIGN", 2}}}), "<tr valign=\"middle\">",
         "</tr>"},
        {"nowrap last, after the colour", TFormTDTH, kDefault,
         set({{{"RadioGroupALIGN", 1}, {"RadioGroupVALIGN", 2}},
              {{"ComboBoxBGCOLOR", "red"}, {"EditHEIGHT", "20"}, {"EditWIDTH", "50"}, {"EditROWSPAN", "3"},
               {"EditCOLSPAN", "2"}},
              {"CheckBoxNOWRAP", "CheckBoxWIDTHP"}}),
         "<TD ALIGN=\"left\" VALIGN=\"middle\" COLSPAN=\"2\" ROWSPAN=\"3\" WIDTH=\"50%\" HEIGHT=\"20\" "
         "BGCOLOR=\"red\" NOWRAP>",
         "</TD>"},
        {"nowrap in the attribute case", TFormTDTH, {0, 1, 1},
         set({{{"RadioGroupKind", 1}}, {{"ComboBoxBGCOLOR", "Red"}}, {"CheckBoxNOWRAP"}}),
         "<TH bgcolor=\"Red\" nowrap>", "</TH>"},
        {"header cell, element lower", TFormTDTH, {1, 0, 1}, set({{{"RadioGroupKind", 1}}}), "<th>", "</th>"},
        {"cell end tag omitted follows the kind", TFormTDTH, kDefault,
         set({{{"RadioGroupKind", 1}}, {{"EditHEIGHT", "10"}}, {"CheckBoxOmit", "CheckBoxHEIGHTP"}}),
         "<TH HEIGHT=\"10%\">", ""},
        {"typed colour keeps its case", TFormTDTH, kUpperValues, set({{}, {{"ComboBoxBGCOLOR", "Silver"}}}),
         "<TD BGCOLOR=\"Silver\">", "</TD>"},
        {"picked colour has the list's case", TFormTDTH, kUpperValues, pick_item("ComboBoxBGCOLOR", 17),
         "<TD BGCOLOR=\"SILVER\">", "</TD>"},
        {"picked colour, values lower", TFormTABLE, kDefault, pick_item("ComboBoxBGCOLOR", 21),
         "<TABLE BGCOLOR=\"pink\">⏎", "</TABLE>⏎"},
        {"row top, values upper", TFormTR, kUpperValues, set({{{"RadioGroupVALIGN", 1}, {"RadioGroupALIGN", 1}}}),
         "<TR ALIGN=\"LEFT\" VALIGN=\"TOP\">", "</TR>"},
    });
}

TEST(FormDialogs, WorkedExamples) {
    expect_builds_with_each_eol({
        {"form posting to a script in the top frame", TFormFORM, kDefault,
         pick_item("ComboBoxTARGET", 1, {{{"RadioGroupMETHOD", 2}}, {{"EditACTION", "cgi-bin/mail.cgi"}}}),
         "<FORM ACTION=\"cgi-bin/mail.cgi\" METHOD=\"post\" TARGET=\"_top\">⏎", "</FORM>⏎"},
        {"the same, end tag omitted", TFormFORM, kDefault,
         pick_item("ComboBoxTARGET", 1,
                   {{{"RadioGroupMETHOD", 2}}, {{"EditACTION", "cgi-bin/mail.cgi"}}, {"CheckBoxOmit"}}),
         "<FORM ACTION=\"cgi-bin/mail.cgi\" METHOD=\"post\" TARGET=\"_top\">", ""},
        {"selection with three option lines", TFormSELECT, kDefault,
         set({{}, {{"EditNAME", "pref"}, {"EditSIZE", "1"}, {"CSpinEditOPTION", "3"}}}),
         "<SELECT NAME=\"pref\" SIZE=\"1\">⏎ <OPTION>⏎ <OPTION>⏎ <OPTION>⏎", "</SELECT>⏎"},
        {"selection all lower, multiple, two option lines", TFormSELECT, kLower,
         set({{}, {{"CSpinEditOPTION", "2"}}, {"CheckBoxMULTIPLE"}}), "<select multiple>⏎ <option>⏎ <option>⏎",
         "</select>⏎"},
        {"option with value, selected", TFormOPTION, kDefault,
         set({{}, {{"EditVALUE", "1"}}, {"CheckBoxSELECTED"}}), "<OPTION VALUE=\"1\" SELECTED>", "⏎"},
        {"text area with hard wrapping", TFormTEXTAREA, kDefault,
         set({{{"RadioGroupWRAP", 2}}, {{"EditNAME", "msg"}, {"EditCOLS", "40"}, {"EditROWS", "5"}}}),
         "<TEXTAREA NAME=\"msg\" COLS=\"40\" ROWS=\"5\" WRAP=\"hard\">⏎", "</TEXTAREA>⏎"},
        {"form, values upper, environment method", TFormFORM, kUpperValues, set({{{"RadioGroupMETHOD", 1}}}),
         "<FORM METHOD=\"GET\">⏎", "</FORM>⏎"},
    });
}

TEST(FormDialogs, EdgeCases) {
    expect_builds_with_each_eol({
        {"blanks are a value", TFormFORM, kDefault, set({{}, {{"EditNAME", " "}}}), "<FORM NAME=\" \">⏎",
         "</FORM>⏎"},
        {"every form attribute in order", TFormFORM, kDefault,
         set({{{"RadioGroupMETHOD", 1}},
              {{"ComboBoxTARGET", "main"}, {"EditENCTYPE", "multipart/form-data"}, {"EditNAME", "f1"},
               {"EditACTION", "a.cgi?x=\"1\""}}}),
         "<FORM ACTION=\"a.cgi?x=\"1\"\" METHOD=\"get\" NAME=\"f1\" ENCTYPE=\"multipart/form-data\" "
         "TARGET=\"main\">⏎",
         "</FORM>⏎"},
        {"form all lower", TFormFORM, kLower, set({{{"RadioGroupMETHOD", 2}}, {{"EditENCTYPE", "text/plain"}}}),
         "<form method=\"post\" enctype=\"text/plain\">⏎", "</form>⏎"},
        {"typed target keeps its case", TFormFORM, kUpperValues, set({{}, {{"ComboBoxTARGET", "_Top"}}}),
         "<FORM TARGET=\"_Top\">⏎", "</FORM>⏎"},
        {"picked target has the list's case", TFormFORM, kUpperValues, pick_item("ComboBoxTARGET", 0),
         "<FORM TARGET=\"_BLANK\">⏎", "</FORM>⏎"},
        {"form omitted writes no line break", TFormFORM, kDefault, set({{}, {}, {"CheckBoxOmit"}}), "<FORM>", ""},
        {"selection without option lines", TFormSELECT, kDefault, set({}), "<SELECT>⏎", "</SELECT>⏎"},
        {"selection, names upper and elements lower", TFormSELECT, {1, 0, 1},
         set({{}, {{"CSpinEditOPTION", "1"}, {"EditSIZE", "4"}}, {"CheckBoxMULTIPLE"}}),
         "<select SIZE=\"4\" MULTIPLE>⏎ <option>⏎", "</select>⏎"},
        {"selection, attribute names lower and elements upper", TFormSELECT, {0, 1, 1},
         set({{}, {{"CSpinEditOPTION", "1"}, {"EditNAME", "都道府県"}}, {"CheckBoxMULTIPLE"}}),
         "<SELECT name=\"都道府県\" multiple>⏎ <OPTION>⏎", "</SELECT>⏎"},
        {"option with nothing", TFormOPTION, kDefault, set({}), "<OPTION>", "⏎"},
        {"option all lower", TFormOPTION, kLower, set({{}, {{"EditVALUE", "Tokyo"}}, {"CheckBoxSELECTED"}}),
         "<option value=\"Tokyo\" selected>", "⏎"},
        {"option with a blank value", TFormOPTION, kDefault, set({{}, {{"EditVALUE", " "}}}),
         "<OPTION VALUE=\" \">", "⏎"},
        {"text area omitted writes no line break", TFormTEXTAREA, kDefault,
         set({{{"RadioGroupWRAP", 1}}, {}, {"CheckBoxOmit"}}), "<TEXTAREA WRAP=\"off\">", ""},
        {"text area soft wrapping, values upper", TFormTEXTAREA, kUpperValues, set({{{"RadioGroupWRAP", 3}}}),
         "<TEXTAREA WRAP=\"SOFT\">⏎", "</TEXTAREA>⏎"},
        {"text area all lower", TFormTEXTAREA, kLower, set({{}, {{"EditROWS", "3"}, {"EditCOLS", "20"}}}),
         "<textarea cols=\"20\" rows=\"3\">⏎", "</textarea>⏎"},
        {"text area, nothing entered", TFormTEXTAREA, kDefault, set({}), "<TEXTAREA>⏎", "</TEXTAREA>⏎"},
    });
}

TEST(FormDialogs, OptionLinesStayWithinTheSpinLimits) {
    // Whatever the spin edit holds when the texts are built: a text without
    // a number and a negative number give no lines, a larger number 99.
    struct Row {
        const char* typed;
        int lines;
    };
    const Row rows[] = {
        {"0", 0}, {"1", 1}, {"99", 99}, {"100", 99}, {"1000", 99}, {"99999999999999999999", 99}, {"-1", 0},
        {"-2147483648", 0}, {"abc", 0}, {"", 0}, {"3x", 0}, {" 3", 0}, {"+2", 2},
    };
    for (const char* eol : {"\r\n", "\n"}) {
        for (const Row& r : rows) {
            TagTexts t = build_with(TFormSELECT(), kDefault, set({{}, {{"CSpinEditOPTION", r.typed}}}), eol);
            EXPECT_EQ(t.start, "<SELECT>" + std::string(eol) + times(r.lines, std::string(" <OPTION>") + eol))
                << r.typed;
            EXPECT_EQ(t.end, "</SELECT>" + std::string(eol)) << r.typed;
        }
    }
}

TEST(TableFormDialogs, TypedValuesGoInAsTyped) {
    // Long texts, Japanese text, quotes and blanks: nothing trimmed, escaped
    // or cut.
    const std::string long_value(5000, 'w');
    const std::string mixed = " 表 \"売上\" <b>&amp; ";
    struct Row {
        const DialogDesign& (*design)();
        const char* edit;
        std::string start;
    };
    const Row rows[] = {
        {TFormTABLE, "EditWIDTH", "<TABLE WIDTH=\"" + long_value + "\">\r\n"},
        {TFormTABLE, "EditBACKGROUND", "<TABLE BACKGROUND=\"" + mixed + "\">\r\n"},
        {TFormCAPTION, "EditCAPTION", "<CAPTION>" + long_value},
        {TFormTDTH, "EditCOLSPAN", "<TD COLSPAN=\"" + mixed + "\">"},
        {TFormTR, "ComboBoxBGCOLOR", "<TR BGCOLOR=\"" + mixed + "\">"},
        {TFormFORM, "EditACTION", "<FORM ACTION=\"" + long_value + "\">\r\n"},
        {TFormFORM, "ComboBoxTARGET", "<FORM TARGET=\"" + mixed + "\">\r\n"},
        {TFormSELECT, "EditNAME", "<SELECT NAME=\"" + mixed + "\">\r\n"},
        {TFormOPTION, "EditVALUE", "<OPTION VALUE=\"" + long_value + "\">"},
        {TFormTEXTAREA, "EditNAME", "<TEXTAREA NAME=\"" + mixed + "\">\r\n"},
    };
    for (const Row& r : rows) {
        const std::string value = r.start.find(long_value) != std::string::npos ? long_value : mixed;
        TagTexts t = build_with(r.design(), kDefault, [&](Form& f) { f[r.edit].text = value; });
        EXPECT_EQ(t.start, r.start) << r.edit;
    }
}

TEST(TableFormDialogs, CaptionsFollowTheElementCase) {
    struct Row {
        const DialogDesign& (*design)();
        const char* upper;
        const char* lower;
    };
    const Row rows[] = {
        {TFormTABLE, "Pelinor - HTML : ﾃｰﾌﾞﾙ <TABLE>", "Pelinor - HTML : ﾃｰﾌﾞﾙ <table>"},
        {TFormCAPTION, "Pelinor - HTML : ﾃｰﾌﾞﾙ表題 <CAPTION>", "Pelinor - HTML : ﾃｰﾌﾞﾙ表題 <caption>"},
        {TFormTR, "Pelinor - HTML : ﾃｰﾌﾞﾙ行 <TR>", "Pelinor - HTML : ﾃｰﾌﾞﾙ行 <tr>"},
        {TFormTDTH, "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <TD> <TH>", "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <td> <th>"},
        {TFormFORM, "Pelinor - HTML : ﾌｫｰﾑ <FORM>", "Pelinor - HTML : ﾌｫｰﾑ <form>"},
        {TFormSELECT, "Pelinor - HTML : 選択 <SELECT>", "Pelinor - HTML : 選択 <select>"},
        {TFormOPTION, "Pelinor - HTML : 選択項目 <OPTION>", "Pelinor - HTML : 選択項目 <option>"},
        {TFormTEXTAREA, "Pelinor - HTML : 複数行入力 <TEXTAREA>", "Pelinor - HTML : 複数行入力 <textarea>"},
    };
    for (const Row& r : rows) {
        // Attribute and value case never touch the caption.
        EXPECT_EQ(dialog_caption(r.design(), {0, 1, 0}), r.upper);
        EXPECT_EQ(dialog_caption(r.design(), {1, 0, 1}), r.lower);
    }
}

TEST(TableFormDialogs, ShowStepAdaptsEachListedControlToItsRole) {
    // For each dialog: the name labels (attribute case), the element labels
    // and items (element case) and the value lists (value case).
    struct Row {
        const DialogDesign& (*design)();
        std::vector<std::string> name_labels;
        std::vector<std::string> value_lists;
    };
    const Row rows[] = {
        {TFormTABLE,
         {"StaticTextALIGN", "LabelBORDER", "LabelCELLSPACING", "LabelCELLPADDING", "LabelWIDTH", "LabelHEIGHT",
          "LabelBGCOLOR", "LabelBACKGROUND"},
         {"RadioGroupALIGN", "RadioGroupALIGNx", "ComboBoxBGCOLOR"}},
        {TFormCAPTION, {"StaticTextALIGN"}, {"RadioGroupALIGN", "RadioGroupALIGNx"}},
        {TFormTR,
         {"StaticTextALIGN", "StaticTextVALIGN", "LabelBGCOLOR"},
         {"RadioGroupALIGN", "RadioGroupALIGNx", "RadioGroupVALIGN", "RadioGroupVALIGNx", "ComboBoxBGCOLOR"}},
        {TFormTDTH,
         {"StaticTextALIGN", "StaticTextVALIGN", "LabelNOWRAP", "LabelCOLSPAN", "LabelROWSPAN", "LabelWIDTH",
          "LabelHEIGHT", "LabelBGCOLOR"},
         {"RadioGroupALIGN", "RadioGroupALIGNx", "RadioGroupVALIGN", "RadioGroupVALIGNx", "ComboBoxBGCOLOR"}},
        {TFormFORM,
         {"LabelACTION", "StaticTextMETHOD", "LabelNAME", "LabelENCTYPE", "LabelTARGET"},
         {"RadioGroupMETHOD", "RadioGroupMETHODx", "ComboBoxTARGET"}},
        {TFormSELECT, {"LabelNAME", "LabelSIZE", "LabelMULTIPLE"}, {}},
        {TFormOPTION, {"LabelVALUE", "LabelSELECTED"}, {}},
        {TFormTEXTAREA,
         {"LabelNAME", "LabelCOLS", "LabelROWS", "StaticTextWRAP"},
         {"RadioGroupWRAP", "RadioGroupWRAPx"}},
    };
    RecordingHost host;
    FakePlatform platform;
    for (const Row& r : rows) {
        const DialogDesign& d = r.design();
        // Exactly the listed name labels take the attribute case.
        std::vector<std::string> labels;
        for (const ControlDef& c : d.controls)
            if (c.case_rule == CaseRule::LowerWithAttribute) labels.push_back(c.name);
        std::vector<std::string> want = r.name_labels;
        std::sort(labels.begin(), labels.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(labels, want) << d.class_name;
        std::vector<std::string> lists;
        for (const ControlDef& c : d.controls)
            if (c.case_rule == CaseRule::UpperWithValue) lists.push_back(c.name);
        want = r.value_lists;
        std::sort(lists.begin(), lists.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(lists, want) << d.class_name;

        Dialog lowered(d, host, platform);
        lowered.FormShow({0, 1, 0});
        for (const std::string& name : r.name_labels) {
            const std::string shown = lowered.form().label(name);
            EXPECT_EQ(shown, to_lower_ascii(d.find(name)->caption)) << d.class_name << " " << name;
        }
        for (const std::string& name : r.value_lists) {
            const Control& list = lowered.form()[name];
            for (size_t i = 0; i < list.items.size(); ++i)
                EXPECT_EQ(list.items[i], to_upper_ascii(d.find(name)->items()[i])) << d.class_name << " " << name;
        }
    }
}

TEST(TableFormDialogs, ElementWordsShownFollowTheElementCaseAlone) {
    RecordingHost host;
    FakePlatform platform;
    // Element names lower, values upper: the cell kinds in lower case beside
    // the alignments in upper case.
    Dialog cell(TFormTDTH(), host, platform);
    cell.FormShow({1, 0, 0});
    EXPECT_EQ(cell.form().item("RadioGroupKind", 0), "ﾃﾞｰﾀ <td>");
    EXPECT_EQ(cell.form().item("RadioGroupKind", 1), "項目 <th>");
    EXPECT_EQ(cell.form().item("RadioGroupALIGN", 1), "左側 (\"LEFT\")");
    EXPECT_EQ(cell.form().item("RadioGroupVALIGN", 2), "中 (\"MIDDLE\")");
    EXPECT_EQ(cell.form().label("LabelNOWRAP"), "NOWRAP");
    // Attribute names lower, values upper, elements upper: the kinds stay.
    Dialog cell2(TFormTDTH(), host, platform);
    cell2.FormShow({0, 1, 0});
    EXPECT_EQ(cell2.form().item("RadioGroupKind", 0), "ﾃﾞｰﾀ <TD>");
    EXPECT_EQ(cell2.form().label("LabelNOWRAP"), "nowrap");

    Dialog select(TFormSELECT(), host, platform);
    select.FormShow({1, 0, 0});
    EXPECT_EQ(select.form().label("LabelOPTION"), "<option>");
    EXPECT_EQ(select.form().label("LabelMULTIPLE"), "MULTIPLE");
    Dialog select2(TFormSELECT(), host, platform);
    select2.FormShow({0, 1, 0});
    EXPECT_EQ(select2.form().label("LabelOPTION"), "<OPTION>");

    Dialog form(TFormFORM(), host, platform);
    form.FormShow({0, 0, 0});
    EXPECT_EQ(form.form().item("RadioGroupMETHOD", 1), "環境変数 (\"GET\")");
    EXPECT_EQ(form.form().item("ComboBoxTARGET", 0), "_BLANK");
}

TEST(TableFormDialogs, DefaultsAndTabOrders) {
    struct Row {
        const DialogDesign& (*design)();
        int w, h;
        std::vector<std::string> tab;
    };
    const Row rows[] = {
        {TFormTABLE, 415, 261,
         {"RadioGroupALIGN", "EditBORDER", "EditCELLSPACING", "EditCELLPADDING", "EditWIDTH", "CheckBoxWIDTHP",
          "EditHEIGHT", "CheckBoxHEIGHTP", "ComboBoxBGCOLOR", "ButtonBGCOLOR", "EditBACKGROUND", "ButtonBACKGROUND",
          "CheckBoxOmit"}},
        {TFormCAPTION, 332, 136, {"EditCAPTION", "RadioGroupALIGN", "CheckBoxOmit"}},
        {TFormTR, 305, 189, {"RadioGroupALIGN", "RadioGroupVALIGN", "ComboBoxBGCOLOR", "ButtonBGCOLOR", "CheckBoxOmit"}},
        {TFormTDTH, 417, 238,
         {"RadioGroupKind", "RadioGroupALIGN", "RadioGroupVALIGN", "CheckBoxNOWRAP", "EditCOLSPAN", "EditROWSPAN",
          "EditWIDTH", "CheckBoxWIDTHP", "EditHEIGHT", "CheckBoxHEIGHTP", "ComboBoxBGCOLOR", "ButtonBGCOLOR",
          "CheckBoxOmit"}},
        {TFormFORM, 417, 224,
         {"EditACTION", "ButtonACTION", "RadioGroupMETHOD", "EditNAME", "EditENCTYPE", "ComboBoxTARGET",
          "CheckBoxOmit"}},
        {TFormSELECT, 332, 126, {"EditNAME", "EditSIZE", "CheckBoxMULTIPLE", "CSpinEditOPTION"}},
        {TFormOPTION, 320, 95, {"EditVALUE", "CheckBoxSELECTED"}},
        {TFormTEXTAREA, 320, 188, {"EditNAME", "EditCOLS", "EditROWS", "RadioGroupWRAP", "CheckBoxOmit"}},
    };
    for (const Row& r : rows) {
        const DialogDesign& d = r.design();
        EXPECT_EQ(d.client_w, r.w) << d.class_name;
        EXPECT_EQ(d.client_h, r.h) << d.class_name;
        EXPECT_EQ(d.tab_order, r.tab) << d.class_name;
        Form f(d);
        for (const Control& c : f.controls()) {
            EXPECT_TRUE(c.enabled) << d.class_name << " " << c.name();
            EXPECT_FALSE(c.checked) << d.class_name << " " << c.name();
            if (c.kind() == Kind::RadioGroup) {
                EXPECT_EQ(c.selected, 0) << d.class_name << " " << c.name();
            }
            if (c.kind() == Kind::Edit || c.kind() == Kind::ComboEdit) {
                EXPECT_EQ(c.text, "") << d.class_name << " " << c.name();
            }
        }
        // Only the colour and browse buttons keep Enter for themselves.
        for (const ControlDef& c : d.controls)
            if (c.kind == Kind::Button && c.name != "ButtonOK" && c.name != "ButtonCancel") {
                EXPECT_NE(c.role(), ButtonRole::None) << d.class_name << " " << c.name;
            }
    }
    EXPECT_EQ(TFormSELECT().find("CSpinEditOPTION")->spin_spec().min, 0);
    EXPECT_EQ(TFormSELECT().find("CSpinEditOPTION")->spin_spec().max, 99);
    EXPECT_EQ(TFormFORM().find("ButtonACTION")->button_spec().filter_list, FilterList::Scripts);
    EXPECT_EQ(TFormTABLE().find("ButtonBACKGROUND")->button_spec().filter_list, FilterList::Images);
    for (auto design : {TFormTABLE, TFormTR, TFormTDTH})
        EXPECT_EQ(design().find("ButtonBGCOLOR")->button_spec().target, "ComboBoxBGCOLOR");
}

TEST(TableFormDialogs, ColourButtonFillsTheBoxTheBuilderReads) {
    for (auto design : {TFormTABLE, TFormTR, TFormTDTH}) {
        RecordingHost host;
        FakePlatform platform;
        platform.colors = {Rgb{255, 128, 0}, std::nullopt};
        Dialog dialog(design(), host, platform);
        dialog.create();
        dialog.FormShow(kUpperValues);
        dialog.click("ButtonBGCOLOR");
        EXPECT_EQ(dialog.form().text("ComboBoxBGCOLOR"), "#FF8000");
        EXPECT_EQ(dialog.form().focus, "ComboBoxBGCOLOR");
        dialog.click("ButtonBGCOLOR");  // cancelled: nothing changes
        EXPECT_EQ(dialog.form().text("ComboBoxBGCOLOR"), "#FF8000");
        ASSERT_TRUE(dialog.ButtonOKClick());
        EXPECT_NE(host.start.find(" BGCOLOR=\"#FF8000\">"), std::string::npos) << host.start;
        EXPECT_EQ(host.set_data_count, 1);
    }
}

TEST(TableFormDialogs, LineBreaksAreAskedOfTheHostEachTime) {
    struct Row {
        const DialogDesign& (*design)();
        std::function<void(Form&)> setup;
        long asked;
    };
    const Row rows[] = {
        {TFormTABLE, set({}), 2},
        {TFormTABLE, set({{}, {}, {"CheckBoxOmit"}}), 0},
        {TFormCAPTION, set({}), 0},
        {TFormTR, set({}), 0},
        {TFormTDTH, set({}), 0},
        {TFormFORM, set({}), 2},
        {TFormSELECT, set({{}, {{"CSpinEditOPTION", "3"}}}), 5},
        {TFormOPTION, set({}), 1},
        {TFormTEXTAREA, set({}), 2},
        {TFormTEXTAREA, set({{}, {}, {"CheckBoxOmit"}}), 0},
    };
    for (const Row& r : rows) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(r.design(), host, platform);
        dialog.FormShow(kDefault);
        r.setup(dialog.form());
        dialog.build();
        EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "GetCRLF"), r.asked) << r.design().class_name;
    }
}
