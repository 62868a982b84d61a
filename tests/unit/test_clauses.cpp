// The clauses a dialog declares are the ones its builder writes: over many
// forms with every control set at random, each clause the builder writes
// and each attribute of its start tag is declared, and each declared
// clause is written by some form.  /EDIT reads a tag back with the
// declaration alone, so a clause left out of it would be kept unread.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <set>
#include <string>
#include <variant>

#include "app/switches.h"
#include "app/editrun.h"
#include "fakes.h"
#include "frame/edit.h"
#include "frame/tagreadback.h"

namespace corvane {
namespace {

using test::FakePlatform;
using test::RecordingHost;

// Every control set at random: a text among a few (an item of a combo box
// now and then), a filled or blank mask, a box, an item, a spin value at
// its limits or near 0.
void randomise(Form& f, std::mt19937& rng) {
    auto below = [&](size_t n) { return static_cast<int>(std::uniform_int_distribution<size_t>(0, n - 1)(rng)); };
    static const char* const kTexts[] = {"", "12", "a b", "-3"};
    for (Control& c : f.controls()) {
        switch (c.kind()) {
            case Kind::Edit: c.text = kTexts[below(4)]; break;
            case Kind::ComboEdit:
                c.text = kTexts[below(4)];
                if (!c.items.empty() && below(2)) c.text = c.items[static_cast<size_t>(below(c.items.size()))];
                break;
            case Kind::MaskEdit:
                if (below(2)) {
                    c.text = c.def->mask();
                    for (char& ch : c.text)
                        if (ch == '0') ch = static_cast<char>('0' + below(10));
                } else {
                    c.text = c.def->text;
                }
                break;
            case Kind::Spin: {
                const SpinSpec& s = c.def->spin_spec();
                const int values[] = {s.min, s.max, 0, 1, -1, 2};
                c.text = std::to_string(values[below(6)]);
                c.settle_spin();
                break;
            }
            case Kind::CheckBox: c.checked = below(2) == 1; break;
            case Kind::RadioGroup:
            case Kind::ComboList:
                if (!c.items.empty()) c.selected = below(c.items.size());
                break;
            default: break;
        }
    }
}

std::string described(const Clause& c) {
    static const char* const kKinds[] = {"Text",     "Always",   "Percent",    "Bare",   "Choice",
                                         "Pick",     "NamedText", "Sized",     "Number", "TextWhen",
                                         "TextUnless", "Repeat",  "Prefixed",  "Fixed",  "Own"};
    static_assert(std::size(kKinds) == std::variant_size_v<Clause>);
    std::string s = std::string(kKinds[c.index()]) + " clause on";
    for (const std::string& name : clause_controls(c)) s += " " + name;
    return s;
}

// The faults of one dialog over `forms` random forms; empty when its
// declaration and its builder agree.
std::set<std::string> undeclared(const DialogDesign& d, const CaseSettings& cs, int forms) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(d, host, platform);
    dialog.create();
    dialog.FormShow(cs);
    const Form shown = dialog.form();
    std::set<std::string> faults;
    std::set<size_t> written;  // indices of the declared clauses some form wrote
    std::mt19937 rng(20251);
    for (int n = 0; n < forms; ++n) {
        Form f = shown;
        randomise(f, rng);
        TagLog log;
        build_logged(f, cs, host, log);
        for (const Clause& c : log.clauses) {
            size_t i = 0;
            while (i < d.clauses.size() && !(d.clauses[i] == c)) ++i;
            if (i == d.clauses.size()) faults.insert(d.class_name + " writes an undeclared " + described(c));
            else written.insert(i);
        }
        for (const WrittenAttribute& w : log.written) {
            if (w.from >= log.closed_at) break;
            bool declared = false;
            for (const Clause& c : d.clauses)
                for (const std::string& name : clause_names(f, c)) declared = declared || equal_ignoring_case(name, w.name);
            if (!declared) faults.insert(d.class_name + " writes " + w.name + ", which no declared clause names");
        }
    }
    for (size_t i = 0; i < d.clauses.size(); ++i)
        if (!written.count(i)) faults.insert(d.class_name + " never comes to its declared " + described(d.clauses[i]));
    return faults;
}

// The dialog /EDIT sends its own default tag to.
bool editable(const DialogDesign& d) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(d, host, platform);
    dialog.create();
    dialog.FormShow({});
    TagLog log;
    const TagTexts built = build_logged(dialog.form(), {}, host, log);
    const std::string start = built.start.substr(0, log.closed_at + 1);
    const std::optional<StartTag> tag = read_start_tag(start);
    return tag && edit_target(*tag).design == &d;
}

TEST(Clauses, EveryClauseABuilderCanWriteIsDeclared) {
    int checked = 0;
    for (const SwitchRow& row : all_switches()) {
        if (!row.design || !editable(row.design())) continue;
        ++checked;
        for (const CaseSettings cs : {CaseSettings{}, CaseSettings{1, 1, 1}}) {
            std::string faults;
            for (const std::string& fault : undeclared(row.design(), cs, 300)) faults += fault + "\n";
            EXPECT_EQ(faults, "");
        }
    }
    EXPECT_EQ(checked, 36);
}

}  // namespace
}  // namespace corvane
