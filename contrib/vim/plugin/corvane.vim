" Corvane for Vim: wraps text in the HTML tags chosen in Corvane's dialogs.
"
"   :[range]Corvane {switch}   one of the forty switches (<Tab> completes),
"                              on the range (default: the current line) or,
"                              after a characterwise Visual selection, on the
"                              selected characters
"   :[range]CorvaneComment     the comment toggle (/COMMENT) on the same
"   :[range]CorvaneEdit        the dialog of an element already written
"                              (/EDIT), filled from its start tag: on the
"                              Visual selection, else on the element around
"                              the cursor (as "at" selects it) or the tag
"                              under it (IMG, INPUT, HR, ...)
"   :CorvaneSetup              the settings dialog (letter case of the tags)
"   menu HTML                  every switch, by family (gVim, or :emenu)
"   <Plug>(corvane-comment)    the comment toggle, for a key of your own
"   <Plug>(corvane)            starts :Corvane on the line or selection
"
" No key is mapped unless you ask; see :help corvane-mappings.
" Loads in compatible mode too (vim -u NONE): 'cpoptions' is set to Vim's
" while this file runs and given back at its end.
if exists('g:loaded_corvane')
  finish
endif
let g:loaded_corvane = 1
let s:save_cpo = &cpo
set cpo&vim

command! -range -nargs=1 -complete=customlist,corvane#complete Corvane
      \ call corvane#run(<q-args>, <line1>, <line2>, <range>)
command! -range -nargs=0 CorvaneComment
      \ call corvane#run('/COMMENT', <line1>, <line2>, <range>)
command! -range=0 -nargs=0 CorvaneEdit
      \ call corvane#edit(<line1>, <line2>, <range>)
command! -nargs=0 CorvaneSetup call corvane#setup()

nnoremap <silent> <Plug>(corvane-comment) :CorvaneComment<CR>
xnoremap <silent> <Plug>(corvane-comment) :CorvaneComment<CR>
nnoremap <Plug>(corvane) :Corvane<Space>
xnoremap <Plug>(corvane) :Corvane<Space>

function! s:menu_name(text) abort
  return escape(a:text, ' .\')
endfunction

" In Normal mode an entry works on the current line, in Visual mode on the
" selection (":'<,'>" is put before the command), in Insert mode on the
" current line.
function! s:add_menu() abort
  for [family, label, switch] in corvane#table()
    let path = 'HTML.' . (empty(family) ? '' : s:menu_name(family) . '.')
          \ . s:menu_name(label) . '<Tab>' . s:menu_name(switch)
    execute 'nnoremenu <silent> ' . path . ' :Corvane ' . switch . '<CR>'
    execute 'xnoremenu <silent> ' . path . ' :Corvane ' . switch . '<CR>'
    execute 'inoremenu <silent> ' . path . ' <C-O>:Corvane ' . switch . '<CR>'
  endfor
  anoremenu <silent> HTML.-corvane- <Nop>
  nnoremenu <silent> HTML.Edit\ tag\.\.\.<Tab>/EDIT :CorvaneEdit<CR>
  xnoremenu <silent> HTML.Edit\ tag\.\.\.<Tab>/EDIT :CorvaneEdit<CR>
  inoremenu <silent> HTML.Edit\ tag\.\.\.<Tab>/EDIT <C-O>:CorvaneEdit<CR>
  anoremenu <silent> HTML.Settings\.\.\. :CorvaneSetup<CR>
endfunction
if has('menu') && !get(g:, 'corvane_no_menu', 0)
  call s:add_menu()
endif

let &cpo = s:save_cpo
unlet s:save_cpo
