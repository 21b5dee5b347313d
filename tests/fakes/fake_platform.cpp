#include "tests/fakes/fake_platform.h"

namespace kov::fakes {

bool FakeFiles::IsOrdinaryFile(const std::string& path) {
    return files.count(path) != 0 && hidden.count(path) == 0;
}

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

bool FakeFiles::ReplaceFile(const std::string& path, std::string_view content) {
    return WriteNewFile(path, content);
}

bool FakeFiles::FileExists(const std::string& path) {
    return files.count(path) != 0;
}

bool FakeFiles::AppendToFile(const std::string& path, std::string_view bytes) {
    const auto it = files.find(path);
    if (it == files.end() || unwritable.count(path) != 0) return false;
    it->second += bytes;
    return true;
}

bool FakeFiles::DeleteFile(const std::string& path) {
    deleted.push_back(path);
    return files.erase(path) != 0;
}

int FakeMessageBoxes::MessageBox(std::string_view text, std::string_view title, unsigned flags) {
    shown.push_back({std::string(text), std::string(title), flags});
    if (answers.empty()) return 1;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeEnvironment::ExpandEnvironmentStrings(const std::string& text) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        const auto open = text.find('%', start);
        const auto close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) break;
        const auto name = text.substr(open + 1, close - open - 1);
        const auto it = variables.find(name);
        result += text.substr(start, open - start);
        if (it != variables.end()) {
            result += it->second;
            start = close + 1;
        } else {
            result += "%" + name;
            start = close;
        }
    }
    return result + text.substr(start);
}

platform::CommandId FakeMainWindow::PopUpAtCursor(platform::MenuHandle menu) {
    poppedUp.push_back(menu);
    return choice;
}

}  // namespace kov::fakes
