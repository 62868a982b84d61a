#include "dialogs/imageparts.h"

#include <cstdint>

#include "common/imgsize.h"
#include "common/relurl.h"
#include "dialogs/parts.h"

namespace corvane::imageparts {

void ButtonSRCChosen(Form& f, const std::string& chosen_path) {
    if (!f.checked("CheckBoxIMGSize") || !file_exists_on_disk(chosen_path)) return;
    std::uint16_t width = 0, height = 0;
    if (!get_image_size(chosen_path, width, height)) return;
    f["EditWIDTH"].text = std::to_string(width);
    f["CheckBoxWIDTHP"].checked = false;
    f["EditHEIGHT"].text = std::to_string(height);
    f["CheckBoxHEIGHTP"].checked = false;
}

Group image_part() {
    const std::string ismap = "ｻｰﾊﾞｻｲﾄﾞｸﾘｯｸﾌﾞﾙﾏｯﾌﾟ (         )";
    return Group{
        parts::text_field("SRC", "Label1", "画像URL (      )", 16, 12, {184, 8, 217, 21}),
        browse_button("ButtonSRC", {408, 8, 49, 21}, "EditSRC", FilterList::Images).chosen_hook(ButtonSRCChosen),
        parts::text_field("LOWSRC", "Label2", "先行表示画像URL (           )", 16, 40, {184, 36, 217, 21}),
        browse_button("ButtonLOWSRC", {408, 36, 49, 21}, "EditLOWSRC", FilterList::Images),
        parts::text_field("ALT", "Label3", "ﾃｷｽﾄ表示 (      )", 16, 68, {184, 64, 273, 21}),
        // The check box stands on the group's caption, which is two blanks.
        group_box("GroupBoxIMGSize", "  ", {16, 96, 225, 85}),
        check_box("CheckBoxIMGSize", "画像ｻｲｽﾞ自動取得", {24, 95, 0, 0}, true),
        parts::percent_field({"WIDTH", "Label4", "幅 (          )", 32, 124, {144, 120, 57, 21}, 208, 122}),
        parts::percent_field({"HEIGHT", "Label5", "高さ (           )", 32, 152, {144, 148, 57, 21}, 208, 150}),
        label("Label9", "ﾃｷｽﾄと画像の位置", 256, 100),
        parts::captioned("Label11", "(          )", "LabelALIGN", "ALIGN", 256, 124),
        combo_edit("ComboBoxALIGN", {336, 120, 121, 20},
                   {"top", "texttop", "middle", "absmiddle", "center", "bottom", "absbottom", "baseline", "left",
                    "right"})
            .upper_with_value(),
        parts::text_field("VSPACE", "Label7", "上下ﾏｰｼﾞﾝ (           )", 256, 152, {400, 148, 57, 21}),
        parts::text_field("HSPACE", "Label8", "左右ﾏｰｼﾞﾝ (           )", 256, 180, {400, 176, 57, 21}),
        parts::text_field("BORDER", "Label6", "枠の太さ (           )", 16, 196, {168, 192, 57, 21}),
        parts::text_field("USEMAP", "Label10", "使用ﾏｯﾌﾟ名 (           )", 16, 224, {168, 220, 73, 21}),
        check_box("CheckBoxISMAP", ismap, {256, 222, 0, 0}),
        name_label("StaticTextISMAP", "ISMAP", "CheckBoxISMAP"),
    };
}

Clauses image_clauses() {
    return {
        clause::Always{"EditSRC", "LabelSRC"},
        clause::Text{"EditLOWSRC", "LabelLOWSRC"},
        clause::Text{"EditALT", "LabelALT"},
        clause::Percent{"EditWIDTH", "LabelWIDTH", "CheckBoxWIDTHP"},
        clause::Percent{"EditHEIGHT", "LabelHEIGHT", "CheckBoxHEIGHTP"},
        clause::Text{"EditBORDER", "LabelBORDER"},
        clause::Text{"ComboBoxALIGN", "LabelALIGN"},
        clause::Text{"EditVSPACE", "LabelVSPACE"},
        clause::Text{"EditHSPACE", "LabelHSPACE"},
        clause::Bare{"CheckBoxISMAP", "StaticTextISMAP"},
    };
}

TagWriter image_start(const Form& f, BuildContext& ctx) {
    static const Clauses clauses = image_clauses();
    TagWriter t(f, ctx, W_IMG);
    t.write(clauses);
    return t;
}

}  // namespace corvane::imageparts
