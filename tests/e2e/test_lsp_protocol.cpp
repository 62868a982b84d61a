// `corvane --lsp` over pipes: the built program with a client of the test's
// own, message by message.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include "lsp_client.h"

namespace corvane::test {
namespace {

const std::map<std::string, std::optional<std::string>> kNoDisplay = {
    {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", std::nullopt}};
const std::map<std::string, std::optional<std::string>> kOffscreen = {
    {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", "offscreen"}};

json pos(int64_t line, int64_t character) { return {{"line", line}, {"character", character}}; }
json range(int64_t l1, int64_t c1, int64_t l2, int64_t c2) { return {{"start", pos(l1, c1)}, {"end", pos(l2, c2)}}; }

const char* kUri = "file:///tmp/corvane%20lsp/page.htm";

void open(LspClient& c, const std::string& text, int version = 1) {
    c.notify("textDocument/didOpen",
             {{"textDocument", {{"uri", kUri}, {"languageId", "html"}, {"version", version}, {"text", text}}}});
}

void change(LspClient& c, int version, json r, const std::string& text) {
    c.notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", version}}},
                                        {"contentChanges", json::array({{{"range", r}, {"text", text}}})}});
}

json actions(LspClient& c, json r) {
    const int id = c.request("textDocument/codeAction",
                             {{"textDocument", {{"uri", kUri}}}, {"range", r}, {"context", {{"diagnostics", json::array()}}}});
    return c.response(id)["result"];
}

// Runs an action's command; the server answers at once.
void run(LspClient& c, const json& action) {
    const int id = c.request("workspace/executeCommand", action["command"]);
    EXPECT_EQ(c.response(id)["result"], nullptr);
}

const json* titled(const json& list, const std::string& title) {
    for (const json& a : list)
        if (a["title"] == title) return &a;
    return nullptr;
}

int64_t units(const std::string& s, const std::string& enc) {
    int64_t n = 0;
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        n += enc == "utf-8" ? static_cast<int64_t>(len) : enc == "utf-16" ? (len == 4 ? 2 : 1) : 1;
        i += len;
    }
    return n;
}

TEST(LspProtocol, InitializeAnswersItsCapabilities) {
    struct Case {
        json offered;  // general.positionEncodings, or null for none
        const char* chosen;
    };
    for (const Case& k : {Case{nullptr, "utf-16"}, Case{{"utf-16"}, "utf-16"}, Case{{"utf-32", "utf-16"}, "utf-32"},
                          Case{{"utf-16", "utf-8", "utf-32"}, "utf-8"}}) {
        LspClient c;
        json caps = json::object();
        if (!k.offered.is_null()) caps["general"]["positionEncodings"] = k.offered;
        const json r = c.initialize(caps)["result"]["capabilities"];
        EXPECT_EQ(r["positionEncoding"], k.chosen) << k.offered;
        EXPECT_EQ(r["textDocumentSync"]["change"], 2);
        EXPECT_EQ(r["textDocumentSync"]["openClose"], true);
        EXPECT_EQ(r["codeActionProvider"]["codeActionKinds"], json({"refactor.corvane"}));
        EXPECT_EQ(r["executeCommandProvider"]["commands"], json({"corvane.dialog", "corvane.edit", "corvane.comment"}));
        // The server holds no Qt, with a document open and its actions listed.
        open(c, "<p>Hello</p>");
        actions(c, range(0, 3, 0, 8));
        std::ifstream maps("/proc/" + std::to_string(c.pid()) + "/maps");
        for (std::string line; std::getline(maps, line);) EXPECT_EQ(line.find("libQt"), std::string::npos) << line;
        const int id = c.request("shutdown", nullptr);
        EXPECT_EQ(c.response(id)["result"], nullptr);
        c.notify("exit", nullptr);
        EXPECT_EQ(c.wait_exit(5000), 0);
        EXPECT_TRUE(c.output_is_protocol_only());
    }
}

TEST(LspProtocol, LifecycleAndMalformedMessages) {
    LspClient c;
    // Before initialize: requests refused, notifications dropped.
    int id = c.request("textDocument/codeAction", json::object());
    EXPECT_EQ(c.response(id)["error"]["code"], -32002);
    c.initialize();
    struct Case {
        const char* what;
        std::string bytes;
        int code;
    };
    const auto framed = [](const std::string& body) {
        return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    const std::vector<Case> cases = {
        {"not JSON", framed("{"), -32700},
        {"no Content-Length", "Content-Type: x\r\n\r\n", -32700},
        {"not an object", framed("[1,2]"), -32600},
        {"a method that is not a string", framed(R"({"jsonrpc":"2.0","id":7,"method":1})"), -32600},
        {"an unknown method", framed(R"({"jsonrpc":"2.0","id":8,"method":"corvane/nothing"})"), -32601},
        {"bad params", framed(R"({"jsonrpc":"2.0","id":9,"method":"textDocument/codeAction","params":1})"), -32602},
    };
    for (const Case& k : cases) {
        c.send_raw(k.bytes);
        const json e = c.wait_for([](const json& j) { return j.contains("error"); });
        EXPECT_EQ(e["error"]["code"], k.code) << k.what;
        // Still serving.
        id = c.request("textDocument/codeAction", {{"textDocument", {{"uri", "file:///none"}}}, {"range", range(0, 0, 0, 0)}});
        EXPECT_EQ(c.response(id)["result"], json::array()) << k.what;
    }
    // An unknown notification is ignored; a request cancelled in the same
    // read is answered as cancelled.
    c.notify("corvane/whatever", json::object());
    c.send_raw([] {
        std::string both;
        for (const json& j : {json{{"jsonrpc", "2.0"}, {"id", 50}, {"method", "shutdown"}},
                              json{{"jsonrpc", "2.0"}, {"method", "$/cancelRequest"}, {"params", {{"id", 50}}}}}) {
            const std::string b = j.dump();
            both += "Content-Length: " + std::to_string(b.size()) + "\r\n\r\n" + b;
        }
        return both;
    }());
    EXPECT_EQ(c.response(50)["error"]["code"], -32800);
    // No shutdown: exit ends with 1.
    c.notify("exit", nullptr);
    EXPECT_EQ(c.wait_exit(5000), 1);
    EXPECT_TRUE(c.output_is_protocol_only());
}

// Incremental changes in each encoding and line break, checked through
// what the server then finds and edits: an Edit action's range and the
// edits of an uncomment.
TEST(LspProtocol, IncrementalSyncInEachEncoding) {
    for (const std::string enc : {"utf-8", "utf-16", "utf-32"}) {
        for (const std::string eol : {"\r\n", "\n", "\r"}) {
            SCOPED_TRACE(enc + " " + (eol == "\r\n" ? "crlf" : eol == "\n" ? "lf" : "cr"));
            LspClient c(kNoDisplay);
            json caps = {{"workspace", {{"workspaceEdit", {{"documentChanges", true}}}}}};
            if (enc != "utf-16") caps["general"]["positionEncodings"] = {enc};
            ASSERT_EQ(c.initialize(caps)["result"]["capabilities"]["positionEncoding"], enc);
            open(c, "日本語😀" + eol + "ab" + eol);
            const int64_t e = units("日本語😀", enc);
            const std::string img = "<img src=\"x.gif\">";
            change(c, 2, range(0, e, 0, e), img);
            change(c, 3, range(1, 0, 1, 2), "<!-- é😀z -->");
            change(c, 4, range(1, 999, 1, 1000), "!");  // past the line's end: at its end
            change(c, 5, range(7, 0, 9, 3), "");       // past the document's end: nothing
            const json list = actions(c, range(0, e + 3, 0, e + 3));
            ASSERT_FALSE(list.empty());
            EXPECT_EQ(list[0]["title"], "Edit <IMG>");
            EXPECT_EQ(list[0]["command"]["arguments"][0]["range"], range(0, e, 0, e + 17));
            const int64_t inner = units("é😀z", enc), whole = 5 + inner + 4;
            const json* comment = nullptr;
            const json on_line = actions(c, range(1, 0, 1, whole));
            for (const json& a : on_line)
                if (a["title"].get<std::string>().find("comment") != std::string::npos) comment = &a;
            ASSERT_NE(comment, nullptr);
            run(c, *comment);
            const json apply = c.message("workspace/applyEdit");
            const json& dc = apply["params"]["edit"]["documentChanges"][0];
            EXPECT_EQ(dc["textDocument"]["version"], 5);
            EXPECT_EQ(dc["edits"], json::array({{{"range", range(1, 0, 1, 5)}, {"newText", ""}},
                                                {{"range", range(1, 5 + inner, 1, whole)}, {"newText", ""}}}));
            c.send({{"jsonrpc", "2.0"}, {"id", apply["id"]}, {"result", {{"applied", true}}}});
        }
    }
}

TEST(LspProtocol, ActionLists) {
    LspClient c(kNoDisplay);
    c.initialize();
    const std::string text =
        "<p>Hello <img src=\"a.gif\" width=10> <FONT color=red><FONT size=3>ab</FONT></FONT> plain</p>";
    open(c, text);
    const int64_t img = static_cast<int64_t>(text.find("<img")), img_end = static_cast<int64_t>(text.find("> <F") + 1);
    const int64_t outer = static_cast<int64_t>(text.find("<FONT")), inner = static_cast<int64_t>(text.find("<FONT size"));
    const int64_t inner_end = static_cast<int64_t>(text.find("</FONT>") + 7), outer_end = inner_end + 7;
    struct Case {
        const char* what;
        json r;
        std::string edit;  // the edit action's title, empty for none
        json edit_range;
    };
    const std::vector<Case> cases = {
        {"a range of plain text", range(0, 3, 0, 8), "", nullptr},
        {"the caret inside an IMG", range(0, img + 12, 0, img + 12), "Edit <IMG>", range(0, img, 0, img_end)},
        {"the caret on the IMG's <", range(0, img, 0, img), "Edit <IMG>", range(0, img, 0, img_end)},
        {"the caret in nested FONT elements", range(0, inner_end - 8, 0, inner_end - 8), "Edit <FONT>",
         range(0, inner, 0, inner_end)},
        {"the caret between the two end tags", range(0, inner_end, 0, inner_end), "Edit <FONT>",
         range(0, outer, 0, outer_end)},
        {"a range that is one element", range(0, outer, 0, outer_end), "Edit <FONT>", range(0, outer, 0, outer_end)},
        {"plain text outside any element", range(0, outer_end + 2, 0, outer_end + 2), "", nullptr},
    };
    for (const Case& k : cases) {
        const json list = actions(c, k.r);
        ASSERT_GE(list.size(), 40u) << k.what;
        const bool has_edit = list[0]["title"].get<std::string>().rfind("Edit", 0) == 0;
        EXPECT_EQ(has_edit ? list[0]["title"].get<std::string>() : "", k.edit) << k.what;
        if (has_edit) {
            EXPECT_EQ(list[0]["command"]["arguments"][0]["range"], k.edit_range) << k.what;
        }
        EXPECT_EQ(list.size(), has_edit ? 41u : 40u) << k.what;
        for (const json& a : list) EXPECT_EQ(a["kind"], "refactor.corvane") << k.what;
        EXPECT_NE(list.back()["title"].get<std::string>().find("comment"), std::string::npos) << k.what;
        EXPECT_EQ(list.back()["command"]["command"], "corvane.comment");
    }
    // The tag dialogs: captions as the dialogs show them, in menu order.
    const json list = actions(c, range(0, 3, 0, 8));
    std::vector<std::string> titles;
    for (const json& a : list) titles.push_back(a["title"]);
    const auto at = [&](const std::string& t) { return std::find(titles.begin(), titles.end(), t) - titles.begin(); };
    EXPECT_LT(at("フォント <FONT>"), at("入力（ﾃｷｽﾄ） <INPUT TYPE=\"text\">"));
    EXPECT_LT(at("入力（ﾃｷｽﾄ） <INPUT TYPE=\"text\">"), static_cast<long>(titles.size()));
    EXPECT_EQ(list[at("フォント <FONT>")]["command"]["arguments"][0]["switch"], "/FONT");
    // A filter on another kind leaves none.
    const int id = c.request("textDocument/codeAction", {{"textDocument", {{"uri", kUri}}}, {"range", range(0, 3, 0, 8)},
                                                         {"context", {{"diagnostics", json::array()}, {"only", {"quickfix"}}}}});
    EXPECT_EQ(c.response(id)["result"], json::array());
}

// The comment command end to end; a stale version; a document changed while
// the command ran.
TEST(LspProtocol, CommentThroughTheCommand) {
    LspClient c(kNoDisplay);
    c.initialize({{"workspace", {{"workspaceEdit", {{"documentChanges", true}}}}}});
    open(c, "a\r\nHello\r\nb\r\n", 3);
    const json list = actions(c, range(1, 0, 1, 5));
    const json comment = list.back();
    run(c, comment);
    const json apply = c.message("workspace/applyEdit");
    EXPECT_EQ(apply["params"]["edit"]["documentChanges"],
              json::array({{{"textDocument", {{"uri", kUri}, {"version", 3}}},
                            {"edits", json::array({{{"range", range(1, 0, 1, 0)}, {"newText", "<!-- "}},
                                                   {{"range", range(1, 5, 1, 5)}, {"newText", " -->"}}})}}}));
    c.send({{"jsonrpc", "2.0"}, {"id", apply["id"]}, {"result", {{"applied", true}}}});

    // The action was offered for version 3; the document is now at 4.
    change(c, 4, range(0, 0, 0, 0), "x");
    const int id = c.request("workspace/executeCommand", comment["command"]);
    EXPECT_EQ(c.response(id)["error"]["code"], -32801);
    EXPECT_NE(c.message("window/showMessage")["params"]["message"].get<std::string>().find("changed"), std::string::npos);

    // Changed while the command ran: nothing applied, the user told.
    const json fresh = actions(c, range(1, 0, 1, 5)).back();
    const int running = c.request("workspace/executeCommand", fresh["command"]);
    change(c, 5, range(0, 0, 0, 0), "y");
    EXPECT_EQ(c.response(running)["result"], nullptr);
    const json m = c.message("window/showMessage");
    EXPECT_NE(m["params"]["message"].get<std::string>().find("changed while"), std::string::npos) << m;
    for (const json& j : c.collect(300)) EXPECT_NE(j.value("method", ""), "workspace/applyEdit") << j;
    // An editor that refuses the edit: the user is told.
    run(c, actions(c, range(1, 0, 1, 5)).back());
    const json again = c.message("workspace/applyEdit");
    c.send({{"jsonrpc", "2.0"}, {"id", again["id"]}, {"result", {{"applied", false}, {"failureReason", "busy"}}}});
    EXPECT_NE(c.message("window/showMessage")["params"]["message"].get<std::string>().find("busy"), std::string::npos);
}

int started_pid(LspClient& c) {
    const json log = c.wait_for([](const json& j) {
        return j.value("method", "") == "window/logMessage" &&
               j["params"]["message"].get<std::string>().find("(process ") != std::string::npos;
    });
    const std::string m = log["params"]["message"];
    return std::stoi(m.substr(m.find("(process ") + 9));
}

// Each failure leaves the document as it was, tells the user, and the
// server goes on answering.
TEST(LspProtocol, FailuresLeaveTheDocumentAndTheServer) {
    const std::string text = "<p>Hello <INPUT TYPE=\"color\"></p>";
    struct Case {
        const char* what;
        bool display;
        std::string title;  // the action run
        std::string message;
        bool kill_it;
    };
    const std::vector<Case> cases = {
        {"no display", false, "フォント <FONT>", "no display", false},
        {"a killed dialog", true, "フォント <FONT>", "ended abnormally", true},
        {"a refused /EDIT", true, "Edit <INPUT>", "/EDIT: <INPUT TYPE=\"color\"> has no dialog", false},
    };
    for (const Case& k : cases) {
        LspClient c(k.display ? kOffscreen : kNoDisplay);
        c.initialize();
        open(c, text);
        const int64_t in = static_cast<int64_t>(text.find("<INPUT")) + 3;
        const json list = actions(c, range(0, in, 0, in));
        const json* a = titled(list, k.title);
        ASSERT_NE(a, nullptr) << k.what;
        run(c, *a);
        if (k.kill_it) {
            const int pid = started_pid(c);
            // While the dialog is open, requests are answered.
            EXPECT_EQ(actions(c, range(0, 0, 0, 0)).size(), 40u) << k.what;
            kill(pid, SIGKILL);
        }
        const json m = c.message("window/showMessage");
        EXPECT_NE(m["params"]["message"].get<std::string>().find(k.message), std::string::npos) << k.what << m;
        for (const json& j : c.collect(200)) EXPECT_NE(j.value("method", ""), "workspace/applyEdit") << k.what;
        EXPECT_EQ(actions(c, range(0, in, 0, in))[0]["title"], "Edit <INPUT>") << k.what;
    }
}

TEST(LspProtocol, ClientExitingWhileADialogIsOpen) {
    LspClient c(kOffscreen);
    c.initialize();
    open(c, "<p>Hello</p>");
    run(c, *titled(actions(c, range(0, 3, 0, 8)), "フォント <FONT>"));
    const int pid = started_pid(c);
    ASSERT_EQ(kill(pid, 0), 0);
    c.close_input();
    EXPECT_EQ(c.wait_exit(5000), 1);
    EXPECT_NE(kill(pid, 0), 0);  // the dialog ended with the server
}

}  // namespace
}  // namespace corvane::test
