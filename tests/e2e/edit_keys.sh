#!/usr/bin/env bash
# /EDIT end to end: the built corvane on a virtual display of its own
# (scripts/keys), driven with real keys, checked on the bytes it hands back
# and its exit code.
# Usage: edit_keys.sh CORVANE_BUILD_DIR SOURCE_DIR
set -u
export CORVANE_BUILD=$1
keys=$2/scripts/keys
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "skip: needs Xvfb and xdotool"; exit 77; }
failures=0

# edit WHAT INPUT WANT_OUTPUT WANT_STATUS KEY...
edit() {
    local what=$1 input=$2 want=$3 want_status=$4
    shift 4
    local out status
    out=$(printf '%s' "$input" | "$keys" /EDIT "$@"; echo "status $?")
    status=${out##*status }
    out=${out%status *}
    if [ "$out" == "$want" ] && [ "$status" == "$want_status" ]; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        echo "      want ($want_status): $want"
        echo "      got  ($status): $out"
        failures=$((failures + 1))
    fi
}

edit "font: size +3 moved two items up to +1" \
    '<FONT SIZE="+3" COLOR="red">Hello</FONT>' '<FONT SIZE="+1" COLOR="red">Hello</FONT>' 0 Up Up Return
edit "image: read back in the default case, its class kept" \
    "<img src='a.gif' width=10 class=\"logo\">" '<IMG SRC="a.gif" WIDTH="10" class="logo">' 0 Return
edit "a cell: CR LF content and the blanks around untouched, Escape changes nothing" \
    $'\r\n <td nowrap>a\r\nb</td>\r\n' $'\r\n <td nowrap>a\r\nb</td>\r\n' 0 Escape
edit "refused: no dialog for <P>; the box is closed, the selection unchanged, exit 255" \
    '<P>x</P>' '<P>x</P>' 255 Return
edit "refused: two elements side by side" \
    '<B>a</B><B>b</B>' '<B>a</B><B>b</B>' 255 Return

# Without a display the refusal goes to standard error.
err=$(printf '<P>x</P>' | env -u DISPLAY "$CORVANE_BUILD/corvane" /EDIT 2>&1 >/dev/null; echo "status $?")
if [ "$err" == $'/EDIT: <P> has no dialog\nstatus 255' ]; then
    echo "ok    refused without a display: the message on standard error, exit 255"
else
    echo "FAIL  refused without a display: got: $err"
    failures=$((failures + 1))
fi
[ $failures -eq 0 ]
