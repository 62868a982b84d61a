// What the sound and plug-in dialogs (BGSOUND, LiveAudio, MIDPLUG) share:
// the sound file row, the fixed TYPE="audio/midi" pair kept in invisible
// labels so that the show step adapts its case, the repeat group whose last
// item "回数指定  →" takes its count from a spin edit, and the size presets
// that some radio items write into the WIDTH and HEIGHT edits.
#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/design.h"
#include "frame/dialog.h"
#include "frame/tagwriter.h"

namespace corvane::sound {

// Label3 "再生ﾌｧｲﾙ (      )" with LabelSRC, EditSRC and the browse button
// ButtonSRC beside it (the edit ends 7 pixels before the button), and the
// invisible LabelTYPE "TYPE" and LabelAUDIOMIDI "audio/midi".
Group file_row(FilterList filters, ButtonRole role, int x, int y, int button_x);

// "<" element, SRC (written even when empty) and TYPE="audio/midi"; and
// the clauses it writes.
TagWriter start(const Form& f, BuildContext& ctx, int element);
Clauses start_clauses();

// A radio group `RadioGroup<A>` over its StaticText<A> name label whose last
// item is "回数指定  →", followed by the count spin `CSpinEdit<A>` (0 to 100,
// disabled until that item is chosen) and StaticText1 "回", both sitting
// right of that item inside the group.  With `values` the group has a
// hidden twin; the items and the twin follow the value case.
struct RepeatGroup {
    std::string attribute;              // "LOOP"
    std::string caption;                // "演奏繰り返し (     )"
    std::vector<std::string> items;     // the last one "回数指定  →"
    std::vector<std::string> values;    // twin values; none for no twin
    Rect rect;
};
Group repeat_group(const RepeatGroup& group);

// The repeat clause of the group of `attribute`: nothing for item 0, the
// count for the last item, else the twin's value or, for a group without
// values, the caption of label `fixed`.
clause::Repeat repeat_of(const std::string& attribute, std::string fixed = {});
// The count spin of the group follows its last item.
void enable_count(Form& f, const std::string& attribute);

// The items 未指定 (as `unspecified` words it), "しない (\"false\")" and
// "する   (\"true\")", with "回数指定  →" after them for a repeat group; and
// the values behind them.
std::vector<std::string> false_true_items(std::string unspecified, bool count = false);
std::vector<std::string> false_true_values(bool count = false);
// A value group of those three items in the fixed-pitch font.
Group false_true_group(std::string attribute, std::string caption, std::string unspecified, Rect rect,
                       int selected = 0);

// Sizes that choosing a radio item writes into EditWIDTH and EditHEIGHT.
struct Preset {
    int first, last;  // the items that choose it
    const char* width;
    const char* height;
};
void apply_preset(Form& f, int item, std::initializer_list<Preset> presets);

}  // namespace corvane::sound
