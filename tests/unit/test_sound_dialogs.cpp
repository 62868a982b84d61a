// Builders, show step, enabling rules, size presets and file browsing of the
// sound and plug-in dialogs BGSOUND, LiveAudio and MIDPLUG.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "fakes.h"
#include "scratch_files.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};
const CaseSettings kValuesUpper{0, 0, 0};
const CaseSettings kFlipped{1, 1, 0};

using Act = std::function<void(Form&)>;

// Runs the dialog's own click handler of `control`, as a click in the view
// does after the model took the new state.
void click(Form& f, const std::string& control) {
    static RecordingHost host;
    static FakePlatform platform;
    DialogEnv env{host, platform, [] {}, ""};
    for (const ClickHandler& h : f.design().handlers)
        if (h.control == control) h.handler(f, env);
}
void choose(Form& f, const std::string& group, int item) {
    f[group].selected = item;
    click(f, group);
}
void check(Form& f, const std::string& box, bool on = true) {
    f[box].checked = on;
    click(f, box);
}

// Sets edit, spin and mask texts.
Act texts(std::vector<std::pair<const char*, const char*>> values, Act more = [](Form&) {}) {
    return [=](Form& f) {
        for (auto& [name, text] : values) f[name].text = text;
        more(f);
    };
}

}  // namespace

