// A scratch folder under the user's temporary folder, removed with everything in it.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace kov::win32::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}  // namespace kov::win32::testing
