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
            // The frame count stands inside the brackets after its label.
            label("Label5", "ﾌﾚｰﾑ追加数", 192, 156),
            label("Label6", "(              )", 256, 156),
            spin("CSpinEditFRAME", {261, 152, 41, 21}, 0, 99),
            check_box("CheckBoxNOFRAMES", "ﾌﾚｰﾑなし対応", {16, 212, 0, 0}),
            label("LabelNOFRAMES", "NOFRAMES", 112, 214).pitch_fixed().lower_with_attribute(),
            hidden_label("LabelSRC", "SRC").lower_with_attribute(),
            hidden_label("LabelNAME", "NAME").lower_with_attribute(),
            ok_button(192, 206),
            cancel_button(272, 206),
        },
        .tab_order = {"RadioGroupKind", "EditCOLSROWS", "EditBORDER", "EditFRAMESPACING", "ComboBoxBORDERCOLOR",
                      "ButtonBORDERCOLOR", "CSpinEditFRAME", "CheckBoxNOFRAMES", "RadioGroupFRAMEBORDER"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
