// Keeping the program's messages out of the text it hands to the editor.
//
// On the stand-in link standard output is the replacement for the editor's
// selection.  Editors that filter text often give the filter one pipe or file
// for both output streams (Vim's ":!" runs "cmd >tmp 2>&1", Emacs's
// shell-command-on-region reads both into the buffer), so anything written
// on standard error would end up inside the user's document.
#pragma once

namespace corvane {

// Makes standard error safe to write on, once per process, before anything
// is written:
// - when standard error is the same pipe, file or socket as standard output
//   (same device and inode), it is opened afresh on the controlling terminal
//   (/dev/tty), where the user still sees the message, or on the null device
//   when there is no terminal; a terminal or /dev/null shared by both stays;
// - a closed standard stream is opened on the null device, so that no file
//   the program opens later can take its number.
// Works on the descriptors, so messages that libraries print on their own
// (the toolkit, the X libraries) follow the same rule.  Does nothing on
// Windows, where the editor's link carries the texts.
void separate_diagnostics();

}  // namespace corvane
