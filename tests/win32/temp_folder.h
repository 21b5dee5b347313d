// A scratch folder under the user's temporary folder, removed with everything in it, and
// the files that tests read.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace kov::win32::testing {

struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return path + "\\" + name; }
    std::string path;
};

// A file of the program's resources folder.
std::string ResourceFile(const std::string& name);

}  // namespace kov::win32::testing
