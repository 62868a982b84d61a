// TFormFRAMES: a whole frame-set skeleton in the start text: the FRAMESET
// start tag, as many empty FRAME lines as asked for, an optional empty
// NOFRAMES element and the FRAMESET end tag.  The end text is empty.
#include "dialogs/dialogs.h"
#include "dialogs/frameparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t = frames::frameset_start_tag(f, ctx);
    t.line();
    for (int i = 0, n = f.spin("CSpinEditFRAME"); i < n; ++i)
        t.put(" ").open(W_FRAME).value("LabelSRC", "").value("LabelNAME", "").close().line();
    // NOFRAMES is written as its label shows it, in the attribute case.
    if (f.checked("CheckBoxNOFRAMES")) {
        const std::string& noframes = f.label("LabelNOFRAMES");
        t.put("<").put(noframes).put(">").line().put("</").put(noframes).put(">").line();
    }
    return t.closing(W_FRAMESET).line().done();
}

}  // namespace

const DialogDesign& TFormFRAMES() {
    static const DialogDesign d{
        .class_name = "TFormFRAMES",
        .caption = "Pelinor - HTML : ﾌﾚｰﾑひな形作成",
        .appended = {.elements = {W_FRAMESET, W_FRAME}},
        .client_w = 361,
        .client_h = 238,
        .controls = {
            frames::frameset_part(),
            label("Label5", "ﾌﾚｰﾑ追加数", 192, 152),
            label("Label6", "(              )", 192, 172),
            spin("CSpinEditFRAME", {200, 168, 49, 21}, 0, 99),
            check_box("CheckBoxNOFRAMES", "ﾌﾚｰﾑなし対応", {16, 204, 0, 0}),
            label("LabelNOFRAMES", "NOFRAMES", 112, 206).pitch_fixed().lower_with_attribute(),
            hidden_label("LabelSRC", "SRC").lower_with_attribute(),
            hidden_label("LabelNAME", "NAME").lower_with_attribute(),
            ok_button(192, 204),
            cancel_button(272, 204),
        },
        .tab_order = {"RadioGroupKind", "EditCOLSROWS", "EditBORDER", "EditFRAMESPACING", "ComboBoxBORDERCOLOR",
                      "ButtonBORDERCOLOR", "CSpinEditFRAME", "CheckBoxNOFRAMES", "RadioGroupFRAMEBORDER"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
