// Every kind of control the design data knows, rendered and bound: what the
// user does reaches the model, and what handlers put in the model reaches
// the widgets.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// A handler that rewrites every control, as enabling rules and browse
// buttons do.
void Rewrite(Form& f, DialogEnv&) {
    f["EditA"].text = "from handler";
    f["EditA"].enabled = false;
    f["MaskTime"].text = "12:34";
    f["ComboTarget"].text = "_top";
    f["ComboList"].selected = 2;
    f["CheckB"].checked = true;
    f["RadioC"].selected = 3;
    f["SpinD"].text = "7";
    f["LabelE"].caption = "changed";
    f["PanelF"].caption = "<BODY>";
    f.focus = "EditA2";
}

const DialogDesign& kinds() {
    static const DialogDesign d{
        .class_name = "TFormKinds",
        .caption = "kinds",
        .client_w = 400,
        .client_h = 300,
        .controls = {
            group_box("GroupBox1", "枠", {4, 4, 392, 292}),
            label("LabelE", "ラベル (      )", 10, 10),
            name_label("LabelNAME", "NAME", "LabelE"),
            edit("EditA", {10, 30, 100, 20}),
            edit("EditA2", {120, 30, 100, 20}),
            mask_edit("MaskTime", {230, 30, 60, 20}, "00:00", "  :  "),
            combo_edit("ComboTarget", {10, 60, 100, 20}, {"_blank", "_top"}),
            combo_list("ComboList", {120, 60, 100, 20}, {"", "a", "b"}),
            color_combo("ComboColor", {230, 60, 100, 20}),
            check_box("CheckB", "チェック", {10, 90, 0, 0}),
            radio_group("RadioC", "ラジオ", {"0", "1", "2", "3"}, {10, 120, 200, 60}, 0, 2),
            spin("SpinD", {230, 120, 60, 20}, 0, 10),
            button("ButtonGo", "Go", {300, 120, 60, 20}),
            panel("PanelF", "", {10, 200, 200, 25}),
            hidden_list("RadioCx", {"", "x"}),
            hidden_label("LabelHidden", "value"),
            ok_button(230, 260),
            cancel_button(310, 260),
        },
        .tab_order = {"EditA", "EditA2", "MaskTime", "ComboTarget", "ComboList", "ComboColor", "CheckB", "RadioC",
                      "SpinD", "ButtonGo"},
        .handlers = {{"ButtonGo", Rewrite}},
    };
    return d;
}

}  // namespace

TEST(ControlKinds, EachKindGetsItsWidget) {
    ShownDialog v(kinds());
    EXPECT_TRUE(v.get<QLabel>("LabelE"));
    EXPECT_EQ(v.get<QLabel>("LabelNAME")->font().family(), QString("ＭＳ ゴシック"));
    EXPECT_EQ(v.get<QLineEdit>("MaskTime")->inputMask(), QString("99:99"));
    EXPECT_TRUE(v.get<QComboBox>("ComboTarget")->isEditable());
    EXPECT_FALSE(v.get<QComboBox>("ComboList")->isEditable());
    EXPECT_EQ(v.get<QComboBox>("ComboColor")->count(), 22);
    EXPECT_EQ(v.window.findChildren<QRadioButton*>().size(), 4);
    EXPECT_TRUE(v.get<QSpinBox>("SpinD"));
    EXPECT_EQ(v.get<QLabel>("PanelF")->frameShadow(), QFrame::Sunken);
    // Hidden twins and value labels have no widget.
    EXPECT_EQ(v.window.widget("RadioCx"), nullptr);
    EXPECT_EQ(v.window.widget("LabelHidden"), nullptr);
    // Two columns: items 0 and 1 in the first, 2 and 3 in the second.
    auto* r0 = v.get<QRadioButton>("RadioC_0");
    auto* r2 = v.get<QRadioButton>("RadioC_2");
    EXPECT_LT(r0->x(), r2->x());
    EXPECT_EQ(r0->y(), r2->y());
    // The first of the tab order has the focus when the dialog opens.
    EXPECT_TRUE(v.get<QLineEdit>("EditA")->hasFocus());
}

