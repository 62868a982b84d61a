// The table and form dialogs on the offscreen platform: colour buttons, the
// browse buttons, the cell kind, the option count, what is typed, and the
// layout of all eight in the default and the flipped case settings.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Design = const DialogDesign& (*)();
const Design kEight[] = {TFormTABLE, TFormCAPTION, TFormTR,     TFormTDTH,
                         TFormFORM,  TFormSELECT,  TFormOPTION, TFormTEXTAREA};

// A folder of its own (tests run side by side) with the edited page in
// site/ and files beside it, removed at the end.
struct Site {
    std::filesystem::path root = std::filesystem::temp_directory_path() /
                                 ("corvane-table-form-gui-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    static inline int made = 0;
    std::filesystem::path site = root / "site";
    Site() { std::filesystem::create_directories(site); }
    ~Site() { std::filesystem::remove_all(root); }
    std::string page() const { return (site / "page.htm").string(); }
};

// The width of a text as the widget draws it, mnemonic marks left out.
int text_width(QWidget* w, QString text) {
    return w->fontMetrics().horizontalAdvance(text.remove('&'));
}

// Where a check box or radio button draws its text.
int contents_width(QAbstractButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const QStyle::SubElement e =
        qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    return b->style()->subElementRect(e, &opt, b).width();
}

}  // namespace

TEST(TableFormGui, ColourButtonsFillTheirBoxWithTheChosenColour) {
    for (Design design : {TFormTABLE, TFormTR, TFormTDTH}) {
        ShownDialog s(design());
        s.platform.colors = {Rgb{255, 128, 0}, std::nullopt};
        auto* box = s.get<QComboBox>("ComboBoxBGCOLOR");
        // Enter on the focused button opens the colour dialog, not OK.
        s.key(s.get<QPushButton>("ButtonBGCOLOR"), Qt::Key_Return);
        EXPECT_EQ(s.platform.color_initials.size(), 1u) << design().class_name;
        EXPECT_EQ(s.host.set_data_count, 0) << design().class_name;
        EXPECT_TRUE(s.window.isVisible());
        EXPECT_EQ(box->currentText(), QString("#FF8000")) << design().class_name;
        EXPECT_TRUE(box->hasFocus() || box->lineEdit()->hasFocus()) << design().class_name;
        // A cancelled colour dialog changes nothing.
        s.get<QPushButton>("ButtonBGCOLOR")->click();
        EXPECT_EQ(box->currentText(), QString("#FF8000")) << design().class_name;
        // Enter in the box confirms.
        s.key(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(s.host.set_data_count, 1) << design().class_name;
        EXPECT_NE(s.host.start.find(" BGCOLOR=\"#FF8000\">"), std::string::npos) << s.host.start;
    }
}

TEST(TableFormGui, FormBrowseButtonFillsTheActionWithARelativeUrl) {
    Site dir;
    std::filesystem::create_directories(dir.root / "cgi-bin");
    ShownDialog s(TFormFORM(), {0, 0, 1}, dir.page());
    s.platform.files = {(dir.root / "cgi-bin" / "mail.cgi").string(), std::nullopt,
                        (dir.site / "post.cgi").string()};
    auto* action = s.get<QLineEdit>("EditACTION");

    s.key(s.get<QPushButton>("ButtonACTION"), Qt::Key_Return);
    EXPECT_EQ(s.host.set_data_count, 0);
    EXPECT_EQ(action->text(), QString("../cgi-bin/mail.cgi"));
    EXPECT_TRUE(action->hasFocus());
    ASSERT_EQ(s.platform.file_folders.size(), 1u);
    EXPECT_EQ(s.platform.file_folders[0], dir.site.string());
    const std::vector<FileFilter>& filters = s.platform.file_filter_lists[0];
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "cgi (*.cgi)");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.cgi"});
    EXPECT_EQ(filters[1].description, "すべてのﾌｧｲﾙ");

    // Cancelled: the action stays.
    s.get<QPushButton>("ButtonACTION")->click();
    EXPECT_EQ(action->text(), QString("../cgi-bin/mail.cgi"));
    s.get<QPushButton>("ButtonACTION")->click();
    EXPECT_EQ(action->text(), QString("post.cgi"));

    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<FORM ACTION=\"post.cgi\">\r\n");
    EXPECT_EQ(s.host.end, "</FORM>\r\n");
}

