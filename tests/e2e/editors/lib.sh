# Shared by the editor tests: checks, a private virtual display, and the
# keys that fill in the link dialog through its browse button.
# Source it after setting CORVANE_DIR (folder of the built corvane) and
# CORVANE_SRC (the source tree).  A test that cannot run exits with 77.

set -u
. "$CORVANE_SRC/scripts/lib.sh"
export PATH="$CORVANE_DIR:$PATH"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset PELINOR_FILE PELINOR_EOL PELINOR_CARET PELINOR_ENCODING QT_QPA_PLATFORM WAYLAND_DISPLAY TMUX
WORK=$(mktemp -d /tmp/corvane-editor.XXXXXX)
FAILURES=0
XVFB_PID=""
CLEANUPS=()

cleanup() {
    local c
    for c in "${CLEANUPS[@]}"; do eval "$c" >/dev/null 2>&1; done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK" 2>/dev/null || { sleep 1; rm -rf "$WORK"; }
}
trap cleanup EXIT

need() {
    local p
    for p in "$@"; do
        command -v "$p" >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
    done
}

# expect_file NAME FILE BYTES: FILE holds exactly BYTES (printf escapes).
expect_file() {
    local want
    want=$(mktemp "$WORK/want.XXXXXX")
    printf "$3" >"$want"
    if cmp -s "$want" "$2"; then
        echo "ok   $1"
    else
        echo "FAIL $1: the file holds"
        od -c "$2" | sed 's/^/     /'
        echo "     instead of"
        od -c "$want" | sed 's/^/     /'
        FAILURES=$((FAILURES + 1))
    fi
}

# expect NAME CONDITION...: the command succeeds.
expect() {
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; FAILURES=$((FAILURES + 1)); fi
}

# wait_until SECONDS COMMAND...: polls until the command succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# known_switches FILE: FILE lists forty switches, one a line, each of which
# corvane knows: without a display a dialog switch ends with 1 (no display),
# /COMMENT with 0; a switch it does not know would end with 255.
known_switches() {
    local sw status bad=0
    [ "$(sort -u "$1" | wc -l)" -eq 40 ] || { echo "     not forty different switches:"; cat "$1"; return 1; }
    while read -r sw || [ -n "$sw" ]; do
        printf 'a' | env -u DISPLAY corvane "$sw" >/dev/null 2>&1
        status=$?
        case "$sw:$status" in
            /COMMENT:0 | /[!C]*:1 | /C[!O]*:1) ;;
            *) echo "     $sw: exit $status"; bad=1 ;;
        esac
    done <"$1"
    return $bad
}

finish() {
    [ "$FAILURES" -eq 0 ] && { echo "all passed"; exit 0; }
    echo "$FAILURES failed"
    exit 1
}

# A virtual display of this test's own: sets DISPLAY and returns 0; returns
# 1 when Xvfb or xdotool is missing (the caller skips), and counts a failure
# when they are there and the display does not come up.  The display ends by
# itself after two minutes, should this test be killed.
start_display() {
    if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
        echo "skip the dialog on a virtual display: Xvfb or xdotool is missing"
        return 1
    fi
    if ! CORVANE_XVFB_LIFETIME=120 corvane_xvfb_start "$WORK" -screen 0 1024x768x24; then
        echo "FAIL the virtual display did not start"
        FAILURES=$((FAILURES + 1))
        return 1
    fi
    XVFB_PID=$CORVANE_XVFB_PID
}

# The site the link test browses in: the edited page and an image in a
# sibling folder, so the link must come out relative to the page.
make_site() {
    mkdir -p "$WORK/site/docs" "$WORK/site/img"
    : >"$WORK/site/img/pic.gif"
    printf "$1" >"$WORK/site/docs/index.htm"
}
LINK_TARGET_URL='../img/pic.gif'

visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null; }
other_window() { visible_windows | grep -vx "$1" | head -1; }
has_other_window() { test -n "$(other_window "$1")"; }
window_gone() { ! visible_windows | grep -qx "$1"; }

# Presses KEYS (xdotool key names) in the dialog once it shows.
drive_dialog() {
    local dialog
    wait_until 15 has_other_window none || return 1
    dialog=$(other_window none)
    xdotool windowfocus --sync "$dialog" key --delay 50 "$@"
}

# Plays the user of the link dialog: once it shows, Tab to its browse
# button and press it, type the image's full path into the file dialog,
# Enter, and Enter again for OK.  Gives up after about 25 seconds.
drive_link_dialog() {
    local dialog browser
    wait_until 15 has_other_window none || return 1
    dialog=$(other_window none)
    xdotool windowfocus --sync "$dialog" key Tab space || return 1
    wait_until 10 has_other_window "$dialog" || return 1
    browser=$(other_window "$dialog")
    xdotool windowfocus --sync "$browser" type --delay 5 "$WORK/site/img/pic.gif" || return 1
    xdotool key Return
    # A first Enter may only take the file name's completion.
    if ! wait_until 3 window_gone "$browser"; then
        xdotool windowfocus --sync "$browser" key Return
        wait_until 5 window_gone "$browser" || return 1
    fi
    xdotool windowfocus --sync "$dialog" key Return
}