TEST(ControlKinds, UserEditsReachTheModel) {
    ShownDialog v(kinds());
    Form& f = v.dialog.form();
    EXPECT_EQ(f.text("MaskTime"), "  :  ");
    auto* mask = v.get<QLineEdit>("MaskTime");
    mask->setFocus();
    mask->home(false);
    QApplication::processEvents();
    v.type("0a1");  // a letter is refused
    EXPECT_EQ(f.text("MaskTime"), "01:  ");
    v.get<QLineEdit>("EditA")->setText("typed \"q\"");
    v.get<QComboBox>("ComboTarget")->setEditText("_self");
    v.get<QComboBox>("ComboList")->setCurrentIndex(1);
    v.get<QCheckBox>("CheckB")->click();
    v.get<QRadioButton>("RadioC_2")->click();
    v.get<QSpinBox>("SpinD")->setValue(4);
    EXPECT_EQ(f.text("EditA"), "typed \"q\"");
    EXPECT_EQ(f.text("ComboTarget"), "_self");
    EXPECT_EQ(f.selected("ComboList"), 1);
    EXPECT_EQ(f.text("ComboList"), "a");
    EXPECT_TRUE(f.checked("CheckB"));
    EXPECT_EQ(f.selected("RadioC"), 2);
    EXPECT_EQ(f.spin("SpinD"), 4);
}

TEST(ControlKinds, HandlerChangesReachTheWidgets) {
    ShownDialog v(kinds());
    v.get<QPushButton>("ButtonGo")->click();
    QApplication::processEvents();
    auto* edit = v.get<QLineEdit>("EditA");
    EXPECT_EQ(edit->text(), QString("from handler"));
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(v.get<QLineEdit>("MaskTime")->text(), QString("12:34"));
    EXPECT_EQ(v.get<QComboBox>("ComboTarget")->currentText(), QString("_top"));
    EXPECT_EQ(v.get<QComboBox>("ComboList")->currentText(), QString("b"));
    EXPECT_TRUE(v.get<QCheckBox>("CheckB")->isChecked());
    EXPECT_TRUE(v.get<QRadioButton>("RadioC_3")->isChecked());
    EXPECT_FALSE(v.get<QRadioButton>("RadioC_0")->isChecked());
    EXPECT_EQ(v.get<QSpinBox>("SpinD")->text(), QString("7"));
    EXPECT_EQ(v.get<QLabel>("LabelE")->text(), QString("changed"));
    EXPECT_EQ(v.get<QLabel>("PanelF")->text(), QString("<BODY>"));
    EXPECT_TRUE(v.get<QLineEdit>("EditA2")->hasFocus());
}

TEST(ControlKinds, SpinEditPullsBackOnFocusLoss) {
    ShownDialog v(kinds());
    auto* spin = v.get<QSpinBox>("SpinD");
    spin->setFocus();
    QApplication::processEvents();
    spin->setValue(150);  // typed beyond the limit
    EXPECT_EQ(v.dialog.form().text("SpinD"), "150");
    v.get<QLineEdit>("EditA")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(v.dialog.form().text("SpinD"), "10");
    EXPECT_EQ(spin->text(), QString("10"));
    // The arrows stay within the limits.
    spin->stepBy(5);
    EXPECT_EQ(spin->value(), 10);
    // A field left empty reads as the minimum and then shows it.
    spin->setFocus();
    QApplication::processEvents();
    spin->findChild<QLineEdit*>()->clear();
    EXPECT_EQ(v.dialog.form().text("SpinD"), "");
    EXPECT_EQ(v.dialog.form().spin("SpinD"), 0);
    v.get<QLineEdit>("EditA")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(v.dialog.form().text("SpinD"), "0");
    EXPECT_EQ(spin->text(), QString("0"));
}

TEST(ControlKinds, TypedComboTextIsNotCompleted) {
    ShownDialog v(kinds());
    QLineEdit* line = v.get<QComboBox>("ComboColor")->lineEdit();
    v.focus(line);
    v.type("gr");
    EXPECT_EQ(v.dialog.form().text("ComboColor"), "gr");
}

TEST(ControlKinds, DownInAnEmptyEditableComboPicksTheFirstItem) {
    for (CaseSettings cs : {CaseSettings{0, 0, 1}, CaseSettings{0, 0, 0}}) {
        ShownDialog v(kinds(), cs);  // upper-case values refill the colour list
        for (auto [name, first] : {std::pair{"ComboTarget", "_blank"}, {"ComboColor", cs.lower(Role::Value) ? "black" : "BLACK"}}) {
            auto* combo = v.get<QComboBox>(name);
            v.key(combo, Qt::Key_Down);
            EXPECT_EQ(combo->currentText(), QString(first)) << name;
            EXPECT_EQ(v.dialog.form().text(name), first) << name;
        }
    }
}

TEST(ControlKinds, LongPastedTextsReachTheModelWhole) {
    ShownDialog v(kinds());
    Form& f = v.dialog.form();
    const QString text = QString("表示\"x\" ").repeated(10000);  // 60000 characters
    v.get<QLineEdit>("EditA")->setText(text);
    v.get<QComboBox>("ComboTarget")->setEditText(text);
    EXPECT_EQ(QString::fromStdString(f.text("EditA")), text);
    EXPECT_EQ(QString::fromStdString(f.text("ComboTarget")), text);
}
