#include "tests/fakes/fake_platform.h"

namespace kov::fakes {

bool FakeFiles::WriteNewFile(const std::string& path, std::string_view content) {
    return files.count(path) == 0 && ReplaceFile(path, content);
}

bool FakeFiles::ReplaceFile(const std::string& path, std::string_view content) {
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
