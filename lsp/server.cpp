#include "lsp/server.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <set>

#include "common/casevocab.h"
#include "common/launcher.h"
#include "common/sysinfo.h"
#include "lsp/catalog.h"
#include "lsp/diff.h"
#include "lsp/elements.h"

namespace corvane::lsp {

using nlohmann::json;

namespace {

// JSON-RPC and protocol error codes.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;
constexpr int kRequestCancelled = -32800;
constexpr int kContentModified = -32801;

enum MessageType { kError = 1, kWarning = 2, kInfo = 3, kLog = 4 };

struct OpenDocument {
    Document doc;
    int64_t version = 0;
};

enum class RunKind { Dialog, Edit, Comment };

struct Run {
    json reply_to;      // the executeCommand not yet answered, or null
    std::chrono::steady_clock::time_point reply_by;
    RunKind kind;
    std::string uri;
    int64_t version;
    size_t from, to;        // the bytes handed to the run
    std::string selection;  // those bytes
    std::string switch_name;
};

bool valid_id(const json& id) { return id.is_number_integer() || id.is_string(); }

const json* member(const json& j, const char* name) {
    if (!j.is_object()) return nullptr;
    auto it = j.find(name);
    return it == j.end() ? nullptr : &*it;
}

std::string string_member(const json& j, const char* name) {
    const json* m = member(j, name);
    return m && m->is_string() ? m->get<std::string>() : std::string();
}

// Thrown for a request whose parameters do not say what it needs.
struct BadParams {
    std::string why;
};

const json& need(const json& j, const char* name) {
    const json* m = member(j, name);
    if (!m) throw BadParams{std::string("missing ") + name};
    return *m;
}

int64_t integer(const json& j, const char* name) {
    const json& m = need(j, name);
    if (m.is_number_integer()) return m.get<int64_t>();
    if (m.is_number_unsigned()) return static_cast<int64_t>(std::min<uint64_t>(m.get<uint64_t>(), INT64_MAX));
    throw BadParams{std::string(name) + " is not an integer"};
}

Position position_of(const json& j) { return Position{integer(j, "line"), integer(j, "character")}; }

json position_json(Position p) { return json{{"line", p.line}, {"character", p.character}}; }

int hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string file_path_of(std::string_view uri) {
    if (uri.substr(0, 5) != "file:") return {};
    uri.remove_prefix(5);
    if (uri.substr(0, 2) == "//") {
        uri.remove_prefix(2);
        const size_t slash = uri.find('/');
        if (slash == std::string_view::npos) return {};
        const std::string_view host = uri.substr(0, slash);
        if (!host.empty() && host != "localhost") return {};
        uri.remove_prefix(slash);
    }
    std::string out;
    for (size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size()) {
            const int h = hex(uri[i + 1]), l = hex(uri[i + 2]);
            if (h >= 0 && l >= 0) {
                out += static_cast<char>(h * 16 + l);
                i += 2;
                continue;
            }
        }
        if (uri[i] == '?' || uri[i] == '#') break;
        out += uri[i];
    }
    if (out.find('\0') != std::string::npos) return {};
    return out;
}

struct Server::State {
    std::map<std::string, OpenDocument> docs;
    std::map<int, Run> runs;
    std::vector<DialogEntry> dialogs;
    std::string out;
    int next_request = 1;
    bool document_changes = false;  // the client takes versioned edits

