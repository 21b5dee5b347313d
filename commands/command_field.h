// A command field of an item line as the dispatcher reads it: its four parts and whether its
// program is a URL.
#pragma once

#include <string>
#include <string_view>

namespace kov {

// The four parts of a command field; missing ones take their defaults.
struct CommandField {
    std::string Program;
    std::string Parameters;
    std::string WorkingFolder;
    std::string WindowState = "1";
};

CommandField SplitCommandField(std::string_view text, std::string_view delimiter);

// http://, https://, ftp:// and www, any letter case: opened by the program that opens ".htm".
bool IsUrl(std::string_view program);

}  // namespace kov
