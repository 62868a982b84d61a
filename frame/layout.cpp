#include "frame/layout.h"

#include <algorithm>

namespace corvane {

FontRole font_of(const ControlDef& d) {
    return d.fixed_pitch || d.kind == Kind::Panel ? FontRole::FixedPitch : FontRole::Dialog;
}

Size text_extent(const TextMeasure& m, FontRole font, std::string_view text) {
    Size size;
    const int line_h = m.line_height(font);
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        const size_t n = (end == std::string_view::npos ? text.size() : end) - start;
        size.w = std::max(size.w, m.width(font, text.substr(start, n)));
        size.h += line_h;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return size;
}

std::string shown_caption(const std::string& caption, int gap_pad) {
    if (gap_pad > 0)
        if (auto gap = caption_gap(caption))
            return caption.substr(0, gap->close) + std::string(static_cast<size_t>(gap_pad), ' ') +
                   caption.substr(gap->close);
    return caption;
}

std::optional<NameLabelPlace> place_name_label(const TextMeasure& m, const CaptionOwner& owner,
                                               const std::string& caption, Size label) {
    const std::optional<CaptionGap> gap = caption_gap(caption);
    if (!gap) return std::nullopt;
    const FontRole font = font_of(*owner.def);
    const std::string_view c = caption;
    // A caption of several lines holds the gap on one of them.
    const size_t newline = c.rfind('\n', gap->first);
    const size_t line_start = newline == std::string_view::npos ? 0 : newline + 1;
    const int line = static_cast<int>(std::count(c.begin(), c.begin() + static_cast<long>(line_start), '\n'));
    const int before = m.width(font, c.substr(line_start, gap->first - line_start));
    const int blank = std::max(1, m.width(font, " "));
    NameLabelPlace place;
    int gap_w = m.width(font, c.substr(line_start, gap->close - line_start)) - before;
    if (gap_w < label.w) place.gap_pad = (label.w - gap_w + blank - 1) / blank;
    gap_w += place.gap_pad * blank;
    const int font_h = m.line_height(font);
    const int y = owner.y + line * m.line_spacing(font) +
                  (owner.def->kind == Kind::CheckBox ? (owner.height - font_h) / 2 : 0);
    place.label = {owner.x + owner.caption_left + before + (gap_w - label.w) / 2, y + (font_h - label.h) / 2,
                   label.w, label.h};
    return place;
}

std::vector<Rect> radio_cells(const ControlDef& d, int caption_h) {
    const int n = static_cast<int>(d.items().size());
    const int cols = std::max(1, d.list().columns);
    const int rows = std::max(1, (n + cols - 1) / cols);
    const int row_h = std::max(1, (d.rect.h - caption_h - 4) / rows);
    const int col_w = (d.rect.w - 2 * kCaptionInset) / cols;
    const int h = std::min(row_h, 17);
    std::vector<Rect> cells;
    cells.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int col = i / rows, row = i % rows;
        cells.push_back({kCaptionInset + col * col_w, caption_h + row * row_h + (row_h - h) / 2, col_w - 2, h});
    }
    return cells;
}

int radio_width(const Rect& cell, int mark_w, int text_w) { return std::min(cell.w, mark_w + 8 + text_w); }

}  // namespace corvane
