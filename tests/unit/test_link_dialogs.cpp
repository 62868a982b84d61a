// Builders of the link dialogs A and BASE.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};

struct Fields {
    int kind = 0;
    const char* link = "";
    const char* anchor = "";
    const char* target = "";
    bool omit = false;
};

std::function<void(Form&)> a(Fields v) {
    return [=](Form& f) {
        f["RadioGroupKind"].selected = v.kind;
        f["EditLink"].text = v.link;
        f["EditAnchor"].text = v.anchor;
        f["ComboBoxTARGET"].text = v.target;
        f["CheckBoxOmit"].checked = v.omit;
    };
}

std::function<void(Form&)> base(const char* href, const char* target) {
    return [=](Form& f) {
        f["EditHREF"].text = href;
        f["ComboBoxTARGET"].text = target;
    };
}

// Picking a target from the list puts the item, as the show step left it,
// into the box.
void pick_first_target(Form& f) {
    f["ComboBoxTARGET"].selected = 0;
    f["ComboBoxTARGET"].text = f.item("ComboBoxTARGET", 0);
}

}  // namespace

TEST(LinkDialogs, Builders) {
    expect_builds({
        {"link, anchor and target", TFormA, kDefault, a({0, "index.html", "top", "_blank"}),
         "<A HREF=\"index.html#top\" TARGET=\"_blank\">", "</A>"},
        {"link only", TFormA, kDefault, a({0, "index.html"}), "<A HREF=\"index.html\">", "</A>"},
        {"anchor only", TFormA, kDefault, a({0, "", "top"}), "<A HREF=\"#top\">", "</A>"},
        {"nothing filled in", TFormA, kDefault, a({}), "<A HREF=\"\">", "</A>"},
        {"name ignores link and target", TFormA, kDefault, a({1, "index.html", "sec1", "_top"}),
         "<A NAME=\"sec1\">", "</A>"},
        {"empty name", TFormA, kDefault, a({1}), "<A NAME=\"\">", "</A>"},
        {"end omitted", TFormA, kDefault, a({0, "x.htm", "", "", true}), "<A HREF=\"x.htm\">", ""},
        {"all lower", TFormA, {1, 1, 1}, a({0, "index.html", "", "_blank"}),
         "<a href=\"index.html\" target=\"_blank\">", "</a>"},
        {"lower name", TFormA, {1, 1, 1}, a({1, "", "s"}), "<a name=\"s\">", "</a>"},
        {"picked target, values upper", TFormA, {0, 0, 0},
         [](Form& f) { pick_first_target(f); }, "<A HREF=\"\" TARGET=\"_BLANK\">", "</A>"},
        {"typed target, values upper", TFormA, {0, 0, 0}, a({0, "", "", "_blank"}),
         "<A HREF=\"\" TARGET=\"_blank\">", "</A>"},
        {"typed text as typed", TFormA, kDefault, a({0, " a\"b ", " ", "Main Frame"}),
         "<A HREF=\" a\"b # \" TARGET=\"Main Frame\">", "</A>"},
        {"base, no target", TFormBASE, kDefault, base("../docs/", ""), "<BASE HREF=\"../docs/\">\r\n", ""},
        {"base with target", TFormBASE, kDefault, base("../docs/", "_top"),
         "<BASE HREF=\"../docs/\" TARGET=\"_top\">\r\n", ""},
        {"base, nothing filled in", TFormBASE, kDefault, base("", ""), "<BASE HREF=\"\">\r\n", ""},
        {"base, all lower", TFormBASE, {1, 1, 1}, base("/", "_self"), "<base href=\"/\" target=\"_self\">\r\n", ""},
        {"base, picked target, values upper", TFormBASE, {0, 0, 0}, pick_first_target,
         "<BASE HREF=\"\" TARGET=\"_BLANK\">\r\n", ""},
    });
}
