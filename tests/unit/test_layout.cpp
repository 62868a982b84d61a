// The layout rules both views follow, measured with a fake font: name
// labels on their captions' gaps, radio cells, the shown caption, spin
// stepping, the OK and Cancel roles and the sync guard.
#include <gtest/gtest.h>

#include <climits>

#include "app/switches.h"
#include "fakes.h"
#include "frame/layout.h"
#include "frame/viewevents.h"
#include "setup/setup.h"

using namespace corvane;

namespace {

// Half-width characters (ASCII, half-width katakana) 6 pixels wide in the
// fixed-pitch font and 5 in the dialog font, whose blank is 3; everything
// else 12.  Lines 12 high, 14 apart.
class FakeMeasure final : public TextMeasure {
public:
    int width(FontRole font, std::string_view text) const override {
        int w = 0;
        for (size_t i = 0; i < text.size();) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            // U+FF61..U+FF9F: EF BD A1..EF BE 9F.
            const bool half_kana = n == 3 && c == 0xEF && (static_cast<unsigned char>(text[i + 1]) == 0xBD ||
                                                           static_cast<unsigned char>(text[i + 1]) == 0xBE);
            if (font == FontRole::FixedPitch) w += n == 1 || half_kana ? 6 : 12;
            else w += c == ' ' ? 3 : n == 1 || half_kana ? 5 : 12;
            i += n;
        }
        return w;
    }
    int line_height(FontRole) const override { return 12; }
    int line_spacing(FontRole) const override { return 14; }
};

const FakeMeasure measure;

ControlDef owner_of(Kind kind, std::string caption, bool fixed = false) {
    ControlDef d;
    d.kind = kind;
    d.name = "Owner";
    d.caption = std::move(caption);
    d.rect = {20, 40, 0, 0};
    d.fixed_pitch = fixed;
    return d;
}

}  // namespace

// The label is centred on the gap of the line that holds it; a gap too
// narrow is widened by whole blanks until the label fits, and the shown
// caption then holds exactly those blanks.
TEST(Layout, NameLabelSitsOnTheGapOfItsLine) {
    struct Case {
        const char* what;
        ControlDef owner;
        int height, caption_left;
        Size label;
        int line;  // the caption line holding the gap
    };
    const Case cases[] = {
        {"wide gap", owner_of(Kind::Label, "太さ (              )"), 12, 0, {30, 12}, 0},
        {"narrow gap", owner_of(Kind::Label, "太さ ( )"), 12, 0, {30, 12}, 0},
        {"full-width parentheses", owner_of(Kind::Label, "大きさ（ ）"), 12, 0, {24, 12}, 0},
        {"between quotes", owner_of(Kind::RadioGroup, "矩形 (\"  \")", true), 80, 8, {24, 12}, 0},
        {"gap on the second line", owner_of(Kind::Label, "ﾌｧｲﾙ名\n再生 (   )"), 26, 0, {36, 12}, 1},
        {"check box centres its caption", owner_of(Kind::CheckBox, "ﾙｰﾌﾟ (  )"), 17, 17, {30, 12}, 0},
    };
    for (const Case& c : cases) {
        const CaptionOwner at{&c.owner, c.owner.rect.x, c.owner.rect.y, c.height, c.caption_left};
        const auto place = place_name_label(measure, at, c.owner.caption, c.label);
        ASSERT_TRUE(place) << c.what;
        // Measured on the shown caption, the gap holds the label whole.
        const std::string shown = shown_caption(c.owner.caption, place->gap_pad);
        const CaptionGap gap = *caption_gap(shown);
        const size_t line_start = c.line ? shown.rfind('\n', gap.first) + 1 : 0;
        const FontRole font = font_of(c.owner);
        const int gap_x = at.x + at.caption_left + measure.width(font, shown.substr(line_start, gap.first - line_start));
        const int gap_w = measure.width(font, shown.substr(gap.first, gap.close - gap.first));
        const Rect& r = place->label;
        EXPECT_GE(r.x, gap_x) << c.what;
        EXPECT_LE(r.x + r.w, gap_x + gap_w) << c.what;
        EXPECT_LE(std::abs((r.x - gap_x) - (gap_x + gap_w - r.x - r.w)), 1) << c.what << ": centred";
        // No blank more than needed.
        if (place->gap_pad > 0) {
            EXPECT_LT(gap_w - measure.width(font, " "), r.w) << c.what;
        }
        EXPECT_EQ(r.w, c.label.w) << c.what;
        const int line_y = at.y + c.line * 14 + (c.owner.kind == Kind::CheckBox ? (c.height - 12) / 2 : 0);
        EXPECT_EQ(r.y, line_y) << c.what;
    }
    EXPECT_EQ(place_name_label(measure, {nullptr}, "no gap ()", {10, 12}), std::nullopt);
    EXPECT_EQ(shown_caption("a (  ) b", 3), "a (     ) b");
    EXPECT_EQ(shown_caption("no gap", 3), "no gap");
}

TEST(Layout, TextExtentIsTheWidestLineByTheLines) {
    EXPECT_EQ(text_extent(measure, FontRole::FixedPitch, "ab\nabcd\nc").w, 24);
    EXPECT_EQ(text_extent(measure, FontRole::FixedPitch, "ab\nabcd\nc").h, 36);
    EXPECT_EQ(text_extent(measure, FontRole::Dialog, "").h, 12);
}

