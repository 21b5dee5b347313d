// The program's one command-line argument: the menu file's path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace kov {

// What follows the program name in the whole command line, as the system's own splitting skips
// it: a quoted name up to its closing quote, otherwise up to the first blank; then the blanks.
std::string CommandLineArguments(std::string_view commandLine);

// The path named by the arguments: blanks around it trimmed, and one pair of double quotes around
// it removed (no file name can hold a quote, so nothing that names a file otherwise changes).
std::string MenuFileArgument(std::string_view arguments);

// Whether the path names one ordinary file to read: a file search takes "*" and "?" as
// patterns, but a path holding them names no one file.
bool NamesOneFile(platform::Files& files, const std::string& path);

// "/check" (any letter case) as the first argument asks for the menu file's problems instead of
// the menu. The rest names the file, as without the switch; nothing at all means the default file.
struct CheckRequest {
    std::optional<std::string> menuFile;
};
std::optional<CheckRequest> CheckSwitch(std::string_view arguments);

}  // namespace kov
