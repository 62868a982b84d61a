#include "lsp/diff.h"

#include <algorithm>

#include "lsp/document.h"

namespace corvane::lsp {

namespace {

constexpr int kMaxDistance = 256;

// Offsets of the characters' starts, and the end.
std::vector<size_t> char_starts(std::string_view s) {
    std::vector<size_t> out;
    for (size_t i = 0; i < s.size();) {
        out.push_back(i);
        size_t n = utf8_length(static_cast<unsigned char>(s[i]));
        if (i + n > s.size()) n = 1;
        i += n;
    }
    out.push_back(s.size());
    return out;
}

std::string_view char_at(std::string_view s, const std::vector<size_t>& starts, size_t k) {
    return s.substr(starts[k], starts[k + 1] - starts[k]);
}

}  // namespace

std::vector<ByteEdit> smallest_edits(std::string_view a, std::string_view b) {
    std::vector<ByteEdit> out;
    if (a == b) return out;
    // The common ends, cut between characters.
    size_t pre = 0;
    while (pre < a.size() && pre < b.size() && a[pre] == b[pre]) ++pre;
    auto continuation = [&](size_t i) {
        const char c = i < a.size() ? a[i] : i < b.size() ? b[i] : 0;
        return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    };
    while (pre > 0 && continuation(pre)) --pre;
    size_t suf = 0;
    while (suf < a.size() - pre && suf < b.size() - pre && a[a.size() - 1 - suf] == b[b.size() - 1 - suf]) ++suf;
    while (suf > 0 && a.size() - suf < a.size() && (static_cast<unsigned char>(a[a.size() - suf]) & 0xC0) == 0x80) --suf;
    const std::string_view ma = a.substr(pre, a.size() - pre - suf), mb = b.substr(pre, b.size() - pre - suf);
    const std::vector<size_t> sa = char_starts(ma), sb = char_starts(mb);
    const int n = static_cast<int>(sa.size()) - 1, m = static_cast<int>(sb.size()) - 1;
    auto whole = [&] { out.push_back({pre, pre + ma.size(), std::string(mb)}); };
    if (n == 0 || m == 0) {
        whole();
        return out;
    }
    // Myers' greedy search, keeping each round's furthest reaches to walk back.
    const int max = std::min(n + m, kMaxDistance);
    const int off = max + 1;
    std::vector<int> v(static_cast<size_t>(2 * max + 3), 0);
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= max && found < 0; ++d) {
        trace.push_back(v);
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[off + k - 1] < v[off + k + 1])) ? v[off + k + 1] : v[off + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && char_at(ma, sa, x) == char_at(mb, sb, y)) ++x, ++y;
            v[off + k] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0) {
        whole();
        return out;
    }
    // Walk back: each step one character deleted from a or inserted from b.
    struct Step {
        int x, y;
        bool del;
    };
    std::vector<Step> steps;
    int x = n, y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& pv = trace[static_cast<size_t>(d)];
        const int k = x - y;
        const bool down = (k == -d || (k != d && pv[off + k - 1] < pv[off + k + 1]));
        const int pk = down ? k + 1 : k - 1;
        const int px = pv[off + pk], py = px - pk;
        while (x > px + (down ? 0 : 1) && y > py + (down ? 1 : 0)) --x, --y;
        if (down) steps.push_back({x, y - 1, false});  // insert b[y-1] at a[x]
        else steps.push_back({x - 1, y, true});        // delete a[x-1]
        x = px;
        y = py;
    }
    std::reverse(steps.begin(), steps.end());
    // Neighbouring steps become one edit.
    for (const Step& s : steps) {
        const size_t at = pre + sa[static_cast<size_t>(s.x)];
        if (s.del) {
            const size_t to = pre + sa[static_cast<size_t>(s.x) + 1];
            if (!out.empty() && out.back().to == at) out.back().to = to;
            else out.push_back({at, to, {}});
        } else {
            const std::string_view c = char_at(mb, sb, static_cast<size_t>(s.y));
            if (!out.empty() && out.back().to == at) out.back().text.append(c);
            else out.push_back({at, at, std::string(c)});
        }
    }
    return out;
}

bool split_wrapped(std::string_view out, std::string_view sel, std::string& start, std::string& end) {
    if (out.size() < sel.size()) return false;
    // Where the selection stands when the dialog's texts could hold it too:
    // preferably after a tag or a line break and before one.
    auto edge = [](char c) { return c == '>' || c == '\n' || c == '\r'; };
    size_t best = std::string_view::npos;
    for (size_t k = 0; k + sel.size() <= out.size(); ++k) {
        if (out.compare(k, sel.size(), sel) != 0) continue;
        const size_t after = k + sel.size();
        const bool neat = (k == 0 || edge(out[k - 1])) && (after == out.size() || out[after] == '<' || edge(out[after]));
        if (best == std::string_view::npos) best = k;
        if (neat) {
            best = k;
            break;
        }
    }
    if (best == std::string_view::npos) return false;
    start.assign(out.substr(0, best));
    end.assign(out.substr(best + sel.size()));
    return true;
}

}  // namespace corvane::lsp
