// The image dialog and the image-map dialogs on the model: builders, show
// step, AREA's enabling rules, and ButtonSRC's size probe on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "dialogs/dialogs.h"
#include "fakes.h"
#include "scratch_files.h"

using namespace corvane;
using namespace corvane::test;
using corvane::testing_files::ScratchDir;
using corvane::testing_files::spit;
namespace fs = std::filesystem;

namespace {

const CaseSettings kDefault{0, 0, 1};
const CaseSettings kLower{1, 1, 1};
const CaseSettings kValuesUpper{0, 0, 0};
const char* const kEol = "⏎";

using Fields = std::vector<std::pair<const char*, const char*>>;

// Texts typed into edits and combo boxes, boxes checked, a list choice.
std::function<void(Form&)> fill(Fields texts, std::vector<const char*> checked = {}) {
    return [=](Form& f) {
        for (auto& [name, text] : texts) f[name].text = text;
        for (const char* name : checked) f[name].checked = true;
    };
}

std::function<void(Form&)> shape(int item, Fields texts = {}, std::vector<const char*> checked = {}) {
    return [=](Form& f) {
        f["RadioGroupSHAPE"].selected = item;
        fill(texts, checked)(f);
    };
}

// ALIGN picked from the list: the combo box shows the item as the show step
// left it.
std::function<void(Form&)> align_item(int item) {
    return [=](Form& f) { f["ComboBoxALIGN"].text = f.item("ComboBoxALIGN", item); };
}

const Fields kEveryField = {{"EditSRC", "a.gif"},   {"EditLOWSRC", "low.gif"}, {"EditALT", "Logo"},
                            {"EditWIDTH", "120"},   {"EditHEIGHT", "60"},      {"EditBORDER", "0"},
                            {"ComboBoxALIGN", "left"}, {"EditVSPACE", "2"},    {"EditHSPACE", "4"},
                            {"EditUSEMAP", "map1"}};

std::string data(const std::string& name) { return std::string(CORVANE_TEST_DATA) + "/images/" + name; }

}  // namespace

TEST(ImageDialogs, ImageBuilder) {
    expect_builds({
        {"probed size", TFormIMG, kDefault,
         fill({{"EditSRC", "images/logo.gif"}, {"EditWIDTH", "120"}, {"EditHEIGHT", "60"}}),
         "<IMG SRC=\"images/logo.gif\" WIDTH=\"120\" HEIGHT=\"60\">", ""},
        {"every field", TFormIMG, kDefault, fill(kEveryField, {"CheckBoxISMAP"}),
         "<IMG SRC=\"a.gif\" LOWSRC=\"low.gif\" ALT=\"Logo\" WIDTH=\"120\" HEIGHT=\"60\" BORDER=\"0\" ALIGN=\"left\" "
         "VSPACE=\"2\" HSPACE=\"4\" ISMAP USEMAP=\"#map1\">",
         ""},
        {"width in percent", TFormIMG, kDefault, fill({{"EditWIDTH", "50"}}, {"CheckBoxWIDTHP"}),
         "<IMG SRC=\"\" WIDTH=\"50%\">", ""},
        {"height in percent", TFormIMG, kDefault, fill({{"EditWIDTH", "8"}, {"EditHEIGHT", "75"}}, {"CheckBoxHEIGHTP"}),
         "<IMG SRC=\"\" WIDTH=\"8\" HEIGHT=\"75%\">", ""},
        {"percent boxes without numbers", TFormIMG, kDefault, fill({}, {"CheckBoxWIDTHP", "CheckBoxHEIGHTP"}),
         "<IMG SRC=\"\">", ""},
        {"nothing filled in", TFormIMG, kDefault, fill({}), "<IMG SRC=\"\">", ""},
        {"size probe box alone", TFormIMG, kDefault, fill({}, {"CheckBoxIMGSize"}), "<IMG SRC=\"\">", ""},
        {"all lower", TFormIMG, kLower, fill({{"EditSRC", "a.gif"}, {"EditUSEMAP", "map1"}}, {"CheckBoxISMAP"}),
         "<img src=\"a.gif\" ismap usemap=\"#map1\">", ""},
        {"all lower, every name", TFormIMG, kLower, fill(kEveryField),
         "<img src=\"a.gif\" lowsrc=\"low.gif\" alt=\"Logo\" width=\"120\" height=\"60\" border=\"0\" align=\"left\" "
         "vspace=\"2\" hspace=\"4\" usemap=\"#map1\">",
         ""},
        {"ALIGN from the list, values upper", TFormIMG, kValuesUpper, align_item(8), "<IMG SRC=\"\" ALIGN=\"LEFT\">", ""},
        {"ALIGN from the list", TFormIMG, kDefault, align_item(3), "<IMG SRC=\"\" ALIGN=\"absmiddle\">", ""},
        {"ALIGN typed, values upper", TFormIMG, kValuesUpper, fill({{"ComboBoxALIGN", "Left"}}),
         "<IMG SRC=\"\" ALIGN=\"Left\">", ""},
        {"USEMAP typed with its #", TFormIMG, kDefault, fill({{"EditUSEMAP", "#map1"}}),
         "<IMG SRC=\"\" USEMAP=\"##map1\">", ""},
        {"blanks and quotes go in as typed", TFormIMG, kDefault,
         fill({{"EditSRC", " "}, {"EditALT", "say \"hi\" <b>"}, {"EditWIDTH", " "}}),
         "<IMG SRC=\" \" ALT=\"say \"hi\" <b>\" WIDTH=\" \">", ""},
    }, kEol);
}

