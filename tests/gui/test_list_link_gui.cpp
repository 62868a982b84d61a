// The list and link dialogs on the offscreen platform: the kind switch of the
// link dialog, its browse button, and Enter inside a spin edit.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <filesystem>
#include <gtest/gtest.h>

#include "dialogs/dialogs.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

TEST(ListLinkGui, KindSwitchDisablesLinkAndTargetKeepingTheirTexts) {
    ShownDialog s(TFormA());
    auto* link = s.get<QLineEdit>("EditLink");
    auto* target = s.get<QComboBox>("ComboBoxTARGET");
    link->setText("index.html");
    target->setEditText("_top");
    s.get<QLineEdit>("EditAnchor")->setText("sec1");

    s.get<QRadioButton>("RadioGroupKind_1")->click();
    EXPECT_FALSE(link->isEnabled());
    EXPECT_FALSE(target->isEnabled());
    EXPECT_TRUE(painted_as_button_face(link));
    EXPECT_TRUE(painted_as_button_face(target));
    for (const char* name : {"ButtonLink", "EditAnchor", "CheckBoxOmit"})
        EXPECT_TRUE(s.window.widget(name)->isEnabled()) << name;
    EXPECT_EQ(link->text(), QString("index.html"));

    s.get<QRadioButton>("RadioGroupKind_0")->click();
    EXPECT_TRUE(link->isEnabled() && target->isEnabled());
    EXPECT_FALSE(painted_as_button_face(link));
    s.get<QRadioButton>("RadioGroupKind_1")->click();
    s.get<QPushButton>("ButtonOK")->click();
    EXPECT_EQ(s.host.start, "<A NAME=\"sec1\">");
    EXPECT_EQ(s.host.end, "</A>");
}

TEST(ListLinkGui, BrowseButtonKeepsEnterAndFillsARelativeLink) {
    namespace fs = std::filesystem;
    const fs::path site = fs::temp_directory_path() / "corvane-link-gui" / "site";
    fs::create_directories(site / "img");
    ShownDialog s(TFormA(), {0, 0, 1}, (site / "page.htm").string());
    s.platform.files = {(site / "img" / "a.htm").string(), (site.parent_path() / "top.htm").string()};
    auto* link = s.get<QLineEdit>("EditLink");

    // Enter on the focused browse button opens the file dialog, not OK.
    s.focus(s.get<QPushButton>("ButtonLink"));
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.set_data_count, 0);
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_EQ(link->text(), QString("img/a.htm"));
    EXPECT_TRUE(link->hasFocus());
    ASSERT_EQ(s.platform.file_folders.size(), 1u);
    EXPECT_EQ(s.platform.file_folders[0], site.string());
    EXPECT_EQ(s.platform.file_filter_lists[0].size(), 4u);  // the page filters

    s.get<QPushButton>("ButtonLink")->click();
    EXPECT_EQ(link->text(), QString("../top.htm"));

    // Enter in the link field confirms.
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<A HREF=\"../top.htm\">");
    fs::remove_all(site.parent_path());
}

TEST(ListLinkGui, EnterInsideASpinEditPullsAnOutOfRangeNumberBack) {
    struct Row {
        const DialogDesign& (*design)();
        const char* spin;
        const char* typed;
        std::string start;
    };
    std::string ninety_nine;
    for (int i = 0; i < 99; ++i) ninety_nine += " <LI>\r\n";
    const Row rows[] = {
        {TFormUL, "CSpinEditLI", "150", "<UL>\r\n" + ninety_nine},
        {TFormOL, "CSpinEditSTART", "40", "<OL START=\"26\">\r\n"},
        {TFormLI, "CSpinEditVALUE", "27", "<LI VALUE=\"26\">\r\n"},
    };
    for (const Row& r : rows) {
        ShownDialog s(r.design());
        auto* spin = s.get<QSpinBox>(r.spin);
        s.focus(spin);
        spin->selectAll();
        s.type(r.typed);
        EXPECT_EQ(spin->text(), QString(r.typed)) << r.spin;
        EXPECT_TRUE(spin->hasFocus()) << r.spin;
        s.press(Qt::Key_Return);
        EXPECT_EQ(s.host.set_data_count, 1) << r.spin;
        EXPECT_EQ(s.host.start, r.start) << r.spin;
    }
}

TEST(ListLinkGui, LeavingASpinEditShowsTheNearerLimit) {
    ShownDialog s(TFormOL());
    auto* start = s.get<QSpinBox>("CSpinEditSTART");
    s.focus(start);
    start->selectAll();
    s.type("-");
    s.type("5");
    s.focus(s.get<QSpinBox>("CSpinEditLI"));
    EXPECT_EQ(start->text(), QString("0"));
}
