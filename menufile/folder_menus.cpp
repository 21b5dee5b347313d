#include "menufile/folder_menus.h"

#include <utility>

#include "core/text.h"

namespace kov {

namespace {

namespace mf = platform::menu_flags;

// A popup of more entries than this takes seconds to open, and one of a folder holding 100,000
// files minutes: such a folder's submenu shows the first entries and a grayed "...".
constexpr std::size_t kMaxFolderEntries = 5000;

bool IsDirectory(std::uint32_t attributes) {
    return (attributes & platform::file_attributes::kDirectory) != 0;
}

}  // namespace

FolderMenus::FolderMenus(platform::Menus& menus, platform::Folders& folders,
                         std::vector<std::string>& FolderItemPaths)
    : menus_(menus), folders_(folders), FolderItemPaths_(FolderItemPaths) {}

void FolderMenus::BuildFolderMenu(std::string folder, std::string include, std::string exclude,
                                  platform::MenuHandle menu) {
    folderOf_[menu] = InFolder(std::move(folder), "");
    pending_[menu] = {
        folderOf_[menu],
        std::make_shared<const Patterns>(Patterns{std::move(include), std::move(exclude)}),
        nullptr};
}

bool FolderMenus::FillOnOpen(platform::MenuHandle menu) {
    const auto it = pending_.find(menu);
    if (it == pending_.end()) return false;
    const Pending pending = std::move(it->second);
    pending_.erase(it);
    Fill(menu, pending);
    return true;
}

const std::string* FolderMenus::FolderOf(platform::MenuHandle submenu) const {
    const auto found = folderOf_.find(submenu);
    return found != folderOf_.end() ? &found->second : nullptr;
}

CommandId FolderMenus::LastFolderItemId() const {
    return kLastLineItemId + static_cast<CommandId>(FolderItemPaths_.size()) - 1;
}

void FolderMenus::Fill(platform::MenuHandle menu, const Pending& pending) {
    const auto& folder = pending.folder;
    bool complete = true;
    bool cut = false;
    if (const auto ancestors = EnterFolder(pending)) {
        std::size_t shown = 0;
        std::vector<std::string> files;
        for (auto& name : folders_.ListFolder(folder).value_or(std::vector<std::string>{})) {
            if (name == "." || name == "..") continue;
            // A failed query reads as a folder: such an entry opens as a submenu holding ".".
            if (!IsDirectory(folders_.FileAttributes(folder + name))) {
                files.push_back(std::move(name));
                continue;
            }
            if ((cut = shown == kMaxFolderEntries)) break;
            // The process's user objects can run out: the listing ends as at the entry limit.
            const auto sub = menus_.CreatePopupMenu();
            if ((cut = sub == 0)) break;
            menus_.AppendMenu(menu, mf::kPopup, sub, name);
            folderOf_[sub] = folder + name + "\\";
            pending_[sub] = {folderOf_[sub], pending.patterns, *ancestors};
            ++shown;
        }
        if (!cut && !pending.patterns->include.empty()) {
            for (const auto& name : files) {
                if (!Matches(TrimSpaces(name), *pending.patterns)) continue;
                if ((cut = shown == kMaxFolderEntries)) break;
                if (!(complete = AppendEntry(menu, name, folder + name))) break;
                ++shown;
            }
        }
    }
    // A cut list, or identifiers that ran out, say so instead of going on or reusing numbers
    // that mean something else.
    if (cut) menus_.AppendMenu(menu, mf::kGrayed, 0, "...");
    if (complete) complete = AppendEntry(menu, ".", folder);
    if (!complete && !cut) menus_.AppendMenu(menu, mf::kGrayed, 0, "...");
}

// The ancestors the folder's subfolders will have; nullopt when the folder is one of its own
// ancestors, reached again through a link, and must not be listed again.
std::optional<std::shared_ptr<const FolderMenus::Ancestor>> FolderMenus::EnterFolder(
    const Pending& pending) {
    auto identity = folders_.FolderIdentity(pending.folder);
    if (!identity) return pending.ancestors;
    for (auto* ancestor = pending.ancestors.get(); ancestor; ancestor = ancestor->parent.get()) {
        if (ancestor->identity == *identity) return std::nullopt;
    }
    return std::make_shared<const Ancestor>(Ancestor{std::move(*identity), pending.ancestors});
}

bool FolderMenus::Matches(const std::string& name, const Patterns& patterns) {
    if (!patterns.exclude.empty() && folders_.MatchesPattern(name, patterns.exclude)) return false;
    return folders_.MatchesPattern(name, patterns.include);
}

bool FolderMenus::AppendEntry(platform::MenuHandle menu, const std::string& text,
                              std::string path) {
    const CommandId id = LastFolderItemId() + 1;
    if (id > kLastFolderItemId) return false;
    menus_.AppendMenu(menu, mf::kString, platform::MenuItemValue(id), text);
    FolderItemPaths_.push_back(std::move(path));
    return true;
}

}  // namespace kov
