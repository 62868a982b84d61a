// The table of dialogs: what its readers rely on and the table itself cannot
// say in its types.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "dialogs/table.h"
#include "frame/dialog.h"
#include "frame/tagreader.h"
#include "fakes.h"

namespace corvane {
namespace {

using test::FakePlatform;
using test::RecordingHost;

TEST(DialogTable, EachSwitchNamesItsDialogClassAndHasOneMenuPlace) {
    std::set<std::string_view> switches;
    std::map<MenuFamily, std::set<int>> positions;
    std::set<std::string_view> labels;
    for (const DialogRow& r : dialog_table()) {
        EXPECT_TRUE(switches.insert(r.switch_name).second) << r.switch_name;
        EXPECT_EQ(r.design().class_name, "TForm" + std::string(r.switch_name.substr(1)));
        EXPECT_EQ(find_dialog(r.switch_name), &r);
        EXPECT_TRUE(positions[r.menu.family].insert(r.menu.position).second) << r.switch_name;
        EXPECT_TRUE(labels.insert(r.menu.label).second) << r.menu.label;
        EXPECT_FALSE(r.element.empty()) << r.switch_name;
    }
    // Positions count 1, 2, ... within each family, which has an entry.
    for (int f = 0; f <= static_cast<int>(MenuFamily::Sound); ++f) {
        const std::set<int>& p = positions[static_cast<MenuFamily>(f)];
        ASSERT_FALSE(p.empty()) << family_name(static_cast<MenuFamily>(f));
        EXPECT_EQ(*p.begin(), 1);
        EXPECT_EQ(*p.rbegin(), static_cast<int>(p.size()));
    }
    const auto& menu = dialogs_in_menu_order();
    ASSERT_EQ(menu.size(), dialog_table().size());
    EXPECT_EQ(menu.front()->switch_name, "/Hn");
    EXPECT_EQ(menu.back()->switch_name, "/MIDPLUG");
    EXPECT_EQ(find_dialog("/font"), nullptr);
    EXPECT_EQ(find_dialog("/COMMENT"), nullptr);
    EXPECT_EQ(dialog_table()[0].caption_tail(), "フォント <FONT>");
    EXPECT_EQ(find_dialog("/INPUTtext")->caption_tail({1, 1, 0}), "入力（ﾃｷｽﾄ） <input type=\"TEXT\">");
}

// A start tag of each edit element, in upper and in lower case, as the
// element's rule asks for it, picks that element and no other; an empty
// element's dialog writes no end tag.
TEST(DialogTable, EachEditElementPicksItsOwnRow) {
    for (const DialogRow& r : dialog_table())
        for (const EditElement& e : r.edits) {
            std::string tag = "<" + std::string(e.name);
            if (e.when == EditWhen::ValueIs) tag += " " + std::string(e.attribute) + "=" + std::string(e.value);
            if (e.when == EditWhen::Has) tag += " " + std::string(e.attribute) + "=1";
            tag += ">";
            for (bool lower : {false, true}) {
                std::string text = tag;
                if (lower)
                    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
                const std::optional<StartTag> t = read_start_tag(text);
                ASSERT_TRUE(t) << text;
                const EditChoice choice = find_edit_dialog(*t);
                EXPECT_EQ(choice.row, &r) << text;
                EXPECT_EQ(choice.element, &e) << text;
                int matching = 0;
                for (const DialogRow& other : dialog_table())
                    for (const EditElement& o : other.edits) matching += o.matches(*t);
                EXPECT_EQ(matching, 1) << text;
            }
            if (!e.empty) continue;
            RecordingHost host;
            FakePlatform platform;
            Dialog d(r.design(), host, platform);
            d.create();
            d.FormShow(CaseSettings{});
            EXPECT_EQ(d.build().end.find("</"), std::string::npos) << r.switch_name;
        }
    // What picks no row: a name without a dialog, an INPUT of another type or
    // with a bare TYPE (the attribute is named in the refusal).
    for (const char* text : {"<P>", "<INPUT TYPE=email>", "<INPUT TYPE>", "<H7>", "<HTML>"}) {
        const EditChoice choice = find_edit_dialog(*read_start_tag(text));
        EXPECT_EQ(choice.row, nullptr) << text;
        EXPECT_EQ(choice.asked_about != nullptr, std::string(text).starts_with("<INPUT")) << text;
    }
    EXPECT_EQ(find_edit_dialog(*read_start_tag("<input name=q>")).row, find_dialog("/INPUTtext"));
}

}  // namespace
}  // namespace corvane
