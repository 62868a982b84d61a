#!/usr/bin/env bash
# Corvane in interactive Vim, run in tmux: Vim's own filter command (":!",
# which reads standard output and standard error through one file) and the
# shipped plugin (contrib/vim), each checked on the bytes of the saved file.
# Usage: vim.sh CORVANE_DIR SOURCE_DIR
CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/lib.sh"
need vim tmux

# A user with the plugin installed as a package and nothing else.
export HOME="$WORK/home"
mkdir -p "$HOME/.vim/pack/corvane/start"
ln -s "$CORVANE_SRC/contrib/vim" "$HOME/.vim/pack/corvane/start/corvane"
printf 'set nocompatible\n' >"$HOME/.vimrc"

TMUX_SOCKET="corvane-vim-$$"
CLEANUPS+=("tmux -L $TMUX_SOCKET kill-server")
tmux_() { tmux -L "$TMUX_SOCKET" -f /dev/null "$@"; }
screen_text() { tmux_ capture-pane -p -t vim 2>/dev/null; }
screen_has() { screen_text | grep -qF -- "$1"; }
vim_running() { tmux_ has-session -t vim 2>/dev/null; }

# open_vim FILE [VAR=VALUE...]: Vim on FILE in a fresh terminal, with the
# given environment; waits until it shows the file.  Vim ends by itself
# after a minute, should this test be killed.
open_vim() {
    local file=$1
    shift
    tmux_ kill-server 2>/dev/null
    tmux_ new-session -d -s vim -x 120 -y 24 \
        "env $* timeout --foreground 60 vim $(printf %q "$file")" || return 1
    wait_until 20 screen_has "$(basename "$file")"
}

keys() { tmux_ send-keys -t vim "$@"; }

# Saves and quits, and waits for Vim to end.
save_and_quit() {
    keys Escape ':wq' Enter
    wait_until 20 bash -c "! tmux -L $TMUX_SOCKET has-session -t vim 2>/dev/null" || {
        echo "     Vim did not end; its screen:"
        screen_text | sed 's/^/     /'
        return 1
    }
}

# Vim's own filter: the selection goes in through a file, standard output and
# standard error come back through one file ("2>&1"); whatever Corvane
# printed would land in the text.
f="$WORK/filter-comment.txt"
printf 'a\n' >"$f"
open_vim "$f" -u DISPLAY PELINOR_EOL=bogus
keys ':1!corvane /COMMENT' Enter
wait_until 15 screen_has '<!-- a'
save_and_quit
expect_file "vim :1!corvane /COMMENT with PELINOR_EOL=bogus" "$f" '<!-- a\n -->\n'

f="$WORK/filter-font.txt"
printf 'a\n' >"$f"
open_vim "$f" -u DISPLAY
keys ':1!corvane /FONT' Enter
# Vim reports the status; the message went to the terminal, not the text.
expect "vim :1!corvane /FONT without a display: Vim reports the failure" wait_until 20 screen_has 'shell returned 1'
expect "vim :1!corvane /FONT without a display: the message is on the terminal" screen_has 'no display'
keys Enter
save_and_quit
expect_file "vim :1!corvane /FONT without a display leaves the line" "$f" 'a\n'

# The plugin, on the current line; a bad caret makes the stand-in warn,
# which the plugin shows as a message.
f="$WORK/plugin-comment.txt"
printf 'a\n' >"$f"
open_vim "$f" -u DISPLAY PELINOR_EOL=bogus PELINOR_CARET=bogus
keys ':CorvaneComment' Enter
wait_until 15 screen_has '<!-- a -->'
expect "vim :CorvaneComment shows the link's warning" screen_has 'PELINOR_CARET'
save_and_quit
expect_file "vim :CorvaneComment on the line" "$f" '<!-- a -->\n'

# A characterwise selection, and the switch completed from "/com".
f="$WORK/plugin-visual.txt"
printf 'say Hello now\n' >"$f"
open_vim "$f" -u DISPLAY
keys 'fHve' ':Corvane /com' Tab Enter
wait_until 15 screen_has 'say <!-- Hello --> now'
save_and_quit
expect_file "vim :'<,'>Corvane /COMMENT on a characterwise selection" "$f" 'say <!-- Hello --> now\n'

# A file with CR LF: the plugin passes PELINOR_EOL=crlf, so the comment
# opener stands on a line of its own, and the file keeps its line ends.
f="$WORK/plugin-dos.txt"
printf 'l1\r\nl2\r\n' >"$f"
open_vim "$f" -u DISPLAY
keys ':%CorvaneComment' Enter
wait_until 15 screen_has 'l2 -->'
save_and_quit
expect_file "vim :%CorvaneComment in a CR LF file" "$f" '<!-- \r\nl1\r\nl2 -->\r\n'

# The HTML menu, through :emenu as a terminal has it: forty switch entries,
# and forty switches to complete.
f="$WORK/plugin-menu.txt"
printf 'a\n' >"$f"
open_vim "$f" -u DISPLAY
keys ':emenu HTML.Comment\ toggle' Enter
wait_until 15 screen_has '<!-- a -->'
keys ":redir => g:listing | silent nmenu HTML | redir END" Enter
keys ":call writefile([count(g:listing, ':Corvane /'), len(corvane#complete('', '', 0))], '$f.count')" Enter
keys ":call writefile(corvane#switches(), '$f.switches')" Enter
save_and_quit
expect_file "vim :emenu HTML.Comment toggle" "$f" '<!-- a -->\n'
expect_file "vim: forty entries in the HTML menu, forty switches to complete" "$f.count" '40\n40\n'
expect "vim: corvane knows every switch of the plugin" known_switches "$f.switches"

f="$WORK/plugin-font.txt"
printf 'a\n' >"$f"
open_vim "$f" -u DISPLAY
keys ':Corvane /FONT' Enter
expect "vim :Corvane /FONT without a display reports the exit code and why" \
    wait_until 20 bash -c "tmux -L $TMUX_SOCKET capture-pane -p -t vim | tr -d '\n' | grep -q 'corvane /FONT: exit 1: corvane: no display'"
keys Enter
save_and_quit
expect_file "vim :Corvane /FONT without a display leaves the line" "$f" 'a\n'

# A dialog end to end on a virtual display: the link dialog browses for the
# image, which becomes a URL relative to the edited file.
if start_display; then
    make_site 'Hello\n'
    f="$WORK/site/docs/index.htm"
    open_vim "$f" "DISPLAY=$DISPLAY"
    keys ':Corvane /A' Enter
    expect "vim: the link dialog was driven" drive_link_dialog
    wait_until 20 screen_has '</A>'
    save_and_quit
    expect_file "vim :Corvane /A with a browsed image" "$f" "<A HREF=\"$LINK_TARGET_URL\">Hello</A>\n"

    # :CorvaneEdit on the element around the cursor: the font dialog opens
    # on size +3; two items up and Enter.
    f="$WORK/edit-font.htm"
    printf 'x <FONT SIZE="+3" COLOR="red">Hello</FONT> y\n' >"$f"
    open_vim "$f" "DISPLAY=$DISPLAY"
    keys '/Hello' Enter ':CorvaneEdit' Enter
    expect "vim: the font dialog of the element around the cursor was driven" drive_dialog Up Up Return
    wait_until 20 screen_has 'SIZE="+1"'
    save_and_quit
    expect_file "vim :CorvaneEdit on the element around the cursor" "$f" 'x <FONT SIZE="+1" COLOR="red">Hello</FONT> y\n'
fi

finish
