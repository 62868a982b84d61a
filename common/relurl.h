// Folder of a path, relative URL and relative path between two files.
//
// All texts are UTF-8: the host's Shift_JIS texts are converted at the
// HostLink boundary, so no byte of a double-byte character (the 0x5C trail
// byte of 表 or ソ) can be taken for a backslash here.
//
// Two path styles:
//  - Windows: drive letters ("C:") or network shares ("\\server\share") as
//    the drive part, '\' as separator ('/' is accepted too, as Windows and
//    Qt's file dialogs use it), names compared without regard to letter case.
//  - Posix: '/' as separator, no drive part, case-sensitive names.
// Nothing is escaped or encoded: blanks, '#' and non-ASCII characters stay.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace corvane {

enum class PathStyle { Windows, Posix };

// Windows on _WIN32, else Posix.
PathStyle native_path_style();

// The folder part of a file path: the text before its last separator (and,
// in Windows style, up to and including a final colon).  A root keeps its
// separator: "C:\index.htm" -> "C:\", "/index.htm" -> "/".  No separator
// gives the empty text.
std::string folder_of(std::string_view path, PathStyle style);

// The name of a file without its folder: the text after the last separator
// (or, in Windows style, colon).
std::string file_name_of(std::string_view path, PathStyle style);

// Answers whether a path (in the given style) names an existing folder.
using FolderExists = std::function<bool(std::string_view)>;

// Whether `path` is an existing folder on this machine's file system.
bool folder_exists_on_disk(std::string_view path);
// Whether `path` names something on this machine's file system that is not
// a folder (a file, also a pipe or a device).  Only asks for the entry's
// kind; nothing is opened.
bool file_exists_on_disk(std::string_view path);

// URL that leads from the edited file to the chosen file:
//  - the bare name when both lie in the same folder,
//  - "../" steps and folder names joined by "/" on the same drive,
//  - a file URL ("file:///D|/dir/name", "file://server/share/dir/name")
//    when the chosen file lies on another drive or share.
// chosen_file is the full path of the file picked in the open dialog;
// edited_file is the editor's path of the edited file (may be empty).  When
// the edited file's folder is not an existing folder given by a full path,
// the chosen file's own folder is the base, which yields the bare name.
std::string relative_url(std::string_view chosen_file, std::string_view edited_file, PathStyle style);
// Same, with the folder-existence check supplied by the caller.
std::string relative_url(std::string_view chosen_file, std::string_view edited_file, PathStyle style,
                         const FolderExists& exists);

// Path that leads from base_folder (the open dialog's initial folder, i.e.
// the edited file's folder) to chosen_file, with "/" separators:
// "..\" per remaining base folder, then the chosen file's remaining folders
// and its name.  When the drive parts differ, or the base is empty, the
// chosen file's full path with every backslash turned into "/".
std::string relative_path(std::string_view base_folder, std::string_view chosen_file, PathStyle style);

}  // namespace corvane
