#!/usr/bin/env bash
# The installed program: `cmake --install` into a scratch prefix, then run
# from there as a user would, as root and as an unprivileged user.  The
# settings go to the user's configuration folder and nothing is written
# under the prefix; a portable copy keeps them beside the program.
# Usage: install.sh BUILD_DIR SOURCE_DIR
BUILD=$1 CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/editors/lib.sh"
need cmake
chmod 755 "$WORK"   # the unprivileged user reads the prefix below it

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    { echo "FAIL cmake --install"; cat "$WORK/install.log"; exit 1; }
chmod -R a+rX "$PREFIX"
installed="$PREFIX/bin/corvane"
# A listing with the contents' checksums: compared after every run.
prefix_state() { (cd "$PREFIX" && find . -printf '%p %m\n' | sort && find . -type f -print0 | sort -z | xargs -0 md5sum); }
prefix_state >"$WORK/prefix.before"
prefix_unchanged() { prefix_state | cmp -s - "$WORK/prefix.before"; }

files_of() { (cd "$PREFIX" && find . -type f -o -type l | sort); }
expect "the installed files" diff <(files_of) - <<'LIST'
./bin/corvane
./lib/corvane/corvane-window
./lib/corvane/libcorvane_text.so
./lib/corvane/libpelinorn.so
./share/doc/corvane/LICENSE
./share/doc/corvane/README.md
./share/emacs/site-lisp/corvane.el
./share/man/man1/corvane.1
./share/vim/vimfiles/pack/corvane/start/corvane/autoload/corvane.vim
./share/vim/vimfiles/pack/corvane/start/corvane/doc/corvane.txt
./share/vim/vimfiles/pack/corvane/start/corvane/doc/tags
./share/vim/vimfiles/pack/corvane/start/corvane/plugin/corvane.vim
LIST
# Nothing comes from the build tree: the link library of both halves is
# the prefix's own.
libs_from_prefix() {
    local half
    for half in corvane-window libcorvane_text.so; do
        ldd "$PREFIX/lib/corvane/$half" | grep -q "libpelinorn.so => $PREFIX/lib/corvane/libpelinorn.so" || return 1
    done
}
expect "the installed halves link the prefix's libpelinorn.so" libs_from_prefix

# as_user USER CMD...: runs CMD as USER ("" is this process's user).
as_user() {
    local user=$1
    shift
    if [ -z "$user" ]; then "$@"; else setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups "$@"; fi
}

if command -v man >/dev/null; then
    man_warnings() { MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man1/corvane.1" 2>&1 >/dev/null; }
    expect "the manual page renders without warnings" test -z "$(man_warnings)"
fi

cd "$WORK"
expect_file "installed /COMMENT" <(printf 'abc' | "$installed" /COMMENT) '<!-- abc -->'

start_display || finish

# run_setup USER RESULT KEYS_AFTER_OK ENV...: the installed settings dialog
# as USER; picks lower-case element names (Down) and presses OK.  RESULT is
# "saved" (the reload message comes and is dismissed, the program ends) or
# "refused" (an error box comes over the still open dialog; both are
# closed).  True when that happened.
run_setup() {
    local user=$1 result=$2 dialog box
    shift 2
    as_user "$user" env "$@" timeout 30 "$installed" </dev/null >/dev/null 2>"$WORK/setup.err" &
    local pid=$!
    wait_until 15 has_other_window none || { kill $pid; return 1; }
    dialog=$(other_window none)
    xdotool windowfocus --sync "$dialog" key Down Return
    wait_until 10 has_other_window "$dialog" || { kill $pid; return 1; }
    box=$(other_window "$dialog")
    if [ "$result" = refused ]; then
        visible_windows | grep -qx "$dialog" || { kill $pid; return 1; }
        [ "$(xdotool getwindowname "$box")" = "Pelinor - HTML" ] || { kill $pid; return 1; }
        xdotool windowfocus --sync "$box" key Return
        wait_until 5 window_gone "$box"
        xdotool windowfocus --sync "$dialog" key Escape
    else
        xdotool windowfocus --sync "$box" key Return
    fi
    # A run whose last OK could not write its files says so in its exit code.
    local rc=0
    wait $pid || rc=$?
    if [ "$result" = refused ]; then [ $rc -eq 1 ]; else [ $rc -eq 0 ]; fi
}

# check_user USER HOME_DIR XDG: one user's runs; XDG empty leaves
# XDG_CONFIG_HOME unset, so the settings go to HOME_DIR/.config/corvane.
check_user() {
    local user=$1 home=$2 xdg=$3 who=${1:-$(id -un)} cfg env_args
    mkdir -p "$home"
    [ -n "$user" ] && chown "$user" "$home"
    if [ -n "$xdg" ]; then
        cfg="$xdg/corvane"
        env_args=(HOME="$home" XDG_CONFIG_HOME="$xdg")
    else
        cfg="$home/.config/corvane"
        env_args=(-u XDG_CONFIG_HOME HOME="$home")
    fi
    expect "$who: settings dialog saves" run_setup "$user" saved "${env_args[@]}"
    expect_file "$who: Corvane.ini in $cfg" "$cfg/Corvane.ini" '[Setup]\r\nElement=1\r\nAttribute=0\r\nValue=1\r\n'
    expect "$who: Corvane.pld in $cfg, in lower case" env LC_ALL=C grep -aq '^M00=.*<br>' "$cfg/Corvane.pld"
    expect "$who: nothing written under the prefix" prefix_unchanged
    # A tag dialog reads them: OK gives the element in lower case.
    local out="$WORK/li.out"
    (
        printf 'Hello' | as_user "$user" env "${env_args[@]}" timeout 30 "$installed" /LI >"$out" 2>/dev/null &
        pid=$!
        wait_until 15 has_other_window none && xdotool windowfocus --sync "$(other_window none)" key Return
        wait $pid
    )
    expect_file "$who: installed /LI reads those settings" "$out" '<li>\nHello'
}

check_user "" "$WORK/home-self" "$WORK/config-self"
if [ "$(id -u)" -eq 0 ]; then
    # An unprivileged user with the default configuration folder.
    check_user nobody "$WORK/home-nobody" ""
    # A configuration folder the user may not write: the error box, the
    # dialog stays open, nothing written anywhere.
    mkdir -p "$WORK/locked" && chmod 555 "$WORK/locked"
    expect "nobody: an unwritable configuration folder refuses the write" \
        run_setup nobody refused HOME="$WORK/home-nobody" XDG_CONFIG_HOME="$WORK/locked"
    expect "nobody: nothing in the unwritable folder" test -z "$(ls -A "$WORK/locked")"
    expect "nothing written under the prefix" prefix_unchanged
else
    echo "skip the unprivileged user: the test runs unprivileged already; root's run needs root"
fi

# A portable copy: the program with its libraries in a folder of its own
# keeps the settings beside it, whatever XDG_CONFIG_HOME says.
portable="$WORK/portable"
mkdir -p "$portable"
cp "$BUILD/corvane" "$BUILD/corvane-window" "$BUILD"/*.so "$portable/"
chmod -R a+rX "$portable"
installed="$portable/corvane" expect "portable copy: settings dialog saves" \
    run_setup "" saved HOME="$WORK/home-self" XDG_CONFIG_HOME="$WORK/config-portable"
expect_file "portable copy: Corvane.ini beside the program" "$portable/Corvane.ini" '[Setup]\r\nElement=1\r\nAttribute=0\r\nValue=1\r\n'
expect "portable copy: nothing in the configuration folder" test ! -e "$WORK/config-portable"

finish
