;;; corvane.el --- Wrap text in HTML tags chosen in Corvane's dialogs  -*- lexical-binding: t -*-

;; Copyright (C) 2026 The Corvane authors

;; Author: The Corvane authors
;; Version: 1.0.0
;; Package-Requires: ((emacs "26.1"))
;; Keywords: wp, hypermedia
;; SPDX-License-Identifier: MIT

;; This file is not part of GNU Emacs.

;;; Commentary:

;; Corvane shows one small dialog for an HTML element and hands back the
;; selected text inside the tags chosen there.  On Linux it works as a
;; filter: the text goes in on standard input, the replacement comes out on
;; standard output.  This package runs it on the region, or on the current
;; line when no region is active.
;;
;;   M-x corvane          read one of the forty switches (with completion)
;;                        and run it on the region or the current line
;;   M-x corvane-comment  the comment toggle (/COMMENT) on the same
;;   M-x corvane-edit     the dialog of an element already written (/EDIT),
;;                        filled from its start tag, on the region or the
;;                        element at point; OK rewrites only its tags
;;   M-x corvane-setup    the settings dialog (letter case of the tags)
;;   menu HTML            every switch, by family
;;
;; Corvane is told the buffer's file (browse buttons make URLs relative to
;; it) and its line ending, so the text it inserts matches the file.
;;
;; The Debian package and `cmake --install' put this file in the
;; site-lisp folder, where Emacs finds it; from a source tree, either
;; M-x package-install-file RET /path/to/corvane/contrib/emacs/corvane.el,
;; or (add-to-list 'load-path "/path/to/corvane/contrib/emacs").  The
;; commands and the HTML menu are autoloaded; (require 'corvane) loads the
;; rest at once.  No key is bound; for instance
;;
;;   (global-set-key (kbd "C-c h") #'corvane)
;;   (global-set-key (kbd "C-c ;") #'corvane-comment)
;;
;; With eglot, Corvane is also a language server (`corvane --lsp'): every
;; dialog, the tag edit and the comment toggle are code actions
;; (M-x eglot-code-actions).  `corvane-eglot-setup' adds its entry to
;; `eglot-server-programs':
;;
;;   (with-eval-after-load 'eglot (corvane-eglot-setup))

;;; Code:

(require 'easymenu)
(require 'subr-x)

(defgroup corvane nil
  "Wrap text in HTML tags chosen in Corvane's dialogs."
  :group 'wp)

(defcustom corvane-program
  (or (executable-find "corvane")
      (let ((built (expand-file-name "../../build/corvane"
                                     (file-name-directory
                                      (file-truename (or load-file-name buffer-file-name ""))))))
        (and (file-executable-p built) built))
      "corvane")
  "The Corvane program: corvane on the path, else the build of this source tree."
  :type 'file)

;; menu:start (made by scripts/lists from the table of dialogs)
(defconst corvane-switches
  '(("Headings, font, rule" ("Heading" . "/Hn") ("Font" . "/FONT") ("Rule" . "/HR"))
    ("Lists" ("Bulleted list" . "/UL") ("Numbered list" . "/OL") ("List item" . "/LI")
     ("Definition list" . "/DL"))
    ("Links" ("Link or anchor" . "/A") ("Base URL" . "/BASE"))
    ("Images" ("Image" . "/IMG"))
    ("Image maps" ("Map" . "/MAP") ("Map area" . "/AREA") ("Clickable map" . "/MAPS"))
    ("Tables" ("Table" . "/TABLE") ("Caption" . "/CAPTION") ("Row" . "/TR") ("Cell" . "/TDTH"))
    ("Forms" ("Form" . "/FORM") ("Selection list" . "/SELECT") ("Option" . "/OPTION")
     ("Text area" . "/TEXTAREA"))
    ("Input fields" ("Text" . "/INPUTtext") ("Password" . "/INPUTpassword")
     ("Button" . "/INPUTbutton") ("Check box" . "/INPUTcheckbox") ("Radio button" . "/INPUTradio")
     ("Submit button" . "/INPUTsubmit") ("Reset button" . "/INPUTreset")
     ("Image button" . "/INPUTimage") ("Hidden field" . "/INPUThidden")
     ("File upload" . "/INPUTfile"))
    ("Frames" ("Frame set" . "/FRAMESET") ("Frame" . "/FRAME") ("Frame set skeleton" . "/FRAMES"))
    ("Document" ("Page skeleton" . "/HTML") ("Body" . "/BODY"))
    ("Sound and plug-ins" ("Background sound" . "/BGSOUND") ("LiveAudio player" . "/LiveAudio")
     ("MIDI player" . "/MIDPLUG"))
    (nil ("Comment toggle" . "/COMMENT")))
  "Corvane's switches by family: (FAMILY (LABEL . SWITCH) ...).
A nil family holds entries of the menu's top level.")
;; menu:end

(defun corvane-switch-names ()
  "Every switch, in menu order."
  (mapcan (lambda (family) (mapcar #'cdr (cdr family))) corvane-switches))

(defvar corvane-history nil "Switches given to `corvane'.")

(defun corvane--bounds ()
  "The active region, or else the current line without its line break."
  (if (use-region-p)
      (cons (region-beginning) (region-end))
    (cons (line-beginning-position) (line-end-position))))

(defun corvane--eol-name ()
  "The line ending of the buffer's file as Corvane's editor link names it."
  (pcase (coding-system-eol-type buffer-file-coding-system)
    (1 "crlf")
    (2 "cr")
    (_ "lf")))

(defun corvane--cp932-p ()
  "Whether the buffer's file is in the Japanese Windows code page."
  (memq (coding-system-base buffer-file-coding-system)
        '(japanese-shift-jis japanese-cp932 cp932 sjis shift_jis)))

(defun corvane--caret ()
  "The screen position of point as \"X,Y\" on a graphical frame, else nil.
Corvane opens its dialog just below it."
  (when (display-graphic-p)
    (let ((xy (ignore-errors (window-absolute-pixel-position))))
      (and xy (format "%d,%d" (car xy) (cdr xy))))))

(defun corvane--call (switch start end)
  "Run Corvane with SWITCH on the text from START to END.
Return (STATUS OUTPUT MESSAGES): the exit status, the replacement text and
what Corvane wrote on its standard error, which is kept apart from the text."
  (let* ((eol (corvane--eol-name))
         (cp932 (corvane--cp932-p))
         ;; The text travels with the file's line ending and the code page
         ;; Corvane is told, and comes back the same way.
         (coding (coding-system-change-eol-conversion
                  (if cp932 'cp932 'utf-8)
                  (pcase eol ("crlf" 'dos) ("cr" 'mac) (_ 'unix))))
         (coding-system-for-write coding)
         (coding-system-for-read coding)
         (file (and buffer-file-name (expand-file-name buffer-file-name)))
         (caret (corvane--caret))
         (process-environment
          (append (list (concat "PELINOR_EOL=" eol)
                        (concat "PELINOR_ENCODING=" (if cp932 "cp932" "utf-8"))
                        ;; A bare name removes the variable: no file.
                        (if file (concat "PELINOR_FILE=" file) "PELINOR_FILE"))
                  (and caret (list (concat "PELINOR_CARET=" caret)))
                  process-environment))
         (err-file (make-temp-file "corvane"))
         (out (generate-new-buffer " *corvane*")))
    (unwind-protect
        (let ((status (apply #'call-process-region start end corvane-program nil
                             (list out err-file) nil
                             (and switch (list switch)))))
          (list status
                (with-current-buffer out (buffer-string))
                (with-temp-buffer
                  (insert-file-contents err-file)
                  (string-trim (replace-regexp-in-string "\n+" " " (buffer-string))))))
      (kill-buffer out)
      (delete-file err-file))))

(defun corvane-run (switch &optional start end)
  "Run Corvane with SWITCH on the text from START to END.
They default to the active region, or else the current line.  On success
the text is replaced by Corvane's output (after Cancel it stays the same);
on a failure it is left alone and the message and exit status are shown."
  (unless (and start end)
    (let ((bounds (corvane--bounds)))
      (setq start (car bounds) end (cdr bounds))))
  (barf-if-buffer-read-only)
  (pcase-let* ((text (buffer-substring-no-properties start end))
               (`(,status ,output ,messages) (corvane--call switch start end)))
    (unless (eql status 0)
      (user-error "%s: exit %s%s" (concat "corvane " switch) status
                  (if (string-empty-p messages) "" (concat ": " messages))))
    (unless (string-empty-p messages)
      (message "corvane: %s" messages))
    (unless (string= output text)
      (save-excursion
        (goto-char start)
        (delete-region start end)
        (insert output)))
    (deactivate-mark)
    status))

;;;###autoload
(defun corvane (switch)
  "Run Corvane with SWITCH on the region, or on the current line.
SWITCH is one of `corvane-switch-names', read with completion."
  (interactive
   (list (let ((completion-ignore-case t))
           (completing-read "Corvane switch: " (corvane-switch-names) nil t nil 'corvane-history))))
  (corvane-run switch))

;;;###autoload
(defun corvane-comment ()
  "Comment out the region or the current line, or take its comment apart."
  (interactive)
  (corvane-run "/COMMENT"))

;; Elements written without an end tag: `corvane-edit' takes the tag at
;; point for them.
;; empty elements:start (made by scripts/lists)
(defconst corvane--empty-elements
  '("hr" "base" "img" "area" "input" "frame" "bgsound" "embed"))
;; empty elements:end

(declare-function sgml-skip-tag-forward "sgml-mode" (arg))
(declare-function sgml-skip-tag-backward "sgml-mode" (arg))
(declare-function sgml-get-context "sgml-mode" (&optional until))
(declare-function sgml-tag-start "sgml-mode" (tag) t)

(defun corvane--element-bounds ()
  "The element at point, found with sgml-mode's tag motions, as (START . END).
Inside or on a tag, that tag's element; else the innermost element around
point.  Nil when there is none."
  (require 'sgml-mode)
  (save-excursion
    (let ((here (point)) start)
      ;; The tag point is in, if any.
      (let ((lt (save-excursion (when (or (eq (char-after) ?<) (search-backward "<" nil t)) (point))))
            (gt (save-excursion (when (search-backward ">" nil t) (point)))))
        (when (and lt (or (null gt) (> lt gt)) (not (eq (char-after (1+ lt)) ?!)))
          (setq start lt)))
      (when (and start (eq (char-after (1+ start)) ?/))
        ;; An end tag: its element starts at the matching start tag.
        (goto-char start)
        (forward-char 1)
        (search-forward ">" nil t)
        (setq start (ignore-errors (sgml-skip-tag-backward 1) (point))))
      (unless start
        ;; Point in content: the innermost open element around it.
        (goto-char here)
        (let ((context (ignore-errors (sgml-get-context))))
          (setq start (and context (sgml-tag-start (car (last context)))))))
      (when start
        (goto-char start)
        (let ((name (and (looking-at "<\\([A-Za-z][A-Za-z0-9]*\\)") (downcase (match-string 1)))))
          (if (member name corvane--empty-elements)
              (and (search-forward ">" nil t) (cons start (point)))
            (and (ignore-errors (sgml-skip-tag-forward 1) t)
                 (cons start (point)))))))))

;;;###autoload
(defun corvane-edit ()
  "Edit an element already written in its Corvane dialog (/EDIT).
On the active region, or else on the element at point.  OK rewrites only
its tags; a text that is not one element with a dialog stays as it is and
the message says what was found."
  (interactive)
  (if (use-region-p)
      (corvane-run "/EDIT")
    (let ((bounds (corvane--element-bounds)))
      (unless bounds (user-error "No element at point to edit (corvane /EDIT)"))
      (corvane-run "/EDIT" (car bounds) (cdr bounds)))))

;;;###autoload
(defun corvane-setup ()
  "Show Corvane's settings dialog: the letter case of the tags it writes."
  (interactive)
  (with-temp-buffer
    (pcase-let ((`(,status ,_ ,messages) (corvane--call nil (point-min) (point-max))))
      (unless (eql status 0)
        (user-error "%s: exit %s%s" "corvane" status (if (string-empty-p messages) "" (concat ": " messages)))))))

;;;###autoload
(defun corvane-eglot-setup ()
  "Make eglot start `corvane --lsp' for HTML buffers.
Adds the entry to `eglot-server-programs'; the code actions then offer
every dialog, the tag edit and the comment toggle."
  (interactive)
  (defvar eglot-server-programs)
  (add-to-list 'eglot-server-programs
               (cons '(html-mode mhtml-mode sgml-mode) (list corvane-program "--lsp"))))

(defun corvane--menu-item (entry)
  "The menu item of ENTRY, a (LABEL . SWITCH) of `corvane-switches'."
  (vector (concat (car entry) "  " (cdr entry))
          (lambda () (interactive) (corvane-run (cdr entry)))))

;;;###autoload
(defun corvane-menu-items (&optional _items)
  "The items of Corvane's HTML menu: every switch, by family, and the settings.
The menu computes them when it opens, so that it can be there before
this file is loaded."
  (append (mapcan (lambda (family)
                    (if (car family)
                        (list (cons (car family) (mapcar #'corvane--menu-item (cdr family))))
                      (mapcar #'corvane--menu-item (cdr family))))
                  corvane-switches)
          (list "--" ["Edit tag...  /EDIT" corvane-edit] ["Settings..." corvane-setup])))

;;;###autoload
(easy-menu-define corvane-menu global-map
  "Corvane's HTML menu: every switch, by family."
  '("HTML" :filter corvane-menu-items))

(provide 'corvane)

;;; corvane.el ends here