TEST(TableFormGui, TableBrowseButtonFillsTheBackgroundWithARelativeUrl) {
    Site dir;
    std::filesystem::create_directories(dir.site / "img");
    ShownDialog s(TFormTABLE(), {0, 0, 1}, dir.page());
    s.platform.files = {(dir.site / "img" / "bg.gif").string()};
    s.key(s.get<QPushButton>("ButtonBACKGROUND"), Qt::Key_Return);
    auto* background = s.get<QLineEdit>("EditBACKGROUND");
    EXPECT_EQ(background->text(), QString("img/bg.gif"));
    EXPECT_TRUE(background->hasFocus());
    ASSERT_EQ(s.platform.file_filter_lists.size(), 1u);
    EXPECT_EQ(s.platform.file_filter_lists[0].size(), 3u);  // the image filters
    EXPECT_EQ(s.platform.file_filter_lists[0][0].description, "ｲﾒｰｼﾞ (*.gif, *.jp*g)");
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<TABLE BACKGROUND=\"img/bg.gif\">\r\n");
}

TEST(TableFormGui, NoControlIsEverDisabled) {
    // These dialogs have no enabling rules: whatever is clicked, every
    // control stays usable and keeps what it holds.
    for (Design design : kEight) {
        ShownDialog s(design());
        for (QLineEdit* e : s.window.findChildren<QLineEdit*>()) {
            if (!qobject_cast<QSpinBox*>(e->parentWidget()) && !qobject_cast<QComboBox*>(e->parentWidget()))
                e->setText("7");
        }
        for (QCheckBox* c : s.window.findChildren<QCheckBox*>()) c->click();
        for (QRadioButton* r : s.window.findChildren<QRadioButton*>()) r->click();
        for (QWidget* w : s.window.findChildren<QWidget*>())
            EXPECT_TRUE(w->isEnabled()) << design().class_name << " " << w->objectName().toStdString();
        for (QLineEdit* e : s.window.findChildren<QLineEdit*>()) {
            if (!qobject_cast<QSpinBox*>(e->parentWidget()) && !qobject_cast<QComboBox*>(e->parentWidget())) {
                EXPECT_EQ(e->text(), QString("7")) << design().class_name;
            }
        }
    }
}

TEST(TableFormGui, CellKindPicksTheElementAndFollowsTheElementCase) {
    ShownDialog s(TFormTDTH(), {1, 1, 0});
    // Element names lower, values upper, side by side.
    EXPECT_EQ(s.get<QRadioButton>("RadioGroupKind_0")->text(), QString("ﾃﾞｰﾀ <td>"));
    EXPECT_EQ(s.get<QRadioButton>("RadioGroupKind_1")->text(), QString("項目 <th>"));
    EXPECT_EQ(s.get<QRadioButton>("RadioGroupALIGN_1")->text(), QString("左側 (\"LEFT\")"));
    EXPECT_EQ(s.get<QLabel>("LabelNOWRAP")->text(), QString("nowrap"));
    EXPECT_EQ(s.window.windowTitle(), QString("Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <td> <th>"));
    s.get<QRadioButton>("RadioGroupKind_1")->click();
    s.get<QRadioButton>("RadioGroupALIGN_2")->click();
    s.get<QCheckBox>("CheckBoxNOWRAP")->click();
    s.focus(s.get<QComboBox>("ComboBoxBGCOLOR")->lineEdit());
    s.type("Gray");
    s.press(Qt::Key_Return);
    EXPECT_EQ(s.host.start, "<th align=\"CENTER\" bgcolor=\"Gray\" nowrap>");
    EXPECT_EQ(s.host.end, "</th>");
}

