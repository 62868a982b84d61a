// TFormBGSOUND: background music.  One BGSOUND tag with the sound file, the
// fixed MIDI type, the loop, the volume (0 down to -10000) and the balance;
// no end text and no line break.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "dialogs/soundparts.h"

namespace corvane {

namespace {

// The loop is endless ("infinite", in the value case) for item 1 or the
// count for item 2; a volume of 0 and a centred balance are not written.
// The clauses after the sound file's.
const Clauses& own_clauses() {
    static const Clauses clauses{
        sound::repeat_of("LOOP", "LabelINFINITE"),
        clause::Number{"CSpinEditVOLUME", "LabelVOLUME", clause::Sign::Negative},
        clause::Number{"CSpinEditBALANCE", "LabelBALANCE", clause::Sign::NonZero},
    };
    return clauses;
}

TagTexts build(const Form& f, BuildContext& ctx) {
    return sound::start(f, ctx, W_BGSOUND).write(own_clauses()).close().done();
}

void RadioGroupLOOPClick(Form& f, DialogEnv&) { sound::enable_count(f, "LOOP"); }

}  // namespace

const DialogDesign& TFormBGSOUND() {
    static const DialogDesign d{
        .class_name = "TFormBGSOUND",
        .caption = "Pelinor - HTML : BGM ",
        .appended = {.elements = {W_BGSOUND}},
        .client_w = 417,
        .client_h = 192,
        .controls = {
            sound::file_row(FilterList::Sounds, ButtonRole::BrowsePath, 16, 12, 352),
            sound::repeat_group({"LOOP", "演奏繰り返し (     )",
                                 {"未指定（しない）", "する   (\"infinite\")", "回数指定  →"},
                                 {},
                                 {16, 60, 217, 81}}),
            hidden_label("LabelINFINITE", "infinite").upper_with_value(),
            parts::captioned("Label4", "音量 (             )", "LabelVOLUME", "VOLUME", 248, 64),
            spin("CSpinEditVOLUME", {248, 80, 73, 21}, -10000, 0, 0, 100),
            parts::captioned("Label1", "ﾊﾞﾗﾝｽ (            )", "LabelBALANCE", "BALANCE", 248, 112),
            spin("CSpinEditBALANCE", {248, 128, 73, 21}, -10000, 10000, 0, 100),
            ok_button(248, 156),
            cancel_button(328, 156),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "RadioGroupLOOP", "CSpinEditLOOP", "CSpinEditVOLUME",
                      "CSpinEditBALANCE"},
        .build = build,
        .clauses = joined(sound::start_clauses(), own_clauses()),
        .handlers = {{"RadioGroupLOOP", RadioGroupLOOPClick}},
    };
    return d;
}

}  // namespace corvane
