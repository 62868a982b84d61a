" Corvane for Vim: wraps text in the HTML tags chosen in Corvane's dialogs.
" The commands and the menu are in plugin/corvane.vim; see :help corvane.
if exists('g:autoloaded_corvane')
  finish
endif
let g:autoloaded_corvane = 1
let s:save_cpo = &cpo
set cpo&vim

" Every switch Corvane knows, by family: [family, label, switch].  The
" family is the submenu of the HTML menu; an empty family is a top entry.
" menu:start (made by scripts/lists from the table of dialogs)
let s:table = [
      \ ['Headings, font, rule', 'Heading', '/Hn'],
      \ ['Headings, font, rule', 'Font', '/FONT'],
      \ ['Headings, font, rule', 'Rule', '/HR'],
      \ ['Lists', 'Bulleted list', '/UL'],
      \ ['Lists', 'Numbered list', '/OL'],
      \ ['Lists', 'List item', '/LI'],
      \ ['Lists', 'Definition list', '/DL'],
      \ ['Links', 'Link or anchor', '/A'],
      \ ['Links', 'Base URL', '/BASE'],
      \ ['Images', 'Image', '/IMG'],
      \ ['Image maps', 'Map', '/MAP'],
      \ ['Image maps', 'Map area', '/AREA'],
      \ ['Image maps', 'Clickable map', '/MAPS'],
      \ ['Tables', 'Table', '/TABLE'],
      \ ['Tables', 'Caption', '/CAPTION'],
      \ ['Tables', 'Row', '/TR'],
      \ ['Tables', 'Cell', '/TDTH'],
      \ ['Forms', 'Form', '/FORM'],
      \ ['Forms', 'Selection list', '/SELECT'],
      \ ['Forms', 'Option', '/OPTION'],
      \ ['Forms', 'Text area', '/TEXTAREA'],
      \ ['Input fields', 'Text', '/INPUTtext'],
      \ ['Input fields', 'Password', '/INPUTpassword'],
      \ ['Input fields', 'Button', '/INPUTbutton'],
      \ ['Input fields', 'Check box', '/INPUTcheckbox'],
      \ ['Input fields', 'Radio button', '/INPUTradio'],
      \ ['Input fields', 'Submit button', '/INPUTsubmit'],
      \ ['Input fields', 'Reset button', '/INPUTreset'],
      \ ['Input fields', 'Image button', '/INPUTimage'],
      \ ['Input fields', 'Hidden field', '/INPUThidden'],
      \ ['Input fields', 'File upload', '/INPUTfile'],
      \ ['Frames', 'Frame set', '/FRAMESET'],
      \ ['Frames', 'Frame', '/FRAME'],
      \ ['Frames', 'Frame set skeleton', '/FRAMES'],
      \ ['Document', 'Page skeleton', '/HTML'],
      \ ['Document', 'Body', '/BODY'],
      \ ['Sound and plug-ins', 'Background sound', '/BGSOUND'],
      \ ['Sound and plug-ins', 'LiveAudio player', '/LiveAudio'],
      \ ['Sound and plug-ins', 'MIDI player', '/MIDPLUG'],
      \ ['', 'Comment toggle', '/COMMENT'],
      \ ]
" menu:end

function! corvane#table() abort
  return s:table
endfunction

function! corvane#switches() abort
  return map(copy(s:table), 'v:val[2]')
endfunction