TEST(ImageDialogs, MapAndAreaBuilders) {
    expect_builds({
        {"MAP nav", TFormMAP, kDefault, fill({{"EditUSEMAP", "nav"}}), "<MAP NAME=\"nav\">⏎", "</MAP>"},
        {"MAP nav, end tag left out", TFormMAP, kDefault, fill({{"EditUSEMAP", "nav"}}, {"CheckBoxOmit"}),
         "<MAP NAME=\"nav\">", ""},
        {"MAP without a name", TFormMAP, kDefault, fill({}), "<MAP NAME=\"\">⏎", "</MAP>"},
        {"MAP all lower", TFormMAP, kLower, fill({{"EditUSEMAP", "Nav"}}), "<map name=\"Nav\">⏎", "</map>"},
        {"AREA rect", TFormAREA, kDefault, shape(0, {{"EditCOORDS", "0,0,10,10"}, {"EditHREF", "a.htm"}}),
         "<AREA SHAPE=\"rect\" COORDS=\"0,0,10,10\" HREF=\"a.htm\">⏎", ""},
        {"AREA default without link", TFormAREA, kDefault, shape(3, {{"EditCOORDS", "1,2"}}, {"CheckBoxNOHREF"}),
         "<AREA SHAPE=\"default\" NOHREF>⏎", ""},
        {"AREA default with link", TFormAREA, kDefault, shape(3, {{"EditHREF", "x.htm"}}),
         "<AREA SHAPE=\"default\" HREF=\"x.htm\">⏎", ""},
        {"AREA circle, nothing typed", TFormAREA, kDefault, shape(1), "<AREA SHAPE=\"circle\" COORDS=\"\" HREF=\"\">⏎",
         ""},
        {"AREA polygon without link", TFormAREA, kDefault,
         shape(2, {{"EditCOORDS", "1,2,3,4,5,6"}, {"EditHREF", "kept.htm"}}, {"CheckBoxNOHREF"}),
         "<AREA SHAPE=\"polygon\" COORDS=\"1,2,3,4,5,6\" NOHREF>⏎", ""},
        {"AREA values upper", TFormAREA, kValuesUpper, shape(0), "<AREA SHAPE=\"RECT\" COORDS=\"\" HREF=\"\">⏎", ""},
        {"AREA all lower", TFormAREA, kLower, shape(3, {}, {"CheckBoxNOHREF"}), "<area shape=\"default\" nohref>⏎",
         ""},
    }, kEol);
}