TEST(TableFormGui, OptionCountAsTypedReachesTheBuilderWithinItsLimits) {
    struct Row {
        const char* typed;
        int lines;
    };
    for (const Row& r : {Row{"1000", 99}, Row{"-5", 0}, Row{"2", 2}}) {
        ShownDialog s(TFormSELECT(), {1, 0, 1});
        auto* spin = s.get<QSpinBox>("CSpinEditOPTION");
        EXPECT_EQ(s.get<QLabel>("LabelOPTION")->text(), QString("<option>"));
        s.focus(spin);
        spin->selectAll();
        s.type(r.typed);
        s.press(Qt::Key_Return);
        std::string want = "<select>\r\n";
        for (int i = 0; i < r.lines; ++i) want += " <option>\r\n";
        EXPECT_EQ(s.host.start, want) << r.typed;
        EXPECT_EQ(s.host.end, "</select>\r\n") << r.typed;
    }
}

TEST(TableFormGui, TypedTextsArriveAsTyped) {
    {
        ShownDialog s(TFormCAPTION());
        s.focus(s.get<QLineEdit>("EditCAPTION"));
        s.type(" 売上 \"表\" ");
        s.press(Qt::Key_Return);
        EXPECT_EQ(s.host.start, "<CAPTION> 売上 \"表\" ");
        EXPECT_EQ(s.host.end, "</CAPTION>");
    }
    {
        // The omit box drops the caption text.
        ShownDialog s(TFormCAPTION());
        s.focus(s.get<QLineEdit>("EditCAPTION"));
        s.type("売上表");
        s.key(s.get<QCheckBox>("CheckBoxOmit"), Qt::Key_Space);
        s.press(Qt::Key_Return);
        EXPECT_EQ(s.host.start, "<CAPTION>");
        EXPECT_EQ(s.host.end, "");
    }
    {
        // Several thousand characters, Japanese among them, are not cut.
        ShownDialog s(TFormTEXTAREA());
        QString name;
        for (int i = 0; i < 1500; ++i) name += QString::fromUtf8("名a\"");
        auto* edit = s.get<QLineEdit>("EditNAME");
        edit->setText(name);
        s.focus(edit);
        s.press(Qt::Key_Return);
        EXPECT_EQ(s.host.start, "<TEXTAREA NAME=\"" + name.toStdString() + "\">\r\n");
    }
}

TEST(TableFormGui, EveryControlFitsTheClientAreaWithoutOverlapOrClipping) {
    for (CaseSettings cs : {CaseSettings{0, 0, 1}, CaseSettings{1, 1, 0}}) {
        for (Design design : kEight) {
            ShownDialog s(design(), cs);
            const std::string what = design().class_name + " " + std::to_string(cs.element);
            const QRect client = s.window.rect();
            std::vector<QWidget*> shown;
            for (QWidget* w : s.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isVisible()) shown.push_back(w);
            for (QWidget* w : shown) {
                const std::string name = w->objectName().toStdString();
                EXPECT_TRUE(client.contains(w->geometry())) << what << " " << name;
                // Texts are shown whole.
                if (qobject_cast<QLabel*>(w)) {
                    EXPECT_GE(w->width(), w->sizeHint().width()) << what << " " << name;
                } else if (auto* p = qobject_cast<QPushButton*>(w)) {
                    EXPECT_GE(w->width(), text_width(p, p->text()) + 8) << what << " " << name;
                }
            }
            for (QAbstractButton* b : s.window.findChildren<QAbstractButton*>()) {
                if (qobject_cast<QPushButton*>(b)) continue;
                EXPECT_GE(contents_width(b), text_width(b, b->text())) << what << " " << b->objectName().toStdString();
            }
            // No two controls share pixels, but a name label and the caption
            // whose gap it sits on.
            for (size_t i = 0; i < shown.size(); ++i) {
                for (size_t j = i + 1; j < shown.size(); ++j) {
                    const std::string a = shown[i]->objectName().toStdString();
                    const std::string b = shown[j]->objectName().toStdString();
                    const ControlDef* da = design().find(a);
                    const ControlDef* db = design().find(b);
                    if ((da && da->owner() == b) || (db && db->owner() == a)) continue;
                    EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry())) << what << " " << a << " " << b;
                }
            }
        }
    }
}
