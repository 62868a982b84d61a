" Corvane for Vim: wraps text in the HTML tags chosen in Corvane's dialogs.
"
"   :[range]Corvane {switch}   one of the forty switches (<Tab> completes),
"                              on the range (default: the current line) or,
"                              after a characterwise Visual selection, on the
"                              selected characters
"   :[range]CorvaneComment     the comment toggle (/COMMENT) on the same
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
  anoremenu <silent> HTML.Settings\.\.\. :CorvaneSetup<CR>
endfunction
if has('menu') && !get(g:, 'corvane_no_menu', 0)
  call s:add_menu()
endif

let &cpo = s:save_cpo
unlet s:save_cpo
