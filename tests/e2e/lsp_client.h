// A language client for the tests: the built `corvane --lsp` on two pipes,
// messages framed and parsed, waiting with a time limit.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace corvane::test {

using nlohmann::json;

class LspClient {
public:
    // `env`: variables set (value) or removed (nullopt) for the server.
    explicit LspClient(const std::map<std::string, std::optional<std::string>>& env = {}) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe");
        std::vector<std::string> vars;
        for (char** e = environ; *e; ++e) {
            const std::string kv = *e, name = kv.substr(0, kv.find('='));
            if (!env.count(name)) vars.push_back(kv);
        }
        for (const auto& [k, v] : env)
            if (v) vars.push_back(k + "=" + *v);
        std::vector<char*> envp;
        for (auto& v : vars) envp.push_back(v.data());
        envp.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            for (int fd = 3; fd < 256; ++fd) close(fd);
            char* argv[] = {const_cast<char*>(CORVANE_EXE), const_cast<char*>("--lsp"), nullptr};
            execve(CORVANE_EXE, argv, envp.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        to_ = in[1];
        from_ = out[0];
        fcntl(from_, F_SETFL, O_NONBLOCK);
        signal(SIGPIPE, SIG_IGN);
    }
    ~LspClient() {
        close_input();
        if (pid_ > 0 && !status_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (from_ >= 0) close(from_);
    }

    void send_raw(const std::string& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(to_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) throw std::runtime_error("the server stopped reading");
            done += static_cast<size_t>(n);
        }
    }
    void send(const json& j) {
        const std::string body = j.dump();
        send_raw("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
    }
    int request(const std::string& method, json params) {
        const int id = next_id_++;
        send({{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}});
        return id;
    }
    void notify(const std::string& method, json params) {
        send({{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
    }
    void close_input() {
        if (to_ >= 0) close(to_);
        to_ = -1;
    }

    // The next message that `want` accepts; the others are kept in seen().
    // Throws when none comes in time.
    json wait_for(const std::function<bool(const json&)>& want, int ms = 20000) {
        for (size_t i = 0; i < pending_.size(); ++i)
            if (want(pending_[i])) {
                json j = pending_[i];
                pending_.erase(pending_.begin() + static_cast<long>(i));
                return j;
            }
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (true) {
            while (std::optional<json> j = parse_one()) {
                seen_.push_back(*j);
                if (want(*j)) return *j;
                pending_.push_back(*j);
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
            if (left.count() <= 0) throw std::runtime_error("no such message in time; buffer: " + buffer_.substr(0, 300));
            pollfd p{from_, POLLIN, 0};
            poll(&p, 1, static_cast<int>(left.count()));
            char buf[65536];
            ssize_t n = read(from_, buf, sizeof buf);
            if (n > 0) buffer_.append(buf, static_cast<size_t>(n));
            else if (n == 0) throw std::runtime_error("the server closed its output");
        }
    }
    json response(int id, int ms = 20000) {
        return wait_for([id](const json& j) { return j.contains("id") && j["id"] == id && !j.contains("method"); }, ms);
    }
    json message(const std::string& method, int ms = 20000) {
        return wait_for([method](const json& j) { return j.value("method", "") == method; }, ms);
    }
    // Whatever arrives within `ms`, all of it kept.
    std::vector<json> collect(int ms) {
        try {
            wait_for([](const json&) { return false; }, ms);
        } catch (const std::runtime_error&) {
        }
        std::vector<json> all = pending_;
        pending_.clear();
        return all;
    }

    // The exit code, waiting up to `ms`; -1 when the server is still running.
    int wait_exit(int ms) {
        for (int waited = 0; waited <= ms; waited += 10) {
            int st = 0;
            if (waitpid(pid_, &st, WNOHANG) == pid_) {
                status_ = st;
                return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            }
            usleep(10000);
        }
        return -1;
    }
    pid_t pid() const { return pid_; }
    // Everything the server wrote parses as framed messages.
    bool output_is_protocol_only() const { return buffer_.empty() && !garbage_; }

    json initialize(json capabilities = json::object()) {
        const int id = request("initialize", {{"processId", nullptr}, {"rootUri", nullptr}, {"capabilities", capabilities}});
        json r = response(id);
        notify("initialized", json::object());
        return r;
    }

private:
    std::optional<json> parse_one() {
        const size_t blank = buffer_.find("\r\n\r\n");
        if (blank == std::string::npos) return std::nullopt;
        const std::string head = buffer_.substr(0, blank);
        if (head.rfind("Content-Length: ", 0) != 0) {
            garbage_ = true;
            throw std::runtime_error("not a frame: " + head);
        }
        const size_t length = std::stoul(head.substr(16));
        if (buffer_.size() < blank + 4 + length) return std::nullopt;
        json j = json::parse(buffer_.substr(blank + 4, length));
        buffer_.erase(0, blank + 4 + length);
        return j;
    }

    pid_t pid_ = -1;
    std::optional<int> status_;
    int to_ = -1, from_ = -1;
    int next_id_ = 1;
    std::string buffer_;
    bool garbage_ = false;
    std::vector<json> pending_, seen_;
};

}  // namespace corvane::test
