#include "frame/designcheck.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <set>

#include "frame/dialog.h"
#include "frame/tagreadback.h"
#include "host/quiethost.h"

namespace corvane {

namespace {

bool is_list(Kind k) { return k == Kind::RadioGroup || k == Kind::ComboList || k == Kind::ComboEdit; }

bool has_caption(Kind k) {
    return k == Kind::Label || k == Kind::CheckBox || k == Kind::RadioGroup || k == Kind::GroupBox ||
           k == Kind::Panel;
}

class Checker {
public:
    explicit Checker(const DialogDesign& d) : d_(d) {}

    std::vector<std::string> run() {
        names();
        kind_data();
        references();
        twins();
        clauses();
        name_labels();
        behaviour();
        return std::move(faults_);
    }

private:
    void fault(const std::string& text) { faults_.push_back(d_.class_name + ": " + text); }
    // A builder or handler error counts once, at the first choice that shows it.
    void run_fault(const std::string& who, const std::string& what, const char* error) {
        if (seen_errors_.insert(who + error).second) fault(who + " fails " + what + ": " + error);
    }

    bool exists(const std::string& name) const { return d_.find(name) != nullptr; }

    void names() {
        std::set<std::string> seen;
        for (const ControlDef& c : d_.controls) {
            if (c.name.empty()) fault("a control has no name");
            else if (!seen.insert(c.name).second) fault("two controls are named " + c.name);
        }
    }

    void kind_data() {
        for (const ControlDef& c : d_.controls)
            if (!carries_its_kind_data(c)) fault(c.name + " carries the data of another kind of control");
    }

    void references() {
        for (const std::string& name : d_.tab_order)
            if (!exists(name)) fault("tab order names " + name + ", which is no control");
        for (const ClickHandler& h : d_.handlers)
            if (!exists(h.control)) fault("a click handler is bound to " + h.control + ", which is no control");
        for (const ControlDef& c : d_.controls)
            if (fills_target(c.role()) && !exists(c.filled()))
                fault(c.name + " fills " + (c.filled().empty() ? std::string("nothing") : c.filled()) +
                      ", which is no control");
    }

    void twins() {
        for (const ControlDef& list : d_.controls) {
            const ControlDef* c = d_.find(twin_of(list.name));
            if (!c || c->kind != Kind::HiddenList) continue;
            if (list.items().size() != c->items().size())
                fault(c->name + " has " + std::to_string(c->items().size()) + " items but " + list.name + " has " +
                      std::to_string(list.items().size()));
        }
    }

    // Each declared clause names controls of the dialog.
    void clauses() {
        Form f(d_);
        for (const Clause& c : d_.clauses) {
            for (const std::string& name : clause_controls(c))
                if (!exists(name)) fault("a declared clause reads into " + name + ", which is no control");
            try {
                clause_names(f, c);
            } catch (const std::exception& e) {
                fault(std::string("a declared clause names no attribute: ") + e.what());
            }
        }
    }

    void name_labels() {
        for (const ControlDef& c : d_.controls) {
            if (c.kind != Kind::NameLabel) continue;
            const ControlDef* owner = d_.find(c.owner());
            if (!owner) {
                fault(c.name + " sits over " + (c.owner().empty() ? std::string("no caption") : c.owner()) +
                      ", which is no control");
            } else if (!has_caption(owner->kind) || !caption_gap(owner->caption)) {
                fault(c.name + " sits over " + owner->name + ", whose caption has no gap");
            }
        }
    }

    // Runs the builder and every click handler on `setup`'s form.
    void exercise(const std::string& what, const std::function<void(Form&)>& setup) {
        QuietHost host;
        QuietPlatform platform;
        Dialog dialog(d_, host, platform);
        setup(dialog.form());
        for (const ClickHandler& h : d_.handlers) {
            if (!exists(h.control)) continue;
            try {
                h.handler(dialog.form(), dialog.env());
            } catch (const std::exception& e) {
                run_fault("the click handler of " + h.control, what, e.what());
            }
        }
        if (!d_.build) return;
        try {
            dialog.build();
        } catch (const std::exception& e) {
            run_fault("the builder", what, e.what());
        }
    }

    void behaviour() {
        for (const FormCase& c : design_forms(d_)) exercise(c.what, c.setup);
    }

    const DialogDesign& d_;
    std::vector<std::string> faults_;
    std::set<std::string> seen_errors_;
};

}  // namespace

std::vector<std::string> check_design(const DialogDesign& design) { return Checker(design).run(); }

std::vector<FormCase> design_forms(const DialogDesign& d) {
    std::vector<FormCase> cases;
    cases.push_back({"on the default form", [](Form&) {}});
    cases.push_back({"with every edit filled and every box checked", [](Form& f) {
        for (Control& c : f.controls()) {
            switch (c.kind()) {
                case Kind::Edit:
                case Kind::ComboEdit: c.text = "12"; break;
                case Kind::MaskEdit: {
                    // The mask's digits filled with 1, 2, 1, 2, ...: "12:12".
                    c.text = c.def->mask();
                    int n = 0;
                    for (char& ch : c.text)
                        if (ch == '0') ch = n++ % 2 ? '2' : '1';
                    if (c.text.empty()) c.text = "12";
                    break;
                }
                case Kind::Spin: {
                    const SpinSpec& s = c.def->spin_spec();
                    c.text = std::to_string(s.min == s.max ? 2 : s.max);
                    break;
                }
                case Kind::CheckBox: c.checked = true; break;
                default: break;
            }
        }
    }});
    for (const ControlDef& c : d.controls) {
        if (!is_list(c.kind)) continue;
        for (int i = 0; i < static_cast<int>(c.items().size()); ++i)
            cases.push_back({"with " + c.name + " on item " + std::to_string(i), [name = c.name, kind = c.kind, i](Form& f) {
                Control& list = f[name];
                list.selected = i;
                if (kind == Kind::ComboEdit) list.text = list.item(i);
            }});
    }
    return cases;
}

}  // namespace corvane
