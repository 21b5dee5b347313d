#include "tests/fakes/fake_folders.h"

namespace kov::fakes {

namespace {

std::string WithBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

// The shell's rules: "*" any run, "?" one character, letter case ignored.
bool MatchesOne(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || EqualsNoCase(pattern.substr(p, 1), name.substr(n, 1)))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

std::optional<std::vector<std::string>> FakeFolders::ListFolder(const std::string& folder) {
    listed.push_back(folder);
    const auto it = tree_.find(Resolve(folder));
    if (it == tree_.end()) return std::nullopt;
    std::vector<std::string> names{".", ".."};
    names.insert(names.end(), it->second.names.begin(), it->second.names.end());
    return names;
}

std::uint32_t FakeFolders::FileAttributes(const std::string& path) {
    const auto cut = path.rfind('\\');
    if (unreadableAttributes.count(path) != 0 || cut == std::string::npos) {
        return platform::file_attributes::kInvalid;
    }
    const auto it = tree_.find(Resolve(path.substr(0, cut + 1)));
    if (it == tree_.end()) return platform::file_attributes::kInvalid;
    const auto entry = it->second.attributes.find(path.substr(cut + 1));
    return entry == it->second.attributes.end() ? platform::file_attributes::kInvalid
                                                : entry->second;
}

bool FakeFolders::MatchesPattern(const std::string& name, const std::string& pattern) {
    for (const auto& one : SplitText(pattern, ";")) {
        const auto start = one.find_first_not_of(' ');
        if (start != std::string::npos && MatchesOne(name, std::string_view(one).substr(start))) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> FakeFolders::FolderIdentity(const std::string& folder) {
    const auto resolved = Resolve(WithBackslash(folder));
    if (tree_.count(resolved) == 0) return std::nullopt;
    return FoldCase(resolved);
}

void FakeFolders::Add(const std::string& path, std::uint32_t attributes) {
    const auto cut = path.rfind('\\');
    auto& folder = tree_[path.substr(0, cut + 1)];
    folder.names.push_back(path.substr(cut + 1));
    folder.attributes[folder.names.back()] = attributes;
    if (attributes & platform::file_attributes::kDirectory) tree_[WithBackslash(path)];
}

void FakeFolders::AddLink(const std::string& path, const std::string& target) {
    AddFolder(path);
    tree_.erase(WithBackslash(path));
    links_[WithBackslash(path)] = WithBackslash(target);
}

void FakeFolders::Remove(const std::string& folder) {
    const auto prefix = WithBackslash(folder);
    for (auto it = tree_.lower_bound(prefix);
         it != tree_.end() && StartsWithNoCase(it->first, prefix);) {
        it = tree_.erase(it);
    }
}

std::string FakeFolders::Resolve(std::string path) const {
    // Bounded, as a file system bounds how many links one path may pass through.
    for (int hops = 0; hops < 64; ++hops) {
        bool followed = false;
        for (const auto& [link, target] : links_) {
            if (StartsWithNoCase(path, link)) {
                path = target + path.substr(link.size());
                followed = true;
                break;
            }
        }
        if (!followed) break;
    }
    return path;
}

}  // namespace kov::fakes
