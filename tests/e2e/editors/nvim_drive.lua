-- Drives Neovim's built-in client for nvim.sh: opens CASE_FILE with the
-- shipped contrib/nvim/corvane.lua, asks for the code actions at CASE_POS
-- ("row,col" for the caret, "row,col,row,col" for a range; rows from 1,
-- byte columns from 0, the range's end inclusive as a visual selection's),
-- takes the one titled CASE_TITLE through vim.ui.select as a user would,
-- waits for CASE_FILE.done (the dialog gone) and for the edit, and saves.
local env = os.getenv
vim.g.corvane_program = env('CORVANE')
vim.cmd('filetype on')
dofile(env('CORVANE_SRC') .. '/contrib/nvim/corvane.lua')
local file = env('CASE_FILE')
vim.cmd('edit ' .. file)
local log = io.open(file .. '.nvim', 'w')
local function say(s) log:write(s .. '\n') log:flush() end

local ok = vim.wait(10000, function()
  local clients = vim.lsp.buf_get_clients(0)
  for _, c in pairs(clients) do
    if c.server_capabilities and c.server_capabilities.executeCommandProvider then return true end
  end
  return false
end, 50)
if not ok then say('no client') vim.cmd('qa!') end

local title = env('CASE_TITLE')
vim.ui.select = function(items, _, on_choice)
  for i, item in ipairs(items) do
    local action = item[2] or item.action or item
    if action.title == title then
      say('chose ' .. title)
      return on_choice(item, i)
    end
  end
  say('no action titled ' .. title)
  on_choice(nil)
end
local messages = {}
vim.notify = function(msg) table.insert(messages, msg) say('message: ' .. tostring(msg)) end

local p = vim.split(env('CASE_POS'), ',')
local tick = vim.api.nvim_buf_get_changedtick(0)
if #p == 2 then
  vim.api.nvim_win_set_cursor(0, { tonumber(p[1]), tonumber(p[2]) })
  vim.lsp.buf.code_action()
else
  vim.lsp.buf.range_code_action(nil, { tonumber(p[1]), tonumber(p[2]) }, { tonumber(p[3]), tonumber(p[4]) })
end
vim.wait(60000, function() return vim.loop.fs_stat(file .. '.done') ~= nil end, 50)
vim.wait(3000, function() return vim.api.nvim_buf_get_changedtick(0) ~= tick end, 50)
vim.cmd('write')
say('done')
vim.cmd('qa!')
