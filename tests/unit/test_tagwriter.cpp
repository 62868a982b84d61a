// The tag writer's operations on a small form, and the focus rule that
// settles a spin edit when the focus leaves it.
#include <gtest/gtest.h>

#include <functional>

#include "fakes.h"
#include "frame/tagwriter.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const DialogDesign& writer_design() {
    static const DialogDesign d{
        .class_name = "TFormWriter",
        .controls = {
            label("Label1", "幅 (      )", 0, 0),
            name_label("LabelW", "WIDTH", "Label1"),
            name_label("LabelN", "NOSHADE", "Label1"),
            name_label("LabelU", "USEMAP", "Label1"),
            element_label("LabelLI", "<LI>", 0, 0),
            edit("EditW", {}),
            check_box("CheckBoxWP", "％", {}),
            check_box("CheckBoxN", "n", {}),
            radio_group("RadioGroupA", "a", {"未指定", "左"}, {}).twin({"", "left"}),
            spin("CSpinEditN", {}, -5, 99),
            check_box("CheckBoxOmit", "終了タグ省略", {}),
        },
    };
    return d;
}

struct Case {
    const char* what;
    std::function<void(Form&)> setup;
    std::function<void(TagWriter&)> write;
    const char* start;
    const char* end;
};

}  // namespace

TEST(TagWriter, EachOperationWritesItsPiece) {
    const Case cases[] = {
        {"text left out when empty", [](Form&) {}, [](TagWriter& t) { t.text("EditW", "LabelW"); }, "<HR", ""},
        {"text", [](Form& f) { f["EditW"].text = " 5 \""; }, [](TagWriter& t) { t.text("EditW", "LabelW"); },
         "<HR WIDTH=\" 5 \"\"", ""},
        {"always, empty", [](Form&) {}, [](TagWriter& t) { t.always("EditW", "LabelW"); }, "<HR WIDTH=\"\"", ""},
        {"percent checked", [](Form& f) { f["EditW"].text = "50"; f["CheckBoxWP"].checked = true; },
         [](TagWriter& t) { t.percent("EditW", "LabelW", "CheckBoxWP"); }, "<HR WIDTH=\"50%\"", ""},
        {"percent box alone does nothing", [](Form& f) { f["CheckBoxWP"].checked = true; },
         [](TagWriter& t) { t.percent("EditW", "LabelW", "CheckBoxWP"); }, "<HR", ""},
        {"bare", [](Form& f) { f["CheckBoxN"].checked = true; }, [](TagWriter& t) { t.bare("CheckBoxN", "LabelN"); },
         "<HR NOSHADE", ""},
        {"bare unchecked", [](Form&) {}, [](TagWriter& t) { t.bare("CheckBoxN", "LabelN"); }, "<HR", ""},
        {"choice item 0", [](Form&) {}, [](TagWriter& t) { t.choice("RadioGroupA", "LabelW"); }, "<HR", ""},
        {"choice through the twin", [](Form& f) { f["RadioGroupA"].selected = 1; },
         [](TagWriter& t) { t.choice("RadioGroupA", "LabelW"); }, "<HR WIDTH=\"left\"", ""},
        {"count above 0", [](Form& f) { f["CSpinEditN"].text = "3"; },
         [](TagWriter& t) { t.count("CSpinEditN", "LabelW"); }, "<HR WIDTH=\"3\"", ""},
        {"count 0 or less", [](Form& f) { f["CSpinEditN"].text = "-2"; },
         [](TagWriter& t) { t.count("CSpinEditN", "LabelW"); }, "<HR", ""},
        {"prefixed", [](Form& f) { f["EditW"].text = "#m"; },
         [](TagWriter& t) { t.prefixed("EditW", "LabelU", "#"); }, "<HR USEMAP=\"##m\"", ""},
        {"close, line, open another element", [](Form&) {}, [](TagWriter& t) { t.close().line().open(W_MAP); },
         "<HR>\r\n<MAP", ""},
        {"item lines", [](Form&) {}, [](TagWriter& t) { t.lines(2, {{" ", "LabelLI"}}); }, "<HR <LI>\r\n <LI>\r\n", ""},
        {"end tag and end line", [](Form&) {}, [](TagWriter& t) { t.close().end_tag().end_line(); }, "<HR>",
         "</HR>\r\n"},
        {"omit box drops the end tag", [](Form& f) { f["CheckBoxOmit"].checked = true; },
         [](TagWriter& t) { t.close().end_tag(); }, "<HR>", ""},
        {"block: tags on lines of their own", [](Form&) {}, [](TagWriter& t) { t.close().block(); }, "<HR>\r\n",
         "</HR>\r\n"},
        {"block omitted: no line break at all", [](Form& f) { f["CheckBoxOmit"].checked = true; },
         [](TagWriter& t) { t.close().block(); }, "<HR>", ""},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        Form form(writer_design());
        c.setup(form);
        BuildContext ctx{CaseSettings{}, host};
        TagWriter t(form, ctx, W_HR);
        c.write(t);
        TagTexts texts = t.done();
        EXPECT_EQ(texts.start, c.start) << c.what;
        EXPECT_EQ(texts.end, c.end) << c.what;
    }
}

TEST(TagWriter, EveryLineBreakIsFetchedFromTheHost) {
    RecordingHost host;
    Form form(writer_design());
    BuildContext ctx{CaseSettings{}, host};
    TagWriter(form, ctx, W_HR).line().lines(3, {{" ", "LabelLI"}}).end_line().done();
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "GetCRLF"), 5);
}

TEST(Form, LeavingASpinEditSettlesItAndOnlyThen) {
    Form form(writer_design());
    form.focus = "CSpinEditN";
    form["CSpinEditN"].text = "1000";
    form.move_focus("CSpinEditN");  // no move: typed text stays
    EXPECT_EQ(form.text("CSpinEditN"), "1000");
    form.move_focus("EditW");
    EXPECT_EQ(form.text("CSpinEditN"), "99");
    EXPECT_EQ(form.focus, "EditW");
    form.focus = "CSpinEditN";
    form["CSpinEditN"].text = "abc";
    form.move_focus("CheckBoxN");
    EXPECT_EQ(form.text("CSpinEditN"), "-5");
}
