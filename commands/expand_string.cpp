#include "commands/expand_string.h"

#include <utility>

namespace kov {

Expander::Expander(platform::Environment& environment, std::string programFolder)
    : environment_(environment), programFolder_(std::move(programFolder)) {}

std::string Expander::sExpandString(std::string_view text, bool /*urlFlag*/) {
    return ResolveRelativePath(ExpandEnvironment(text));
}

std::string Expander::ExpandEnvironment(std::string_view text) {
    std::string result(text);
    if (result.find('%') == std::string::npos) return result;
    if (auto expanded = environment_.ExpandEnvironmentStrings(result)) {
        const auto first = expanded->find_first_not_of(' ');
        result = first == std::string::npos ? std::string() : expanded->substr(first);
    }
    return result;
}

std::string Expander::ResolveRelativePath(std::string text) const {
    std::string folder = programFolder_;
    if (folder.find('\\') != std::string::npos && text.starts_with("..\\")) {
        while (folder.find('\\') != std::string::npos && text.starts_with("..\\")) {
            folder.erase(folder.rfind('\\'));
            text.erase(0, 3);
        }
        return folder + "\\" + text;
    }
    if (text.starts_with(".\\")) return folder + "\\" + text.substr(2);
    return text;
}

}  // namespace kov
