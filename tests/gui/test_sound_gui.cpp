// The sound and plug-in dialogs on the offscreen platform: spin edits that
// step by 100 below zero, the masked time fields, the enabling rules and the
// size presets as the widgets show them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "dialogs/dialogs.h"
#include "shown_dialog.h"

using namespace corvane;
using namespace corvane::test;

TEST(SoundGui, VolumeStepsBy100BelowZeroAndTheLoopCountFollowsItsItem) {
    ShownDialog s(TFormBGSOUND());
    auto* volume = s.get<QSpinBox>("CSpinEditVOLUME");
    auto* balance = s.get<QSpinBox>("CSpinEditBALANCE");
    auto* count = s.get<QSpinBox>("CSpinEditLOOP");
    for (int i = 0; i < 5; ++i) s.key(volume, Qt::Key_Down);
    EXPECT_EQ(volume->text(), QString("-500"));
    s.key(volume, Qt::Key_Up);  // 0 is the top: no further
    for (int i = 0; i < 10; ++i) s.press(Qt::Key_Up);
    EXPECT_EQ(volume->text(), QString("0"));
    s.key(balance, Qt::Key_Up);
    EXPECT_EQ(balance->text(), QString("100"));

    EXPECT_FALSE(count->isEnabled());
    s.get<QRadioButton>("RadioGroupLOOP_2")->click();
    EXPECT_TRUE(count->isEnabled());
    s.key(count, Qt::Key_Up);
    s.get<QRadioButton>("RadioGroupLOOP_1")->click();
    EXPECT_FALSE(count->isEnabled());
    EXPECT_EQ(count->text(), QString("1"));  // kept while disabled

    s.focus(volume);
    volume->selectAll();
    s.type("-20000");
    s.focus(balance);  // leaving the field pulls it within its limits
    EXPECT_EQ(volume->text(), QString("-10000"));
    s.get<QPushButton>("ButtonOK")->click();
    EXPECT_EQ(s.host.start, "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" LOOP=\"infinite\" VOLUME=\"-10000\" BALANCE=\"100\">");
    EXPECT_EQ(s.host.end, "");
}

TEST(SoundGui, LiveAudioTimesPresetsAndHiddenConsole) {
    ShownDialog s(TFormLiveAudio());
    auto* start = s.get<QLineEdit>("MaskEditSTARTTIME");
    EXPECT_EQ(start->displayText(), QString("  :  "));
    s.focus(start);
    start->home(false);
    s.type("0010");
    EXPECT_EQ(start->displayText(), QString("00:10"));

    s.get<QRadioButton>("RadioGroupCONTROLS_4")->click();
    EXPECT_EQ(s.get<QLineEdit>("EditWIDTH")->text(), QString("37"));
    EXPECT_EQ(s.get<QLineEdit>("EditHEIGHT")->text(), QString("22"));

    s.get<QCheckBox>("CheckBoxHIDDEN")->click();
    for (const char* name : {"RadioGroupCONTROLS", "EditWIDTH", "EditHEIGHT", "ComboBoxALIGN"})
        EXPECT_FALSE(s.window.widget(name)->isEnabled()) << name;
    s.get<QCheckBox>("CheckBoxMASTERSOUND")->click();
    EXPECT_FALSE(s.window.widget("CSpinEditVOLUME")->isEnabled());
    EXPECT_TRUE(s.window.widget("EditNAME")->isEnabled());
    s.get<QPushButton>("ButtonOK")->click();
    EXPECT_EQ(s.host.start,
              "<EMBED SRC=\"\" TYPE=\"audio/midi\" HIDDEN AUTOSTART=\"true\" STARTTIME=\"00:10\" MASTERSOUND>");
}

TEST(SoundGui, PluginPageBoxIsEditableAndEnabledByItsCheckBox) {
    ShownDialog s(TFormMIDPLUG(), {1, 1, 0});
    auto* page = s.get<QComboBox>("ComboBoxPLUGINSPAGE");
    EXPECT_TRUE(page->isEditable());
    EXPECT_FALSE(page->isEnabled());
    ASSERT_EQ(page->count(), 2);
    EXPECT_EQ(page->itemText(0), QString("http://plugins.example/midplug/"));
    s.get<QCheckBox>("CheckBoxPLUGINSPAGE")->click();
    EXPECT_TRUE(page->isEnabled());
    page->setCurrentIndex(1);
    s.get<QRadioButton>("RadioGroupPANEL_5")->click();
    EXPECT_FALSE(s.window.widget("EditTEXT")->isEnabled());
    s.get<QPushButton>("ButtonOK")->click();
    EXPECT_EQ(s.host.start,
              "<embed src=\"\" type=\"AUDIO/MIDI\" pluginspage=\"http://plugins.example/midplug/ja/\" width=\"2\" "
              "height=\"2\">");
}
