#!/usr/bin/env bash
# Corvane's language server in Emacs with eglot, in batch mode: the entry
# corvane.el offers, the code actions asked for on a region, the comment
# action chosen as a user would, and the server's edit applied by eglot;
# checked on the bytes of the saved file.
# Usage: eglot.sh CORVANE_DIR SOURCE_DIR
CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/lib.sh"
need emacs
export HOME="$WORK/home"
mkdir -p "$HOME"
emacs --batch --eval '(require (quote eglot))' >/dev/null 2>&1 || { echo "SKIP: eglot is not installed"; exit 77; }

f="$WORK/page.htm"
printf 'a Hello b\n' >"$f"
timeout 60 emacs --batch -L "$CORVANE_SRC/contrib/emacs" -l corvane "$f" --eval "
  (progn
    (require 'eglot)
    (require 'cl-lib)
    (setq corvane-program \"$CORVANE_DIR/corvane\")
    (corvane-eglot-setup)
    (setq eglot-confirm-server-initiated-edits nil)
    (mhtml-mode)
    (call-interactively #'eglot)
    (with-timeout (20 (error \"eglot did not connect\"))
      (while (not (eglot-current-server)) (accept-process-output nil 0.1)))
    (let ((tick (buffer-chars-modified-tick)))
      (cl-letf (((symbol-function 'completing-read)
                 (lambda (_prompt collection &rest _)
                   (or (seq-find (lambda (title) (string-match-p \"comment\" title))
                                 (mapcar (lambda (c) (if (consp c) (car c) c)) collection))
                       (error \"no comment action\")))))
        ;; As after a key, not a mouse click: eglot asks in the minibuffer.
        (let ((last-nonmenu-event 13))
          (eglot-code-actions 3 8 nil t)))
      (with-timeout (20 (with-current-buffer (jsonrpc-events-buffer (eglot-current-server))
                          (write-region (point-min) (point-max) \"$f.events\"))
                        (error \"no edit came\"))
        (while (= tick (buffer-chars-modified-tick)) (accept-process-output nil 0.1))))
    (save-buffer)
    (eglot-shutdown (eglot-current-server)))" >"$f.log" 2>&1
status=$?
expect "eglot: emacs ran to its end" test "$status" -eq 0
expect_file "eglot: the comment action on a region" "$f" 'a <!-- Hello --> b\n'
[ "$FAILURES" -eq 0 ] || cat "$f.log" "$f.events" 2>/dev/null
finish
