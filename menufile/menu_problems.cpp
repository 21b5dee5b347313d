#include "menufile/menu_problems.h"

#include <algorithm>
#include <cstdio>

#include "core/utf8.h"

namespace kov {

void MenuProblems::Add(LineOrigin origin, std::string message) {
    ++count_;
    // Problems arrive almost in reading order (an unclosed "[" comes at the end), so a file of
    // nothing but mistakes costs little more than counting them. Equal places keep the order they
    // were found in.
    const auto order = [](const MenuProblem& problem) { return problem.origin.order; };
    if (listed_.size() == kListed) {
        if (origin.order >= listed_.back().origin.order) return;
        listed_.pop_back();
    }
    const auto after = std::ranges::upper_bound(listed_, origin.order, {}, order);
    listed_.insert(after, {std::move(origin), std::move(message)});
}

std::string EscapedByte(unsigned char byte) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
    return escaped;
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kQuotedCharacters = 100;
    std::string quoted;
    std::size_t at = 0;
    for (std::size_t characters = 0; at < text.size() && characters < kQuotedCharacters;
         ++characters) {
        const auto point = DecodeUtf8At(text, at);
        if (point.value < 0x20 || point.value == 0x7F) {
            quoted += EscapedByte(static_cast<unsigned char>(point.value));
        } else {
            AppendUtf8(quoted, point.value);
        }
        at += point.length;
    }
    if (at < text.size()) quoted += "...";
    return quoted;
}

std::string CheckLocation(const LineOrigin& origin, std::string_view menuFile) {
    return (origin.file.empty() ? std::string(menuFile) : origin.file) + "(" +
           std::to_string(origin.line) + "): ";
}

std::string WindowLocation(const LineOrigin& origin) {
    const auto name = origin.file.substr(origin.file.find_last_of("\\/") + 1);
    return (name.empty() ? "" : name + " ") + "line " + std::to_string(origin.line) + ": ";
}

std::vector<std::string> ProblemTexts(
    const MenuProblems& problems, const std::function<std::string(const LineOrigin&)>& location) {
    std::vector<std::string> texts;
    for (const auto& problem : problems.Listed()) {
        texts.push_back(location(problem.origin) + problem.message);
    }
    if (const auto more = problems.Count() - problems.Listed().size(); more > 0) {
        texts.push_back("and " + std::to_string(more) +
                        (more == 1 ? " more problem" : " more problems"));
    }
    return texts;
}

}  // namespace kov
