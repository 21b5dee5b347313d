#pragma once

#include <string>

namespace kov::platform {

// Everything that derives from the running program file: the default menu file, help files,
// message box titles.
struct ProgramIdentity {
    std::string folder;    // without a final backslash, unless it is a drive root
    std::string fileName;  // without folder and extension, e.g. "KOV"
};

}  // namespace kov::platform
