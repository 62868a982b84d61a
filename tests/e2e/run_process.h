// Runs a program as a child process with a chosen environment and standard
// input, and captures its standard output, standard error and exit code.
// POSIX only (fork/exec, poll, pseudo-terminals).
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace corvane::test {

struct ProcessResult {
    std::string out;  // with a shared output, everything written on either
    std::string err;
    std::string tty;  // what reached the controlling terminal
    int exit_code = -1;  // 0..255, or -1 when the child did not exit normally
    int signal = 0;      // the signal that ended it, if any
};

enum class StdinKind {
    Pipe,      // the given bytes, then end of file
    Terminal,  // a pseudo-terminal that never sends anything
    File,      // a regular file holding the given bytes, read from file_offset on
};

// Where standard output and standard error lead.
enum class OutputKind {
    Pipes,       // two pipes of their own
    SharedPipe,  // one pipe for both, as "cmd 2>&1 | ..." gives
    SharedFile,  // one file for both, as "cmd >file 2>&1" gives
};

struct ProcessOptions {
    std::vector<std::string> args;  // without the program itself
    // Variables to set (value) or remove (nullopt); the rest of the test's
    // environment is inherited.  Every PELINOR_* variable is removed first so
    // the caller's shell cannot leak into a test.
    std::map<std::string, std::optional<std::string>> env;
    std::string input;
    StdinKind stdin_kind = StdinKind::Pipe;
    long file_offset = 0;
    OutputKind output = OutputKind::Pipes;
    // The child runs in a session of its own, with a pseudo-terminal as its
    // controlling terminal when this is set (result.tty), with none otherwise.
    std::optional<bool> controlling_terminal;
    int timeout_ms = 20000;
    int timeout_signal = SIGKILL;  // sent when the time is up
    // The child runs as this user and group (the test must be root to ask).
    std::optional<unsigned> uid;
    // A limit on the size of the files the child writes (RLIMIT_FSIZE, as
    // "prlimit --fsize" sets it): a disk that fills up.  Negative: none.
    long long file_size_limit = -1;
    // Standard output read slowly, a little at a time with pauses, as by a
    // busy editor: what the child hands over stays in the pipe for a while.
    bool slow_reader = false;
    // Standard output opened non-blocking, as some editors hand a filter
    // its pipe: a write to a full pipe fails with EAGAIN instead of waiting.
    bool nonblocking_output = false;
    // The folder the child starts in; empty: the test's own.
    std::string working_folder;
};

namespace detail {

inline void set_nonblocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

inline int open_pty_master() {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) throw std::runtime_error("no pseudo-terminal");
    return master;
}

inline std::vector<std::string> child_environment(const ProcessOptions& o) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv(*e);
        std::string name = kv.substr(0, kv.find('='));
        if (name.rfind("PELINOR_", 0) == 0 || o.env.count(name)) continue;
        env.push_back(kv);
    }
    for (const auto& [name, value] : o.env)
        if (value) env.push_back(name + "=" + *value);
    return env;
}

}  // namespace detail

