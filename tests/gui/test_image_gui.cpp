// The image dialog and the image-map dialogs on the offscreen platform: both
// browse buttons of IMG and MAPS with images written by real encoders, the
// size box, AREA's enabling rules and its relative link, and what OK hands
// over.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <gtest/gtest.h>

#include "dialogs/dialogs.h"
#include "../unit/scratch_files.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;
namespace fs = std::filesystem;

namespace {

std::string data(const std::string& name) { return std::string(CORVANE_TEST_DATA) + "/images/" + name; }

// A page in a site folder with its images in site/img.
struct Site {
    testing_files::ScratchDir dir;
    Site() {
        fs::create_directories(dir.file("site/img"));
        fs::copy_file(data("a320x240.gif"), dir.file("site/img/a.gif"));
        fs::copy_file(data("photo120x60.jpg"), dir.file("site/img/photo.jpg"));
        fs::copy_file(data("map200x100.gif"), dir.file("site/map.gif"));
    }
    std::string page() const { return dir.file("site/page.htm"); }
    std::string file(const std::string& name) const { return dir.file("site/" + name); }
};

}  // namespace

TEST(ImageGui, BothBrowseButtonsOfBothImageDialogs) {
    for (auto design : {TFormIMG, TFormMAPS}) {
        SCOPED_TRACE(design().class_name);
        Site site;
        ShownDialog s(design(), {0, 0, 1}, site.page());
        s.platform.files = {site.file("img/a.gif"), site.file("img/photo.jpg"), site.file("img/photo.jpg")};
        auto* src = s.get<QLineEdit>("EditSRC");
        auto* width = s.get<QLineEdit>("EditWIDTH");
        auto* height = s.get<QLineEdit>("EditHEIGHT");
        auto* width_p = s.get<QCheckBox>("CheckBoxWIDTHP");
        auto* height_p = s.get<QCheckBox>("CheckBoxHEIGHTP");
        width->setText("50");
        width_p->setChecked(true);
        height_p->setChecked(true);

        // Enter on ButtonSRC browses: the size first, then the URL.
        s.key(s.get<QPushButton>("ButtonSRC"), Qt::Key_Return);
        EXPECT_EQ(s.host.set_data_count, 0);
        EXPECT_EQ(src->text(), QString("img/a.gif"));
        EXPECT_TRUE(src->hasFocus());
        EXPECT_EQ(width->text(), QString("320"));
        EXPECT_EQ(height->text(), QString("240"));
        EXPECT_FALSE(width_p->isChecked());
        EXPECT_FALSE(height_p->isChecked());
        ASSERT_EQ(s.platform.file_folders.size(), 1u);
        EXPECT_EQ(s.platform.file_folders[0], site.dir.file("site"));

        // ButtonLOWSRC fills its own field and never the size.
        auto* low = s.get<QLineEdit>("EditLOWSRC");
        s.key(s.get<QPushButton>("ButtonLOWSRC"), Qt::Key_Return);
        EXPECT_EQ(low->text(), QString("img/photo.jpg"));
        EXPECT_TRUE(low->hasFocus());
        EXPECT_EQ(width->text(), QString("320"));

        // Without the size box, ButtonSRC changes only EditSRC.
        s.get<QCheckBox>("CheckBoxIMGSize")->click();
        s.get<QPushButton>("ButtonSRC")->click();
        EXPECT_EQ(src->text(), QString("img/photo.jpg"));
        EXPECT_EQ(width->text(), QString("320"));
        EXPECT_EQ(height->text(), QString("240"));

        s.press(Qt::Key_Return);  // in EditSRC: OK
        EXPECT_EQ(s.host.set_data_count, 1);
        const std::string img = "<IMG SRC=\"img/photo.jpg\" LOWSRC=\"img/photo.jpg\" WIDTH=\"320\" HEIGHT=\"240\"";
        if (design().class_name == "TFormIMG")
            EXPECT_EQ(s.host.start, img + ">");
        else
            EXPECT_EQ(s.host.start, img + " USEMAP=\"#\">\r\n<MAP NAME=\"\">\r\n");
    }
}

