#include "tests/fakes/fake_folders.h"

#include <fnmatch.h>

namespace kov::fakes {

static std::string WithBackslash(const std::string& path) {
    return path.ends_with('\\') ? path : path + '\\';
}

std::optional<std::vector<std::string>> FakeFolders::ListFolder(const std::string& folder) {
    const auto it = tree_.find(folder);
    if (it == tree_.end()) return std::nullopt;
    std::vector<std::string> names{".", ".."};
    names.insert(names.end(), it->second.begin(), it->second.end());
    return names;
}

std::uint32_t FakeFolders::FileAttributes(const std::string& path) {
    const auto it = attributes_.find(path);
    return it == attributes_.end() ? platform::file_attributes::kInvalid : it->second;
}

bool FakeFolders::MatchesPattern(const std::string& name, const std::string& pattern) {
    for (auto one : SplitText(pattern, ";")) {
        one.erase(0, one.find_first_not_of(' '));
        // Near enough the shell's rules: "*" any run, "?" one character, letter case ignored.
        if (!one.empty() && fnmatch(one.c_str(), name.c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> FakeFolders::FolderIdentity(const std::string& folder) {
    const auto path = WithBackslash(folder);
    if (tree_.count(path) == 0) return std::nullopt;
    return FoldCase(path);
}

void FakeFolders::Add(const std::string& path, std::uint32_t attributes) {
    const auto cut = path.rfind('\\') + 1;
    tree_[path.substr(0, cut)].push_back(path.substr(cut));
    attributes_[path] = attributes;
    if (attributes & platform::file_attributes::kDirectory) tree_[WithBackslash(path)];
}

}  // namespace kov::fakes
