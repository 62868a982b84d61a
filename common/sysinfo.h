// Facts about the running program that the platform knows, and where its
// files are.
#pragma once
#include <functional>
#include <string>

namespace corvane {

// Folder holding the program file itself, without a trailing separator.
std::string program_dir();
// The window program runs in the place of `corvane`, which hands it its own
// path: from then on program_dir() is the folder of that path.
void take_program_path(const std::string& path);
// A folder joined with a file name by the platform's separator.
std::string join_path(const std::string& folder, const std::string& name);
// program_dir() joined with a file name.
std::string program_file(const std::string& name);

// How a copy of the program is laid out, which decides where its files are.
//   Beside:    a build tree, or a portable copy (a folder holding the
//              program and its window program, or any copy with a Corvane.ini
//              beside the program): the settings beside the program.
//   Installed: the program in <prefix>/bin with its private library folder
//              <prefix>/lib/corvane holding the window program, as the install rules
//              and the package lay it out: the settings in the user's
//              configuration folder.
// Only what is there counts, never whether a folder may be written: run as
// root, an installed copy may write anywhere and still must not write into
// /usr/bin.  On Windows every copy is laid out Beside.
enum class Layout { Beside, Installed };
Layout layout_of(const std::string& program_folder);
// The private library folder of an installed copy whose program is in
// `program_folder` (<prefix>/bin -> <prefix>/bin/../lib/corvane).
std::string private_lib_folder(const std::string& program_folder);

// The folders of this run, from layout_of(program_dir()).
// Where Corvane.ini and Corvane.pld are read and written: the settings
// dialog, every tag dialog and the menu data writer all take them from here.
std::string settings_folder();
std::string settings_file(const std::string& name);

// $XDG_CONFIG_HOME/corvane, or ~/.config/corvane when that is unset or not
// an absolute path.  `env` looks up an environment variable (nullptr when
// unset).
std::string user_settings_folder(const std::function<const char*(const char*)>& env);

// Creates the folder and any missing parents (new ones private to the user).
// True when it exists afterwards.  A failure is left for the write that
// follows to report, naming its file.
bool make_folders(const std::string& folder);

}  // namespace corvane
