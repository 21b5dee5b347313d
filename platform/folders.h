// Reading folders for folder menus: the entries as the file system enumerates them, their
// attributes, the shell's file-name pattern match and an identity that sees through links.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kov::platform {

namespace file_attributes {
inline constexpr std::uint32_t kDirectory = 0x10;
// What the attribute query returns when it fails; it has the directory bit set.
inline constexpr std::uint32_t kInvalid = 0xFFFFFFFF;
}  // namespace file_attributes

class Folders {
  public:
    virtual ~Folders() = default;
    // The names a search for folder + "*" finds, in the file system's order, "." and ".."
    // included, each cut at its first NUL. folder ends with "\". nullopt when the search cannot
    // start (missing folder, no access).
    virtual std::optional<std::vector<std::string>> ListFolder(const std::string& folder) = 0;
    // The attribute bits of a path; kInvalid when they cannot be read.
    virtual std::uint32_t FileAttributes(const std::string& path) = 0;
    // The shell's pattern match: "*" and "?", letter case ignored, ";" separates patterns.
    virtual bool MatchesPattern(const std::string& name, const std::string& pattern) = 0;
    // The same text for every path that reaches one folder (through links, junctions, other drive
    // letters); nullopt when the folder cannot be opened.
    virtual std::optional<std::string> FolderIdentity(const std::string& folder) = 0;
    // True when the path's drive letter names a network share or a removable drive; it asks the
    // drive's type only, never the drive itself.
    virtual bool OnNetworkOrRemovableDrive(const std::string& path) = 0;
};

}  // namespace kov::platform