TEST(SoundDialogs, Builders) {
    const char* bgm = "sound/bgm.mid";
    expect_builds({
        // BGSOUND
        {"bgsound: endless, volume -500", TFormBGSOUND, kDefault,
         texts({{"EditSRC", bgm}, {"CSpinEditVOLUME", "-500"}}, [](Form& f) { choose(f, "RadioGroupLOOP", 1); }),
         "<BGSOUND SRC=\"sound/bgm.mid\" TYPE=\"audio/midi\" LOOP=\"infinite\" VOLUME=\"-500\">", ""},
        {"bgsound: 3 times, values upper", TFormBGSOUND, kValuesUpper,
         texts({{"EditSRC", bgm}}, [](Form& f) { choose(f, "RadioGroupLOOP", 2), f["CSpinEditLOOP"].text = "3"; }),
         "<BGSOUND SRC=\"sound/bgm.mid\" TYPE=\"AUDIO/MIDI\" LOOP=\"3\">", ""},
        {"bgsound: defaults", TFormBGSOUND, kDefault, texts({}), "<BGSOUND SRC=\"\" TYPE=\"audio/midi\">", ""},
        {"bgsound: a wave file is still audio/midi", TFormBGSOUND, kDefault, texts({{"EditSRC", "a.wav"}}),
         "<BGSOUND SRC=\"a.wav\" TYPE=\"audio/midi\">", ""},
        {"bgsound: count 0 is written", TFormBGSOUND, kDefault,
         texts({}, [](Form& f) { choose(f, "RadioGroupLOOP", 2); }),
         "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" LOOP=\"0\">", ""},
        {"bgsound: balance either side, volume pulled to its limit", TFormBGSOUND, kDefault,
         texts({{"CSpinEditVOLUME", "-20000"}, {"CSpinEditBALANCE", "-300"}}),
         "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" VOLUME=\"-10000\" BALANCE=\"-300\">", ""},
        {"bgsound: positive volume and balance beyond the limits", TFormBGSOUND, kDefault,
         texts({{"CSpinEditVOLUME", "400"}, {"CSpinEditBALANCE", "12000"}}),
         "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" BALANCE=\"10000\">", ""},
        {"bgsound: an emptied volume reads as its minimum", TFormBGSOUND, kDefault, texts({{"CSpinEditVOLUME", ""}}),
         "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" VOLUME=\"-10000\">", ""},
        {"bgsound: all lower", TFormBGSOUND, {1, 1, 1},
         texts({{"EditSRC", "A.MID"}, {"CSpinEditBALANCE", "100"}}, [](Form& f) { choose(f, "RadioGroupLOOP", 1); }),
         "<bgsound src=\"A.MID\" type=\"audio/midi\" loop=\"infinite\" balance=\"100\">", ""},
        {"bgsound: flipped", TFormBGSOUND, kFlipped, texts({}, [](Form& f) { choose(f, "RadioGroupLOOP", 1); }),
         "<bgsound src=\"\" type=\"AUDIO/MIDI\" loop=\"INFINITE\">", ""},
        {"bgsound: the count stays for another choice", TFormBGSOUND, kDefault,
         texts({{"CSpinEditLOOP", "9"}}, [](Form& f) { choose(f, "RadioGroupLOOP", 1); }),
         "<BGSOUND SRC=\"\" TYPE=\"audio/midi\" LOOP=\"infinite\">", ""},

        // LiveAudio
        {"liveaudio: defaults", TFormLiveAudio, kDefault, texts({{"EditSRC", "a.mid"}}),
         "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" WIDTH=\"144\" HEIGHT=\"60\" AUTOSTART=\"true\">", ""},
        {"liveaudio: hidden, start time, master sound", TFormLiveAudio, kDefault,
         texts({{"EditSRC", "a.mid"}, {"MaskEditSTARTTIME", "00:10"}, {"EditNAME", "bgm"}},
               [](Form& f) { check(f, "CheckBoxHIDDEN"), check(f, "CheckBoxMASTERSOUND"); }),
         "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" HIDDEN AUTOSTART=\"true\" STARTTIME=\"00:10\" MASTERSOUND "
         "NAME=\"bgm\">",
         ""},
        {"liveaudio: hidden drops controls and their size", TFormLiveAudio, kDefault,
         texts({{"ComboBoxALIGN", "left"}},
               [](Form& f) { choose(f, "RadioGroupCONTROLS", 3), check(f, "CheckBoxHIDDEN"); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" HIDDEN AUTOSTART=\"true\">", ""},
        {"liveaudio: unhidden brings them back", TFormLiveAudio, kDefault,
         texts({{"ComboBoxALIGN", "left"}},
               [](Form& f) {
                   choose(f, "RadioGroupCONTROLS", 3), check(f, "CheckBoxHIDDEN"), check(f, "CheckBoxHIDDEN", false);
               }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" CONTROLS=\"volumelever\" WIDTH=\"74\" HEIGHT=\"20\" ALIGN=\"left\" "
         "AUTOSTART=\"true\">",
         ""},
        {"liveaudio: small console, no autostart, loop false, end time", TFormLiveAudio, kDefault,
         texts({{"MaskEditENDTIME", "01:30"}},
               [](Form& f) {
                   choose(f, "RadioGroupCONTROLS", 2), choose(f, "RadioGroupAUTOSTART", 0);
                   choose(f, "RadioGroupLOOP", 1);
               }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" CONTROLS=\"smallconsole\" WIDTH=\"144\" HEIGHT=\"15\" LOOP=\"false\" "
         "ENDTIME=\"01:30\">",
         ""},
        {"liveaudio: emptied sizes, loop 5 times, volume 50", TFormLiveAudio, kDefault,
         texts({{"EditWIDTH", ""}, {"EditHEIGHT", ""}, {"CSpinEditVOLUME", "50"}},
               [](Form& f) { choose(f, "RadioGroupLOOP", 3), f["CSpinEditLOOP"].text = "5"; }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" AUTOSTART=\"true\" LOOP=\"5\" VOLUME=\"50\">", ""},
        {"liveaudio: a partly typed time is written as it stands", TFormLiveAudio, kDefault,
         texts({{"EditWIDTH", ""}, {"EditHEIGHT", ""}, {"MaskEditSTARTTIME", "1 :  "}}),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" AUTOSTART=\"true\" STARTTIME=\"1 :  \">", ""},
        {"liveaudio: master sound never writes the volume; empty name", TFormLiveAudio, kDefault,
         texts({{"EditWIDTH", ""}, {"EditHEIGHT", ""}, {"CSpinEditVOLUME", "80"}},
               [](Form& f) { check(f, "CheckBoxMASTERSOUND"); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" AUTOSTART=\"true\" MASTERSOUND>", ""},
        {"liveaudio: volume pulled to 100", TFormLiveAudio, kDefault,
         texts({{"EditWIDTH", ""}, {"EditHEIGHT", ""}, {"CSpinEditVOLUME", "150"}}),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" AUTOSTART=\"true\" VOLUME=\"100\">", ""},
        {"liveaudio: values upper, align picked from the list", TFormLiveAudio, kValuesUpper,
         [](Form& f) {
             choose(f, "RadioGroupCONTROLS", 6);
             f["ComboBoxALIGN"].selected = 3;
             f["ComboBoxALIGN"].text = f.item("ComboBoxALIGN", 3);
         },
         "<EMBED SRC=\"\" TYPE=\"AUDIO/MIDI\" CONTROLS=\"PAUSEBUTTON\" WIDTH=\"37\" HEIGHT=\"22\" ALIGN=\"ABSMIDDLE\" "
         "AUTOSTART=\"TRUE\">",
         ""},
        {"liveaudio: flipped", TFormLiveAudio, kFlipped, [](Form& f) { check(f, "CheckBoxHIDDEN"); },
         "<embed src=\"\" type=\"AUDIO/MIDI\" hidden autostart=\"TRUE\">", ""},

        // MIDPLUG
        {"midplug: defaults", TFormMIDPLUG, kDefault, texts({{"EditSRC", "a.mid"}}),
         "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" WIDTH=\"150\" HEIGHT=\"40\" PANEL=\"0\" TEXT=\"\">", ""},
        {"midplug: medium black panel, no repeat, may save", TFormMIDPLUG, kDefault,
         texts({{"EditSRC", "a.mid"}},
               [](Form& f) {
                   choose(f, "RadioGroupPANEL", 3), choose(f, "RadioGroupREPEAT", 1);
                   choose(f, "RadioGroupSAVE", 2);
               }),
         "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" WIDTH=\"100\" HEIGHT=\"30\" PANEL=\"1\" REPEAT=\"false\" "
         "SAVE=\"true\">",
         ""},
        {"midplug: a medium panel never writes its text", TFormMIDPLUG, kDefault,
         texts({{"EditTEXT", "Hi"}}, [](Form& f) { choose(f, "RadioGroupPANEL", 2); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" WIDTH=\"100\" HEIGHT=\"30\" PANEL=\"0\">", ""},
        {"midplug: large black panel with text", TFormMIDPLUG, kDefault,
         texts({{"EditTEXT", " My tune "}}, [](Form& f) { choose(f, "RadioGroupPANEL", 1); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" WIDTH=\"150\" HEIGHT=\"40\" PANEL=\"1\" TEXT=\" My tune \">", ""},
        {"midplug: small panel", TFormMIDPLUG, kDefault, [](Form& f) { choose(f, "RadioGroupPANEL", 4); },
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" WIDTH=\"40\" HEIGHT=\"35\">", ""},
        {"midplug: no panel, repeat 7 times", TFormMIDPLUG, kDefault,
         [](Form& f) {
             choose(f, "RadioGroupPANEL", 5), choose(f, "RadioGroupREPEAT", 3);
             f["CSpinEditREPEAT"].text = "7";
         },
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" WIDTH=\"2\" HEIGHT=\"2\" REPEAT=\"7\">", ""},
        {"midplug: plug-in page checked but empty", TFormMIDPLUG, kDefault,
         texts({{"EditWIDTH", ""}, {"EditHEIGHT", ""}}, [](Form& f) { check(f, "CheckBoxPLUGINSPAGE"); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" PLUGINSPAGE=\"\" PANEL=\"0\" TEXT=\"\">", ""},
        {"midplug: plug-in page picked, values upper, autostart off", TFormMIDPLUG, kValuesUpper,
         [](Form& f) {
             check(f, "CheckBoxPLUGINSPAGE");
             f["ComboBoxPLUGINSPAGE"].text = f.item("ComboBoxPLUGINSPAGE", 0);
             choose(f, "RadioGroupPANEL", 5), choose(f, "RadioGroupAUTOSTART", 1);
         },
         "<EMBED SRC=\"\" TYPE=\"AUDIO/MIDI\" PLUGINSPAGE=\"http://plugins.example/midplug/\" WIDTH=\"2\" "
         "HEIGHT=\"2\" AUTOSTART=\"FALSE\">",
         ""},
        {"midplug: a page typed while unchecked is not written", TFormMIDPLUG, kDefault,
         texts({{"ComboBoxPLUGINSPAGE", "http://x.example/"}}, [](Form& f) { choose(f, "RadioGroupPANEL", 5); }),
         "<EMBED SRC=\"\" TYPE=\"audio/midi\" WIDTH=\"2\" HEIGHT=\"2\">", ""},
        {"midplug: flipped", TFormMIDPLUG, kFlipped, [](Form& f) { choose(f, "RadioGroupSAVE", 1); },
         "<embed src=\"\" type=\"AUDIO/MIDI\" width=\"150\" height=\"40\" panel=\"0\" text=\"\" save=\"FALSE\">", ""},
    });
}

TEST(SoundDialogs, EnablingRulesFollowTheClicksAndKeepValues) {
    struct Step {
        const char* what;
        const DialogDesign& (*design)();
        Act act;
        std::vector<std::pair<const char*, bool>> enabled;
    };
    const Step steps[] = {
        {"bgsound at start", TFormBGSOUND, [](Form&) {}, {{"CSpinEditLOOP", false}}},
        {"bgsound count item", TFormBGSOUND, [](Form& f) { choose(f, "RadioGroupLOOP", 2); },
         {{"CSpinEditLOOP", true}}},
        {"bgsound endless", TFormBGSOUND, [](Form& f) { choose(f, "RadioGroupLOOP", 2), choose(f, "RadioGroupLOOP", 1); },
         {{"CSpinEditLOOP", false}}},
        {"liveaudio at start", TFormLiveAudio, [](Form&) {},
         {{"CSpinEditLOOP", false}, {"EditNAME", false}, {"CSpinEditVOLUME", true}, {"RadioGroupCONTROLS", true}}},
        {"liveaudio loop true is no count", TFormLiveAudio, [](Form& f) { choose(f, "RadioGroupLOOP", 2); },
         {{"CSpinEditLOOP", false}}},
        {"liveaudio loop count", TFormLiveAudio, [](Form& f) { choose(f, "RadioGroupLOOP", 3); },
         {{"CSpinEditLOOP", true}}},
        {"liveaudio hidden", TFormLiveAudio, [](Form& f) { check(f, "CheckBoxHIDDEN"); },
         {{"RadioGroupCONTROLS", false}, {"EditWIDTH", false}, {"EditHEIGHT", false}, {"ComboBoxALIGN", false},
          {"CSpinEditVOLUME", true}}},
        {"liveaudio shown again", TFormLiveAudio,
         [](Form& f) { check(f, "CheckBoxHIDDEN"), check(f, "CheckBoxHIDDEN", false); },
         {{"RadioGroupCONTROLS", true}, {"EditWIDTH", true}, {"EditHEIGHT", true}, {"ComboBoxALIGN", true}}},
        {"liveaudio master sound", TFormLiveAudio, [](Form& f) { check(f, "CheckBoxMASTERSOUND"); },
         {{"CSpinEditVOLUME", false}, {"EditNAME", true}}},
        {"liveaudio master sound off", TFormLiveAudio,
         [](Form& f) { check(f, "CheckBoxMASTERSOUND"), check(f, "CheckBoxMASTERSOUND", false); },
         {{"CSpinEditVOLUME", true}, {"EditNAME", false}}},
        {"midplug at start", TFormMIDPLUG, [](Form&) {},
         {{"ComboBoxPLUGINSPAGE", false}, {"CSpinEditREPEAT", false}, {"EditTEXT", true}}},
        {"midplug plug-in page", TFormMIDPLUG, [](Form& f) { check(f, "CheckBoxPLUGINSPAGE"); },
         {{"ComboBoxPLUGINSPAGE", true}}},
        {"midplug plug-in page off", TFormMIDPLUG,
         [](Form& f) { check(f, "CheckBoxPLUGINSPAGE"), check(f, "CheckBoxPLUGINSPAGE", false); },
         {{"ComboBoxPLUGINSPAGE", false}}},
        {"midplug medium panel", TFormMIDPLUG, [](Form& f) { choose(f, "RadioGroupPANEL", 2); },
         {{"EditTEXT", false}}},
        {"midplug large black panel", TFormMIDPLUG, [](Form& f) { choose(f, "RadioGroupPANEL", 5), choose(f, "RadioGroupPANEL", 1); },
         {{"EditTEXT", true}}},
        {"midplug repeat count", TFormMIDPLUG, [](Form& f) { choose(f, "RadioGroupREPEAT", 3); },
         {{"CSpinEditREPEAT", true}}},
        {"midplug repeat true", TFormMIDPLUG, [](Form& f) { choose(f, "RadioGroupREPEAT", 3), choose(f, "RadioGroupREPEAT", 2); },
         {{"CSpinEditREPEAT", false}}},
    };
    for (const Step& s : steps) {
        Form f(s.design());
        for (Control& c : f.controls())
            if (c.kind() == Kind::Edit) c.text = c.text.empty() ? "typed" : c.text;
        s.act(f);
        for (auto [name, on] : s.enabled) EXPECT_EQ(f[name].enabled, on) << s.what << ": " << name;
        // Disabling never clears what a field holds.
        for (const char* field : {"EditNAME", "EditTEXT"}) {
            if (f.find(field)) {
                EXPECT_EQ(f.text(field), "typed") << s.what;
            }
        }
    }
}

TEST(SoundDialogs, SizePresetsOverwriteTypedSizes) {
    struct Case {
        const DialogDesign& (*design)();
        const char* group;
        int item;
        const char* width;
        const char* height;
    };
    const Case cases[] = {
        {TFormLiveAudio, "RadioGroupCONTROLS", 0, "144", "60"}, {TFormLiveAudio, "RadioGroupCONTROLS", 1, "144", "60"},
        {TFormLiveAudio, "RadioGroupCONTROLS", 2, "144", "15"}, {TFormLiveAudio, "RadioGroupCONTROLS", 3, "74", "20"},
        {TFormLiveAudio, "RadioGroupCONTROLS", 4, "37", "22"},  {TFormLiveAudio, "RadioGroupCONTROLS", 5, "37", "22"},
        {TFormLiveAudio, "RadioGroupCONTROLS", 6, "37", "22"},  {TFormMIDPLUG, "RadioGroupPANEL", 0, "150", "40"},
        {TFormMIDPLUG, "RadioGroupPANEL", 1, "150", "40"},      {TFormMIDPLUG, "RadioGroupPANEL", 2, "100", "30"},
        {TFormMIDPLUG, "RadioGroupPANEL", 3, "100", "30"},      {TFormMIDPLUG, "RadioGroupPANEL", 4, "40", "35"},
        {TFormMIDPLUG, "RadioGroupPANEL", 5, "2", "2"},
    };
    for (const Case& c : cases) {
        Form f(c.design());
        f["EditWIDTH"].text = "999";
        f["EditHEIGHT"].text = "";
        choose(f, c.group, c.item);
        EXPECT_EQ(f.text("EditWIDTH"), c.width) << c.group << " " << c.item;
        EXPECT_EQ(f.text("EditHEIGHT"), c.height) << c.group << " " << c.item;
    }
}

TEST(SoundDialogs, ShowStepAdaptsCaptionsLabelsAndValueLists) {
    struct Case {
        const DialogDesign& (*design)();
        CaseSettings cs;
        const char* caption;
        std::vector<std::pair<const char*, const char*>> labels;                 // caption of a label
        std::vector<std::tuple<const char*, int, const char*>> items;            // item of a list
    };
    const Case cases[] = {
        {TFormBGSOUND, kDefault, "Pelinor - HTML : BGM <BGSOUND>",
         {{"LabelSRC", "SRC"}, {"LabelTYPE", "TYPE"}, {"LabelAUDIOMIDI", "audio/midi"}, {"LabelINFINITE", "infinite"}},
         {{"RadioGroupLOOP", 1, "する   (\"infinite\")"}}},
        {TFormBGSOUND, kFlipped, "Pelinor - HTML : BGM <bgsound>",
         {{"LabelSRC", "src"}, {"LabelTYPE", "type"}, {"StaticTextLOOP", "loop"}, {"LabelVOLUME", "volume"},
          {"LabelBALANCE", "balance"}, {"LabelAUDIOMIDI", "AUDIO/MIDI"}, {"LabelINFINITE", "INFINITE"}},
         {{"RadioGroupLOOP", 1, "する   (\"INFINITE\")"}, {"RadioGroupLOOP", 2, "回数指定  →"}}},
        {TFormLiveAudio, kFlipped, "Pelinor - HTML : LiveAudio <embed>",
         {{"StaticTextHIDDEN", "hidden"}, {"StaticTextCONTROLS", "controls"}, {"StaticTextAUTOSTART", "autostart"},
          {"StaticTextLOOP", "loop"}, {"LabelWIDTH", "width"}, {"LabelHEIGHT", "height"}, {"LabelALIGN", "align"},
          {"LabelVOLUME", "volume"}, {"StaticTextMASTERSOUND", "mastersound"}, {"LabelNAME", "name"},
          {"LabelSTARTTIME", "starttime"}, {"LabelENDTIME", "endtime"}, {"LabelAUDIOMIDI", "AUDIO/MIDI"}},
         {{"RadioGroupCONTROLS", 2, "ｺﾝｿｰﾙ（小）  (\"SMALLCONSOLE\")"}, {"RadioGroupCONTROLSx", 2, "SMALLCONSOLE"},
          {"RadioGroupAUTOSTARTx", 2, "TRUE"}, {"RadioGroupLOOP", 2, "する   (\"TRUE\")"},
          {"RadioGroupLOOPx", 1, "FALSE"}, {"ComboBoxALIGN", 9, "RIGHT"}}},
        {TFormMIDPLUG, kDefault, "Pelinor - HTML : MIDPLUG <EMBED>", {{"StaticTextPLUGINSPAGE", "PLUGINSPAGE"}},
         {{"ComboBoxPLUGINSPAGE", 1, "http://plugins.example/midplug/ja/"}}},
        {TFormMIDPLUG, kFlipped, "Pelinor - HTML : MIDPLUG <embed>",
         {{"StaticTextPLUGINSPAGE", "pluginspage"}, {"StaticTextPANEL", "panel"}, {"StaticTextREPEAT", "repeat"},
          {"StaticTextSAVE", "save"}, {"LabelTEXT", "text"}, {"LabelTYPE", "type"}},
         {{"RadioGroupPANEL", 0, "ｻｲｽﾞ大, 白基調 (PANEL=\"0\")"}, {"RadioGroupSAVEx", 2, "TRUE"},
          {"RadioGroupREPEATx", 1, "FALSE"}, {"ComboBoxPLUGINSPAGE", 0, "http://plugins.example/midplug/"}}},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(c.design(), host, platform);
        dialog.create();
        dialog.FormShow(c.cs);
        const Form& f = dialog.form();
        EXPECT_EQ(f.caption, c.caption);
        for (auto [name, text] : c.labels) EXPECT_EQ(f.label(name), text) << c.caption << " " << name;
        for (auto [name, i, text] : c.items) EXPECT_EQ(f.item(name, i), text) << c.caption << " " << name << " " << i;
    }
}

TEST(SoundDialogs, DesignedStartState) {
    Form bg(TFormBGSOUND());
    EXPECT_EQ(bg.text("CSpinEditVOLUME"), "0");
    EXPECT_EQ(bg["CSpinEditVOLUME"].def->spin_spec().step, 100);
    EXPECT_EQ(bg["CSpinEditBALANCE"].def->spin_spec().min, -10000);
    EXPECT_EQ(bg["CSpinEditBALANCE"].def->spin_spec().max, 10000);
    Form live(TFormLiveAudio());
    EXPECT_EQ(live.text("MaskEditSTARTTIME"), "  :  ");
    EXPECT_EQ(live.text("MaskEditENDTIME"), "  :  ");
    EXPECT_EQ(live.selected("RadioGroupAUTOSTART"), 2);
    Form mid(TFormMIDPLUG());
    EXPECT_EQ(mid.text("EditWIDTH"), "150");
    EXPECT_EQ(mid.text("ComboBoxPLUGINSPAGE"), "");
    for (auto* d : {&TFormBGSOUND, &TFormLiveAudio, &TFormMIDPLUG})
        EXPECT_EQ(d().tab_order.front(), "EditSRC") << d().class_name;
}

// BGSOUND makes a path relative to the edited file's folder and focuses the
// field; the plug-in dialogs make a relative URL from the MIDI filters.
TEST(SoundDialogs, BrowseFillsTheSoundFile) {
    corvane::testing_files::ScratchDir dir;
    const std::string web = dir.path();
    std::filesystem::create_directories(web + "/site/snd");
    struct Case {
        const DialogDesign& (*design)();
        const char* edited;   // below the scratch folder; "" for no file
        const char* chosen;   // below the scratch folder
        const char* expected; // "<dir>" stands for the scratch folder
        const char* first_filter;
    };
    const Case cases[] = {
        {TFormBGSOUND, "/site/page.htm", "/site/snd/a.wav", "snd/a.wav", "音声ﾌｧｲﾙ (*.wav, *.au, *.mid, *.aif)"},
        {TFormBGSOUND, "/site/page.htm", "/site/a.mid", "a.mid", "音声ﾌｧｲﾙ (*.wav, *.au, *.mid, *.aif)"},
        {TFormBGSOUND, "/site/snd/page.htm", "/top.au", "../../top.au", "音声ﾌｧｲﾙ (*.wav, *.au, *.mid, *.aif)"},
        {TFormBGSOUND, "", "/site/a.mid", "<dir>/site/a.mid", "音声ﾌｧｲﾙ (*.wav, *.au, *.mid, *.aif)"},
        {TFormLiveAudio, "/site/page.htm", "/site/snd/b.mid", "snd/b.mid", "MIDIﾌｧｲﾙ (*.mid)"},
        {TFormMIDPLUG, "/site/snd/page.htm", "/site/c.mid", "../c.mid", "MIDIﾌｧｲﾙ (*.mid)"},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        FakePlatform platform;
        host.file_path_bytes = *c.edited ? web + c.edited : "";
        Dialog dialog(c.design(), host, platform);
        dialog.create();
        dialog.FormShow(kDefault);
        dialog.form().focus = "ButtonSRC";
        platform.files = {web + c.chosen, std::nullopt};
        dialog.click("ButtonSRC");
        std::string expected = c.expected;
        if (expected.rfind("<dir>", 0) == 0) expected = web + expected.substr(5);
        EXPECT_EQ(dialog.form().text("EditSRC"), expected) << c.chosen;
        EXPECT_EQ(dialog.form().focus, "EditSRC") << c.chosen;
        ASSERT_EQ(platform.file_filter_lists.size(), 1u);
        EXPECT_EQ(platform.file_filter_lists[0].front().description, c.first_filter);
        EXPECT_EQ(platform.file_filter_lists[0].back().description, "すべてのﾌｧｲﾙ");
        dialog.click("ButtonSRC");  // cancelled: nothing changes
        EXPECT_EQ(dialog.form().text("EditSRC"), expected) << c.chosen;
    }
}
