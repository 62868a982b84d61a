// TFormFORM: a fill-in FORM with its script, method, name, encoding type and
// target.  The start and end tags stand on lines of their own.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_FORM)
        .write(f.design().clauses)
        .close()
        .block()
        .done();
}

}  // namespace

const DialogDesign& TFormFORM() {
    // The script across the top; the method on the left under it, the name,
    // encoding type and target in a column beside the method.
    static const DialogDesign d{
        .class_name = "TFormFORM",
        .caption = "Pelinor - HTML : ﾌｫｰﾑ ",
        .appended = {.elements = {W_FORM}},
        .client_w = 417,
        .client_h = 224,
        .controls = {
            parts::text_field("ACTION", "Label1", "実行 (           )", 16, 20, {104, 16, 241, 21}),
            browse_button("ButtonACTION", {352, 16, 49, 21}, "EditACTION", FilterList::Scripts),
            parts::value_group({"METHOD", "ﾃﾞｰﾀ引渡し方法 (      )",
                                {"未指定", "環境変数 (\"get\")", "標準入力 (\"post\")"}, {"", "get", "post"},
                                {16, 52, 177, 105}}),
            parts::text_field("NAME", "Label2", "名前 (       )", 216, 64, {304, 60, 97, 21}),
            label("Label3", "ｴﾝｺｰﾄﾞﾀｲﾌﾟ", 216, 90),
            parts::captioned("Label4", "(            )", "LabelENCTYPE", "ENCTYPE", 216, 104),
            edit("EditENCTYPE", {304, 94, 97, 21}),
            parts::captioned("Label5", "ﾀｰｹﾞｯﾄ (           )", "LabelTARGET", "TARGET", 216, 132),
            target_combo("ComboBoxTARGET", {304, 128, 97, 21}),
            omit_box("終了ﾀｸﾞ省略", {16, 188, 0, 0}),
            ok_button(248, 184),
            cancel_button(328, 184),
        },
        .tab_order = {"EditACTION", "ButtonACTION", "RadioGroupMETHOD", "EditNAME", "EditENCTYPE", "ComboBoxTARGET",
                      kOmitBox},
        .build = build,
        .clauses = {
            clause::Text{"EditACTION", "LabelACTION"},
            clause::Choice{"RadioGroupMETHOD", "StaticTextMETHOD"},
            clause::Text{"EditNAME", "LabelNAME"},
            clause::Text{"EditENCTYPE", "LabelENCTYPE"},
            clause::Text{"ComboBoxTARGET", "LabelTARGET"},
        },
    };
    return d;
}

}  // namespace corvane
