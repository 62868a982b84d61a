// The comment command: wraps the editor's selection in an HTML comment, or
// takes apart the first comment at its start.  Works on the host's bytes
// as they come: its markers are ASCII, and no Shift_JIS trail byte is ever
// one of them.
#pragma once
#include <string>
#include <string_view>

namespace corvane {

class HostLink;

struct CommentResult {
    std::string start;
    std::string end;
};

// The pure toggle: selection and host line break in, start and end text out.
CommentResult toggle_comment(std::string_view selection, std::string_view host_eol);

// Fetches the line break and the selection from the host, toggles, and
// hands both texts back with pelr_SetData.
void run_comment_command(HostLink& host);

}  // namespace corvane