TEST(ImageDialogs, ClickableMapBuilder) {
    expect_builds({
        {"the worked example", TFormMAPS, kDefault,
         fill({{"EditSRC", "map.gif"}, {"EditWIDTH", "200"}, {"EditHEIGHT", "100"}, {"EditUSEMAP", "nav"}},
              {"CheckBox_rect", "CheckBox_default"}),
         "<IMG SRC=\"map.gif\" WIDTH=\"200\" HEIGHT=\"100\" USEMAP=\"#nav\">⏎<MAP NAME=\"nav\">⏎"
         "<AREA SHAPE=\"rect\" COORDS=\"x1,y1,x2,y2\" HREF=\"url\">⏎<AREA SHAPE=\"default\" NOHREF>⏎",
         "</MAP>⏎"},
        {"nothing filled in", TFormMAPS, kDefault, fill({}), "<IMG SRC=\"\" USEMAP=\"#\">⏎<MAP NAME=\"\">⏎", "</MAP>⏎"},
        {"all lower, circle", TFormMAPS, kLower, fill({}, {"CheckBox_circle"}),
         "<img src=\"\" usemap=\"#\">⏎<map name=\"\">⏎<area shape=\"circle\" coords=\"x,y,r\" href=\"url\">⏎",
         "</map>⏎"},
        {"every shape in order, values upper", TFormMAPS, kValuesUpper,
         fill({{"EditUSEMAP", "m"}}, {"CheckBox_default", "CheckBox_polygon", "CheckBox_circle", "CheckBox_rect"}),
         "<IMG SRC=\"\" USEMAP=\"#m\">⏎<MAP NAME=\"m\">⏎"
         "<AREA SHAPE=\"RECT\" COORDS=\"x1,y1,x2,y2\" HREF=\"url\">⏎"
         "<AREA SHAPE=\"CIRCLE\" COORDS=\"x,y,r\" HREF=\"url\">⏎"
         "<AREA SHAPE=\"POLYGON\" COORDS=\"x1,y1,x2,y2,xn,yn\" HREF=\"url\">⏎"
         "<AREA SHAPE=\"DEFAULT\" NOHREF>⏎",
         "</MAP>⏎"},
        {"the image part in full, ISMAP before USEMAP", TFormMAPS, kDefault, fill(kEveryField, {"CheckBoxISMAP"}),
         "<IMG SRC=\"a.gif\" LOWSRC=\"low.gif\" ALT=\"Logo\" WIDTH=\"120\" HEIGHT=\"60\" BORDER=\"0\" ALIGN=\"left\" "
         "VSPACE=\"2\" HSPACE=\"4\" ISMAP USEMAP=\"#map1\">⏎<MAP NAME=\"map1\">⏎",
         "</MAP>⏎"},
        {"elements lower only", TFormMAPS, {1, 0, 1}, fill({{"EditUSEMAP", "n"}}, {"CheckBox_polygon"}),
         "<img SRC=\"\" USEMAP=\"#n\">⏎<map NAME=\"n\">⏎<area SHAPE=\"polygon\" COORDS=\"x1,y1,x2,y2,xn,yn\" "
         "HREF=\"url\">⏎",
         "</map>⏎"},
        {"USEMAP typed with its #", TFormMAPS, kDefault, fill({{"EditUSEMAP", "#a"}}),
         "<IMG SRC=\"\" USEMAP=\"##a\">⏎<MAP NAME=\"#a\">⏎", "</MAP>⏎"},
    }, kEol);
}

TEST(ImageDialogs, ClickableMapAsksTheHostForEveryLineBreak) {
    RecordingHost host;
    host.eol = "\r\n";
    FakePlatform platform;
    Dialog dialog(TFormMAPS(), host, platform);
    dialog.FormShow(kDefault);
    for (const char* box : {"CheckBox_rect", "CheckBox_default"}) dialog.form()[box].checked = true;
    TagTexts t = dialog.build();
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "GetCRLF"), 5);
    EXPECT_EQ(t.end, "</MAP>\r\n");
}

