// Editing an element already written: the round trip over every dialog that
// can edit one, and the cases of reading, keeping and refusing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/switches.h"
#include "app/editrun.h"
#include "frame/designcheck.h"
#include "frame/edit.h"
#include "frame/tagreadback.h"
#include "fakes.h"

namespace corvane {
namespace {

using test::FakePlatform;
using test::RecordingHost;

struct Edited {
    std::string refusal;
    std::string out;  // what the host received; the selection itself when nothing was handed over
};

Edited run_edit(const std::string& selection, const CaseSettings& cs = {},
                const std::function<void(Form&)>& change = {}) {
    RecordingHost host;
    host.selection = selection;
    EditRun run(host);
    if (!run.refusal().empty()) return {run.refusal(), selection};
    FakePlatform platform;
    Dialog dialog(run.design(), host, platform);
    dialog.create();
    run.attach(dialog);
    dialog.FormShow(cs);
    if (change) change(dialog.form());
    EXPECT_TRUE(dialog.ButtonOKClick());
    return {{}, host.start + host.end};
}

// The start tag of what a builder wrote.
std::string start_tag_of(const TagTexts& t, const TagLog& log) { return t.start.substr(0, log.closed_at + 1); }

// The state of a control as its clause reads it.
std::string state(const Control& c) {
    switch (c.kind()) {
        case Kind::RadioGroup:
        case Kind::ComboList: return "item " + std::to_string(c.selected);
        case Kind::CheckBox: return c.checked ? "checked" : "unchecked";
        case Kind::Spin: return std::to_string(c.spin_value());
        default: return c.text;
    }
}

// Builds the tag from each form the design check enumerates, reads it into
// a fresh form of the dialog the element's name leads to, and checks that
// every control behind a written attribute holds what it held, that nothing
// was left unread, and that the tag and the whole edited element come back
// the same bytes.
TEST(EditRoundTrip, EveryEditableDialogReadsBackWhatItWrote) {
    int editable = 0;
    for (const SwitchRow& row : all_switches()) {
        if (!row.design) continue;
        const DialogDesign& d = row.design();
        bool counted = false;
        for (CaseSettings cs : {CaseSettings{}, CaseSettings{1, 1, 1}, CaseSettings{0, 0, 0}}) {
            for (const FormCase& fc : design_forms(d)) {
                RecordingHost host;
                FakePlatform platform;
                Dialog writer(d, host, platform);
                writer.create();
                writer.FormShow(cs);
                fc.setup(writer.form());
                for (Control& c : writer.form().controls()) c.settle_spin();
                TagLog log;
                const TagTexts built = build_logged(writer.form(), cs, host, log);
                const std::string tag_text = start_tag_of(built, log);
                const std::optional<StartTag> tag = read_start_tag(tag_text);
                ASSERT_TRUE(tag) << d.class_name << " " << fc.what << ": " << tag_text;
                const EditTarget target = edit_target(*tag);
                if (target.design != &d) break;  // a skeleton: its first tag is another dialog's
                counted = true;
                const std::string where = d.class_name + " " + fc.what + ": " + tag_text;

                Dialog reader(d, host, platform);
                reader.create();
                reader.FormShow(cs);
                if (target.prepare) target.prepare(reader.form(), *tag);
                const ReadBack read = read_tag(reader.form(), *tag, cs, host, reader.env());
                EXPECT_TRUE(read.kept.empty()) << where << " kept " << tag->attributes[read.kept.front()].text;
                for (const WrittenAttribute& w : log.written)
                    for (const Clause& c : read.as_read.clauses) {
                        bool named = false;
                        for (const std::string& n : clause_names(reader.form(), c))
                            named = named || equal_ignoring_case(n, w.name);
                        if (!named) continue;
                        for (const std::string& name : clause_controls(c))
                            if (const Control* was = writer.form().find(name)) {
                                EXPECT_EQ(state(reader.form()[name]), state(*was)) << where << " " << name;
                            }
                    }
                TagLog again;
                const TagTexts rebuilt = build_logged(reader.form(), cs, host, again);
                EXPECT_EQ(start_tag_of(rebuilt, again), tag_text) << where;

                // The whole run: the element with content comes back as it was.
                const bool ends = built.end.find("</") != std::string::npos;
                const std::string element =
                    tag_text + (ends ? "a<b>\r\nc" + rewritten_end_tag(rebuilt, again, reader.form(), true) : "");
                Edited e = run_edit(" " + element + "\n", cs);
                EXPECT_EQ(e.refusal, "") << where;
                EXPECT_EQ(e.out, " " + element + "\n") << where;
            }
        }
        editable += counted;
    }
    // Every tag dialog but the three skeletons (clickable map, frame set,
    // page).
    EXPECT_EQ(editable, 36);
}

struct EditCase {
    const char* what;
    std::string selection;
    std::string expected;  // the output, or the refusal's text
    std::function<void(Form&)> change = {};
    CaseSettings cs = {};
};

void expect_edits(std::initializer_list<EditCase> cases) {
    for (const EditCase& c : cases) {
        Edited e = run_edit(c.selection, c.cs, c.change);
        if (e.refusal.empty()) {
            EXPECT_EQ(e.out, c.expected) << c.what;
        } else {
            EXPECT_EQ(e.refusal, c.expected) << c.what;
            EXPECT_EQ(e.out, c.selection) << c.what;
        }
    }
}

TEST(Edit, ReadsKeepsAndRewritesOnlyTheTags) {
    expect_edits({
        {"a size moved", "<FONT SIZE=\"+3\" COLOR=\"red\">Hello</FONT>", "<FONT SIZE=\"+1\" COLOR=\"red\">Hello</FONT>",
         [](Form& f) { f["RadioGroupSIZE"].selected = 1; }},
        {"quotes of every kind, an unknown attribute kept", "<img src='a.gif' width=10 class=\"logo\">",
         "<IMG SRC=\"a.gif\" WIDTH=\"10\" class=\"logo\">"},
        {"percent, content and CR LF untouched", "<TABLE WIDTH=\"80%\">\r\n<TR><TD>x</TD></TR>\r\n</TABLE>",
         "<TABLE WIDTH=\"80%\">\r\n<TR><TD>x</TD></TR>\r\n</TABLE>"},
        {"values the controls cannot hold kept in order", "<TABLE ALIGN=\"justify\" BORDER=1 id=t>",
         "<TABLE BORDER=\"1\" ALIGN=\"justify\" id=t>"},
        {"a kept attribute replaced by the dialog's value", "<TD class=a ALIGN=justify>x</TD>",
         "<TD ALIGN=\"center\" class=a>x</TD>", [](Form& f) { f["RadioGroupALIGN"].selected = 2; }},
        {"/> stays", "<IMG SRC=\"a.gif\" />", "<IMG SRC=\"a.gif\" />"},
        {"/> without a blank", "<HR NOSHADE/>", "<HR NOSHADE/>"},
        {"/> after a kept unquoted value gets a blank", "<HR id=x\n//>", "<HR id=x />"},
        {"nested elements of the same name are content", "<FONT SIZE=2>a<FONT COLOR=red>b</FONT>c</font>",
         "<FONT SIZE=\"2\">a<FONT COLOR=red>b</FONT>c</FONT>"},
        {"blanks and line breaks around", "\r\n  <TD NOWRAP>x</TD>\r\n\t", "\r\n  <TD NOWRAP>x</TD>\r\n\t"},
        {"LF line breaks, no block breaks added", "<TABLE BORDER=1><TR><TD>x</TD></TR></TABLE>\n",
         "<TABLE BORDER=\"1\"><TR><TD>x</TD></TR></TABLE>\n"},
        {"case settings on the rewritten tags", "<TD Align=CENTER data-x=Y>x</Td>",
         "<td align=\"center\" data-x=Y>x</td>", {}, CaseSettings{1, 1, 1}},
        {"values upper case", "<hr align=center>", "<HR ALIGN=\"CENTER\">", {}, CaseSettings{0, 0, 0}},
        {"a start tag alone gets no end tag", "<LI TYPE=disc>", "<LI TYPE=\"disc\">"},
        {"a header cell", "<TH ROWSPAN=2>h</TH>", "<TH ROWSPAN=\"2\">h</TH>"},
        {"a cell turned into a header cell", "<TD>h</TD>", "<TH>h</TH>",
         [](Form& f) { f["RadioGroupKind"].selected = 1; }},
        {"bytes the code page lacks stay as written", "<IMG SRC=\"a\xff.gif\" BORDER=0>",
         "<IMG SRC=\"a\xff.gif\" BORDER=\"0\">"},
        {"entities come back as written", "<IMG SRC=\"a.gif\" ALT=\"&quot;x&amp;\">",
         "<IMG SRC=\"a.gif\" ALT=\"&quot;x&amp;\">"},
        {"a double quote inside single quotes is kept", "<IMG SRC=a.gif ALT='say \"hi\"'>",
         "<IMG SRC=\"a.gif\" ALT='say \"hi\"'>"},
        {"a link with an anchor and a target", "<a href=\"p.html#s\" target=_top onclick=\"go()\">x</a>",
         "<A HREF=\"p.html#s\" TARGET=\"_top\" onclick=\"go()\">x</A>"},
        {"a named anchor", "<A NAME=top></A>", "<A NAME=\"top\"></A>"},
        {"INPUT by its TYPE", "<input type=checkbox name=a checked>", "<INPUT TYPE=\"checkbox\" NAME=\"a\" CHECKED>"},
        {"INPUT without a TYPE is a text field", "<INPUT NAME=q SIZE=5>", "<INPUT TYPE=\"text\" NAME=\"q\" SIZE=\"5\">"},
        {"EMBED with PANEL", "<EMBED SRC=\"a.mid\" PANEL=1 TEXT=x>", "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" PANEL=\"1\" TEXT=\"x\">"},
        {"EMBED without PANEL", "<EMBED SRC=a.mid HIDDEN AUTOSTART=true>",
         "<EMBED SRC=\"a.mid\" TYPE=\"audio/midi\" HIDDEN AUTOSTART=\"true\">"},
        {"a bare attribute with a value is kept", "<TD NOWRAP=nowrap>x</TD>", "<TD NOWRAP=nowrap>x</TD>"},
        {"a count outside the spin's limits is kept", "<OL START=30 TYPE=A>\n<LI>a\n</OL>",
         "<OL TYPE=\"A\" START=30>\n<LI>a\n</OL>"},
        {"item counts start at 0", "<UL TYPE=square>\n <LI>a\n</UL>", "<UL TYPE=\"square\">\n <LI>a\n</UL>"},
        {"a map name", "<MAP NAME=nav>\n<AREA>\n</MAP>", "<MAP NAME=\"nav\">\n<AREA>\n</MAP>"},
        {"a prefixed value", "<IMG SRC=a.gif USEMAP=\"#nav\" ISMAP>", "<IMG SRC=\"a.gif\" ISMAP USEMAP=\"#nav\">"},
        {"a prefix missing: kept", "<IMG SRC=a.gif USEMAP=nav>", "<IMG SRC=\"a.gif\" USEMAP=nav>"},
        {"a frame set of rows", "<FRAMESET ROWS=\"50%,*\" BORDER=0>\n<FRAME SRC=a>\n</FRAMESET>",
         "<FRAMESET ROWS=\"50%,*\" BORDER=\"0\">\n<FRAME SRC=a>\n</FRAMESET>"},
        {"a repeated attribute: the first counts", "<HR SIZE=2 SIZE=3>", "<HR SIZE=\"2\" SIZE=3>"},
        {"a heading's level and content", "<h3 align=right>Title <b>x</b></h3>", "<H3 ALIGN=\"right\">Title <b>x</b></H3>"},
        {"the end tag dropped when the omit box is checked", "<FONT COLOR=red>x</FONT>", "<FONT COLOR=\"red\">x",
         [](Form& f) { f["CheckBoxOmit"].checked = true; }},
        {"sound volume and loop count", "<BGSOUND SRC=a.mid LOOP=3 VOLUME=-100>",
         "<BGSOUND SRC=\"a.mid\" TYPE=\"audio/midi\" LOOP=\"3\" VOLUME=\"-100\">"},
    });
}

TEST(Edit, TheSwitchIsMatchedExactly) {
    ASSERT_NE(find_switch("/EDIT"), nullptr);
    EXPECT_EQ(find_switch("/EDIT")->action, Action::Edit);
    EXPECT_EQ(find_switch("/edit"), nullptr);
    EXPECT_EQ(find_switch("/Edit"), nullptr);
}

TEST(Edit, RefusesWhatIsNotOneElementWithADialog) {
    expect_edits({
        {"nothing", " \r\n", "/EDIT: the selection is empty; select one element"},
        {"plain text", "Hello", "/EDIT: the selection begins with text, not with a tag"},
        {"a lone <", "< b", "/EDIT: the selection begins with text, not with a tag"},
        {"a comment", "<!-- c -->", "/EDIT: the selection is a comment, not an element"},
        {"a declaration", "<!DOCTYPE html>", "/EDIT: the selection begins with a declaration, not an element"},
        {"an end tag alone", "</B>", "/EDIT: the selection begins with an end tag, not a start tag"},
        {"no dialog", "<P>x</P>", "/EDIT: <P> has no dialog"},
        {"a skeleton", "<HTML>\r\n<BODY>x</BODY>\r\n</HTML>", "/EDIT: <HTML> has no dialog"},
        {"an INPUT type no member has", "<INPUT TYPE=\"email\">", "/EDIT: <INPUT TYPE=\"email\"> has no dialog"},
        {"the message quotes on one line", "<INPUT TYPE=\"e\r\n\n mail\">", "/EDIT: <INPUT TYPE=\"e mail\"> has no dialog"},
        {"and cuts a long value", "<INPUT TYPE=" + std::string(50, 'x') + ">",
         "/EDIT: <INPUT TYPE=" + std::string(35, 'x') + "...> has no dialog"},
        {"two elements side by side", "<FONT>a</FONT> <FONT>b</FONT>",
         "/EDIT: the selection is not one element: <FONT> ends before the selection does"},
        {"a tag and text", "<IMG SRC=a.gif> text", "/EDIT: the selection is not one element: <IMG> is not closed at its end"},
        {"broken markup", "<IMG SRC=\"a.gif", "/EDIT: the start tag <IMG is broken or not closed"},
        {"an end tag that does not match", "<FONT>a</B>",
         "/EDIT: the selection is not one element: it ends with </B>, which does not close <FONT>"},
        {"an inner element left open", "<FONT>a<FONT>b</FONT>",
         "/EDIT: the selection is not one element: an inner <FONT> is not closed"},
    });
}

}  // namespace
}  // namespace corvane
