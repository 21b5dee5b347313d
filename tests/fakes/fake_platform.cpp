#include "tests/fakes/fake_platform.h"

namespace kov::fakes {

std::optional<std::string> FakeFiles::sReadWholeFile(const std::string& path) {
    const auto it = files.find(path);
    if (it == files.end() || unreadable.count(path) != 0) return std::nullopt;
    return it->second;
}

bool FakeFiles::WriteNewFile(const std::string& path, std::string_view content) {
    if (unwritable.count(path) != 0) return false;
    files[path] = std::string(content);
    return true;
}

bool FakeFiles::AppendToFile(const std::string& path, std::string_view bytes) {
    const auto it = files.find(path);
    if (it == files.end() || unwritable.count(path) != 0) return false;
    it->second += bytes;
    return true;
}

}  // namespace kov::fakes