// The show step changes exactly the listed controls: attribute names lowered
// with the attribute case, value lists and shown values raised with the
// value case; the captions get their element words.
TEST(ImageDialogs, ShowStepTouchesExactlyTheListedControls) {
    struct Case {
        const DialogDesign& (*design)();
        CaseSettings cs;
        std::set<std::string> changed;
        const char* caption;
    };
    const std::set<std::string> img_names = {"LabelSRC",   "LabelLOWSRC", "LabelALT",    "LabelWIDTH",
                                             "LabelHEIGHT", "LabelBORDER", "LabelALIGN", "LabelVSPACE",
                                             "LabelHSPACE", "LabelUSEMAP", "StaticTextISMAP"};
    std::set<std::string> maps_names = img_names;
    maps_names.insert({"LabelNAME", "StaticTextSHAPE", "LabelCOORDS", "LabelHREF", "LabelNOHREF"});
    const Case cases[] = {
        {TFormIMG, {0, 1, 1}, img_names, "Pelinor - HTML : 画像 <IMG>"},
        {TFormIMG, {1, 0, 0}, {"ComboBoxALIGN"}, "Pelinor - HTML : 画像 <img>"},
        {TFormMAP, {0, 1, 1}, {"LabelNAME"}, "Pelinor - HTML : ﾏｯﾌﾟ <MAP>"},
        {TFormMAP, {1, 0, 0}, {}, "Pelinor - HTML : ﾏｯﾌﾟ <map>"},
        {TFormAREA, {0, 1, 1}, {"StaticTextSHAPE", "LabelCOORDS", "LabelHREF", "StaticTextNOHREF"},
         "Pelinor - HTML : ｲﾒｰｼﾞﾏｯﾌﾟ追加 <AREA>"},
        {TFormAREA, {0, 0, 0}, {"RadioGroupSHAPE", "RadioGroupSHAPEx"}, "Pelinor - HTML : ｲﾒｰｼﾞﾏｯﾌﾟ追加 <AREA>"},
        {TFormMAPS, {0, 1, 1}, maps_names, "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 <IMG> <MAP> <AREA>"},
        {TFormMAPS, {1, 0, 0},
         {"ComboBoxALIGN", "StaticTextRECT", "StaticTextCIRCLE", "StaticTextPOLYGON", "StaticTextDEFAULT"},
         "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 <img> <map> <area>"},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(c.design(), host, platform);
        dialog.FormShow(c.cs);
        const Form& f = dialog.form();
        EXPECT_EQ(f.caption, c.caption);
        std::set<std::string> changed;
        for (const Control& ctl : f.controls())
            if (ctl.caption != ctl.def->caption || ctl.items != ctl.def->items()) changed.insert(ctl.name());
        EXPECT_EQ(changed, c.changed) << c.design().class_name << " " << c.cs.element << c.cs.attribute << c.cs.value;
    }
}

TEST(ImageDialogs, ShowStepResults) {
    struct Case {
        const DialogDesign& (*design)();
        CaseSettings cs;
        const char* control;
        int item;  // -1: the caption
        const char* shown;
    };
    const Case cases[] = {
        {TFormIMG, {0, 1, 1}, "StaticTextISMAP", -1, "ismap"},
        {TFormIMG, {0, 0, 0}, "ComboBoxALIGN", 0, "TOP"},
        {TFormIMG, {0, 0, 0}, "ComboBoxALIGN", 9, "RIGHT"},
        {TFormIMG, {0, 0, 1}, "ComboBoxALIGN", 7, "baseline"},
        {TFormAREA, {0, 0, 0}, "RadioGroupSHAPE", 3, "その他領域 (\"DEFAULT\")"},
        {TFormAREA, {0, 0, 0}, "RadioGroupSHAPEx", 2, "POLYGON"},
        {TFormAREA, {0, 1, 1}, "StaticTextNOHREF", -1, "nohref"},
        {TFormMAPS, {0, 0, 0}, "StaticTextPOLYGON", -1, "POLYGON"},
        {TFormMAPS, {0, 1, 1}, "LabelNOHREF", -1, "nohref"},
        {TFormMAPS, {0, 1, 0}, "StaticTextRECT", -1, "RECT"},  // a value, not a name
    };
    for (const Case& c : cases) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(c.design(), host, platform);
        dialog.FormShow(c.cs);
        const Control& ctl = dialog.form()[c.control];
        EXPECT_EQ(c.item < 0 ? ctl.caption : ctl.item(c.item), c.shown) << c.control;
    }
}