    void send(const json& j) { out += frame(j.dump(-1, ' ', false, json::error_handler_t::replace)); }
    void reply(const json& id, json result) { send(json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}}); }
    void error(const json& id, int code, const std::string& message) {
        send(json{{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
    }
    void notify(const char* method, json params) {
        send(json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
    }
    void show(int type, const std::string& message) { notify("window/showMessage", {{"type", type}, {"message", message}}); }
    void log(int type, const std::string& message) { notify("window/logMessage", {{"type", type}, {"message", message}}); }

    OpenDocument& open_document(const json& params) {
        auto it = docs.find(string_member(need(params, "textDocument"), "uri"));
        if (it == docs.end()) throw BadParams{"the document is not open"};
        return it->second;
    }

    json range_json(const Document& d, size_t from, size_t to, Encoding e) const {
        return json{{"start", position_json(d.position(from, e))}, {"end", position_json(d.position(to, e))}};
    }

    static json action(const std::string& title, const char* command, json argument) {
        return json{{"title", title},
                    {"kind", kActionKind},
                    {"command", {{"title", title}, {"command", command}, {"arguments", json::array({std::move(argument)})}}}};
    }

    // The edit action first, when an element is found; one action per tag
    // dialog in menu order; the comment action last.  Nothing here starts a
    // process or reads a file.
    json code_actions(const json& params, Encoding e) {
        const std::string uri = string_member(need(params, "textDocument"), "uri");
        auto it = docs.find(uri);
        json list = json::array();
        if (it == docs.end()) return list;
        if (const json* ctx = member(params, "context"))
            if (const json* only = member(*ctx, "only"); only && only->is_array()) {
                bool wanted = false;
                for (const json& k : *only)
                    if (k.is_string()) {
                        const std::string kind = k.get<std::string>();
                        wanted = wanted || kind.empty() || std::string_view(kActionKind).substr(0, kind.size()) == kind;
                    }
                if (!wanted) return list;
            }
        const Document& d = it->second.doc;
        const json& r = need(params, "range");
        size_t from = d.offset(position_of(need(r, "start")), e), to = d.offset(position_of(need(r, "end")), e);
        if (from > to) std::swap(from, to);
        const json base = {{"uri", uri}, {"version", it->second.version}};
        if (auto el = element_around(d.text(), from, to, edited_element, without_end_tag)) {
            json arg = base;
            arg["range"] = range_json(d, el->from, el->to, e);
            std::string name = el->name;
            for (char& c : name)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            list.push_back(action("Edit <" + name + ">", kEditCommand, std::move(arg)));
        }
        json arg = base;
        arg["range"] = range_json(d, from, to, e);
        for (const DialogEntry& entry : dialogs) {
            json a = arg;
            a["switch"] = entry.switch_name;
            list.push_back(action(entry.title, kDialogCommand, std::move(a)));
        }
        list.push_back(action("Toggle comment <!-- -->", kCommentCommand, std::move(arg)));
        return list;
    }

    void execute(const json& id, const json& params, Encoding e, Launcher& launcher) {
        const std::string command = string_member(params, "command");
        const json* args = member(params, "arguments");
        if (command != kDialogCommand && command != kEditCommand && command != kCommentCommand) {
            error(id, kInvalidParams, "unknown command " + command);
            return;
        }
        if (!args || !args->is_array() || args->empty() || !(*args)[0].is_object())
            throw BadParams{"the command takes one object"};
        const json& a = (*args)[0];
        Run run;
        run.kind = command == kDialogCommand ? RunKind::Dialog : command == kEditCommand ? RunKind::Edit : RunKind::Comment;
        run.uri = string_member(a, "uri");
        run.version = integer(a, "version");
        auto it = docs.find(run.uri);
        if (it == docs.end() || it->second.version != run.version) {
            show(kWarning, "Corvane: the document changed since the action was offered; nothing was done.");
            error(id, kContentModified, "the document changed");
            return;
        }
        const Document& d = it->second.doc;
        const json& r = need(a, "range");
        run.from = d.offset(position_of(need(r, "start")), e);
        run.to = d.offset(position_of(need(r, "end")), e);
        if (run.from > run.to) std::swap(run.from, run.to);
        run.selection = d.text().substr(run.from, run.to - run.from);
        if (run.kind == RunKind::Dialog) {
            run.switch_name = string_member(a, "switch");
            if (!dialog_switch(run.switch_name)) throw BadParams{"no dialog " + run.switch_name};
        } else if (run.kind == RunKind::Edit) {
            run.switch_name = "/EDIT";
        } else {
            run.switch_name = CORVANE_COMMENT_SWITCH;
        }
        Job job{run.switch_name, run.selection, file_path_of(run.uri), d.line_break_name(), run.kind != RunKind::Comment};
        // A selection /EDIT refuses is run without a display: the program
        // then says why in one line on standard error, which the user is
        // shown, instead of in a box of its own.
        if (run.kind == RunKind::Edit && edit_refuses(run.selection)) job.window = false, job.headless = true;
        std::string why;
        const int started = launcher.start(job, why);
        if (!started) {
            show(kError, why);
            reply(id, nullptr);
            return;
        }
        log(kLog, "Corvane: started " + run.switch_name + (why.empty() ? "" : " (" + why + ")"));
        // The answer waits for a run that ends at once (the comment), so that
        // its edit reaches the editor before it: a client that waits for the
        // answer then takes the edit on the way.  A dialog's run is answered
        // after a moment, so that no client is held while the dialog is open.
        run.reply_to = id;
        run.reply_by = std::chrono::steady_clock::now() + kReplyWithin;
        runs[started] = std::move(run);
    }

    static constexpr std::chrono::milliseconds kReplyWithin{300};

    // Answers the executeCommand of every run that has gone on long enough;
    // the time until the next such answer is due (-1: none).
    int answer_due() {
        const auto now = std::chrono::steady_clock::now();
        int next = -1;
        for (auto& [id, run] : runs) {
            if (run.reply_to.is_null()) continue;
            if (run.reply_by <= now) {
                reply(run.reply_to, nullptr);
                run.reply_to = nullptr;
                continue;
            }
            const int ms = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(run.reply_by - now).count());
            next = next < 0 ? ms : std::min(next, ms);
        }
        return next;
    }

    void finished(int run_id, const Outcome& o, Encoding e) {
        auto it = runs.find(run_id);
        if (it == runs.end()) return;
        const Run run = std::move(it->second);
        runs.erase(it);
        report(run, o, e);
        if (!run.reply_to.is_null()) reply(run.reply_to, nullptr);
    }

    void report(const Run& run, const Outcome& o, Encoding e) {
        // What the run wrote on standard error is the log's.
        size_t at = 0;
        std::string last;
        while (at < o.err.size()) {
            size_t eol = o.err.find('\n', at);
            if (eol == std::string::npos) eol = o.err.size();
            std::string line = o.err.substr(at, eol - at);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) {
                log(kLog, line);
                last = line;
            }
            at = eol + 1;
        }
        if (!o.exited) {
            show(kError, "Corvane: " + run.switch_name + " ended abnormally (signal " + std::to_string(o.code) +
                             "); nothing was changed.");
            return;
        }
        if (o.code != 0) {
            show(kError, last.empty() ? "Corvane: " + run.switch_name + " ended with exit code " + std::to_string(o.code) +
                                            "; nothing was changed."
                                      : last);
            return;
        }
        auto d = docs.find(run.uri);
        if (d == docs.end() || d->second.version != run.version) {
            show(kWarning, "Corvane: the document changed while " + run.switch_name + " was open; nothing was applied.");
            return;
        }
        if (o.out == run.selection) return;  // Cancel, Escape: nothing to do
        std::vector<ByteEdit> edits;
        std::string start, end;
        if (run.kind == RunKind::Dialog && split_wrapped(o.out, run.selection, start, end)) {
            if (run.from == run.to) {
                edits.push_back({run.from, run.from, start + end});
            } else {
                if (!start.empty()) edits.push_back({run.from, run.from, start});
                if (!end.empty()) edits.push_back({run.to, run.to, end});
            }
        } else {
            edits = smallest_edits(run.selection, o.out);
            for (ByteEdit& b : edits) b.from += run.from, b.to += run.from;
        }
        if (edits.empty()) return;
        const Document& doc = d->second.doc;
        json list = json::array();
        for (const ByteEdit& b : edits) list.push_back({{"range", range_json(doc, b.from, b.to, e)}, {"newText", b.text}});
        json edit;
        if (document_changes)
            edit["documentChanges"] = json::array(
                {{{"textDocument", {{"uri", run.uri}, {"version", run.version}}}, {"edits", std::move(list)}}});
        else
            edit["changes"] = {{run.uri, std::move(list)}};
        send(json{{"jsonrpc", "2.0"},
                  {"id", "corvane-" + std::to_string(next_request++)},
                  {"method", "workspace/applyEdit"},
                  {"params", {{"label", "Corvane " + run.switch_name}, {"edit", std::move(edit)}}}});
    }
};

Server::Server(Launcher& launcher) : s_(std::make_unique<State>()), launcher_(launcher) {}
Server::~Server() = default;

std::string Server::take_output() { return std::exchange(s_->out, std::string()); }

const Document* Server::document(const std::string& uri) const {
    auto it = s_->docs.find(uri);
    return it == s_->docs.end() ? nullptr : &it->second.doc;
}

void Server::receive(std::vector<FrameReader::Frame>& frames) {
    State& s = *s_;
    std::vector<json> messages;
    std::set<std::string> cancelled;
    for (FrameReader::Frame& f : frames) {
        if (f.kind == FrameReader::Kind::BadHeader) {
            s.error(nullptr, kParseError, "a header without a valid Content-Length");
            continue;
        }
        if (f.kind == FrameReader::Kind::TooLarge) {
            s.error(nullptr, kInvalidRequest, "a message longer than the server takes");
            continue;
        }
        if (f.kind != FrameReader::Kind::Message) continue;
        json j = json::parse(f.body, nullptr, false);
        if (j.is_discarded()) {
            s.error(nullptr, kParseError, "the message is not JSON");
            continue;
        }
        if (j.is_object() && string_member(j, "method") == "$/cancelRequest")
            if (const json* p = member(j, "params"))
                if (const json* id = member(*p, "id"); id && valid_id(*id)) cancelled.insert(id->dump());
        messages.push_back(std::move(j));
    }
    for (json& j : messages) {
        if (exited_) return;
        const json* method = member(j, "method");
        const json* id = member(j, "id");
        if (!j.is_object() || (method && !method->is_string()) || (id && !valid_id(*id) && !id->is_null()) ||
            (!method && !id)) {
            s.error(id && valid_id(*id) ? *id : json(nullptr), kInvalidRequest, "not a JSON-RPC message");
            continue;
        }
        if (!method) {
            // A response to a request of the server's: only applyEdit's matter.
            const json* result = member(j, "result");
            const json* err = member(j, "error");
            const json* applied = result ? member(*result, "applied") : nullptr;
            if (err || (applied && applied->is_boolean() && !applied->get<bool>())) {
                const std::string reason = result ? string_member(*result, "failureReason") : std::string();
                s.show(kWarning, "Corvane: the editor did not apply the change" + (reason.empty() ? "" : ": " + reason));
            }
            continue;
        }
        const std::string name = method->get<std::string>();
        const bool request = id && valid_id(*id);
        const json params = member(j, "params") ? j["params"] : json::object();
        if (request && cancelled.count(id->dump())) {
            s.error(*id, kRequestCancelled, "cancelled");
            continue;
        }
        try {
            if (name == "exit") {
                exited_ = true;
                return;
            }
            if (!initialized_ && name != "initialize") {
                if (request) s.error(*id, kServerNotInitialized, "the server is not initialized");
                continue;
            }
            if (shut_down_ && request) {
                s.error(*id, kInvalidRequest, "the server is shut down");
                continue;
            }
            if (name == "initialize" && request) {
                if (initialized_) {
                    s.error(*id, kInvalidRequest, "initialize was sent before");
                    continue;
                }
                initialized_ = true;
                encoding_ = Encoding::Utf16;
                const json* caps = member(params, "capabilities");
                const json* general = caps ? member(*caps, "general") : nullptr;
                const json* offered = general ? member(*general, "positionEncodings") : nullptr;
                if (offered && offered->is_array()) {
                    // UTF-8 is what the documents are held in; UTF-32 needs no
                    // pairs; UTF-16 is the default every client speaks.
                    bool utf8 = false, utf32 = false;
                    for (const json& e : *offered) {
                        utf8 = utf8 || e == "utf-8";
                        utf32 = utf32 || e == "utf-32";
                    }
                    encoding_ = utf8 ? Encoding::Utf8 : utf32 ? Encoding::Utf32 : Encoding::Utf16;
                }
                const json* workspace = caps ? member(*caps, "workspace") : nullptr;
                const json* we = workspace ? member(*workspace, "workspaceEdit") : nullptr;
                const json* dc = we ? member(*we, "documentChanges") : nullptr;
                s.document_changes = dc && dc->is_boolean() && dc->get<bool>();
                s.dialogs = dialog_entries(load_case_settings(settings_file("Corvane.ini")));
                s.reply(*id, {{"capabilities",
                               {{"positionEncoding", encoding_name(encoding_)},
                                {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
                                {"codeActionProvider", {{"codeActionKinds", {kActionKind}}}},
                                {"executeCommandProvider",
                                 {{"commands", {kDialogCommand, kEditCommand, kCommentCommand}}}}}},
                              {"serverInfo", {{"name", "corvane"}}}});
            } else if (name == "shutdown" && request) {
                shut_down_ = true;
                s.reply(*id, nullptr);
            } else if (name == "textDocument/didOpen") {
                const json& td = need(params, "textDocument");
                const json& text = need(td, "text");
                if (!text.is_string()) throw BadParams{"text is not a string"};
                s.docs[string_member(td, "uri")] = OpenDocument{Document(text.get<std::string>()), integer(td, "version")};
            } else if (name == "textDocument/didChange") {
                const json& td = need(params, "textDocument");
                auto it = s.docs.find(string_member(td, "uri"));
                if (it == s.docs.end()) continue;
                OpenDocument& d = it->second;
                const json& changes = need(params, "contentChanges");
                if (!changes.is_array()) throw BadParams{"contentChanges is not a list"};
                for (const json& c : changes) {
                    const json& text = need(c, "text");
                    if (!text.is_string()) throw BadParams{"text is not a string"};
                    const std::string& t = text.get_ref<const std::string&>();
                    if (const json* r = member(c, "range")) {
                        const size_t from = d.doc.offset(position_of(need(*r, "start")), encoding_);
                        const size_t to = d.doc.offset(position_of(need(*r, "end")), encoding_);
                        d.doc.replace(std::min(from, to), std::max(from, to), t);
                    } else {
                        d.doc = Document(t);
                    }
                }
                d.version = integer(td, "version");
            } else if (name == "textDocument/didClose") {
                s.docs.erase(string_member(need(params, "textDocument"), "uri"));
            } else if (name == "textDocument/codeAction" && request) {
                s.reply(*id, s.code_actions(params, encoding_));
            } else if (name == "workspace/executeCommand" && request) {
                s.execute(*id, params, encoding_, launcher_);
            } else if (request) {
                s.error(*id, kMethodNotFound, "unknown method " + name);
            }
        } catch (const BadParams& e) {
            if (request) s.error(*id, kInvalidParams, e.why);
        } catch (const json::exception& e) {
            if (request) s.error(*id, kInvalidParams, e.what());
        }
    }
}

void Server::finished(int run, const Outcome& outcome) { s_->finished(run, outcome, encoding_); }

int Server::answer_due() { return s_->answer_due(); }

}  // namespace corvane::lsp
