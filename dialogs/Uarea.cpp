// TFormAREA: one AREA element of an image map: a shape, its coordinates
// (not for the whole remaining area) and a link or none.  The start text
// ends its line; the end text is empty.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

constexpr int kDefaultShape = 3;  // the remaining area: no coordinates

// The clauses, in the order written.
const clause::Pick kShape{"RadioGroupSHAPE", "StaticTextSHAPE"};
const clause::Always kCoords{"EditCOORDS", "LabelCOORDS"};
const clause::Bare kNoHref{"CheckBoxNOHREF", "StaticTextNOHREF"};
const clause::Always kHref{"EditHREF", "LabelHREF"};

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_AREA);
    t.write(kShape);
    if (f.selected("RadioGroupSHAPE") != kDefaultShape) t.write(kCoords);
    t.write(f.checked("CheckBoxNOHREF") ? Clause(kNoHref) : Clause(kHref));
    return t.close().line().done();
}

// The coordinates mean nothing for the remaining area; what they hold stays.
void RadioGroupSHAPEClick(Form& f, DialogEnv&) {
    f["EditCOORDS"].enabled = f.selected("RadioGroupSHAPE") != kDefaultShape;
}

// Without a link the link field is off; its browse button stays usable.
void CheckBoxNOHREFClick(Form& f, DialogEnv&) { f["EditHREF"].enabled = !f.checked("CheckBoxNOHREF"); }

}  // namespace

const DialogDesign& TFormAREA() {
    const std::string nohref = "ﾘﾝｸ先なし (           )";
    static const DialogDesign d{
        .class_name = "TFormAREA",
        .caption = "Pelinor - HTML : ｲﾒｰｼﾞﾏｯﾌﾟ追加 ",
        .appended = {.elements = {W_AREA}},
        .client_w = 418,
        .client_h = 238,
        .controls = {
            radio_group("RadioGroupSHAPE", "形状 (      )",
                        {"矩形       (\"rect\")", "円         (\"circle\")", "多角形     (\"polygon\")",
                         "その他領域 (\"default\")"},
                        {16, 8, 177, 105})
                .pitch_fixed()
                .upper_with_value()
                .twin({"rect", "circle", "polygon", "default"}),
            name_label("StaticTextSHAPE", "SHAPE", "RadioGroupSHAPE"),
            label("StaticText1", "… 左上,右下 (x1, y1, x2, y2)", 200, 30),
            label("StaticText2", "… 中心,半径 (x, y, r)", 200, 52),
            label("StaticText3", "… 各頂点 (x1, y1, x2, y2 ... xn, yn)", 200, 74),
            parts::captioned("Label3", "座標 (           )", "LabelCOORDS", "COORDS", 16, 128),
            edit("EditCOORDS", {120, 124, 281, 21}),
            check_box("CheckBoxNOHREF", nohref, {16, 156, 0, 0}),
            name_label("StaticTextNOHREF", "NOHREF", "CheckBoxNOHREF"),
            parts::captioned("Label1", "ﾘﾝｸ先 (        )", "LabelHREF", "HREF", 16, 184),
            edit("EditHREF", {120, 180, 225, 21}),
            browse_button("ButtonHREF", {352, 180, 49, 21}, "EditHREF", FilterList::Pages,
                          ButtonRole::BrowsePathStay),
            ok_button(248, 208),
            cancel_button(328, 208),
        },
        .tab_order = {"RadioGroupSHAPE", "EditCOORDS", "CheckBoxNOHREF", "EditHREF", "ButtonHREF"},
        .build = build,
        .clauses = {kShape, kCoords, kNoHref, kHref},
        .handlers = {{"RadioGroupSHAPE", RadioGroupSHAPEClick},
                     {twin_of("RadioGroupSHAPE"), RadioGroupSHAPEClick},
                     {"CheckBoxNOHREF", CheckBoxNOHREFClick}},
    };
    return d;
}

}  // namespace corvane