TEST(ImageDialogs, AreaShapeAndLinkSwitches) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(TFormAREA(), host, platform);
    dialog.FormShow(kDefault);
    Form& f = dialog.form();
    EXPECT_TRUE(f["EditCOORDS"].enabled);  // opens with coordinates and link enabled
    EXPECT_TRUE(f["EditHREF"].enabled);
    f["EditCOORDS"].text = "1,2,3";
    f["EditHREF"].text = "a.htm";
    struct Step {
        const char* control;
        int item;       // radio item, or -1 for a check box toggle
        bool coords, href;
    };
    const Step steps[] = {
        {"RadioGroupSHAPE", 3, false, true}, {"RadioGroupSHAPE", 1, true, true}, {"CheckBoxNOHREF", -1, true, false},
        {"RadioGroupSHAPE", 3, false, false}, {"CheckBoxNOHREF", -1, false, true}, {"RadioGroupSHAPE", 2, true, true},
        {"RadioGroupSHAPE", 0, true, true},
    };
    for (const Step& s : steps) {
        if (s.item >= 0) f[s.control].selected = s.item;
        else f[s.control].checked = !f[s.control].checked;
        dialog.click(s.control);
        EXPECT_EQ(f["EditCOORDS"].enabled, s.coords) << s.control << " " << s.item;
        EXPECT_EQ(f["EditHREF"].enabled, s.href) << s.control << " " << s.item;
        EXPECT_TRUE(f["ButtonHREF"].enabled);
        EXPECT_EQ(f.text("EditCOORDS"), "1,2,3");
        EXPECT_EQ(f.text("EditHREF"), "a.htm");
    }
}

TEST(ImageDialogs, EnterPressesOnlyTheBrowseButtons) {
    struct Case {
        const DialogDesign& (*design)();
        const char* focus;
        KeyResult expected;
    };
    const Case cases[] = {
        {TFormIMG, "ButtonSRC", KeyResult::PressFocused},  {TFormIMG, "ButtonLOWSRC", KeyResult::PressFocused},
        {TFormIMG, "EditSRC", KeyResult::Ok},              {TFormIMG, "CheckBoxIMGSize", KeyResult::Ok},
        {TFormMAPS, "ButtonSRC", KeyResult::PressFocused}, {TFormMAPS, "ButtonLOWSRC", KeyResult::PressFocused},
        {TFormMAPS, "CheckBox_rect", KeyResult::Ok},       {TFormAREA, "ButtonHREF", KeyResult::PressFocused},
        {TFormAREA, "RadioGroupSHAPE", KeyResult::Ok},     {TFormMAP, "CheckBoxOmit", KeyResult::Ok},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(c.design(), host, platform);
        dialog.form().focus = c.focus;
        EXPECT_EQ(dialog.FormShortCut(13), c.expected) << c.design().class_name << " " << c.focus;
    }
}

namespace {

// A page in a site folder, and ButtonSRC pressed with a chosen file.
struct Browse {
    ScratchDir dir;
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog;

