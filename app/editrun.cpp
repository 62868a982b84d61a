#include "app/editrun.h"

#include <algorithm>
#include <cstring>

#include "dialogs/table.h"
#include "host/hostlink.h"

namespace corvane {

namespace {

// An attribute as a message quotes it: on one line (each run of blanks and
// line breaks one blank), cut after 40 bytes at a character's start.
std::string one_line(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (out.size() >= 40) {
            while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
            if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
            return out + "...";
        }
        if (!is_blank(text[i])) out += text[i];
        else if (out.empty() || out.back() != ' ') out += ' ';
    }
    return out;
}

std::string shown(const StartTag& tag, const TagAttribute* a = nullptr) {
    return "<" + std::string(tag.name) + (a ? " " + one_line(a->text) : std::string()) + ">";
}

}  // namespace

EditTarget edit_target(const StartTag& tag) {
    EditTarget t;
    const EditChoice choice = find_edit_dialog(tag);
    if (!choice.row) {
        t.refusal = refusal_text(shown(tag, choice.asked_about) + " has no dialog");
        return t;
    }
    t.design = &choice.row->design();
    t.prepare = choice.element->prepare;
    return t;
}

EditRun::EditRun(HostLink& host) : host_(host) {
    const int size = host.GetBufSize(1);
    buffer_.reserve(kEditRoom + static_cast<size_t>(std::max(size, 0)) + 1);
    size_ = size < 0 ? 0 : host.GetDataInto(buffer_.data() + kEditRoom, size);
    const std::string_view sel(buffer_.data() + kEditRoom, size_);
    FoundElement found = find_element(sel);
    if (!found.element) {
        refusal_ = found.refusal;
        return;
    }
    element_ = *found.element;
    // The dialogs hold UTF-8; the tag is read again in it, attribute for
    // attribute the same as in the host's bytes.
    utf8_tag_ = to_utf8(sel.substr(element_.start_from, element_.start_to - element_.start_from), host.code_page());
    std::optional<StartTag> tag = read_start_tag(utf8_tag_);
    if (!tag || tag->attributes.size() != element_.tag.attributes.size()) {
        refusal_ = refusal_text("the start tag cannot be read in the editor's code page");
        return;
    }
    tag_ = *tag;
    target_ = edit_target(tag_);
    if (!target_.design) refusal_ = target_.refusal;
}

void EditRun::attach(Dialog& dialog) {
    dialog.after_show = [this](Dialog& d) { fill(d); };
    dialog.hand_over = [this](Dialog& d) { hand_over(d); };
}

void EditRun::fill(Dialog& d) {
    Form& f = d.form();
    if (target_.prepare) target_.prepare(f, tag_);
    if (Control* omit = f.find(kOmitBox)) omit->checked = !element_.has_end;
    read_ = read_tag(f, tag_, d.case_settings(), host_, d.env());
    // A value whose bytes the code page does not define reads as U+FFFD and
    // would not come back as it was: it stays as written.
    const CodePage cp = host_.code_page();
    for (size_t i = 0; i < read_.read.size(); ++i)
        if (read_.read[i] && from_utf8(tag_.attributes[i].text, cp) != element_.tag.attributes[i].text) {
            read_.read[i] = false;
            read_.kept.insert(std::upper_bound(read_.kept.begin(), read_.kept.end(), i), i);
        }
}

void EditRun::hand_over(Dialog& d) {
    for (Control& c : d.form().controls()) c.settle_spin();
    TagLog log;
    const TagTexts built = build_logged(d.form(), d.case_settings(), host_, log);
    const CodePage cp = host_.code_page();
    const auto to_host = [cp](std::string_view utf8) { return from_utf8(utf8, cp); };
    char* sel = buffer_.data() + kEditRoom;
    const std::string_view all(sel, size_);
    const std::string head = std::string(all.substr(0, element_.start_from)) +
                             rewritten_start_tag(built, log, read_, element_.tag, to_host);
    std::string end = rewritten_end_tag(built, log, d.form(), element_.has_end);
    const size_t content_from = element_.start_to, content_to = element_.has_end ? element_.end_from : element_.start_to;
    end.append(all.substr(element_.has_end ? element_.end_to : element_.start_to));
    // The start text is the head put in place just before the content,
    // which is handed over where it lies, once.
    std::string copied;
    const char* start = nullptr;
    if (head.size() <= kEditRoom + content_from) {
        char* at = sel + content_from - head.size();
        std::memmove(at, head.data(), head.size());
        sel[content_to] = '\0';
        start = at;
    } else {
        copied = head;
        copied.append(all.substr(content_from, content_to - content_from));
        start = copied.c_str();
    }
    host_.SetDataRaw(start, end.c_str());
}

}  // namespace corvane
