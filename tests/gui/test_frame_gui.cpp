// The Qt view of the shared dialog behaviour: keys, buttons, focus and what
// reaches the editor, on the offscreen platform.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/switches.h"
#include "dialogs/dialogs.h"
#include "shown_dialog.h"
#include "frame/qt/qtplatform.h"

using namespace corvane;
using namespace corvane::test;

namespace {


}  // namespace

TEST(FrameGui, WindowStyleAndPlacement) {
    ShownDialog r(TFormFONT());
    EXPECT_TRUE(r.window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(r.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(r.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(r.window.size(), QSize(304, 184));
    EXPECT_EQ(r.window.minimumSize(), r.window.maximumSize());
    EXPECT_EQ(r.window.pos(), QPoint(100, 120));
    EXPECT_EQ(r.window.windowTitle(), QString("Pelinor - HTML : フォント <FONT>"));
    auto* ok = r.get<QPushButton>("ButtonOK");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), QString("OK(&O)"));
    EXPECT_EQ(ok->size(), QSize(73, 25));
    EXPECT_FALSE(ok->isDefault() || ok->autoDefault());
    EXPECT_EQ(ok->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(r.get<QPushButton>("ButtonCancel")->text(), QString("ｷｬﾝｾﾙ(&C)"));
}

TEST(FrameGui, EnterInAnEditConfirmsWithTheTypedValues) {
    ShownDialog r(TFormFONT());
    r.get<QRadioButton>("RadioGroupSIZE_3")->click();
    r.get<QComboBox>("ComboBoxSIZE")->setCurrentIndex(1);
    auto* color = r.get<QComboBox>("ComboBoxCOLOR");
    color->setCurrentIndex(5);
    r.key(color->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(r.host.set_data_count, 1);
    EXPECT_EQ(r.host.start, "<FONT SIZE=\"+3\" COLOR=\"red\">");
    EXPECT_EQ(r.host.end, "</FONT>");
    EXPECT_FALSE(r.window.isVisible());
    EXPECT_EQ(r.run.closed_count, 1);
}

TEST(FrameGui, EnterWithShiftOrCtrlStillConfirms) {
    for (auto mods : {Qt::ShiftModifier, Qt::ControlModifier}) {
        ShownDialog r(TFormHR());
        r.key(r.get<QLineEdit>("EditSIZE"), Qt::Key_Return, mods);
        EXPECT_EQ(r.host.set_data_count, 1);
    }
}

TEST(FrameGui, EscapeClosesWithoutCallingTheHost) {
    ShownDialog r(TFormHR());
    r.key(r.get<QLineEdit>("EditSIZE"), Qt::Key_Escape);
    EXPECT_FALSE(r.window.isVisible());
    EXPECT_EQ(r.run.closed_count, 1);
    EXPECT_EQ(r.host.set_data_count, 0);
}

TEST(FrameGui, CloseBoxAndCancelCallNothing) {
    ShownDialog a(TFormHn());
    a.window.close();
    EXPECT_EQ(a.run.closed_count, 1);
    EXPECT_EQ(a.host.set_data_count, 0);
    ShownDialog b(TFormHn());
    b.get<QPushButton>("ButtonCancel")->click();
    EXPECT_FALSE(b.window.isVisible());
    EXPECT_EQ(b.host.set_data_count, 0);
}

TEST(FrameGui, EnterOnColourButtonOpensTheColourDialog) {
    ShownDialog r(TFormFONT());
    r.platform.colors = {Rgb{255, 128, 0}};
    r.key(r.get<QPushButton>("ButtonCOLOR"), Qt::Key_Return);
    EXPECT_EQ(r.host.set_data_count, 0);
    EXPECT_TRUE(r.window.isVisible());
    auto* color = r.get<QComboBox>("ComboBoxCOLOR");
    EXPECT_EQ(color->currentText(), QString("#FF8000"));
    EXPECT_TRUE(color->hasFocus() || color->lineEdit()->hasFocus());
    // Enter now sits in the combo box and confirms.
    r.key(color->lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(r.host.start, "<FONT COLOR=\"#FF8000\">");
}

TEST(FrameGui, FlippedCaseShowsLowerNamesAndUpperValues) {
    ShownDialog r(TFormFONT(), {1, 1, 0});
    EXPECT_EQ(r.window.windowTitle(), QString("Pelinor - HTML : フォント <font>"));
    EXPECT_EQ(r.get<QLabel>("StaticTextSIZE")->text(), QString("size"));
    EXPECT_EQ(r.get<QLabel>("LabelCOLOR")->text(), QString("color"));
    auto* color = r.get<QComboBox>("ComboBoxCOLOR");
    EXPECT_EQ(color->itemText(0), QString("BLACK"));
    EXPECT_EQ(color->itemText(21), QString("PINK"));
    EXPECT_EQ(color->currentText(), QString());
}

TEST(FrameGui, TabFollowsTheDesignAndEntersRadioGroupsAtTheirSelection) {
    ShownDialog r(TFormHn());
    struct Step {
        int key;
        const char* focus;  // after the key
        int size, align;
    };
    const Step steps[] = {
        {Qt::Key_Tab, "RadioGroupSize_0", 0, 0},   {Qt::Key_Down, "RadioGroupSize_1", 1, 0},
        {Qt::Key_Tab, "RadioGroupALIGN_0", 1, 0},  {Qt::Key_Down, "RadioGroupALIGN_1", 1, 1},
        {Qt::Key_Down, "RadioGroupALIGN_2", 1, 2}, {Qt::Key_Tab, "EditTitle", 1, 2},
        {Qt::Key_Tab, "RadioGroupSize_1", 1, 2},   {Qt::Key_Backtab, "EditTitle", 1, 2},
    };
    r.focus(r.get<QLineEdit>("EditTitle"));
    for (const Step& s : steps) {
        r.press(s.key, {}, s.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_TRUE(QApplication::focusWidget());
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString(s.focus));
        EXPECT_EQ(r.dialog.form().selected("RadioGroupSize"), s.size);
        EXPECT_EQ(r.dialog.form().selected("RadioGroupALIGN"), s.align);
    }
    // OK and Cancel are never reached by Tab.
    EXPECT_EQ(r.get<QPushButton>("ButtonOK")->focusPolicy(), Qt::ClickFocus);
}

TEST(FrameGui, TabFromTheColourBoxReachesItsButtonWhereEnterOpensTheDialog) {
    ShownDialog r(TFormFONT());
    r.platform.colors = {std::nullopt};
    r.focus(r.get<QComboBox>("ComboBoxCOLOR")->lineEdit());
    r.type("blue");
    r.press(Qt::Key_Tab);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString("ButtonCOLOR"));
    r.press(Qt::Key_Return);
    EXPECT_EQ(r.platform.color_initials.size(), 1u);
    EXPECT_EQ(r.host.set_data_count, 0);
    EXPECT_EQ(r.dialog.form().text("ComboBoxCOLOR"), "blue");
}

TEST(FrameGui, AColourTypedByHandStaysAsTypedWhenLeavingTheBox) {
    ShownDialog r(TFormFONT(), {0, 0, 0});  // the list holds RED
    r.focus(r.get<QComboBox>("ComboBoxCOLOR")->lineEdit());
    r.type("Red");
    r.press(Qt::Key_Tab);
    r.key(r.get<QCheckBox>("CheckBoxOmit"), Qt::Key_Return);
    EXPECT_EQ(r.host.start, "<FONT COLOR=\"Red\">");
}

TEST(FrameGui, TheDialogGetsTheKeyboardBackWhenAPlatformDialogCloses) {
    // Where no window manager hands the keyboard back, the dialog takes it
    // itself, so Enter and Escape keep working after a colour or file dialog.
    ShownDialog r(TFormTABLE());
    QtPlatform platform;
    platform.set_parent(&r.window);
    auto close_the_platform_dialog = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                QWidget other;
                other.show();
                other.activateWindow();  // the keyboard goes elsewhere meanwhile
                QApplication::processEvents();
                d->reject();
            }
        });
    };
    close_the_platform_dialog();
    EXPECT_FALSE(platform.open_file("", {{"cgi (*.cgi)", {"*.cgi"}}}));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &r.window);
    close_the_platform_dialog();
    EXPECT_FALSE(platform.choose_color({0, 0, 0}));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &r.window);
}
