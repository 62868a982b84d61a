// The settings dialog on the form model, with real files in a scratch folder.
#include <gtest/gtest.h>

#include "common/sysinfo.h"
#include "fakes.h"
#include "scratch_files.h"
#include "setup/setup.h"

using namespace corvane;
using namespace corvane::test;
using namespace corvane::testing_files;

namespace {

struct SetupRun {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog{TFormSetup(), host, platform};
    std::vector<std::string> events;

    explicit SetupRun(const std::string& folder) {
        dialog.env().settings_folder = folder;
        dialog.env().hide = [this] { events.push_back("hide"); };
        dialog.create();
    }
    const Form& form() const { return dialog.form(); }
    std::string sample() const { return form().label("PanelSmple"); }
};

}  // namespace

TEST(SetupDialog, CreationReadsTheSettingsAndShowsTheSample) {
    struct Case {
        const char* ini;  // nullptr: no file
        int element, attribute, value;
        const char* sample;
    };
    const Case cases[] = {
        {nullptr, 0, 0, 1, "<BODY BGCOLOR=\"black\">"},
        {"[Setup]\r\nElement=1\r\nAttribute=1\r\nValue=1\r\n", 1, 1, 1, "<body bgcolor=\"black\">"},
        {"[Setup]\r\nValue=0\r\n", 0, 0, 0, "<BODY BGCOLOR=\"BLACK\">"},
        {"[Setup]\r\nValue=7\r\n", 0, 0, 1, "<BODY BGCOLOR=\"black\">"},
        {"[Setup]\r\nElement=-3\r\nAttribute=x\r\nValue=-1\r\n", -1, 0, -1, "<BODY BGCOLOR=\"black\">"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        if (c.ini) spit(dir.file("Corvane.ini"), c.ini);
        SetupRun run(dir.path());
        EXPECT_EQ(run.form().selected("RadioGroupElement"), c.element) << c.sample;
        EXPECT_EQ(run.form().selected("RadioGroupAttribute"), c.attribute) << c.sample;
        EXPECT_EQ(run.form().selected("RadioGroupValue"), c.value) << c.sample;
        EXPECT_EQ(run.sample(), c.sample);
        EXPECT_EQ(run.form().caption, "Pelinor - HTML : 環境設定");
        EXPECT_EQ(run.host.calls, std::vector<std::string>{"GetPosAuto"});
    }
}

TEST(SetupDialog, ClickingAGroupUpdatesTheSampleAtOnce) {
    ScratchDir dir;
    SetupRun run(dir.path());
    run.dialog.form()["RadioGroupElement"].selected = 1;
    run.dialog.click("RadioGroupElement");
    EXPECT_EQ(run.sample(), "<body BGCOLOR=\"black\">");
    run.dialog.form()["RadioGroupValue"].selected = 0;
    run.dialog.click("RadioGroupValue");
    EXPECT_EQ(run.sample(), "<body BGCOLOR=\"BLACK\">");
    run.dialog.FormShow({1, 1, 0});  // no show step: the caption stays
    EXPECT_EQ(run.form().caption, "Pelinor - HTML : 環境設定");
}

TEST(SetupDialog, OkStoresRegeneratesHidesThenTellsTheUser) {
    struct Case {
        const char* ini;
        const char* written;
        CaseSettings current;
    };
    const Case cases[] = {
        {nullptr, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n", {0, 0, 1}},
        {"[Setup]\r\nValue=7\r\n", "[Setup]\r\nValue=1\r\nElement=0\r\nAttribute=0\r\n", {0, 0, 1}},
        // A group without a selection is stored and used as its default.
        {"[Setup]\nElement=-3\nAttribute=1\nValue=-1\n", "[Setup]\nElement=0\nAttribute=1\nValue=1\n", {0, 1, 1}},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        if (c.ini) spit(dir.file("Corvane.ini"), c.ini);
        SetupRun run(dir.path());
        run.dialog.env().hide = [&] {
            run.events.push_back("hide");
            EXPECT_TRUE(slurp(dir.file("Corvane.pld")).has_value());  // written before hiding
            EXPECT_TRUE(run.platform.messages.empty());
        };
        current_case() = {5, 5, 5};
        ASSERT_TRUE(run.dialog.ButtonOKClick());
        EXPECT_TRUE(run.dialog.closed());
        EXPECT_EQ(slurp(dir.file("Corvane.ini")).value_or("missing"), c.written);
        EXPECT_EQ(current_case().element, c.current.element);
        EXPECT_EQ(current_case().attribute, c.current.attribute);
        EXPECT_EQ(current_case().value, c.current.value);
        EXPECT_EQ(run.events, std::vector<std::string>{"hide"});
        ASSERT_EQ(run.platform.messages.size(), 1u);
        EXPECT_EQ(run.platform.messages[0].first, "Pelinor - HTML");
        EXPECT_EQ(run.platform.messages[0].second, "Pelinorデータを読み込み直してください");
        EXPECT_EQ(run.host.set_data_count, 0);
    }
    current_case() = {};
}

TEST(SetupDialog, CancelWritesNothing) {
    ScratchDir dir;
    spit(dir.file("Corvane.ini"), "[Setup]\r\nElement=1\r\n");
    SetupRun run(dir.path());
    run.dialog.form()["RadioGroupElement"].selected = 0;
    run.dialog.click("RadioGroupElement");
    run.dialog.ButtonCancelClick();
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Corvane.ini"});
    EXPECT_EQ(slurp(dir.file("Corvane.ini")).value(), "[Setup]\r\nElement=1\r\n");
}

TEST(SetupDialog, AMissingSettingsFolderIsMadeByOkOnly) {
    // An installed copy's configuration folder, not there before the first save.
    for (bool ok : {false, true}) {
        ScratchDir dir;
        const std::string folder = dir.file("config/corvane");
        SetupRun run(folder);
        if (ok) {
            EXPECT_TRUE(run.dialog.ButtonOKClick());
        } else {
            run.dialog.ButtonCancelClick();
        }
        EXPECT_EQ(std::filesystem::exists(folder), ok);
        if (ok) {
            EXPECT_EQ(ScratchDir::names_in(folder), (std::vector<std::string>{"Corvane.ini", "Corvane.pld"}));
        }
    }
}

TEST(SetupDialog, AWriteErrorKeepsTheDialogOpenAndStopsTheSequence) {
    // The program folder is a file, so nothing can be written beneath it.
    ScratchDir dir;
    spit(dir.file("blocker"), "x");
    const std::string folder = dir.file("blocker");
    SetupRun run(folder);
    EXPECT_FALSE(run.dialog.ButtonOKClick());
    EXPECT_FALSE(run.dialog.closed());
    EXPECT_TRUE(run.events.empty());  // not hidden
    EXPECT_TRUE(run.platform.messages.empty());
    ASSERT_EQ(run.platform.errors.size(), 1u);
    EXPECT_EQ(run.platform.errors[0], folder + "/Corvane.ini に書き込めません");
}