TEST(ImageGui, ProbedJpegAndAPngThatLeavesTheSizeAlone) {
    Site site;
    fs::copy_file(data("icon48x32.png"), site.file("img/icon.png"));
    ShownDialog s(TFormIMG(), {0, 0, 1}, site.page());
    s.platform.files = {site.file("img/photo.jpg"), site.file("img/icon.png")};
    s.get<QPushButton>("ButtonSRC")->click();
    EXPECT_EQ(s.get<QLineEdit>("EditWIDTH")->text(), QString("120"));
    EXPECT_EQ(s.get<QLineEdit>("EditHEIGHT")->text(), QString("60"));
    s.get<QPushButton>("ButtonSRC")->click();
    EXPECT_EQ(s.get<QLineEdit>("EditSRC")->text(), QString("img/icon.png"));
    EXPECT_EQ(s.get<QLineEdit>("EditWIDTH")->text(), QString("120"));
}

TEST(ImageGui, ClickableMapExampleThroughTheWidgets) {
    Site site;
    ShownDialog s(TFormMAPS(), {0, 0, 1}, site.page());
    s.platform.files = {site.file("map.gif")};
    s.get<QPushButton>("ButtonSRC")->click();
    s.focus(s.get<QLineEdit>("EditUSEMAP"));
    s.type("nav");
    s.get<QCheckBox>("CheckBox_rect")->click();
    s.get<QCheckBox>("CheckBox_default")->click();
    s.key(s.get<QCheckBox>("CheckBox_default"), Qt::Key_Return);
    EXPECT_EQ(s.host.start,
              "<IMG SRC=\"map.gif\" WIDTH=\"200\" HEIGHT=\"100\" USEMAP=\"#nav\">\r\n<MAP NAME=\"nav\">\r\n"
              "<AREA SHAPE=\"rect\" COORDS=\"x1,y1,x2,y2\" HREF=\"url\">\r\n<AREA SHAPE=\"default\" NOHREF>\r\n");
    EXPECT_EQ(s.host.end, "</MAP>\r\n");
}

TEST(ImageGui, AreaSwitchesAndItsRelativeLink) {
    Site site;
    ShownDialog s(TFormAREA(), {0, 0, 1}, site.page());
    auto* coords = s.get<QLineEdit>("EditCOORDS");
    auto* href = s.get<QLineEdit>("EditHREF");
    auto* browse = s.get<QPushButton>("ButtonHREF");
    EXPECT_TRUE(coords->isEnabled() && href->isEnabled());
    coords->setText("1,2,3,4");

    s.get<QRadioButton>("RadioGroupSHAPE_3")->click();
    EXPECT_FALSE(coords->isEnabled());
    EXPECT_TRUE(painted_as_button_face(coords));
    EXPECT_EQ(coords->text(), QString("1,2,3,4"));
    s.get<QRadioButton>("RadioGroupSHAPE_0")->click();
    EXPECT_TRUE(coords->isEnabled());
    EXPECT_FALSE(painted_as_button_face(coords));

    s.get<QCheckBox>("CheckBoxNOHREF")->click();
    EXPECT_FALSE(href->isEnabled());
    EXPECT_TRUE(painted_as_button_face(href));
    EXPECT_TRUE(browse->isEnabled());
    s.get<QCheckBox>("CheckBoxNOHREF")->click();
    EXPECT_TRUE(href->isEnabled());

    // Enter on the browse button opens the file dialog; the path is relative
    // to the edited file's folder, and the focus stays on the button.
    s.platform.files = {site.dir.file("top.htm"), site.file("img/a.gif")};
    s.key(browse, Qt::Key_Return);
    EXPECT_EQ(s.host.set_data_count, 0);
    EXPECT_EQ(href->text(), QString("../top.htm"));
    EXPECT_TRUE(browse->hasFocus());
    EXPECT_EQ(s.platform.file_filter_lists.at(0).size(), 4u);  // the page filters
    s.press(Qt::Key_Space);
    EXPECT_EQ(href->text(), QString("img/a.gif"));
    EXPECT_TRUE(browse->hasFocus());

    s.key(coords, Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"img/a.gif\">\r\n");
    EXPECT_EQ(s.host.end, "");
}
