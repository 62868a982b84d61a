// The server's one loop: the client's messages on standard input, the
// replies on standard output, and the runs of the program as child
// processes whose pipes are served in the same poll, so that an open dialog
// never holds up a request and a dialog that fails ends only itself.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "lsp/lsp.h"
#include "lsp/server.h"

extern char** environ;

namespace corvane::lsp {

namespace {

int g_child_pipe[2] = {-1, -1};

void on_child(int) {
    const int saved = errno;
    [[maybe_unused]] ssize_t n = write(g_child_pipe[1], "c", 1);
    errno = saved;
}

void nonblocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

// Writes all of `bytes` to `fd`, waiting while a pipe is full.
bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, -1);
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

// The mouse pointer's screen position, asked of the X server: where the
// user's attention is, since a language server cannot know the caret's.
// libX11 is loaded for the question only, so the server holds no display
// library at rest.  False when there is no X display to ask.
bool pointer_position(int& x, int& y, bool& reached) {
    reached = false;
    void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!x11) return false;
    using Open = void* (*)(const char*);
    using Close = int (*)(void*);
    using Root = unsigned long (*)(void*);
    using Query = int (*)(void*, unsigned long, unsigned long*, unsigned long*, int*, int*, int*, int*, unsigned*);
    auto open = reinterpret_cast<Open>(dlsym(x11, "XOpenDisplay"));
    auto close = reinterpret_cast<Close>(dlsym(x11, "XCloseDisplay"));
    auto root = reinterpret_cast<Root>(dlsym(x11, "XDefaultRootWindow"));
    auto query = reinterpret_cast<Query>(dlsym(x11, "XQueryPointer"));
    bool ok = false;
    if (open && close && root && query) {
        if (void* display = open(nullptr)) {
            reached = true;
            unsigned long r = 0, c = 0;
            int wx = 0, wy = 0;
            unsigned mask = 0;
            ok = query(display, root(display), &r, &c, &x, &y, &wx, &wy, &mask) != 0;
            close(display);
        }
    }
    dlclose(x11);
    return ok;
}

struct Child {
    pid_t pid = -1;
    int in = -1, out = -1, err = -1;
    std::string input;
    size_t written = 0;
    Outcome outcome;
    bool ended = false;
};

class ProcessLauncher final : public Launcher {
public:
    ProcessLauncher() {
        char path[4096];
        const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
        if (n > 0) program_.assign(path, static_cast<size_t>(n));
    }

    int start(const Job& job, std::string& why) override {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "PELINOR_", 8) != 0 &&
                !(job.headless && (std::strncmp(*e, "DISPLAY=", 8) == 0 || std::strncmp(*e, "WAYLAND_DISPLAY=", 16) == 0 ||
                                   std::strncmp(*e, "QT_QPA_PLATFORM=", 16) == 0)))
                env.emplace_back(*e);
        if (job.window) {
            const char* display = std::getenv("DISPLAY");
            const bool other = std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
            if (!display && !other) {
                why = "Corvane: no display to open the dialog on (DISPLAY is not set).";
                return 0;
            }
            int x = 0, y = 0;
            bool reached = false;
            if (display && pointer_position(x, y, reached))
                env.push_back("PELINOR_CARET=" + std::to_string(x) + "," + std::to_string(y));
            else if (display && !reached && !other) {
                why = std::string("Corvane: no display to open the dialog on (cannot connect to DISPLAY=") + display + ").";
                return 0;
            }
        }
        if (!job.file.empty()) env.push_back("PELINOR_FILE=" + job.file);
        env.push_back("PELINOR_EOL=" + job.eol);
        env.push_back("PELINOR_ENCODING=utf-8");
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string sw = job.switch_name;
        char* argv[] = {program_.data(), sw.data(), nullptr};

        int in[2], out[2], err[2];
        if (pipe2(in, O_CLOEXEC) != 0) return fail(why);
        if (pipe2(out, O_CLOEXEC) != 0) return close_fail(why, {in[0], in[1]});
        if (pipe2(err, O_CLOEXEC) != 0) return close_fail(why, {in[0], in[1], out[0], out[1]});
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, in[0], 0);
        posix_spawn_file_actions_adddup2(&fa, out[1], 1);
        posix_spawn_file_actions_adddup2(&fa, err[1], 2);
        posix_spawnattr_t attr;
        posix_spawnattr_init(&attr);
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGCHLD);
        posix_spawnattr_setsigmask(&attr, &none);
        posix_spawnattr_setsigdefault(&attr, &defaults);
        // A group of its own: the dialog is stopped as one, and a signal
        // meant for the editor's group does not reach it.
        posix_spawnattr_setpgroup(&attr, 0);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
        pid_t pid = -1;
        const int rc = program_.empty() ? ENOENT : posix_spawn(&pid, program_.c_str(), &fa, &attr, argv, envp.data());
        posix_spawn_file_actions_destroy(&fa);
        posix_spawnattr_destroy(&attr);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        if (rc != 0) {
            for (int fd : {in[1], out[0], err[0]}) ::close(fd);
            why = "Corvane: the program " + (program_.empty() ? std::string("itself") : program_) +
                  " was not found (" + std::strerror(rc) + ").";
            return 0;
        }
        Child c;
        c.pid = pid;
        c.in = in[1];
        c.out = out[0];
        c.err = err[0];
        c.input = job.selection;
        for (int fd : {c.in, c.out, c.err}) nonblocking(fd);
        const int id = next_++;
        why = "process " + std::to_string(pid);
        children_[id] = std::move(c);
        pump_input(children_[id]);
        return id;
    }

    std::map<int, Child>& children() { return children_; }

    static void pump_input(Child& c) {
        while (c.in >= 0 && c.written < c.input.size()) {
            const ssize_t n = write(c.in, c.input.data() + c.written, c.input.size() - c.written);
            if (n > 0) c.written += static_cast<size_t>(n);
            else if (n < 0 && errno == EINTR) continue;
            else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
            else break;  // the run stopped reading: it has what it takes
        }
        if (c.in >= 0) {
            ::close(c.in);
            c.in = -1;
            std::string().swap(c.input);
        }
    }

    // Ends every run still going: asked to stop, then made to.
    void stop_all() {
        for (auto& [id, c] : children_)
            if (!c.ended) kill(-c.pid, SIGTERM);
        for (int i = 0; i < 40 && reap(); ++i) usleep(25000);
        for (auto& [id, c] : children_)
            if (!c.ended) kill(-c.pid, SIGKILL);
        while (reap_blocking()) {
        }
    }

    // Collects the ends of runs; true while some are left.
    bool reap() {
        bool left = false;
        for (auto& [id, c] : children_) {
            if (c.ended) continue;
            int status = 0;
            if (waitpid(c.pid, &status, WNOHANG) == c.pid) {
                c.ended = true;
                c.outcome.exited = WIFEXITED(status);
                c.outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
            } else {
                left = true;
            }
        }
        return left;
    }