// Column by column, below the caption, each cell at most 17 high and
// centred in its row; a radio button fitted to a short item leaves room for
// the spin edit the design puts beside it.
TEST(Layout, RadioCells) {
    ControlDef g = radio_group("G", "種別", {"a", "b", "c", "d", "e"}, {0, 0, 216, 80}, 0, 2);
    const std::vector<Rect> cells = radio_cells(g, 12);
    ASSERT_EQ(cells.size(), 5u);
    const int row_h = (80 - 12 - 4) / 3, col_w = (216 - 16) / 2;
    for (int i = 0; i < 5; ++i) {
        const Rect& r = cells[static_cast<size_t>(i)];
        EXPECT_EQ(r.x, 8 + (i / 3) * col_w) << i;
        EXPECT_EQ(r.y, 12 + (i % 3) * row_h + (row_h - 17) / 2) << i;
        EXPECT_EQ(r.w, col_w - 2) << i;
        EXPECT_EQ(r.h, 17) << i;
    }
    g.rect.h = 40;
    for (const Rect& r : radio_cells(g, 12)) EXPECT_EQ(r.h, (40 - 12 - 4) / 3) << "low rows";

    // The count item of a repeat group and its spin edit, as the sound
    // dialogs lay them out.
    const DialogDesign& bgsound = find_switch("/BGSOUND")->design();
    const ControlDef& loop = *bgsound.find("RadioGroupLOOP");
    const ControlDef& spin = *bgsound.find("CSpinEditLOOP");
    const std::vector<Rect> loop_cells = radio_cells(loop, 12);
    const Rect& last = loop_cells.back();
    const int w = radio_width(last, 13, measure.width(font_of(loop), loop.items().back()));
    EXPECT_LT(w, last.w);
    EXPECT_LE(loop.rect.x + last.x + w, spin.rect.x);
    EXPECT_EQ(radio_width(last, 13, 1000), last.w) << "never wider than its cell";
}

TEST(Layout, SpinSteppingStaysWithinLimitsAndInt) {
    const ControlDef limited = spin("S", {}, -5, 10, 0, 4);
    const ControlDef free = spin("F", {}, 0, 0, 0, 3);
    struct Case {
        const ControlDef& d;
        int value, steps, expected;
    };
    const Case cases[] = {
        {limited, 0, 1, 4},          {limited, 8, 1, 10},          {limited, -4, -1, -5},
        {limited, 100, 0, 10},       {limited, 3, -2, -5},         {free, 0, -1, -3},
        {free, INT_MAX - 1, 1, INT_MAX}, {free, INT_MIN + 1, -1, INT_MIN}, {free, 7, 0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.d.spin_spec().stepped(c.value, c.steps), c.expected) << c.d.name << " " << c.value << " " << c.steps;
    EXPECT_EQ(limited.spin_spec().clamped(-1LL << 40), -5);
    EXPECT_EQ(free.spin_spec().clamped(1LL << 40), INT_MAX);
}

// OK and Cancel are known by their roles in every design, and only they
// have those roles; Enter on them is the tag OK, not a press of a target.
TEST(Layout, OkAndCancelAreButtonRoles) {
    std::vector<const DialogDesign*> designs{&TFormSetup()};
    for (const SwitchRow& row : all_switches())
        if (row.design) designs.push_back(&row.design());
    for (const DialogDesign* d : designs) {
        for (const ControlDef& c : d->controls) {
            const bool ok = c.name == "ButtonOK", cancel = c.name == "ButtonCancel";
            EXPECT_EQ(c.role() == ButtonRole::Ok, ok) << d->class_name << " " << c.name;
            EXPECT_EQ(c.role() == ButtonRole::Cancel, cancel) << d->class_name << " " << c.name;
            if (ok || cancel) {
                EXPECT_FALSE(fills_target(c.role()));
            }
        }
    }

    struct Recorder final : ControlEvents {
        std::string log;
        bool syncing() const override { return false; }
        void clicked(const std::string& c) override { log += "click " + c + ";"; }
        void ok() override { log += "ok;"; }
        void cancel() override { log += "cancel;"; }
    } events;
    events.pressed(ok_button(0, 0));
    events.pressed(cancel_button(0, 0));
    events.pressed(color_button("ButtonCOLOR", {}, "ComboBoxCOLOR"));
    events.pressed(button("Button1", "x", {}));
    EXPECT_EQ(events.log, "ok;cancel;click ButtonCOLOR;click Button1;");
}

TEST(Layout, SyncGuardRestoresWhatItFound) {
    bool syncing = false;
    {
        SyncGuard outer(syncing);
        EXPECT_TRUE(syncing);
        {
            SyncGuard inner(syncing);
            EXPECT_TRUE(syncing);
        }
        EXPECT_TRUE(syncing) << "an inner guard leaves the outer one's flag set";
    }
    EXPECT_FALSE(syncing);
}

// The settings handed to the dialog once are the ones the show step and the
// builder use; a view's hide lasts as long as the view.
TEST(Layout, SettingsHandedOnceAndTheViewsHide) {
    test::RecordingHost host;
    test::FakePlatform platform;
    Dialog dialog(find_switch("/FONT")->design(), host, platform);
    dialog.create();
    dialog.set_case_settings({1, 1, 1});
    dialog.FormShow();
    EXPECT_EQ(dialog.form().caption, "Pelinor - HTML : フォント <font>");
    EXPECT_EQ(dialog.case_settings().element, 1);
    test::CountedEvents view;
    {
        ViewHook hook(dialog.env(), view);
        dialog.env().hide();
    }
    dialog.env().hide();  // the view is gone: nothing to hide
    EXPECT_EQ(view.hides, 1);
    EXPECT_EQ(view.closed_count, 0);
}
