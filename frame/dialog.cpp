#include "frame/dialog.h"

#include <cstdio>
#include <exception>

#include "common/relurl.h"
#include "common/sysinfo.h"
#include "host/hostlink.h"

namespace corvane {

namespace {

void convert_items(Control& c, std::string (*conv)(std::string_view), int first, int last) {
    int n = static_cast<int>(c.items.size());
    int end = last < 0 ? n - 1 : std::min(last, n - 1);
    for (int i = first; i <= end; ++i) c.items[static_cast<size_t>(i)] = conv(c.items[static_cast<size_t>(i)]);
}

// Applies a case conversion to what the control shows: the caption of a
// label, the items of a list.
void convert(Control& c, std::string (*conv)(std::string_view)) {
    switch (c.kind()) {
        case Kind::Label:
        case Kind::NameLabel:
        case Kind::HiddenLabel:
        case Kind::CheckBox:
        case Kind::Panel:
            c.caption = conv(c.caption);
            break;
        default:
            convert_items(c, conv, c.def->case_first, c.def->case_last);
            break;
    }
}

}  // namespace

std::string dialog_caption(const DialogDesign& design, const CaseSettings& cs) {
    const CaptionTail& tail = design.appended;
    std::string s = design.caption;
    if (tail.input_type >= 0) {
        s += "<" + word(W_INPUT, Role::Element, cs) + " " + word(W_TYPE, Role::Attribute, cs) + "=\"" +
             word(tail.input_type, Role::Value, cs) + "\">";
        return s;
    }
    for (size_t i = 0; i < tail.elements.size(); ++i) {
        if (i) s += ' ';
        s += "<" + word(tail.elements[i], Role::Element, cs) + (tail.heading ? "n>" : ">");
    }
    return s;
}

const std::vector<FileFilter>& filters_of(FilterList which) {
    static const std::vector<FileFilter> none;
    static const std::vector<FileFilter> pages = {
        {"html (*.htm*)", {"*.htm*"}},
        {"html ,cgi (*.htm*, *.cgi)", {"*.htm*", "*.cgi"}},
        {"ﾀﾞｳﾝﾛｰﾄﾞ (*.lzh, *.zip, *.exe)", {"*.lzh", "*.zip", "*.exe"}},
        {"すべてのﾌｧｲﾙ", {"*.*"}},
    };
    static const std::vector<FileFilter> images = {
        {"ｲﾒｰｼﾞ (*.gif, *.jp*g)", {"*.gif", "*.jp*g"}},
        {"ｲﾒｰｼﾞ, cgi (*.gif, *.jp*g, *.cgi)", {"*.gif", "*.jp*g", "*.cgi"}},
        {"すべてのﾌｧｲﾙ", {"*.*"}},
    };
    static const std::vector<FileFilter> scripts = {
        {"cgi (*.cgi)", {"*.cgi"}},
        {"すべてのﾌｧｲﾙ", {"*.*"}},
    };
    static const std::vector<FileFilter> sounds = {
        {"音声ﾌｧｲﾙ (*.wav, *.au, *.mid, *.aif)", {"*.wav", "*.au", "*.mid", "*.aif"}},
        {"すべてのﾌｧｲﾙ", {"*.*"}},
    };
    static const std::vector<FileFilter> midi = {
        {"MIDIﾌｧｲﾙ (*.mid)", {"*.mid"}},
        {"すべてのﾌｧｲﾙ", {"*.*"}},
    };
    switch (which) {
        case FilterList::Pages: return pages;
        case FilterList::Images: return images;
        case FilterList::Scripts: return scripts;
        case FilterList::Sounds: return sounds;
        case FilterList::Midi: return midi;
        case FilterList::None: break;
    }
    return none;
}

std::string color_text(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r & 0xFF, c.g & 0xFF, c.b & 0xFF);
    return buf;
}

Dialog::Dialog(const DialogDesign& design, HostLink& host, Platform& platform)
    : form_(design), host_(host), platform_(platform), env_{host, platform, [] {}, settings_folder()} {}

void Dialog::create() {
    if (design().has_open_dialog()) initial_folder_ = folder_of(host_.file_path(), native_path_style());
    FormCreate();
}

