// TFormHTML: a template page around the selection.  The start text runs from
// the document type declaration to the BODY start tag, the end text closes
// BODY and HTML, so the selection becomes the page's body.
#include "dialogs/dialogs.h"
#include "dialogs/pageparts.h"
#include "dialogs/parts.h"

namespace corvane {

namespace {

// Each vocabulary word in the role it plays at its place: DOCTYPE as an
// element; HTML and PUBLIC as names inside the declaration; the META line's
// "content-type" and "charset" as values.  The closing </HTML> is fixed.
TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx);
    if (const std::string& doctype = f.text("ComboBoxDOCTYPE"); !doctype.empty())
        t.put("<!").put(ctx.E(W_DOCTYPE)).put(" ").put(ctx.A(W_HTML)).put(" ").put(ctx.A(W_PUBLIC))
            .put(" \"-//").put(doctype).put("\">");
    t.open(W_HTML).close().line().open(W_HEAD).close().line();
    t.open(W_TITLE).close().put(f.text("EditTITLE")).closing(W_TITLE).line();
    if (const std::string& charset = f.text("ComboBoxcharset"); !charset.empty())
        t.open(W_META)
            .put(attr(ctx.A(W_HTTP_EQUIV), ctx.V(W_CONTENT) + "-" + ctx.V(W_TYPE)))
            .put(attr(ctx.A(W_CONTENT), "text/html; " + ctx.V(W_CHARSET) + "=" + charset))
            .close()
            .line();
    if (f.checked("CheckBoxBASE"))
        t.open(W_BASE).always("EditHREF", "LabelHREF").text("ComboBoxTARGET", "LabelTARGET").close().line();
    t.closing(W_HEAD).line();
    page::body_attributes(t.open(W_BODY)).close().line();
    return t.end_line().end_closing(W_BODY).end_line().end_put("</HTML>").end_line().done();
}

// The base URL and target count only while the base box is checked; their
// texts stay while it is not.
void CheckBoxBASEClick(Form& f, DialogEnv&) {
    const bool base = f.checked("CheckBoxBASE");
    f["EditHREF"].enabled = base;
    f["ComboBoxTARGET"].enabled = base;
}

}  // namespace

const DialogDesign& TFormHTML() {
    // The document types and character sets are typed names, not values:
    // no case setting changes them.
    static const DialogDesign d{
        .class_name = "TFormHTML",
        .caption = "Pelinor - HTML : ひな形HTML作成 ",
        .appended = {.elements = {W_HTML}},
        .client_w = 418,
        .client_h = 367,
        .controls = {
            label("Label1", "ﾀｲﾄﾙ", 16, 8),
            element_label("LabelTITLE", "<TITLE>", 48, 8),
            edit("EditTITLE", {16, 24, 385, 21}),
            label("Label6", "ﾄﾞｷｭﾒﾝﾄﾀｲﾌﾟ", 16, 56),
            element_label("LabelDOCTYPE", "<!DOCTYPE>", 88, 56),
            combo_edit("ComboBoxDOCTYPE", {16, 72, 257, 21},
                       {"W3C//DTD HTML 4.0 Frameset//EN", "W3C//DTD HTML 4.0 Transitional//EN",
                        "W3C//DTD HTML 4.0//EN", "W3C//DTD HTML 4.0 Strict//EN", "W3C//DTD HTML 3.2//EN",
                        "W3C//DTD HTML 3.2 Final//EN", "W3C//DTD HTML 3.0//EN", "IETF//DTD HTML i18n//EN",
                        "IETF//DTD HTML//EN", "IETF//DTD HTML 2.0//EN"}),
            label("Label7", "文字ｺｰﾄﾞ (            )", 288, 56),
            // Shows the META line's word "charset", a value.
            name_label("LabelCHARSET", "charset", "Label7")
                .upper_with_value(),
            combo_edit("ComboBoxcharset", {288, 72, 113, 21}, {"Shift_JIS", "EUC-JP", "ISO-2022-JP", "x-sjis", "x-euc-jp"}),
            check_box("CheckBoxBASE", "基準URL指定あり", {16, 108, 0, 0}),
            element_label("LabelBASE", "<BASE>", 136, 110),
            parts::captioned("Label2", "基準URL (        )", "LabelHREF", "HREF", 16, 132),
            edit("EditHREF", {16, 148, 257, 21}).disabled(),
            parts::captioned("Label9", "ﾀｰｹﾞｯﾄ (           )", "LabelTARGET", "TARGET", 288, 132),
            target_combo("ComboBoxTARGET", {288, 148, 113, 21}).disabled(),
            page::body_fields(180),
            ok_button(248, 328),
            cancel_button(328, 328),
        },
        .tab_order = {"EditTITLE", "ComboBoxDOCTYPE", "ComboBoxcharset", "CheckBoxBASE", "EditHREF",
                      "ComboBoxTARGET", "EditBACKGROUND", "ButtonBACKGROUND", "ButtonBGCOLOR", "ButtonTEXT",
                      "ButtonLINK", "ButtonVLINK", "ButtonALINK", "ComboBoxBGCOLOR", "ComboBoxTEXT", "ComboBoxLINK",
                      "ComboBoxVLINK", "ComboBoxALINK"},
        .build = build,
        .handlers = {{"CheckBoxBASE", CheckBoxBASEClick}},
    };
    return d;
}

}  // namespace corvane
