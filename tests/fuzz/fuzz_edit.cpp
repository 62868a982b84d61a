// libFuzzer target for reading an element back.  Each input is a selection.
// The start-tag reader and the whole edit run must never crash or hang; a
// refused selection is never handed over (the editor keeps it); an accepted
// one, with the dialog's values left as read, comes back with the bytes
// around the element and the content between its tags unchanged, and every
// attribute either kept byte for byte or written again under its name.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/editrun.h"
#include "frame/platform.h"
#include "frame/tagreader.h"
#include "host/hostlink.h"

namespace {

using namespace corvane;

class FuzzHost final : public HostLink {
public:
    std::string selection, start, end;
    bool handed = false;
    void SetData(const std::string& s, const std::string& e) override {
        handed = true;
        start = s;
        end = e;
    }
    std::string GetCRLF() override { return "\r\n"; }
    std::string GetFilePath() override { return {}; }
    void GetPosAuto(int& l, int& t, int, int) override { l = t = 0; }
    int GetPosSize(int) override { return 0; }
    int GetBufSize(int) override { return static_cast<int>(selection.size()); }
    std::string GetData(int size) override { return selection.substr(0, static_cast<size_t>(size)); }
    CodePage code_page() const override { return CodePage::Utf8; }
};

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "edit property broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string sel(reinterpret_cast<const char*>(data), size);
    sel.resize(std::min(sel.size(), sel.find('\0')));  // the link cuts at a NUL

    if (std::optional<StartTag> t = read_start_tag(sel)) {
        check(t->length <= sel.size() && sel[t->length - 1] == '>', "tag length");
        for (const TagAttribute& a : t->attributes)
            check(a.text.data() >= sel.data() && a.text.data() + a.text.size() <= sel.data() + t->length,
                  "attribute inside its tag");
    }

    FuzzHost host;
    host.selection = sel;
    EditRun run(host);
    const FoundElement found = find_element(sel);
    if (!run.refusal().empty()) {
        check(run.refusal().find('\n') == std::string::npos, "a refusal is one line");
        check(!host.handed, "a refusal hands nothing over");
        return 0;  // nothing handed over: the editor keeps its selection
    }
    check(found.element.has_value(), "an accepted selection is one element");
    QuietPlatform platform;
    Dialog dialog(run.design(), host, platform);
    dialog.create();
    run.attach(dialog);
    dialog.FormShow(CaseSettings{});
    dialog.ButtonOKClick();
    check(host.handed, "OK hands over");

    const Element& e = *found.element;
    const std::string out = host.start + host.end;
    const std::string_view lead = std::string_view(sel).substr(0, e.start_from);
    const std::string_view content = std::string_view(sel).substr(e.start_to, e.end_from - e.start_to);
    const std::string_view trail = std::string_view(sel).substr(e.has_end ? e.end_to : e.start_to);
    check(out.compare(0, lead.size(), lead) == 0, "the bytes before the element");
    check(out.size() >= trail.size() && out.compare(out.size() - trail.size(), trail.size(), trail) == 0,
          "the bytes after the element");
    const std::optional<StartTag> now = read_start_tag(std::string_view(out).substr(lead.size()));
    check(now.has_value(), "the rewritten start tag reads back");
    check(out.compare(lead.size() + now->length, content.size(), content) == 0, "the content");
    for (size_t i = 0; i < e.tag.attributes.size(); ++i) {
        const TagAttribute& a = e.tag.attributes[i];
        bool found_again = false;
        for (const TagAttribute& b : now->attributes)
            found_again = found_again || b.text == a.text ||
                          (equal_ignoring_case(b.name, a.name) && equal_ignoring_case(b.value, a.value));
        check(found_again, "every attribute kept or written again");
    }
    return 0;
}
