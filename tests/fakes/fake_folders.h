// A file system in memory for folder menus: folders list their entries in the order added.
#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/folders.h"

namespace kov::fakes {

class FakeFolders : public platform::Folders {
  public:
    std::optional<std::vector<std::string>> ListFolder(const std::string& folder) override;
    std::uint32_t FileAttributes(const std::string& path) override;
    bool MatchesPattern(const std::string& name, const std::string& pattern) override;
    std::optional<std::string> FolderIdentity(const std::string& folder) override;
    bool OnNetworkOrRemovableDrive(const std::string& path) override {
        return path.size() > 1 && path[1] == ':' &&
               remoteDrives.find(static_cast<char>(std::toupper(path[0]))) != std::string::npos;
    }

    // Adds a file (or, with the directory bit, a folder) at the end of its folder's listing,
    // creating the folder it lies in.
    void Add(const std::string& path, std::uint32_t attributes = 0);
    void AddFolder(const std::string& path) { Add(path, platform::file_attributes::kDirectory); }

    std::string remoteDrives;  // capital letters of the network and removable drives

  private:
    // Each folder's entries in the order they were added, by its path with its final "\".
    std::map<std::string, std::vector<std::string>, LessNoCase> tree_;
    std::map<std::string, std::uint32_t, LessNoCase> attributes_;  // by full path
};

}  // namespace kov::fakes
