// TFormMAPS: a clickable-map skeleton in one go: the IMG element that uses
// the map, the MAP start tag, and a placeholder AREA line for each shape
// checked, with hints where the coordinates and the link go.  The image part
// is the image dialog's.
#include "dialogs/dialogs.h"
#include "dialogs/imageparts.h"
#include "dialogs/parts.h"

namespace corvane {

namespace {

// A shape with coordinates: its check box, the static text holding its
// value, and the hint written in place of its coordinates.
struct Shape {
    const char* box;
    const char* value;
    const char* coords;
};
constexpr Shape kShapes[] = {
    {"CheckBox_rect", "StaticTextRECT", "x1,y1,x2,y2"},
    {"CheckBox_circle", "StaticTextCIRCLE", "x,y,r"},
    {"CheckBox_polygon", "StaticTextPOLYGON", "x1,y1,x2,y2,xn,yn"},
};

TagTexts build(const Form& f, BuildContext& ctx) {
    // The image always names the map, even an unnamed one.
    TagWriter t = imageparts::image_start(f, ctx);
    t.value("LabelUSEMAP", "#" + f.text("EditUSEMAP")).close().line();
    t.open(W_MAP).always("EditUSEMAP", "LabelNAME").close().line();
    for (const Shape& s : kShapes)
        if (f.checked(s.box))
            t.open(W_AREA)
                .value("StaticTextSHAPE", f.label(s.value))
                .value("LabelCOORDS", s.coords)
                .value("LabelHREF", "url")
                .close()
                .line();
    if (f.checked("CheckBox_default"))
        t.open(W_AREA).value("StaticTextSHAPE", f.label("StaticTextDEFAULT")).put(" ").put(f.label("LabelNOHREF"))
            .close()
            .line();
    return t.end_put("</" + ctx.E(W_MAP) + ">").end_line().done();
}

// A shape's check box with its value shown between the quotes of its
// caption, raised with the value case.
Group shape_box(const char* box, std::string caption, const char* value_name, const char* value, int x, int y) {
    return Group{
        check_box(box, caption, {x, y, 0, 0}),
        name_label(value_name, value, box).upper_with_value(),
    };
}

}  // namespace

const DialogDesign& TFormMAPS() {
    const std::string shapes = "領域指定 (      ) ※仮指定";
    static const DialogDesign d{
        .class_name = "TFormMAPS",
        .caption = "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 ",
        .appended = {.elements = {W_IMG, W_MAP, W_AREA}},
        .client_w = 472,
        .client_h = 334,
        .controls = {
            imageparts::image_part(),
            group_box("GroupBoxSHAPE", shapes, {16, 252, 361, 69}),
            name_label("StaticTextSHAPE", "SHAPE", "GroupBoxSHAPE"),
            shape_box("CheckBox_rect", "矩形 (\"    \")", "StaticTextRECT", "rect", 28, 272),
            shape_box("CheckBox_circle", "円 (\"      \")", "StaticTextCIRCLE", "circle", 188, 272),
            shape_box("CheckBox_polygon", "多角形 (\"       \")", "StaticTextPOLYGON", "polygon", 28, 296),
            shape_box("CheckBox_default", "その他領域 (\"       \")", "StaticTextDEFAULT", "default", 188, 296),
            // Names of the AREA and MAP attributes, never shown.
            hidden_label("LabelCOORDS", "COORDS").lower_with_attribute(),
            hidden_label("LabelHREF", "HREF").lower_with_attribute(),
            hidden_label("LabelNAME", "NAME").lower_with_attribute(),
            hidden_label("LabelNOHREF", "NOHREF").lower_with_attribute(),
            ok_button(384, 260),
            cancel_button(384, 296),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "EditLOWSRC", "ButtonLOWSRC", "EditALT", "CheckBoxIMGSize",
                      "EditWIDTH", "CheckBoxWIDTHP", "EditHEIGHT", "CheckBoxHEIGHTP", "EditBORDER", "EditUSEMAP",
                      "ComboBoxALIGN", "EditVSPACE", "EditHSPACE", "CheckBoxISMAP", "CheckBox_rect",
                      "CheckBox_circle", "CheckBox_polygon", "CheckBox_default"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
