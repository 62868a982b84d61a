-- Corvane's dialogs as code actions in Neovim, through its built-in
-- language client and `corvane --lsp`.
--
-- Source this file from your init.lua (or init.vim with `luafile`):
--   dofile('/path/to/corvane/contrib/nvim/corvane.lua')
-- or put it on 'runtimepath' as lua/corvane.lua and call
--   require('corvane').setup({ cmd = { 'corvane', '--lsp' }, filetypes = { 'html' } })
-- Then, in an HTML buffer, select text and run :lua vim.lsp.buf.range_code_action()
-- (Neovim 0.7) or vim.lsp.buf.code_action() (0.8 and later, also for the
-- caret alone).  Works with Neovim 0.7.2 and later.
local M = {}

local function start(config, bufnr)
  if vim.lsp.start then
    -- 0.8 and later: one client per root, reused for every buffer.
    return vim.lsp.start(config, { bufnr = bufnr })
  end
  -- 0.7: one client for every buffer, started with the first.
  if not M.client_id or not vim.lsp.get_client_by_id(M.client_id) then
    M.client_id = vim.lsp.start_client(config)
  end
  if M.client_id then
    vim.lsp.buf_attach_client(bufnr, M.client_id)
  end
  return M.client_id
end

function M.setup(opts)
  opts = opts or {}
  local config = {
    name = 'corvane',
    cmd = opts.cmd or { vim.g.corvane_program or 'corvane', '--lsp' },
    root_dir = opts.root_dir or vim.fn.getcwd(),
  }
  local group = vim.api.nvim_create_augroup('corvane_lsp', { clear = true })
  vim.api.nvim_create_autocmd('FileType', {
    group = group,
    pattern = opts.filetypes or { 'html' },
    callback = function(args)
      start(config, args.buf)
    end,
  })
  -- A buffer already open when this is sourced.
  for _, buf in ipairs(vim.api.nvim_list_bufs()) do
    if vim.api.nvim_buf_is_loaded(buf) and vim.tbl_contains(opts.filetypes or { 'html' }, vim.bo[buf].filetype) then
      start(config, buf)
    end
  end
end

M.setup(vim.g.corvane_setup)
return M