void Dialog::FormCreate() {
    int left = 0, top = 0;
    host_.GetPosAuto(left, top, design().client_w + kFrameWidth, design().client_h + kFrameHeight);
    form_.left = left;
    form_.top = top;
    if (design().on_create) design().on_create(form_, env_);
}

void Dialog::FormShow() {
    const CaseSettings& cs = cs_;
    if (!design().show_step) return;
    show_step(cs);
    if (after_show) after_show(*this);
}

void Dialog::show_step(const CaseSettings& cs) {
    form_.caption = dialog_caption(design(), cs);
    for (Control& c : form_.controls()) {
        switch (c.def->case_rule) {
            case CaseRule::LowerWithAttribute:
                if (cs.lower(Role::Attribute)) convert(c, to_lower_ascii);
                break;
            case CaseRule::LowerWithElement:
                if (cs.lower(Role::Element)) convert(c, to_lower_ascii);
                break;
            case CaseRule::UpperWithValue:
                if (!cs.lower(Role::Value)) convert(c, to_upper_ascii);
                break;
            case CaseRule::None:
                break;
        }
    }
}

KeyResult Dialog::FormShortCut(int key) const {
    if (key == kEscapeKey) return KeyResult::Cancel;
    if (key != kEnterKey) return KeyResult::NotTaken;
    if (const ControlDef* focused = design().find(form_.focus))
        if (focused->kind == Kind::Button && fills_target(focused->role())) return KeyResult::PressFocused;
    return KeyResult::Ok;
}

template <class F>
bool Dialog::guarded(F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        platform_.show_error(e.what());
    }
    return false;
}

bool Dialog::click(const std::string& control) {
    const std::string focus_before = form_.focus;
    guarded([&] {
        const ControlDef* def = design().find(control);
        if (def && def->kind == Kind::Button) {
            switch (def->role()) {
                case ButtonRole::Color: color_click(*def); break;
                case ButtonRole::BrowseUrl:
                case ButtonRole::BrowsePath:
                case ButtonRole::BrowsePathStay: browse_click(*def); break;
                case ButtonRole::None:
                case ButtonRole::Ok:
                case ButtonRole::Cancel: break;
            }
        }
        for (const ClickHandler& h : design().handlers)
            if (h.control == control) h.handler(form_, env_);
    });
    return form_.focus != focus_before;
}

void Dialog::color_click(const ControlDef& button) {
    std::optional<Rgb> chosen = platform_.choose_color(last_color_);
    if (!chosen) return;
    last_color_ = *chosen;
    Control& target = form_[button.filled()];
    target.text = color_text(*chosen);
    form_.focus = target.name();
}

void Dialog::browse_click(const ControlDef& button) {
    std::optional<std::string> chosen = platform_.open_file(initial_folder_, filters_of(button.button_spec().filter_list));
    if (!chosen) return;
    if (button.button_spec().on_chosen) button.button_spec().on_chosen(form_, *chosen);
    Control& target = form_[button.filled()];
    if (button.role() == ButtonRole::BrowseUrl)
        target.text = relative_url(*chosen, host_.file_path(), native_path_style());
    else
        target.text = relative_path(initial_folder_, *chosen, native_path_style());
    if (button.role() != ButtonRole::BrowsePathStay) form_.focus = target.name();
}

TagTexts Dialog::build() {
    for (Control& c : form_.controls()) c.settle_spin();
    BuildContext ctx{cs_, host_};
    return design().build ? design().build(form_, ctx) : TagTexts{};
}

bool Dialog::ButtonOKClick() {
    bool done = guarded([&] {
        if (design().on_ok) {
            design().on_ok(form_, env_);
            return;
        }
        if (hand_over) {
            env_.hide();
            hand_over(*this);
            return;
        }
        TagTexts texts = build();
        env_.hide();
        host_.set_texts(texts.start, texts.end);
    });
    closed_ = closed_ || done;
    ok_failed_ = !done;
    return done;
}

void Dialog::ButtonCancelClick() { closed_ = true; }

}  // namespace corvane
