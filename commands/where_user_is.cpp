#include "commands/where_user_is.h"

#include "core/text.h"

namespace kov {

namespace {

// A drive or network path: virtual folders (Control Panel, "::{...}") show no folder to work in.
bool IsFileSystemPath(std::string_view path) {
    return IsDrivePath(path) || (path.size() > 2 && path.starts_with("\\\\"));
}

}  // namespace

WhereTheUserIs::WhereTheUserIs(platform::PlaceInFront& place, const platform::WindowInFront& front)
    : place_(place), window_(front.handle), kind_(Kind::None) {
    if (window_ == 0) return;
    if (EqualsNoCase(front.className, "CabinetWClass") ||
        EqualsNoCase(front.className, "ExploreWClass")) {
        kind_ = Kind::Explorer;
    } else if (front.className == "#32770") {
        kind_ = Kind::Dialog;
    }
}

const platform::ExplorerView& WhereTheUserIs::Explorer() {
    if (!explorer_) {
        explorer_ = kind_ == Kind::Explorer ? place_.ExplorerWindow(window_) : std::nullopt;
        if (!explorer_) explorer_.emplace();
    }
    return *explorer_;
}

const std::string& WhereTheUserIs::Folder() {
    if (!folder_) {
        std::string folder;
        if (kind_ == Kind::Explorer) folder = Explorer().folder;
        if (kind_ == Kind::Dialog) folder = place_.DialogFolder(window_).value_or("");
        folder_ = IsFileSystemPath(folder) ? folder : std::string();
    }
    return *folder_;
}

const std::string& WhereTheUserIs::Selection() {
    if (!selection_) {
        selection_.emplace();
        for (const auto& item : Explorer().selection) {
            if (!selection_->empty()) *selection_ += ' ';
            *selection_ += '"' + item + '"';
        }
    }
    return *selection_;
}

bool WhereTheUserIs::OpenFolderHere(const std::string& path, bool explorerToo) {
    if (kind_ == Kind::Dialog) {
        return place_.IsFolder(path) && place_.TakeDialogTo(window_, path);
    }
    if (kind_ == Kind::Explorer && explorerToo) {
        return place_.IsFolder(path) && place_.TakeExplorerTo(window_, path);
    }
    return false;
}

std::optional<std::string> FolderOfAddressText(std::string_view text) {
    const auto colon = text.find(": ");
    if (colon == std::string_view::npos) return std::nullopt;
    const auto folder = TrimSpaces(text.substr(colon + 2));
    if (!IsFileSystemPath(folder)) return std::nullopt;
    return folder;
}

}  // namespace kov
