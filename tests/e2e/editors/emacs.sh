#!/usr/bin/env bash
# Corvane in Emacs, in batch mode: shell-command-on-region with replacement
# (standard output and standard error both come into the buffer, the default)
# and the shipped package (contrib/emacs/corvane.el), each checked on the
# bytes of the saved file.
# Usage: emacs.sh CORVANE_DIR SOURCE_DIR
CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/lib.sh"
need emacs
export HOME="$WORK/home"
mkdir -p "$HOME"

# in_emacs FILE FORM [VAR=VALUE...]: visits FILE, evaluates FORM, saves.
# What FORM returns is written to FILE.result.
in_emacs() {
    local file=$1 form=$2
    shift 2
    env "$@" timeout 30 emacs -Q --batch -L "$CORVANE_SRC/contrib/emacs" -l corvane "$file" --eval "
      (progn
        (transient-mark-mode 1)
        (goto-char (point-min))
        (let ((result (condition-case err $form (error (error-message-string err)))))
          (save-buffer)
          (write-region (format \"%s\" result) nil \"$file.result\")))" >"$file.log" 2>&1
}
result_is() { [ "$(cat "$1.result")" = "$2" ]; }
result_has() { grep -qF -- "$2" "$1.result"; }

# Emacs's own filter: the whole buffer through corvane, replaced by what
# came back on both streams; it returns the exit status.
f="$WORK/filter-comment.txt"
printf 'a\n' >"$f"
in_emacs "$f" '(shell-command-on-region (point-min) (point-max) "corvane /COMMENT" nil t)' \
    -u DISPLAY PELINOR_EOL=bogus
# Saving ends the file with a line break (require-final-newline).
expect_file "emacs shell-command-on-region /COMMENT with PELINOR_EOL=bogus" "$f" '<!-- a\n -->\n'
expect "emacs shell-command-on-region /COMMENT: status 0" result_is "$f" 0

f="$WORK/filter-font.txt"
printf 'a\n' >"$f"
in_emacs "$f" '(shell-command-on-region (point-min) (point-max) "corvane /FONT" nil t)' -u DISPLAY
expect_file "emacs shell-command-on-region /FONT without a display leaves the line" "$f" 'a\n'
expect "emacs shell-command-on-region /FONT without a display: status 1" result_is "$f" 1

# The package, on the current line, with a warning from the link.
f="$WORK/plugin-comment.txt"
printf 'a\n' >"$f"
in_emacs "$f" '(corvane-comment)' -u DISPLAY PELINOR_EOL=bogus PELINOR_CARET=bogus
expect_file "emacs corvane-comment on the line" "$f" '<!-- a -->\n'
expect "emacs corvane-comment shows the link's warning" grep -qF 'corvane: pelinorn stand-in: PELINOR_CARET' "$f.log"

# On a region inside a line.
f="$WORK/plugin-region.txt"
printf 'say Hello now\n' >"$f"
in_emacs "$f" '(progn (search-forward "Hello") (push-mark (match-beginning 0) t t) (corvane "/COMMENT"))' -u DISPLAY
expect_file "emacs corvane /COMMENT on a region" "$f" 'say <!-- Hello --> now\n'

# A file with CR LF: PELINOR_EOL=crlf, and the file keeps its line ends.
f="$WORK/plugin-dos.txt"
printf 'l1\r\nl2\r\n' >"$f"
in_emacs "$f" '(progn (push-mark (point) t t) (end-of-line 2) (corvane-comment))' -u DISPLAY
expect_file "emacs corvane-comment on two lines of a CR LF file" "$f" '<!-- \r\nl1\r\nl2 -->\r\n'

f="$WORK/plugin-font.txt"
printf 'a\n' >"$f"
in_emacs "$f" '(corvane "/FONT")' -u DISPLAY
expect_file "emacs corvane /FONT without a display leaves the line" "$f" 'a\n'
expect "emacs corvane /FONT without a display reports the exit code and why" \
    result_has "$f" 'corvane /FONT: exit 1: corvane: no display'

# Completion offers every switch of the menu, forty in all.
f="$WORK/switches.txt"
: >"$f"
in_emacs "$f" '(list (length (corvane-switch-names)) (all-completions "/INPUTt" (corvane-switch-names)))'
expect "emacs: forty switches to complete" result_is "$f" '(40 (/INPUTtext))'
in_emacs "$f" '(mapconcat (quote identity) (corvane-switch-names) "\n")'
expect "emacs: corvane knows every switch of the package" known_switches "$f.result"

# A dialog end to end on a virtual display: the link dialog browses for the
# image, which becomes a URL relative to the visited file.
# corvane-edit on an element without a dialog: refused with exit 255, the
# text left as it was, the message saying what was found.
f="$WORK/edit-refused.htm"
printf '<P>x</P>\n' >"$f"
in_emacs "$f" '(progn (forward-char 4) (corvane-edit))' -u DISPLAY
expect_file "emacs corvane-edit on <P> leaves the text" "$f" '<P>x</P>\n'
expect "emacs corvane-edit on <P>: exit 255 and why" result_has "$f" 'exit 255: /EDIT: <P> has no dialog'

if start_display; then
    make_site 'Hello\n'
    f="$WORK/site/docs/index.htm"
    drive_link_dialog >"$WORK/drive.log" 2>&1 &
    driver=$!
    in_emacs "$f" '(corvane "/A")'
    expect "emacs: the link dialog was driven" wait "$driver"
    expect_file "emacs corvane /A with a browsed image" "$f" "<A HREF=\"$LINK_TARGET_URL\">Hello</A>\n"
    # The package shows whatever Corvane printed; on a working display that
    # is nothing, Qt included.
    expect "emacs corvane /A: Corvane printed nothing" bash -c "! grep -q '^corvane' '$f.log'"

    # corvane-edit on a region: the image tag read back and written in the
    # default case, its unknown attribute kept.
    f="$WORK/edit-img.htm"
    printf "<img src='a.gif' width=10 class=\"logo\">\n" >"$f"
    drive_dialog Return >"$WORK/drive-edit.log" 2>&1 &
    driver=$!
    in_emacs "$f" '(progn (set-mark (point)) (end-of-line) (activate-mark) (corvane-edit))'
    expect "emacs: the image dialog was driven" wait "$driver"
    expect_file "emacs corvane-edit on a region" "$f" '<IMG SRC="a.gif" WIDTH="10" class="logo">\n'
fi

finish