    explicit Browse(const DialogDesign& d) : dialog(d, host, platform) {
        fs::create_directories(dir.file("img"));
        host.file_path_bytes = dir.file("page.htm");
        dialog.create();
        dialog.FormShow(kDefault);
    }
    Form& form() { return dialog.form(); }
    // The size fields as the user left them before browsing.
    void preset() {
        form()["EditWIDTH"].text = "5";
        form()["CheckBoxWIDTHP"].checked = true;
        form()["EditHEIGHT"].text = "";
        form()["CheckBoxHEIGHTP"].checked = true;
    }
    std::vector<std::string> size_fields() {
        auto box = [&](const char* n) { return std::string(form().checked(n) ? "%" : "-"); };
        return {form().text("EditWIDTH"), box("CheckBoxWIDTHP"), form().text("EditHEIGHT"), box("CheckBoxHEIGHTP")};
    }
    void choose(const std::string& button, const std::string& path) {
        platform.files = {path};
        dialog.click(button);
    }
};

const std::vector<std::string> kPreset = {"5", "%", "", "%"};

}  // namespace

// GIF and JPEG files written by real encoders fill the size of both image
// dialogs and clear the percent boxes; the URL is made as always.
TEST(ImageDialogs, ButtonSRCProbesRealImages) {
    struct Case {
        const char* fixture;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"a320x240.gif", {"320", "-", "240", "-"}},
        {"logo120x60.gif", {"120", "-", "60", "-"}},
        {"photo120x60.jpg", {"120", "-", "60", "-"}},
        {"map200x100.gif", {"200", "-", "100", "-"}},
        {"icon48x32.png", kPreset},  // neither format: nothing changes
    };
    for (auto design : {TFormIMG, TFormMAPS}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(design().class_name + std::string(" ") + c.fixture);
            Browse b(design());
            const std::string copy = b.dir.file("img/" + std::string(c.fixture));
            fs::copy_file(data(c.fixture), copy);
            b.preset();
            b.form().focus = "ButtonSRC";
            b.choose("ButtonSRC", copy);
            EXPECT_EQ(b.size_fields(), c.fields);
            EXPECT_EQ(b.form().text("EditSRC"), "img/" + std::string(c.fixture));
            EXPECT_EQ(b.form().focus, "EditSRC");
        }
    }
}

TEST(ImageDialogs, NoProbeWithoutTheSizeBoxOrOnThePreviewButton) {
    for (auto design : {TFormIMG, TFormMAPS}) {
        SCOPED_TRACE(design().class_name);
        Browse b(design());
        const std::string gif = b.dir.file("img/a.gif");
        fs::copy_file(data("a320x240.gif"), gif);
        b.preset();
        b.form()["CheckBoxIMGSize"].checked = false;
        b.choose("ButtonSRC", gif);
        EXPECT_EQ(b.size_fields(), kPreset);
        EXPECT_EQ(b.form().text("EditSRC"), "img/a.gif");

        b.form()["CheckBoxIMGSize"].checked = true;
        b.choose("ButtonLOWSRC", gif);
        EXPECT_EQ(b.size_fields(), kPreset);
        EXPECT_EQ(b.form().text("EditLOWSRC"), "img/a.gif");

        b.form()["EditSRC"].text = "kept";
        b.platform.files = {std::nullopt};  // cancelled: nothing changes
        b.dialog.click("ButtonSRC");
        EXPECT_EQ(b.size_fields(), kPreset);
        EXPECT_EQ(b.form().text("EditSRC"), "kept");
    }
}

