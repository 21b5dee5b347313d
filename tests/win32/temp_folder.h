// A scratch folder under the user's temporary folder, removed with everything in it, and
// the files that tests read.
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

// A file of the program's resources folder.
std::string ResourceFile(const std::string& name);

}  // namespace kov::win32::testing