" Completion for :Corvane.  The switches are case-sensitive; the typed start
" is matched without regard to case so that "/font" offers "/FONT".
function! corvane#complete(lead, cmdline, pos) abort
  let lead = tolower(a:lead)
  return filter(corvane#switches(), 'stridx(tolower(v:val), lead) == 0')
endfunction

" The program: g:corvane_program, else corvane on $PATH, else the build of
" the source tree this plugin belongs to.
let s:tree_build = fnamemodify(resolve(expand('<sfile>:p')), ':h:h:h:h') . '/build/corvane'
function! s:program() abort
  if exists('g:corvane_program')
    return g:corvane_program
  endif
  if executable('corvane')
    return 'corvane'
  endif
  return executable(s:tree_build) ? s:tree_build : 'corvane'
endfunction

" The line break of the edited file, as Corvane's editor link names it.
function! s:eol_name() abort
  return get({'dos': 'crlf', 'mac': 'cr'}, &fileformat, 'lf')
endfunction

function! s:eol() abort
  return get({'dos': "\r\n", 'mac': "\r"}, &fileformat, "\n")
endfunction

" Runs Corvane on `text` and returns [status, output, messages].  The
" editor's state goes in the environment of the stand-in link: the file's
" full path (browse buttons make URLs relative to it), its line break and
" Vim's encoding.  Standard error goes to a file of its own, so that a
" message can be shown here and never mixes with the text.
function! s:call(switch, text) abort
  let file = expand('%:p')
  let cmd = 'env' . (empty(file) ? ' -u PELINOR_FILE' : '')
        \ . ' PELINOR_EOL=' . s:eol_name()
        \ . ' PELINOR_ENCODING=' . (&encoding =~? '^\(cp932\|sjis\|shift_jis\)$' ? 'cp932' : 'utf-8')
        \ . (empty(file) ? '' : ' PELINOR_FILE=' . shellescape(file))
        \ . ' ' . shellescape(s:program())
        \ . (empty(a:switch) ? '' : ' ' . shellescape(a:switch))
  let errfile = ''
  if &shell !~# 'csh$'
    " A C shell cannot send standard error alone anywhere; there Corvane
    " itself keeps its messages out of the output.
    let errfile = tempname()
    let cmd .= ' 2>' . shellescape(errfile)
  endif
  let out = system(cmd, a:text)
  let status = v:shell_error
  let messages = []
  if !empty(errfile)
    let messages = filereadable(errfile) ? readfile(errfile) : []
    call delete(errfile)
  endif
  return [status, out, filter(messages, '!empty(v:val)')]
endfunction

function! s:report(switch, status, messages) abort
  let text = join(a:messages, ' ')
  if a:status != 0
    echohl ErrorMsg
    echomsg printf('corvane %s: exit %d%s', a:switch, a:status, empty(text) ? '' : ': ' . text)
    echohl None
  elseif !empty(text)
    echohl WarningMsg
    echomsg 'corvane: ' . text
    echohl None
  endif
endfunction

" The selection for a command run on lines line1 to line2: after a
" characterwise Visual selection (":'<,'>" given on exactly its lines), the
" selected characters; otherwise the text of those lines.
function! s:charwise(line1, line2, count) abort
  return a:count == 2 && visualmode() ==# 'v'
        \ && a:line1 == line("'<") && a:line2 == line("'>")
endfunction

" :[range]Corvane {switch}.  On success the selection is replaced by
" Corvane's output; after Cancel the text stays as it was; on a failure the
" text stays and the message and exit code are shown.
function! corvane#run(switch, line1, line2, count) abort
  if s:charwise(a:line1, a:line2, a:count)
    call s:run_charwise(a:switch)
  else
    call s:run_lines(a:switch, a:line1, a:line2)
  endif
endfunction

function! s:run_lines(switch, line1, line2) abort
  let eol = s:eol()
  let lines = getline(a:line1, a:line2)
  let text = join(lines, eol)
  let [status, out, messages] = s:call(a:switch, text)
  call s:report(a:switch, status, messages)
  if status != 0 || out ==# text
    return
  endif
  let new = split(out, eol, 1)
  let old = len(lines)
  call setline(a:line1, new[: min([old, len(new)]) - 1])
  if len(new) > old
    call append(a:line2, new[old :])
  elseif len(new) < old
    silent execute (a:line1 + len(new)) . ',' . a:line2 . 'delete _'
  endif
endfunction

function! s:run_charwise(switch) abort
  let eol = s:eol()
  let saved = [getreg('z', 1), getregtype('z'), getreg('"', 1), getregtype('"')]
  try
    silent normal! gv"zy
    let text = substitute(getreg('z', 1), "\n", '\=eol', 'g')
    let [status, out, messages] = s:call(a:switch, text)
    call s:report(a:switch, status, messages)
    if status != 0 || out ==# text
      return
    endif
    call setreg('z', split(out, eol, 1), 'v')
    silent normal! gv"zp
  finally
    call setreg('z', saved[0], saved[1])
    call setreg('"', saved[2], saved[3])
  endtry
endfunction

" Elements written without an end tag: :CorvaneEdit takes the tag under
" the cursor for them.
" empty elements:start (made by scripts/lists)
let s:empty_elements = ['hr', 'base', 'img', 'area', 'input', 'frame', 'bgsound', 'embed']
" empty elements:end

" :[range]CorvaneEdit.  With a range (a Visual selection) it edits that;
" without one, the tag under the cursor when it is of an element without an
" end tag, else the element around the cursor as the "at" text object
" selects it.
function! corvane#edit(line1, line2, count) abort
  if a:count > 0
    call corvane#run('/EDIT', a:line1, a:line2, a:count)
    return
  endif
  let here = getpos('.')
  let open = searchpos('<', 'bcnW', line('.'))
  let close = searchpos('>', 'cnW', line('.'))
  let tag = open[0] ? matchstr(getline('.')[open[1] - 1 :], '^<\zs\a\+') : ''
  if open[0] && close[0] && index(s:empty_elements, tolower(tag)) >= 0
        \ && stridx(getline('.')[open[1] - 1 : close[1] - 1], '>') == close[1] - open[1]
    call cursor(open)
    execute "normal! v"
    call cursor(close)
    execute "normal! \<Esc>"
  else
    execute "silent! normal! vat\<Esc>"
    if getpos("'<") == getpos("'>")
      call setpos('.', here)
      echohl ErrorMsg
      echomsg 'corvane /EDIT: no element around the cursor'
      echohl None
      return
    endif
  endif
  call s:run_charwise('/EDIT')
endfunction

" :CorvaneSetup: the settings dialog (letter case of the tags).
function! corvane#setup() abort
  let [status, out, messages] = s:call('', '')
  call s:report('(settings)', status, messages)
endfunction

let &cpo = s:save_cpo
unlet s:save_cpo
