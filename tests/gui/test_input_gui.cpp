// The input-field dialogs on the offscreen platform: typing through the
// keys, the image member's browse button, and where the two-line and the
// under-the-box labels land.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

#include "../unit/scratch_files.h"
#include "dialogs/dialogs.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

TEST(InputGui, CheckBoxMemberTypedThroughTheKeys) {
    ShownDialog s(TFormINPUTcheckbox());
    EXPECT_TRUE(s.get<QLineEdit>("EditNAME")->hasFocus());
    s.type("news");
    s.press(Qt::Key_Tab);
    s.type("yes");
    s.press(Qt::Key_Tab);
    ASSERT_TRUE(s.get<QCheckBox>("CheckBoxCHECKED")->hasFocus());
    s.press(Qt::Key_Space, " ");
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.set_data_count, 1);
    EXPECT_EQ(s.host.start, "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"yes\" CHECKED>");
    EXPECT_EQ(s.host.end, "");
}

TEST(InputGui, ImageSourceIsBrowsedAsARelativeUrlAndStandsAboveTheName) {
    const testing_files::ScratchDir site;
    std::filesystem::create_directory(site.file("images"));
    ShownDialog s(TFormINPUTimage(), {0, 0, 1}, site.file("page.htm"));
    auto* src = s.get<QLineEdit>("EditSRC");
    auto* name = s.get<QLineEdit>("EditNAME");
    EXPECT_LT(src->geometry().bottom(), name->geometry().top());
    EXPECT_TRUE(src->hasFocus());

    // Cancelled: nothing changes.
    s.focus(s.get<QPushButton>("ButtonSRC"));
    s.press(Qt::Key_Return);
    EXPECT_EQ(src->text(), QString());
    ASSERT_EQ(s.platform.file_filter_lists.size(), 1u);
    const auto& filters = s.platform.file_filter_lists[0];
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].description, "ｲﾒｰｼﾞ (*.gif, *.jp*g)");
    EXPECT_EQ(s.platform.file_folders[0], site.path());

    // Chosen: the relative URL, focused; Enter on the button did not confirm.
    s.platform.files = {site.file("images/go.gif")};
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.set_data_count, 0);
    EXPECT_EQ(src->text(), QString("images/go.gif"));
    EXPECT_TRUE(src->hasFocus());

    s.focus(name);
    s.type("go");
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<INPUT TYPE=\"image\" NAME=\"go\" SRC=\"images/go.gif\">");
}

TEST(InputGui, NameLabelsOnTheSecondLineAndUnderTheCheckBox) {
    {
        ShownDialog s(TFormINPUTtext());
        const QRect caption = s.get<QLabel>("Label4")->geometry();
        const QRect name = s.get<QLabel>("LabelMAXLENGTH")->geometry();
        const QRect edit = s.get<QLineEdit>("EditMAXLENGTH")->geometry();
        // On the caption's second line, level with the edit, inside the
        // caption's width and left of the edit.
        EXPECT_GT(name.center().y(), caption.center().y());
        EXPECT_LE(name.bottom(), caption.bottom() + 1);
        EXPECT_LT(std::abs(name.center().y() - edit.center().y()), 5);
        EXPECT_GE(name.left(), caption.left());
        EXPECT_LT(name.right(), edit.left());
    }
    {
        ShownDialog s(TFormINPUTradio());
        const QRect box = s.get<QCheckBox>("CheckBoxCHECKED")->geometry();
        const QRect name = s.get<QLabel>("LabelCHECKED")->geometry();
        EXPECT_GE(name.top(), box.bottom() - 2);
        EXPECT_GT(name.left(), box.left());
        EXPECT_LT(name.right(), box.right());
    }
}

TEST(InputGui, TypedValuesReachTheTagWhole) {
    // Blanks, a double quote, Japanese and a text longer than a line edit's
    // usual limit, each as it stands in the edit.
    const QString long_text(40000, QChar('x'));
    for (const QString& value : {QString("  "), QString("a\"b"), QString("送信 する"), long_text}) {
        ShownDialog s(TFormINPUTsubmit());
        s.get<QLineEdit>("EditVALUE")->setText(value);
        s.press(Qt::Key_Return);
        EXPECT_EQ(s.host.start, "<INPUT TYPE=\"submit\" VALUE=\"" + value.toStdString() + "\">")
            << value.left(20).toStdString();
    }
}
