// Folder menus ("¦q" lines): a submenu that lists a folder, each subfolder as a nested submenu of
// the same kind, then the files that match the line's patterns, then "." for the folder itself.
//
// A folder is read only when its submenu is first opened, so a folder menu on a drive root costs
// the popup nothing and opening a submenu costs one folder. What each submenu then shows, in what
// order, is what reading the whole tree before the popup would show. Identifiers are handed out
// as entries are created, that is in the order the user opens folders; they stay unique and above
// the line range, and the entry with identifier n owns FolderItemPaths[n - 2000].
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/command_ids.h"
#include "platform/folders.h"
#include "platform/menus.h"

namespace kov {

class FolderMenus {
  public:
    // FolderItemPaths holds its unused element 0 and grows by one path per entry.
    FolderMenus(platform::Menus& menus, platform::Folders& folders,
                std::vector<std::string>& FolderItemPaths);

    // Makes menu, an empty submenu, list folder when it is opened. An empty include pattern lists
    // no files; patterns never apply to subfolders.
    void BuildFolderMenu(std::string folder, std::string include, std::string exclude,
                         platform::MenuHandle menu);

    // Call when a popup menu is about to open: fills it if it is a folder's submenu that has not
    // been filled yet. True when it filled it.
    bool FillOnOpen(platform::MenuHandle menu);

    CommandId LastFolderItemId() const;

    // The folder (with its final "\") that a folder submenu lists, filled or not; nullptr for
    // any other menu.
    const std::string* FolderOf(platform::MenuHandle submenu) const;

  private:
    struct Patterns {
        std::string include;
        std::string exclude;
    };
    // The folders opened on the way down to a submenu, innermost first: a folder met again among
    // them was reached through a link back into its own path.
    struct Ancestor {
        std::string identity;
        std::shared_ptr<const Ancestor> parent;
    };
    struct Pending {
        std::string folder;  // with its final "\"
        std::shared_ptr<const Patterns> patterns;
        std::shared_ptr<const Ancestor> ancestors;
    };

    void Fill(platform::MenuHandle menu, const Pending& pending);
    std::optional<std::shared_ptr<const Ancestor>> EnterFolder(const Pending& pending);
    bool Matches(const std::string& name, const Patterns& patterns);
    // False, adding nothing, once identifiers have run out.
    bool AppendEntry(platform::MenuHandle menu, const std::string& text, std::string path);

    platform::Menus& menus_;
    platform::Folders& folders_;
    std::vector<std::string>& FolderItemPaths_;
    std::unordered_map<platform::MenuHandle, Pending> pending_;
    std::unordered_map<platform::MenuHandle, std::string> folderOf_;
};

}  // namespace kov
