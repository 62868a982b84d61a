// libFuzzer target for the language server: framing, JSON and document
// sync, through the server's own reader and handler, with runs answered by a
// fake launcher.  Properties:
//  - no crash or hang on any bytes;
//  - a malformed message gets the JSON-RPC error for it (-32700 for bytes
//    that are no JSON, -32600 for JSON that is no message), and a request
//    after it is still answered;
//  - after random incremental edits, in each position encoding, the server's
//    text equals the text of a model kept here, whose positions are counted
//    on code points independently of the server; positions past a line's end
//    or the document's end are clamped (the sanitizers catch a read past);
//  - a position made from an offset gives that offset back;
//  - code actions over random ranges and random run results never break it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "lsp/server.h"

using nlohmann::json;
using namespace corvane::lsp;

namespace {

struct FakeLauncher final : Launcher {
    std::vector<Job> jobs;
    int started = 0;
    int start(const Job& job, std::string& why) override {
        jobs.push_back(job);
        why = "fake";
        return ++started;
    }
};

[[noreturn]] void fail(const char* what, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "lsp property broken: %s\nserver: [%s]\nmodel:  [%s]\n", what, a.c_str(), b.c_str());
    std::abort();
}

// The model: code points, lines split on CR LF, CR and LF.
struct Model {
    std::u32string text;
    Encoding enc;

    static size_t units_of(char32_t c, Encoding e) {
        if (e == Encoding::Utf32) return 1;
        if (e == Encoding::Utf16) return c > 0xFFFF ? 2 : 1;
        return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    }
    // Index in `text` of a position, clamped as the protocol says.
    size_t index(int64_t line, int64_t ch) const {
        if (line < 0) return 0;
        size_t i = 0;
        for (int64_t l = 0; l < line; ++l) {
            while (i < text.size() && text[i] != U'\n' && text[i] != U'\r') ++i;
            if (i == text.size()) return i;
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            ++i;
        }
        int64_t left = ch;
        while (left > 0 && i < text.size() && text[i] != U'\n' && text[i] != U'\r') {
            const int64_t u = static_cast<int64_t>(units_of(text[i], enc));
            if (left < u) break;
            left -= u;
            ++i;
        }
        return i;
    }
};

std::string utf8(const std::u32string& s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) out += static_cast<char>(0xC0 | (c >> 6)), out += static_cast<char>(0x80 | (c & 0x3F));
        else if (c < 0x10000)
            out += static_cast<char>(0xE0 | (c >> 12)), out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                out += static_cast<char>(0x80 | (c & 0x3F));
        else
            out += static_cast<char>(0xF0 | (c >> 18)), out += static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

const char32_t kAlphabet[] = {U'a', U'<', U'>', U'/', U' ', U'\r', U'\n', U'日', U'é', U'😀', U'𠀋', U'😀', U'ｶ', U'I', U'"', U'𠀋'};

std::u32string some_text(FuzzedDataProvider& in, size_t max) {
    std::u32string s;
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, max);
    for (size_t i = 0; i < n && in.remaining_bytes(); ++i)
        s += kAlphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(kAlphabet) - 1)];
    return s;
}

struct Session {
    FakeLauncher launcher;
    Server server{launcher};
    FrameReader reader;
    std::string out;

    void bytes(const std::string& b) {
        reader.feed(b);
        std::vector<FrameReader::Frame> frames;
        for (FrameReader::Frame f = reader.next(); f.kind != FrameReader::Kind::None; f = reader.next())
            frames.push_back(std::move(f));
        if (!frames.empty()) server.receive(frames);
        out += server.take_output();
    }
    void send(const json& j) { bytes(frame(j.dump())); }
    // The bodies written since the last call.
    std::vector<json> messages() {
        std::vector<json> all;
        FrameReader r;
        r.feed(out);
        out.clear();
        for (FrameReader::Frame f = r.next(); f.kind == FrameReader::Kind::Message; f = r.next())
            all.push_back(json::parse(f.body));
        return all;
    }
};

json pos(int64_t l, int64_t c) { return {{"line", l}, {"character", c}}; }

void initialize(Session& s, Encoding e) {
    s.send({{"jsonrpc", "2.0"}, {"id", 0}, {"method", "initialize"},
            {"params", {{"capabilities", {{"general", {{"positionEncodings", {encoding_name(e)}}}}}}}}});
    s.messages();
}

// Any bytes, then one request that must be answered.
void raw(FuzzedDataProvider& in) {
    // One server for many inputs, started afresh after an exit and now and
    // then, so that what inputs leave open does not pile up.
    static Session* shared = nullptr;
    static int uses = 0;
    if (!shared || shared->server.exited() || ++uses % 256 == 0) {
        delete shared;
        shared = new Session;
        initialize(*shared, Encoding::Utf16);
    }
    Session& s = *shared;
    s.reader = FrameReader();  // the last input may have ended inside a frame
    s.messages();
    const bool framed = in.ConsumeBool();
    const std::string body = in.ConsumeRandomLengthString(4096);
    s.bytes(framed ? frame(body) : body);
    if (!framed) return;  // unframed bytes may leave the reader inside a body
    bool is_json = !json::parse(body, nullptr, false).is_discarded();
    const std::vector<json> replies = s.messages();
    if (!is_json) {
        bool parse_error = false;
        for (const json& j : replies) parse_error = parse_error || (j.contains("error") && j["error"]["code"] == -32700);
        if (!parse_error) fail("no parse error for bytes that are no JSON", body, "");
    } else if (json j = json::parse(body); !j.is_object()) {
        bool invalid = false;
        for (const json& r : replies) invalid = invalid || (r.contains("error") && r["error"]["code"] == -32600);
        if (!invalid) fail("no invalid-request error for JSON that is no message", body, "");
    }
    if (s.server.exited()) return;
    s.send({{"jsonrpc", "2.0"}, {"id", 424242}, {"method", "corvane/unknown"}});
    bool answered = false;
    for (const json& j : s.messages()) answered = answered || (j.contains("id") && j["id"] == 424242);
    if (!answered && !s.server.exited()) fail("a request after a malformed message is not answered", body, "");
}

