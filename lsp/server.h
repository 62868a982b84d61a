// The language server's protocol logic: the lifecycle, the open documents,
// the code actions and what their runs hand back, with the processes behind
// a small interface so that all of it runs without any.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/document.h"
#include "lsp/framing.h"

namespace corvane::lsp {

// The program run with one switch through the stand-in link: the selection
// on its standard input, the editor's state in its environment.
struct Job {
    std::string switch_name;  // "/FONT", "/EDIT", "/COMMENT"
    std::string selection;    // UTF-8
    std::string file;         // PELINOR_FILE, empty for none
    std::string eol;          // PELINOR_EOL: crlf, lf or cr
    bool window = true;       // needs a display
    bool headless = false;    // run without any display
};

// How a run ended.
struct Outcome {
    bool exited = true;  // false: ended by a signal
    int code = 0;        // exit code, or the signal
    std::string out, err;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a run and returns its id (> 0), with `why` naming the run for
    // the log; or 0 with `why` set to the one line to tell the user.
    virtual int start(const Job& job, std::string& why) = 0;
};

class Server {
public:
    explicit Server(Launcher& launcher);
    ~Server();

    // Handles the frames read at one time; a request whose $/cancelRequest
    // came with it is answered as cancelled.
    void receive(std::vector<FrameReader::Frame>& frames);
    // A run has ended.
    void finished(int run, const Outcome& outcome);
    // Answers the executeCommand requests whose runs have gone on long
    // enough; returns the milliseconds until the next one is due, -1 for none.
    int answer_due();

    // Framed messages for the client, oldest first.
    std::string take_output();
    bool exited() const { return exited_; }
    int exit_code() const { return shut_down_ ? 0 : 1; }

    // What the fuzzer and the tests look at.
    const Document* document(const std::string& uri) const;
    Encoding encoding() const { return encoding_; }

    struct State;

private:
    std::unique_ptr<State> s_;
    Launcher& launcher_;
    Encoding encoding_ = Encoding::Utf16;
    bool initialized_ = false, shut_down_ = false, exited_ = false;
};

// The command names and the one code action kind.
inline constexpr const char* kDialogCommand = "corvane.dialog";
inline constexpr const char* kEditCommand = "corvane.edit";
inline constexpr const char* kCommentCommand = "corvane.comment";
inline constexpr const char* kActionKind = "refactor.corvane";

// A file: URI's path, percent-decoded; empty for any other URI.
std::string file_path_of(std::string_view uri);

}  // namespace corvane::lsp
