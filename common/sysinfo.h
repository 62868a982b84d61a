// Facts about the running program that the platform knows.
#pragma once
#include <string>

namespace corvane {

// Folder holding the program file itself, without a trailing separator.
std::string program_dir();
// program_dir() joined with a file name.
std::string program_file(const std::string& name);

}  // namespace corvane
