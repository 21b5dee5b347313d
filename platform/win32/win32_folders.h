#pragma once

#include "platform/folders.h"

namespace kov::win32 {

class Win32Folders : public platform::Folders {
  public:
    std::optional<std::vector<std::string>> ListFolder(const std::string& folder) override;
    std::uint32_t FileAttributes(const std::string& path) override;
    bool MatchesPattern(const std::string& name, const std::string& pattern) override;
    std::optional<std::string> FolderIdentity(const std::string& folder) override;
    bool OnNetworkOrRemovableDrive(const std::string& path) override;
};

}  // namespace kov::win32
