// The frame and document dialogs on the offscreen platform: the base switch
// of the page template, the five colour buttons of the page and body
// dialogs, the browse buttons, and a bad frame count typed into its spin edit.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <gtest/gtest.h>

#include "dialogs/dialogs.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

TEST(FrameDocumentGui, BaseSwitchEnablesUrlAndTargetAndDecidesTheBaseLine) {
    for (bool keep_checked : {true, false}) {
        ShownDialog s(TFormHTML());
        auto* base = s.get<QCheckBox>("CheckBoxBASE");
        auto* href = s.get<QLineEdit>("EditHREF");
        auto* target = s.get<QComboBox>("ComboBoxTARGET");
        EXPECT_FALSE(href->isEnabled() || target->isEnabled());
        EXPECT_TRUE(painted_as_button_face(href) && painted_as_button_face(target));

        base->click();
        EXPECT_TRUE(href->isEnabled() && target->isEnabled());
        EXPECT_FALSE(painted_as_button_face(href) || painted_as_button_face(target));
        href->setText("http://example.jp/");
        target->setEditText("_top");
        if (!keep_checked) {
            base->click();
            EXPECT_FALSE(href->isEnabled() || target->isEnabled());
            EXPECT_TRUE(painted_as_button_face(href));
            EXPECT_EQ(href->text(), QString("http://example.jp/"));  // disabling keeps the texts
        }
        s.key(s.get<QLineEdit>("EditTITLE"), Qt::Key_Return);
        ASSERT_EQ(s.host.set_data_count, 1);
        const std::string base_line = "<BASE HREF=\"http://example.jp/\" TARGET=\"_top\">\r\n";
        EXPECT_EQ(s.host.start, "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n" + (keep_checked ? base_line : "") +
                                    "</HEAD>\r\n<BODY>\r\n");
        EXPECT_EQ(s.host.end, "\r\n</BODY>\r\n</HTML>\r\n");
    }
}

TEST(FrameDocumentGui, FiveColourButtonsFillTheirOwnBoxes) {
    const char* const attributes[] = {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};
    for (const DialogDesign& (*design)() : {TFormHTML, TFormBODY}) {
        ShownDialog s(design());
        // Each button gets a colour of its own; Enter on the focused button
        // opens the colour dialog and does not confirm.
        int n = 0;
        for (const char* a : attributes) {
            ++n;
            s.platform.colors = {Rgb{n, 2 * n, 255}};
            auto* button = s.get<QPushButton>((std::string("Button") + a).c_str());
            auto* box = s.get<QComboBox>((std::string("ComboBox") + a).c_str());
            if (n % 2) {
                button->click();
            } else {
                s.key(button, Qt::Key_Return);
                EXPECT_TRUE(s.window.isVisible());
            }
            EXPECT_EQ(box->currentText().toStdString(), color_text({n, 2 * n, 255})) << a;
            EXPECT_TRUE(box->hasFocus()) << a;
        }
        EXPECT_EQ(s.host.set_data_count, 0);
        n = 0;
        for (const char* a : attributes) {
            ++n;
            EXPECT_EQ(s.get<QComboBox>((std::string("ComboBox") + a).c_str())->currentText().toStdString(),
                      color_text({n, 2 * n, 255}))
                << a;
        }
        s.platform.colors = {std::nullopt};  // cancelled: the box keeps its colour
        s.get<QPushButton>("ButtonTEXT")->click();
        EXPECT_EQ(s.get<QComboBox>("ComboBoxTEXT")->currentText(), QString("#0204FF"));
        s.press(Qt::Key_Return);
        EXPECT_NE(s.host.start.find("<BODY BGCOLOR=\"#0102FF\" TEXT=\"#0204FF\" LINK=\"#0306FF\" VLINK=\"#0408FF\" "
                                    "ALINK=\"#050AFF\">"),
                  std::string::npos)
            << s.host.start;
    }
}

TEST(FrameDocumentGui, BrowseButtonsFillRelativeUrlsWithTheirFilters) {
    namespace fs = std::filesystem;
    const fs::path site = fs::temp_directory_path() / "corvane-frame-gui" / "site";
    fs::create_directories(site / "img");
    const struct {
        const DialogDesign& (*design)();
        const char* button;
        const char* edit;
        size_t filters;
        const char* first_filter;
    } rows[] = {
        {TFormFRAME, "ButtonSRC", "EditSRC", 4, "html (*.htm*)"},
        {TFormHTML, "ButtonBACKGROUND", "EditBACKGROUND", 3, "ｲﾒｰｼﾞ (*.gif, *.jp*g)"},
        {TFormBODY, "ButtonBACKGROUND", "EditBACKGROUND", 3, "ｲﾒｰｼﾞ (*.gif, *.jp*g)"},
    };
    for (const auto& r : rows) {
        ShownDialog s(r.design(), {0, 0, 1}, (site / "page.htm").string());
        s.platform.files = {(site / "img" / "back.gif").string(), std::nullopt,
                            (site.parent_path() / "top.htm").string()};
        auto* edit = s.get<QLineEdit>(r.edit);
        auto* button = s.get<QPushButton>(r.button);

        s.key(button, Qt::Key_Return);  // Enter on the button browses
        EXPECT_EQ(s.host.set_data_count, 0) << r.button;
        EXPECT_EQ(edit->text(), QString("img/back.gif")) << r.button;
        EXPECT_TRUE(edit->hasFocus()) << r.button;
        ASSERT_EQ(s.platform.file_folders.size(), 1u);
        EXPECT_EQ(s.platform.file_folders[0], site.string());
        EXPECT_EQ(s.platform.file_filter_lists[0].size(), r.filters) << r.button;
        EXPECT_EQ(s.platform.file_filter_lists[0][0].description, r.first_filter) << r.button;

        button->click();  // cancelled: nothing changes
        EXPECT_EQ(edit->text(), QString("img/back.gif"));
        button->click();
        EXPECT_EQ(edit->text(), QString("../top.htm"));
    }
    fs::remove_all(site.parent_path());
}

TEST(FrameDocumentGui, FrameCountTypedBeyondItsLimitsWritesAtMost99Lines) {
    const std::pair<const char*, int> rows[] = {{"1000", 99}, {"-5", 0}, {"x", 0}, {"3", 3}};
    for (auto [typed, lines] : rows) {
        ShownDialog s(TFormFRAMES());
        auto* spin = s.get<QSpinBox>("CSpinEditFRAME");
        s.focus(spin);
        spin->selectAll();
        s.type(typed);
        s.press(Qt::Key_Return);
        ASSERT_EQ(s.host.set_data_count, 1) << typed;
        std::string expected = "<FRAMESET COLS=\"\">\r\n";
        for (int i = 0; i < lines; ++i) expected += " <FRAME SRC=\"\" NAME=\"\">\r\n";
        EXPECT_EQ(s.host.start, expected + "</FRAMESET>\r\n") << typed;
        EXPECT_EQ(s.host.end, "");
    }
}