// Whatever the chosen "image" is, the size fields stay as they were, EditSRC
// gets its URL, and the dialog answers at once.
TEST(ImageDialogs, ButtonSRCOnFilesThatAreNoImage) {
    const std::string gif = *testing_files::slurp(data("a320x240.gif"));
    const std::string jpeg = *testing_files::slurp(data("photo120x60.jpg"));
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> make;  // nothing made: the name was typed
    };
    const Case cases[] = {
        {"typed.gif", nullptr},
        {"folder.gif", [](const std::string& p) { fs::create_directory(p); }},
        {"empty.gif", [](const std::string& p) { spit(p, ""); }},
        {"short.gif", [&](const std::string& p) { spit(p, gif.substr(0, 9)); }},  // height cut in half
        {"short.jpg", [&](const std::string& p) { spit(p, jpeg.substr(0, jpeg.find("\xFF\xC0") + 7)); }},
        {"png.gif", [](const std::string& p) { fs::copy_file(data("icon48x32.png"), p); }},
        {"zero-width.gif", [](const std::string& p) { spit(p, std::string("GIF89a\0\0\x10\0", 10)); }},
        // Several hundred megabytes without a single 0xFF byte (sparse on
        // disk): the JPEG search passes over all of it.
        {"huge.jpg", [](const std::string& p) {
             spit(p, "");
             fs::resize_file(p, 300u << 20);
         }},
#ifndef _WIN32
        {"fifo.gif", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"locked.gif", [&](const std::string& p) {
             spit(p, gif);
             ::chmod(p.c_str(), 0);
         }},
#endif
    };
    for (auto design : {TFormIMG, TFormMAPS}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(design().class_name + std::string(" ") + c.name);
            Browse b(design());
            const std::string path = b.dir.file(std::string("img/") + c.name);
            if (c.make) c.make(path);
#ifndef _WIN32
            if (std::string(c.name) == "locked.gif" && ::access(path.c_str(), R_OK) == 0) {
                // Whoever may read anything reads it: the probe then finds the size.
                continue;
            }
            // A probe that waits on the pipe, or scans without end, ends the
            // test run; a shared machine's slowness is no failure.
            ::alarm(60);
#endif
            b.preset();
            b.choose("ButtonSRC", path);
#ifndef _WIN32
            ::alarm(0);
#endif
            EXPECT_EQ(b.size_fields(), kPreset);
            EXPECT_EQ(b.form().text("EditSRC"), std::string("img/") + c.name);
        }
    }
}

#ifndef _WIN32
// A pipe that a writer holds open but never writes to is not read either.
TEST(ImageDialogs, ButtonSRCOnAPipeWithASilentWriter) {
    Browse b(TFormIMG());
    const std::string fifo = b.dir.file("img/pipe.gif");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    b.preset();
    ::alarm(30);
    b.choose("ButtonSRC", fifo);
    ::alarm(0);
    ::close(writer);
    EXPECT_EQ(b.size_fields(), kPreset);
    EXPECT_EQ(b.form().text("EditSRC"), "img/pipe.gif");
}
#endif

TEST(ImageDialogs, AreaLinkIsAPathFromTheEditedFilesFolderAndKeepsTheFocus) {
    ScratchDir dir;
    fs::create_directories(dir.file("site/sub"));
    RecordingHost host;
    host.file_path_bytes = dir.file("site/page.htm");
    FakePlatform platform;
    Dialog dialog(TFormAREA(), host, platform);
    dialog.create();
    dialog.FormShow(kDefault);
    Form& f = dialog.form();
    f["CheckBoxNOHREF"].checked = true;
    dialog.click("CheckBoxNOHREF");
    struct Case {
        std::optional<std::string> chosen;
        const char* href;
    };
    const Case cases[] = {
        {dir.file("top.htm"), "../top.htm"},
        {dir.file("site/sub/a.htm"), "sub/a.htm"},
        {dir.file("site/b.htm"), "b.htm"},
        {std::nullopt, "b.htm"},  // cancelled
    };
    for (const Case& c : cases) {
        f.focus = "ButtonHREF";
        platform.files = {c.chosen};
        dialog.click("ButtonHREF");  // enabled while the link field is off
        EXPECT_EQ(f.text("EditHREF"), c.href);
        EXPECT_EQ(f.focus, "ButtonHREF");
    }
    EXPECT_EQ(platform.file_folders.front(), dir.file("site"));
    EXPECT_EQ(platform.file_filter_lists.front().front().description, "html (*.htm*)");
}
