#include "app/command_line.h"

#include <algorithm>

#include "core/text.h"

namespace kov {

std::string CommandLineArguments(std::string_view commandLine) {
    std::size_t at = 0;
    if (commandLine.starts_with('"')) {
        at = commandLine.find('"', 1);
        at = at == std::string_view::npos ? commandLine.size() : at + 1;
    } else {
        at = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    at = std::min(commandLine.find_first_not_of(" \t", at), commandLine.size());
    return std::string(commandLine.substr(at));
}

std::string MenuFileArgument(std::string_view arguments) {
    auto path = TrimSpaces(arguments);
    if (path.size() >= 2 && path.starts_with('"') && path.ends_with('"')) {
        path = path.substr(1, path.size() - 2);
    }
    return path;
}

bool NamesOneFile(platform::Files& files, const std::string& path) {
    return path.find_first_of("*?") == std::string::npos && files.IsOrdinaryFile(path);
}

std::optional<CheckRequest> CheckSwitch(std::string_view arguments) {
    constexpr std::string_view kSwitch = "/check";
    if (!StartsWithNoCase(arguments, kSwitch)) return std::nullopt;
    const auto rest = arguments.substr(kSwitch.size());
    if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t') return std::nullopt;
    if (rest.find_first_not_of(" \t") == std::string_view::npos) return CheckRequest{};
    return CheckRequest{MenuFileArgument(rest)};
}

}  // namespace kov