private:
    bool reap_blocking() {
        for (auto& [id, c] : children_)
            if (!c.ended) {
                int status = 0;
                waitpid(c.pid, &status, 0);
                c.ended = true;
                return true;
            }
        return false;
    }
    static int fail(std::string& why) {
        why = std::string("Corvane: cannot start the program: ") + std::strerror(errno);
        return 0;
    }
    static int close_fail(std::string& why, std::initializer_list<int> fds) {
        fail(why);
        for (int fd : fds) ::close(fd);
        return 0;
    }

    std::string program_;
    std::map<int, Child> children_;
    int next_ = 1;
};

// Reads what is there from `fd` into `into`; false at its end.
bool drain(int fd, std::string& into) {
    char buf[65536];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) {
            into.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

}  // namespace

int run_language_server() {
    signal(SIGPIPE, SIG_IGN);
    if (pipe2(g_child_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return 1;
    struct sigaction sa {};
    sa.sa_handler = on_child;
    sa.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGCHLD, &sa, nullptr);
    // An editor may start the server with SIGCHLD blocked (Emacs does):
    // the end of a run would then wake nothing.
    sigset_t chld;
    sigemptyset(&chld);
    sigaddset(&chld, SIGCHLD);
    sigprocmask(SIG_UNBLOCK, &chld, nullptr);

    ProcessLauncher launcher;
    Server server(launcher);
    FrameReader reader;
    bool client_gone = false;
    auto flush = [&] {
        const std::string out = server.take_output();
        if (!out.empty() && !write_all(STDOUT_FILENO, out)) client_gone = true;
    };
    while (!server.exited() && !client_gone) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}, {g_child_pipe[0], POLLIN, 0}};
        std::vector<std::pair<int*, int>> owners;  // which child's descriptor each further entry is
        for (auto& [id, c] : launcher.children()) {
            if (c.in >= 0) fds.push_back({c.in, POLLOUT, 0}), owners.push_back({&c.in, id});
            if (c.out >= 0) fds.push_back({c.out, POLLIN, 0}), owners.push_back({&c.out, id});
            if (c.err >= 0) fds.push_back({c.err, POLLIN, 0}), owners.push_back({&c.err, id});
        }
        // A run whose pipes have closed but whose end was not yet seen is
        // looked at again shortly, whatever the signal did.
        bool closing = false;
        for (auto& [id, c] : launcher.children()) closing = closing || (!c.ended && c.out < 0 && c.err < 0);
        int wait = closing ? 20 : -1;
        if (const int due = server.answer_due(); due >= 0) wait = wait < 0 ? due : std::min(wait, due);
        flush();
        if (poll(fds.data(), fds.size(), wait) < 0 && errno != EINTR) break;
        if (fds[0].revents) {
            char buf[65536];
            const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
                client_gone = true;
                break;
            }
            if (n > 0) {
                reader.feed(std::string_view(buf, static_cast<size_t>(n)));
                std::vector<FrameReader::Frame> frames;
                for (FrameReader::Frame f = reader.next(); f.kind != FrameReader::Kind::None; f = reader.next())
                    frames.push_back(std::move(f));
                if (!frames.empty()) server.receive(frames);
                flush();
            }
        }
        for (size_t i = 2; i < fds.size(); ++i) {
            if (!fds[i].revents) continue;
            Child& c = launcher.children()[owners[i - 2].second];
            int* fd = owners[i - 2].first;
            if (fd == &c.in) {
                if (fds[i].revents & (POLLERR | POLLHUP)) {
                    ::close(c.in);
                    c.in = -1;
                } else {
                    ProcessLauncher::pump_input(c);
                }
            } else if (!drain(*fd, fd == &c.out ? c.outcome.out : c.outcome.err)) {
                ::close(*fd);
                *fd = -1;
            }
        }
        if (fds[1].revents) {
            char buf[64];
            while (read(g_child_pipe[0], buf, sizeof buf) > 0) {
            }
        }
        launcher.reap();
        for (auto it = launcher.children().begin(); it != launcher.children().end();) {
            Child& c = it->second;
            if (c.ended && c.out < 0 && c.err < 0) {
                if (c.in >= 0) ::close(c.in);
                server.finished(it->first, c.outcome);
                it = launcher.children().erase(it);
                flush();
            } else {
                ++it;
            }
        }
    }
    // The client is gone or has said exit: no dialog outlives the server.
    launcher.stop_all();
    return client_gone ? 1 : server.exit_code();
}

}  // namespace corvane::lsp
