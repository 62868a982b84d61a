#!/usr/bin/env bash
# Corvane's language server in Neovim (headless, its built-in client and
# the shipped contrib/nvim/corvane.lua), with the dialogs on a virtual
# display of the test's own driven by real keys; checked on the saved bytes.
# Usage: nvim.sh CORVANE_DIR SOURCE_DIR
CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/lib.sh"
need nvim
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_STATE_HOME="$WORK/home/.local/state" XDG_CACHE_HOME="$WORK/home/.cache"
mkdir -p "$HOME"
export CORVANE="$CORVANE_DIR/corvane" CORVANE_SRC
start_display || exit 77

# in_nvim NAME CONTENT POS TITLE [KEY...]: the file NAME.htm holding CONTENT
# (printf escapes), the action TITLE at POS (nvim_drive.lua), and KEYS
# pressed in the dialog once it shows.
in_nvim() {
    local f="$WORK/$1.htm" content=$2 pos=$3 title=$4
    shift 4
    printf "$content" >"$f"
    CASE_FILE=$f CASE_POS=$pos CASE_TITLE=$title timeout 90 \
        nvim --headless -u NONE -i NONE -n -c "luafile $CORVANE_SRC/tests/e2e/editors/nvim_drive.lua" >"$f.log" 2>&1 &
    local nvim_pid=$!
    if [ $# -gt 0 ]; then
        drive_dialog "$@" || echo "     no dialog showed for $title"
        wait_until 15 window_gone "$(other_window none)" || true
    fi
    touch "$f.done"
    wait "$nvim_pid"
}

in_nvim font 'Hello\n' 1,0,1,4 'フォント <FONT>' Down Return
expect_file "nvim: Hello selected, the FONT action, Down and Enter" "$WORK/font.htm" '<FONT SIZE="1">Hello</FONT>\n'

in_nvim japanese '日本語の Hello\n' 1,13,1,17 'フォント <FONT>' Down Return
expect_file "nvim: the same after Japanese text on the line" "$WORK/japanese.htm" '日本語の <FONT SIZE="1">Hello</FONT>\n'

in_nvim image 'x <img src="a.gif" width=10> y\n' 1,8 'Edit <IMG>' Return
expect_file "nvim: the caret inside an IMG, the Edit action, Enter" "$WORK/image.htm" 'x <IMG SRC="a.gif" WIDTH="10"> y\n'

in_nvim comment 'a Hello b\n' 1,2,1,6 'Toggle comment <!-- -->'
expect_file "nvim: the comment action on a range" "$WORK/comment.htm" 'a <!-- Hello --> b\n'

in_nvim escape 'Hello\n' 1,0,1,4 'フォント <FONT>' Escape
expect_file "nvim: Escape in the dialog changes nothing" "$WORK/escape.htm" 'Hello\n'

[ "$FAILURES" -eq 0 ] || for f in "$WORK"/*.log "$WORK"/*.nvim; do echo "== $f"; cat "$f"; done
finish
