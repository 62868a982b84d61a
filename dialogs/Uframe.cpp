// TFormFRAME: one FRAME tag on a line of its own; there is no end text.
#include "dialogs/dialogs.h"
#include "dialogs/frameparts.h"
#include "dialogs/parts.h"

namespace corvane {

namespace {

constexpr const char* kNoresize = "ｻｲｽﾞ変更不可 (               )";

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_FRAME)
        .write(f.design().clauses)
        .close()
        .line()
        .done();
}

}  // namespace

const DialogDesign& TFormFRAME() {
    static const DialogDesign d{
        .class_name = "TFormFRAME",
        .caption = "Pelinor - HTML : ﾌﾚｰﾑ ",
        .appended = {.elements = {W_FRAME}},
        .client_w = 417,
        .client_h = 280,
        .controls = {
            parts::captioned("Label1", "URL (      )", "LabelSRC", "SRC", 16, 8),
            edit("EditSRC", {16, 24, 329, 21}),
            browse_button("ButtonSRC", {352, 24, 49, 21}, "EditSRC", FilterList::Pages),
            parts::text_field("NAME", "Label3", "ﾌﾚｰﾑ名 (        )", 16, 56, {16, 72, 185, 21}),
            frames::border_color_box(216, 56, 129),
            // The last three items: an ideographic space and a blank after
            // the word, so that the brackets line up.
            parts::value_group({"SCROLLING",
                                "ｽｸﾛｰﾙﾊﾞｰ (          )",
                                {"未指定 (自動)", "自動\u3000 (\"auto\")", "あり\u3000 (\"yes\")", "なし\u3000 (\"no\")"},
                                {"", "auto", "yes", "no"},
                                {16, 104, 185, 89}}),
            frames::frameborder_group({216, 104, 185, 73}),
            check_box("CheckBoxNORESIZE", kNoresize, {224, 184, 0, 0}),
            name_label("StaticTextNORESIZE", "NORESIZE", "CheckBoxNORESIZE"),
            parts::text_field("MARGINWIDTH", "Label2", "左右ﾏｰｼﾞﾝ (                   )", 16, 204, {16, 220, 89, 21}),
            parts::text_field("MARGINHEIGHT", "Label4", "上下ﾏｰｼﾞﾝ (                    )", 216, 204,
                              {216, 220, 89, 21}),
            ok_button(248, 248),
            cancel_button(328, 248),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "EditNAME", "RadioGroupSCROLLING", "RadioGroupFRAMEBORDER",
                      "ComboBoxBORDERCOLOR", "ButtonBORDERCOLOR", "EditMARGINWIDTH", "EditMARGINHEIGHT",
                      "CheckBoxNORESIZE"},
        .build = build,
        .clauses = {
            clause::Always{"EditSRC", "LabelSRC"},
            clause::Text{"EditNAME", "LabelNAME"},
            clause::Text{"EditMARGINWIDTH", "LabelMARGINWIDTH"},
            clause::Text{"EditMARGINHEIGHT", "LabelMARGINHEIGHT"},
            clause::Choice{"RadioGroupSCROLLING", "StaticTextSCROLLING"},
            clause::Bare{"CheckBoxNORESIZE", "StaticTextNORESIZE"},
            clause::Choice{"RadioGroupFRAMEBORDER", "StaticTextFRAMEBORDER"},
            clause::Text{"ComboBoxBORDERCOLOR", "LabelBORDERCOLOR"},
        },
    };
    return d;
}

}  // namespace corvane
