// How a dialog's controls are laid out and shown, whatever draws them: the
// name labels on their captions' gaps, the cells of a radio group, the
// caption as shown.  The views measure text through TextMeasure and put
// their windows where these rules say.
#pragma once
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/design.h"

namespace corvane {

// How far in from a group's left edge its caption is drawn (and its radio
// buttons stand).
constexpr int kCaptionInset = 8;
// How many items an open combo box list shows at once.
constexpr int kComboVisibleItems = 12;
// What a spin edit's field holds while it is typed in, whatever its design
// limits: the model pulls the value within those when the field is left.
constexpr int kSpinFieldMin = INT_MIN / 2;
constexpr int kSpinFieldMax = INT_MAX / 2;

// The two fonts of a dialog: "ＭＳ Ｐゴシック" and the fixed-pitch "ＭＳ ゴシック".
enum class FontRole { Dialog, FixedPitch };

// The font a control's text is drawn in.
FontRole font_of(const ControlDef& d);

// Text measuring in a font of the dialog, as the view draws it.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width of one line of UTF-8 text.
    virtual int width(FontRole font, std::string_view text) const = 0;
    // Height of a line of text.
    virtual int line_height(FontRole font) const = 0;
    // Distance from one line of a caption to the next.
    virtual int line_spacing(FontRole font) const { return line_height(font); }
};

struct Size {
    int w = 0, h = 0;
};

// A text of one or more lines: as wide as its widest line, a line height
// per line (one line for an empty text).
Size text_extent(const TextMeasure& m, FontRole font, std::string_view text);

// The caption as shown: the gap widened by `gap_pad` blanks, so that the
// name label on it fits.
std::string shown_caption(const std::string& caption, int gap_pad);

// Where a caption's owner stands, as the view made it.
struct CaptionOwner {
    const ControlDef* def = nullptr;
    int x = 0, y = 0;       // top-left in the dialog
    int height = 0;         // a check box centres its caption in its height
    int caption_left = 0;   // where the caption text starts, from x
};

struct NameLabelPlace {
    int gap_pad = 0;  // blanks the owner's caption gap needs for the label
    Rect label;       // the label, in the dialog
};

// A name label of size `label` goes on the blank gap of the owner's caption
// `caption`, centred on it, on the caption's line that holds the gap.  A gap
// narrower than the label is widened with blanks, so the label never covers
// the caption's text.  Nothing when the caption has no gap.
std::optional<NameLabelPlace> place_name_label(const TextMeasure& m, const CaptionOwner& owner,
                                               const std::string& caption, Size label);

// The cells of a radio group's buttons, relative to the group's top-left:
// as many columns as designed, filled column by column, below the caption
// (`caption_h` high), each at most 17 high and centred in its row.
std::vector<Rect> radio_cells(const ControlDef& group, int caption_h);

// A radio button as wide as its mark and text, within its cell, so that it
// does not cover a control the design puts beside a short item.
int radio_width(const Rect& cell, int mark_w, int text_w);

}  // namespace corvane
