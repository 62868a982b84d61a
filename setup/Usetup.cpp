// TFormSetup: picks the letter case of element names, attribute names and
// values, stores it in Corvane.ini and rewrites the editor's menu data in
// that case.
#include "setup/setup.h"

#include "common/casevocab.h"
#include "common/sysinfo.h"
#include "frame/dialog.h"
#include "setup/menudata.h"

namespace corvane {

namespace {

const char* const kGroups[] = {"RadioGroupElement", "RadioGroupAttribute", "RadioGroupValue"};
const Role kRoles[] = {Role::Element, Role::Attribute, Role::Value};
const int kDefaults[] = {0, 0, 1};

std::string in_folder(const DialogEnv& env, const char* name) { return join_path(env.settings_folder, name); }

// A group without a selection stands for its role's default.
CaseSettings chosen(const Form& f) {
    int v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = f.selected(kGroups[i]);
        if (v[i] < 0) v[i] = kDefaults[i];
    }
    return {v[0], v[1], v[2]};
}

// RadioGroupClick: the sample line in the chosen case.
void RadioGroupClick(Form& f, DialogEnv&) {
    const CaseSettings cs = chosen(f);
    f["PanelSmple"].caption = "<" + word(W_BODY, Role::Element, cs) + " " +
                              (cs.lower(Role::Attribute) ? "bgcolor" : "BGCOLOR") + "=\"" +
                              (cs.lower(Role::Value) ? "black" : "BLACK") + "\">";
}

// Each group shows the stored value as it stands: a negative one selects
// nothing, one above 1 the last item.
void FormCreate(Form& f, DialogEnv& env) {
    const CaseSettings stored = load_case_settings(in_folder(env, "Corvane.ini"));
    for (int i = 0; i < 3; ++i) {
        const int v = stored.of(kRoles[i]);
        f[kGroups[i]].selected = v < 0 ? -1 : v > 1 ? 1 : v;
    }
    RadioGroupClick(f, env);
}

void ButtonOKClick(Form& f, DialogEnv& env) {
    const CaseSettings cs = chosen(f);
    // An installed copy's configuration folder is made when first written.
    make_folders(env.settings_folder);
    save_case_settings(in_folder(env, "Corvane.ini"), cs);
    current_case() = cs;
    generate_menu_data(in_folder(env, "Corvane.pld"), cs);
    env.hide();
    env.platform.show_message(kAppTitle, "Pelinorデータを読み込み直してください");
}

}  // namespace

const DialogDesign& TFormSetup() {
    static const DialogDesign d{
        .class_name = "TFormSetup",
        .caption = "Pelinor - HTML : 環境設定",
        .client_w = 277,
        .client_h = 156,
        .controls = {
            radio_group(kGroups[0], "要素名", {"大文字", "小文字"}, {8, 8, 81, 65}, -1),
            radio_group(kGroups[1], "属性", {"大文字", "小文字"}, {98, 8, 81, 65}, -1),
            radio_group(kGroups[2], "属性値", {"大文字", "小文字"}, {188, 8, 81, 65}, -1),
            label("Label1", "サンプル", 8, 91),
            panel("PanelSmple", "", {64, 84, 205, 25}),
            ok_button(116, 122),
            cancel_button(196, 122),
        },
        .tab_order = {kGroups[0], kGroups[1], kGroups[2], "PanelSmple"},
        .show_step = false,
        .handlers = {{kGroups[0], RadioGroupClick}, {kGroups[1], RadioGroupClick}, {kGroups[2], RadioGroupClick}},
        .on_create = FormCreate,
        .on_ok = ButtonOKClick,
    };
    return d;
}

}  // namespace corvane
