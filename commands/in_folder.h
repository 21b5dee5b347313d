#pragma once

#include <string>
#include <string_view>

namespace kov {

// A file name in a folder, with one backslash between them even when the folder is a drive root.
inline std::string InFolder(std::string folder, std::string_view name) {
    if (!folder.ends_with('\\')) folder += '\\';
    return folder + std::string(name);
}

}  // namespace kov