inline ProcessResult run_process(const std::string& program, const ProcessOptions& o) {
    int in_pipe[2], out_pipe[2], err_pipe[2];
    if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) throw std::runtime_error("pipe failed");
    int child_stdin = -1, parent_stdin = -1, pty_master = -1;
    if (o.stdin_kind == StdinKind::Pipe) {
        if (pipe(in_pipe) != 0) throw std::runtime_error("pipe failed");
        child_stdin = in_pipe[0];
        parent_stdin = in_pipe[1];
    } else if (o.stdin_kind == StdinKind::File) {
        char name[] = "/tmp/corvane-stdin-XXXXXX";
        child_stdin = mkstemp(name);
        if (child_stdin < 0) throw std::runtime_error("cannot make a file for standard input");
        unlink(name);
        if (write(child_stdin, o.input.data(), o.input.size()) != static_cast<ssize_t>(o.input.size()) ||
            lseek(child_stdin, o.file_offset, SEEK_SET) != o.file_offset)
            throw std::runtime_error("cannot write the file for standard input");
    } else {
        pty_master = detail::open_pty_master();
        child_stdin = open(ptsname(pty_master), O_RDWR | O_NOCTTY);
        if (child_stdin < 0) throw std::runtime_error("cannot open the pseudo-terminal");
    }
    // The terminal the child takes as its controlling one.
    int tty_master = o.controlling_terminal.value_or(false) ? detail::open_pty_master() : -1;
    const std::string tty_name = tty_master >= 0 ? ptsname(tty_master) : "";
    int shared_file = -1;
    if (o.output == OutputKind::SharedFile) {
        char name[] = "/tmp/corvane-e2e-XXXXXX";
        shared_file = mkstemp(name);
        if (shared_file < 0) throw std::runtime_error("mkstemp failed");
        unlink(name);
    }

    std::vector<std::string> env_strings = detail::child_environment(o);
    std::vector<char*> envp;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> arg_strings{program};
    arg_strings.insert(arg_strings.end(), o.args.begin(), o.args.end());
    std::vector<char*> argv;
    for (auto& s : arg_strings) argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const rlimit no_core{0, 0};  // a child a test ends with SIGSEGV leaves no core file
        setrlimit(RLIMIT_CORE, &no_core);
        if (o.file_size_limit >= 0) {
            const rlimit fsize{static_cast<rlim_t>(o.file_size_limit), static_cast<rlim_t>(o.file_size_limit)};
            if (setrlimit(RLIMIT_FSIZE, &fsize) != 0) _exit(126);
        }
        signal(SIGXFSZ, SIG_DFL);  // as a fresh shell has it, whatever the test process does
        if (o.uid && (setgid(*o.uid) != 0 || setuid(*o.uid) != 0)) _exit(126);
        int ctty = -1;
        if (o.controlling_terminal) {
            setsid();
            // The first terminal a session leader opens becomes its
            // controlling terminal; it stays open for the child's life.
            if (!tty_name.empty() && (ctty = open(tty_name.c_str(), O_RDWR)) < 0) _exit(126);
        }
        dup2(child_stdin, 0);
        switch (o.output) {
            case OutputKind::Pipes:
                dup2(out_pipe[1], 1);
                dup2(err_pipe[1], 2);
                break;
            case OutputKind::SharedPipe:
                dup2(out_pipe[1], 1);
                dup2(out_pipe[1], 2);
                break;
            case OutputKind::SharedFile:
                dup2(shared_file, 1);
                dup2(shared_file, 2);
                break;
        }
        if (o.nonblocking_output) fcntl(1, F_SETFL, fcntl(1, F_GETFL) | O_NONBLOCK);
        if (!o.working_folder.empty() && chdir(o.working_folder.c_str()) != 0) _exit(126);
        for (int fd = 3; fd < 256; ++fd)
            if (fd != ctty) close(fd);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(child_stdin);
    close(out_pipe[1]);
    close(err_pipe[1]);

    // Feed standard input and drain both outputs at once, so that a large
    // input cannot deadlock against a full output pipe; run until the child
    // has ended and its outputs are closed.
    signal(SIGPIPE, SIG_IGN);
    ProcessResult r;
    size_t written = 0;
    if (parent_stdin >= 0) {
        detail::set_nonblocking(parent_stdin);
        if (o.input.empty()) {
            close(parent_stdin);
            parent_stdin = -1;
        }
    }
    if (tty_master >= 0) detail::set_nonblocking(tty_master);
    int out_fd = out_pipe[0], err_fd = err_pipe[0];
    int waited_ms = 0;
    bool exited = false;
    bool tty_open = tty_master >= 0;  // until the child's end hangs it up
    int status = 0;
    char buf[1 << 16];
    auto drain_tty = [&] {
        ssize_t got;
        while (tty_master >= 0 && (got = read(tty_master, buf, sizeof buf)) > 0)
            r.tty.append(buf, static_cast<size_t>(got));
    };
    while (!exited || out_fd >= 0 || err_fd >= 0) {
        pollfd fds[4];
        int n = 0;
        if (out_fd >= 0) fds[n++] = {out_fd, POLLIN, 0};
        if (err_fd >= 0) fds[n++] = {err_fd, POLLIN, 0};
        if (parent_stdin >= 0) fds[n++] = {parent_stdin, POLLOUT, 0};
        if (tty_open) fds[n++] = {tty_master, POLLIN, 0};
        // Once both outputs are closed only the child's end is awaited.
        const int tick_ms = out_fd < 0 && err_fd < 0 ? 5 : 100;
        int ready = poll(fds, static_cast<nfds_t>(n), tick_ms);
        if (ready < 0 && errno != EINTR) break;
        if (!exited && waitpid(pid, &status, WNOHANG) == pid) exited = true;
        if (ready <= 0) {
            waited_ms += tick_ms;
            if (waited_ms >= o.timeout_ms) {
                kill(pid, o.timeout_signal);
                waited_ms = -1000000000;  // keep draining until the pipes close
            }
            continue;
        }
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            int fd = fds[i].fd;
            if (fd == tty_master) {
                drain_tty();
                if (fds[i].revents & (POLLHUP | POLLERR)) tty_open = false;
                continue;
            }
            if (fd == parent_stdin) {
                ssize_t w = write(fd, o.input.data() + written, o.input.size() - written);
                if (w > 0) written += static_cast<size_t>(w);
                if (w < 0 && errno != EAGAIN) written = o.input.size();  // the child closed its end
                if (written == o.input.size()) {
                    close(parent_stdin);
                    parent_stdin = -1;
                }
                continue;
            }
            if (o.slow_reader && fd == out_fd) usleep(1000);
            ssize_t got = read(fd, buf, o.slow_reader && fd == out_fd ? sizeof buf / 4 : sizeof buf);
            if (got > 0) {
                (fd == out_fd ? r.out : r.err).append(buf, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fd);
                (fd == out_fd ? out_fd : err_fd) = -1;
            }
        }
    }
    drain_tty();
    if (parent_stdin >= 0) close(parent_stdin);
    if (pty_master >= 0) close(pty_master);
    if (tty_master >= 0) close(tty_master);
    if (shared_file >= 0) {
        lseek(shared_file, 0, SEEK_SET);
        ssize_t got;
        while ((got = read(shared_file, buf, sizeof buf)) > 0) r.out.append(buf, static_cast<size_t>(got));
        close(shared_file);
    }
    while (!exited && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) r.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
    return r;
}

}  // namespace corvane::test