// One server per encoding for every input (its start is most of a run's
// time otherwise); each input opens its document afresh and closes it.
Session& session(Encoding e) {
    static Session* sessions[3] = {};
    Session*& s = sessions[static_cast<int>(e)];
    if (!s) {
        s = new Session;
        initialize(*s, e);
    }
    return *s;
}

void edits(FuzzedDataProvider& in) {
    const Encoding e = static_cast<Encoding>(in.ConsumeIntegralInRange(0, 2));
    Session& s = session(e);
    s.launcher.jobs.clear();
    Model m{some_text(in, 40), e};
    const std::string uri = "file:///x.htm";
    s.send({{"jsonrpc", "2.0"}, {"method", "textDocument/didOpen"},
            {"params", {{"textDocument", {{"uri", uri}, {"languageId", "html"}, {"version", 1}, {"text", utf8(m.text)}}}}}});
    int version = 1;
    while (in.remaining_bytes() > 0) {
        const int what = in.ConsumeIntegralInRange(0, 15);
        const int64_t l1 = in.ConsumeIntegralInRange<int64_t>(-1, 8), c1 = in.ConsumeIntegralInRange<int64_t>(-1, 12);
        const int64_t l2 = in.ConsumeIntegralInRange<int64_t>(-1, 8), c2 = in.ConsumeIntegralInRange<int64_t>(-1, 12);
        if (what <= 12) {
            const std::u32string t = some_text(in, 6);
            size_t a = m.index(l1, c1), b = m.index(l2, c2);
            if (a > b) std::swap(a, b);
            m.text.replace(a, b - a, t);
            s.send({{"jsonrpc", "2.0"}, {"method", "textDocument/didChange"},
                    {"params", {{"textDocument", {{"uri", uri}, {"version", ++version}}},
                                {"contentChanges", json::array({{{"range", {{"start", pos(l1, c1)}, {"end", pos(l2, c2)}}},
                                                                 {"text", utf8(t)}}})}}}});
        } else if (what == 13) {
            m.text = some_text(in, 30);
            s.send({{"jsonrpc", "2.0"}, {"method", "textDocument/didChange"},
                    {"params", {{"textDocument", {{"uri", uri}, {"version", ++version}}},
                                {"contentChanges", json::array({{{"text", utf8(m.text)}}})}}}});
        } else {
            // Actions over the range; one of them run, and a result handed back.
            s.send({{"jsonrpc", "2.0"}, {"id", 7}, {"method", "textDocument/codeAction"},
                    {"params", {{"textDocument", {{"uri", uri}}}, {"range", {{"start", pos(l1, c1)}, {"end", pos(l2, c2)}}}}}});
            for (const json& j : s.messages())
                if (j.contains("result") && j["result"].is_array() && !j["result"].empty()) {
                    const json& list = j["result"];
                    const json& a = list[in.ConsumeIntegralInRange<size_t>(0, list.size() - 1)];
                    s.send({{"jsonrpc", "2.0"}, {"id", 8}, {"method", "workspace/executeCommand"}, {"params", a["command"]}});
                    if (!s.launcher.jobs.empty()) {
                        Outcome o;
                        o.exited = in.ConsumeBool();
                        o.code = in.ConsumeBool() ? 0 : 1;
                        const std::string& sel = s.launcher.jobs.back().selection;
                        o.out = in.ConsumeBool() ? "<B>" + sel + "</B>" : utf8(some_text(in, 8)) + sel.substr(0, sel.size() / 2);
                        s.server.finished(s.launcher.started, o);
                        s.out += s.server.take_output();
                    }
                }
        }
    }
    s.messages();
    const Document* d = s.server.document(uri);
    if (!d) fail("the document is gone", "", "");
    if (d->text() != utf8(m.text)) fail("the server's text is not the model's", d->text(), utf8(m.text));
    // Every character's position, counted on the model, is its offset in
    // the server's text, and back.
    int64_t line = 0, ch = 0;
    size_t byte = 0;
    for (size_t i = 0; i <= m.text.size(); ++i) {
        const bool inside_crlf = i > 0 && m.text[i - 1] == U'\r' && i < m.text.size() && m.text[i] == U'\n';
        if (!inside_crlf) {
            if (d->offset(Position{line, ch}, e) != byte)
                fail("a position does not give its offset", d->text(), std::to_string(line) + ":" + std::to_string(ch));
            const Position p = d->position(byte, e);
            if (p.line != line || p.character != ch)
                fail("an offset does not give its position", d->text(), std::to_string(byte));
        }
        if (i == m.text.size()) break;
        const char32_t c = m.text[i];
        byte += utf8(std::u32string(1, c)).size();
        if (c == U'\n' || (c == U'\r' && !(i + 1 < m.text.size() && m.text[i + 1] == U'\n'))) {
            ++line;
            ch = 0;
        } else if (c != U'\r') {
            ch += static_cast<int64_t>(Model::units_of(c, e));
        }
    }
    s.send({{"jsonrpc", "2.0"}, {"method", "textDocument/didClose"}, {"params", {{"textDocument", {{"uri", uri}}}}}});
    s.messages();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) raw(in);
    else edits(in);
    return 0;
}
