// Every design the program can show passes the design check; the check
// itself finds the mistakes a design table can hold, naming dialog and
// control.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/switches.h"
#include "frame/designcheck.h"
#include "frame/tagwriter.h"
#include "host/hostlink.h"
#include "setup/setup.h"

using namespace corvane;

namespace {

std::vector<const DialogDesign*> every_design() {
    std::vector<const DialogDesign*> designs;
    for (const SwitchRow& row : all_switches())
        if (row.design) designs.push_back(&row.design());
    designs.push_back(&TFormSetup());
    return designs;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

}  // namespace

TEST(Designs, EveryDialogPassesTheCheck) {
    for (const DialogDesign* d : every_design()) EXPECT_EQ(joined(check_design(*d)), "") << d->class_name;
}

TEST(Designs, ClassNamesAreUniqueAndTagDialogsHaveABuilder) {
    std::vector<std::string> names;
    for (const SwitchRow& row : all_switches()) {
        if (!row.design) continue;
        const DialogDesign& d = row.design();
        names.push_back(d.class_name);
        EXPECT_TRUE(d.build) << d.class_name;
        EXPECT_EQ(d.class_name, std::string("TForm") + (row.name + 1)) << row.name;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

namespace {

TagTexts reads_missing_only_when_checked(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_HR);
    if (f.checked("CheckBoxA")) t.text("EditMissing", "LabelA");
    return t.close().done();
}

void clicks_missing(Form& f, DialogEnv&) { f["EditGone"].text = "x"; }

std::string box_of(std::string_view button) { return "ComboBox" + std::string(button.substr(6)); }

const DialogDesign& faulty() {
    static const DialogDesign d{
        .class_name = "TFormFaulty",
        .controls = {
            label("Label1", "幅 (      )", 0, 0),
            label("Label2", "no gap", 0, 20),
            name_label("LabelA", "A", "Label1"),
            name_label("LabelB", "B", "Label2"),
            name_label("LabelC", "C", "LabelNone"),
            edit("EditA", {0, 60, 10, 10}),
            edit("EditA", {0, 80, 10, 10}),
            check_box("CheckBoxA", "a", {0, 100, 10, 10}),
            radio_group("RadioGroupALIGN", "x", {"a", "b", "c"}, {0, 0, 1, 1}),
            hidden_list("RadioGroupALIGNx", {"", "b"}),
            color_button("ButtonCOLOR", {0, 0, 1, 1}, "ComboBoxCOLR"),
            color_button("ButtonTEXT", {0, 0, 1, 1}, "ComboBoxCOLOR").target_found_by(box_of),
            [] {
                ControlDef limits = edit("EditLIMITS", {0, 120, 10, 10});
                limits.spec = SpinSpec{0, 9, 1};
                return limits;
            }(),
        },
        .tab_order = {"EditA", "EditSIZ"},
        .build = reads_missing_only_when_checked,
        .handlers = {{"CheckBoxA", clicks_missing}, {"ButtonSCR", clicks_missing}},
    };
    return d;
}

}  // namespace

TEST(Designs, TheCheckNamesEachFaultWithDialogAndControl) {
    const std::string report = joined(check_design(faulty()));
    for (const char* expected : {
             "TFormFaulty: two controls are named EditA",
             "TFormFaulty: tab order names EditSIZ, which is no control",
             "TFormFaulty: a click handler is bound to ButtonSCR, which is no control",
             "TFormFaulty: ButtonCOLOR fills ComboBoxCOLR, which is no control",
             "TFormFaulty: ButtonTEXT fills ComboBoxTEXT, which is no control",
             "TFormFaulty: RadioGroupALIGNx has 2 items but RadioGroupALIGN has 3",
             "TFormFaulty: LabelB sits over Label2, whose caption has no gap",
             "TFormFaulty: LabelC sits over LabelNone, which is no control",
             "TFormFaulty: EditLIMITS carries the data of another kind of control",
             "TFormFaulty: the click handler of CheckBoxA fails on the default form: TFormFaulty has no control EditGone",
             "TFormFaulty: the builder fails with every edit filled and every box checked: TFormFaulty has no control "
             "EditMissing",
         })
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\nin:\n" << report;
    EXPECT_EQ(report.find("LabelA"), std::string::npos) << report;
}

TEST(Designs, TheCheckFindsADeclaredClauseOnControlsTheDialogLacks) {
    static const DialogDesign d{
        .class_name = "TFormClauses",
        .controls = {edit("EditA", {})},
        .clauses = {clause::Percent{"EditA", "LabelA", "CheckBoxC"}},
    };
    const std::string report = joined(check_design(d));
    for (const char* expected : {
             "TFormClauses: a declared clause reads into CheckBoxC, which is no control",
             "TFormClauses: a declared clause names no attribute: TFormClauses has no control LabelA",
         })
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\nin:\n" << report;
}

TEST(Designs, ATwinIsDeclaredWithItsListAndTakesItsCaseRule) {
    const Controls controls = {
        radio_group("RadioGroupALIGN", "配置 (      )", {"未指定", "左側 (\"left\")"}, {0, 0, 1, 1})
            .upper_with_value(1)
            .twin({"", "left"}),
        Group{edit("EditA", {}), edit("EditB", {})},
    };
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[1].name, "RadioGroupALIGNx");
    EXPECT_EQ(controls[1].kind, Kind::HiddenList);
    EXPECT_EQ(controls[1].items(), (std::vector<std::string>{"", "left"}));
    EXPECT_EQ(controls[1].case_rule, CaseRule::UpperWithValue);
    EXPECT_EQ(controls[1].case_first, 1);
    EXPECT_EQ(controls[2].name, "EditA");
    EXPECT_EQ(controls[3].name, "EditB");
}

TEST(Designs, CaptionGapsAreFoundInHalfAndFullWidthParentheses) {
    struct Case {
        const char* caption;
        bool found;
        size_t first, close;
    };
    const Case cases[] = {
        {"太さ (        )", true, 8, 16},
        {"大きさ（     ）", true, 12, 17},
        {"(          )", true, 1, 11},
        {"影なし (            )", true, 11, 23},
        {"矩形 (\"    \")", true, 9, 13},
        {"その他領域 (\"       \")", true, 18, 25},
        {"(\"\")", false, 0, 0},
        {"(\"  )", false, 0, 0},
        {"大きさ （n）", false, 0, 0},
        {"()", false, 0, 0},
        {"( ", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        auto gap = caption_gap(c.caption);
        ASSERT_EQ(gap.has_value(), c.found) << c.caption;
        if (!gap) continue;
        EXPECT_EQ(gap->first, c.first) << c.caption;
        EXPECT_EQ(gap->close, c.close) << c.caption;
    }
}

TEST(Designs, TagWriterWritesTextsThatDoNotStartWithTheirElement) {
    static const DialogDesign d{.class_name = "TFormProbe",
                                .controls = {check_box("CheckBoxOmit", "終了タグ省略", {}, true)}};
    struct EolHost final : HostLink {
        void SetData(const std::string&, const std::string&) override {}
        std::string GetCRLF() override { return "|"; }
        std::string GetFilePath() override { return {}; }
        void GetPosAuto(int&, int&, int, int) override {}
        int GetPosSize(int) override { return 0; }
        int GetBufSize(int) override { return 0; }
        std::string GetData(int) override { return {}; }
        CodePage code_page() const override { return CodePage::Utf8; }
    } host;
    const Form f(d);
    const CaseSettings cs{1, 0, 1};
    BuildContext ctx{cs, host};
    // Without an element the start text holds only what is put and
    // end_tag() writes nothing; closings are written whatever the omit box
    // says.
    TagTexts t = TagWriter(f, ctx).put("<!x>").open(W_HEAD).close().closing(W_HEAD).end_tag().line()
                     .end_line().end_closing(W_BODY).done();
    EXPECT_EQ(t.start, "<!x><head></head>|");
    EXPECT_EQ(t.end, "|</body>");
}
