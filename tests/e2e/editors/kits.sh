#!/usr/bin/env bash
# The editor kits as their communities ask them to be: the Vim plugin in
# compatible mode and with 'nocompatible', as a package, with no mappings
# but its <Plug> ones and with help tags that :helptags makes; the Emacs
# package byte-compiled with warnings as errors, checkdoc-clean, and
# installed with package-install-file, its commands and menu autoloaded.
# Usage: kits.sh CORVANE_DIR SOURCE_DIR
CORVANE_DIR=$1 CORVANE_SRC=$2
. "$(dirname "$0")/lib.sh"
export HOME="$WORK/home"
mkdir -p "$HOME"
VIM_KIT="$CORVANE_SRC/contrib/vim"
EL="$CORVANE_SRC/contrib/emacs/corvane.el"

if command -v vim >/dev/null; then
    # vim_on FILE ARGS...: Vim in silent Ex mode on FILE, then saves it.
    vim_on() { local f=$1; shift; timeout 30 vim -i NONE -es "$@" -c wq "$f" >"$f.log" 2>&1; }
    for mode in "-u NONE" "-u NONE -N"; do
        f="$WORK/comment$(echo $mode | tr -d ' -').txt"
        printf 'a\nb\n' >"$f"
        # 'cpoptions' as it was, after the plugin and after its autoload
        # script ran, goes to the file's third line.
        vim_on "$f" $mode -c "set rtp^=$VIM_KIT" -c 'let g:cpo = &cpo' -c 'runtime plugin/corvane.vim' \
            -c 'let g:same = [&cpo ==# g:cpo]' -c '1CorvaneComment' -c 'call add(g:same, &cpo ==# g:cpo)' \
            -c 'call append("$", string(g:same))'
        expect_file "vim $mode: :1CorvaneComment on a two-line file, 'cpoptions' kept" "$f" '<!-- a -->\nb\n[1, 1]\n'
    done

    # As a package, with nothing in the vimrc: no key mapped but <Plug>'s.
    mkdir -p "$HOME/.vim/pack/corvane/start"
    ln -s "$VIM_KIT" "$HOME/.vim/pack/corvane/start/corvane"
    printf 'set nocompatible\n' >"$HOME/.vimrc"
    f="$WORK/package.txt"
    printf 'a\nb\n' >"$f"
    cat >"$WORK/mappings.vim" <<'VIM'
" Every mapping but the <Plug> ones, then what <Plug>(corvane-comment) does.
let s:all = split(execute('map') . execute('map!'), "\n")
call append('$', filter(s:all, 'v:val =~# "\\S" && v:val !~# "<Plug>\\|No mapping"'))
call append('$', maparg('<Plug>(corvane-comment)', 'x'))
VIM
    vim_on "$f" -u "$HOME/.vimrc" -c 'packloadall' -c '2CorvaneComment' -c "source $WORK/mappings.vim"
    expect_file "vim package: :2CorvaneComment, only <Plug> mappings" "$f" 'a\n<!-- b -->\n:CorvaneComment<CR>\n'

    # Help tags made with :helptags in a copy of the plugin.
    cp -r "$VIM_KIT" "$WORK/vimkit"
    rm -f "$WORK/vimkit/doc/tags"
    timeout 30 vim -u NONE -N -i NONE -es -c "helptags $WORK/vimkit/doc" -c 'if !empty(v:errmsg) | cquit | endif' -c q
    expect "vim :helptags without errors" test $? -eq 0
    for tag in corvane.txt :Corvane :CorvaneComment :CorvaneSetup '<Plug>(corvane-comment)' '<Plug>(corvane)' \
        corvane-mappings corvane-install g:corvane_program; do
        expect "vim help tag $tag" grep -q "^$(printf '%s' "$tag" | sed 's/[.[*^$]/\\&/g')	corvane.txt	" "$WORK/vimkit/doc/tags"
    done
else
    echo "skip the Vim plugin: vim is not installed"
fi

if command -v emacs >/dev/null; then
    mkdir -p "$WORK/el"
    cp "$EL" "$WORK/el/"
    (cd "$WORK/el" && timeout 60 emacs -Q --batch --eval '(setq byte-compile-error-on-warn t)' \
        -f batch-byte-compile corvane.el) >"$WORK/el/compile.log" 2>&1
    expect "emacs byte-compile with warnings as errors" test $? -eq 0 -a -f "$WORK/el/corvane.elc"
    [ -s "$WORK/el/compile.log" ] && sed 's/^/     /' "$WORK/el/compile.log"
    (cd "$WORK/el" && timeout 60 emacs -Q --batch --eval '(progn (require (quote checkdoc)) (checkdoc-file "corvane.el"))') \
        >"$WORK/el/checkdoc.log" 2>&1
    expect "emacs checkdoc finds nothing" test ! -s "$WORK/el/checkdoc.log"
    [ -s "$WORK/el/checkdoc.log" ] && sed 's/^/     /' "$WORK/el/checkdoc.log"

    # package-install-file into a package folder of this test; then a new
    # Emacs has the commands and the menu before the file is loaded, and
    # the command loads it and runs.
    pkgdir="$WORK/elpa"
    timeout 60 emacs -Q --batch --eval "(progn (require 'package) (setq package-user-dir \"$pkgdir\")
        (package-initialize) (package-install-file \"$EL\"))" >"$WORK/el/install.log" 2>&1
    expect "emacs package-install-file" test $? -eq 0 -a -d "$pkgdir/corvane-1.0.0"
    f="$WORK/el/two-lines.txt"
    printf 'a\nb\n' >"$f"
    timeout 60 emacs -Q --batch --eval "(progn (require 'package) (setq package-user-dir \"$pkgdir\")
        (package-initialize)
        (find-file \"$f\")
        (let ((before (list (featurep 'corvane) (commandp 'corvane) (commandp 'corvane-comment)
                            (commandp 'corvane-setup) (keymapp (lookup-key global-map [menu-bar HTML])))))
          (goto-char (point-min))
          (corvane-comment)
          (goto-char (point-max))
          (insert (format \"%S %S\n\" before (length (corvane-menu-items))))
          (save-buffer)))" >"$WORK/el/run.log" 2>&1
    expect_file "emacs installed package: autoloaded commands and menu, corvane-comment" "$f" \
        '<!-- a -->\nb\n(nil t t t t) 15\n'
else
    echo "skip the Emacs package: emacs is not installed"
fi

finish
