// TFormIMG: one IMG element with its source, preview, text, size, spacing,
// border and map attributes.  The start text is the whole element; the end
// text is empty.
#include "dialogs/dialogs.h"
#include "dialogs/imageparts.h"

namespace corvane {

namespace {

// USEMAP names the map with its "#" only when a name was given.
TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_IMG).write(f.design().clauses).close().done();
}

}  // namespace

const DialogDesign& TFormIMG() {
    static const DialogDesign d{
        .class_name = "TFormIMG",
        .caption = "Pelinor - HTML : 画像 ",
        .appended = {.elements = {W_IMG}},
        .client_w = 472,
        .client_h = 287,
        .controls = {
            imageparts::image_part(),
            ok_button(304, 252),
            cancel_button(384, 252),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "EditLOWSRC", "ButtonLOWSRC", "EditALT", "CheckBoxIMGSize",
                      "EditWIDTH", "CheckBoxWIDTHP", "EditHEIGHT", "CheckBoxHEIGHTP", "ComboBoxALIGN", "EditVSPACE",
                      "EditHSPACE", "EditBORDER", "EditUSEMAP", "CheckBoxISMAP"},
        .build = build,
        .clauses = joined(imageparts::image_clauses(), {clause::Prefixed{"EditUSEMAP", "LabelUSEMAP", "#"}}),
    };
    return d;
}

}  // namespace corvane
