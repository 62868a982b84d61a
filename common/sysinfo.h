// Facts about the running program that the platform knows.
#pragma once
#include <string>

namespace corvane {

// Folder holding the program file itself, without a trailing separator.
std::string program_dir();
// A folder joined with a file name by the platform's separator.
std::string join_path(const std::string& folder, const std::string& name);
// program_dir() joined with a file name.
std::string program_file(const std::string& name);

}  // namespace corvane
