// GoogleTest helpers over the test doubles (doubles.h).
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "doubles.h"
#include "frame/dialog.h"

namespace corvane::test {

// Runs a dialog's builder on a form prepared by `setup`, after the show
// step for `cs`; returns the texts.
template <class Setup>
TagTexts build_with(const DialogDesign& design, const CaseSettings& cs, Setup&& setup,
                    const std::string& eol = "\r\n") {
    RecordingHost host;
    host.eol = eol;
    FakePlatform platform;
    Dialog dialog(design, host, platform);
    dialog.create();
    dialog.FormShow(cs);
    setup(dialog.form());
    return dialog.build();
}

// One row of a builder table: a dialog, the case settings, what the user
// did, and the texts expected.
struct BuilderCase {
    const char* what;
    const DialogDesign& (*design)();
    CaseSettings cs;
    std::function<void(Form&)> setup;
    const char* start;
    const char* end;
};

inline void expect_builds(std::initializer_list<BuilderCase> cases, const std::string& eol = "\r\n") {
    for (const BuilderCase& c : cases) {
        TagTexts t = build_with(c.design(), c.cs, c.setup, eol);
        EXPECT_EQ(t.start, c.start) << c.what;
        EXPECT_EQ(t.end, c.end) << c.what;
    }
}

}  // namespace corvane::test
