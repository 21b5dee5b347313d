#include "menufile/menu_problems.h"

#include <algorithm>
#include <cstdio>

#include "core/utf8.h"

namespace kov {

void MenuProblems::Add(int line, std::string message) {
    ++count_;
    // Problems arrive almost in the order of their lines (an unclosed "[" comes at the end), so
    // a file of nothing but mistakes costs little more than counting them. Equal lines keep the
    // order they were found in.
    if (listed_.size() == kListed) {
        if (line >= listed_.back().line) return;
        listed_.pop_back();
    }
    const auto after = std::ranges::upper_bound(listed_, line, {}, &MenuProblem::line);
    listed_.insert(after, {line, std::move(message)});
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

std::vector<std::string> ProblemTexts(const MenuProblems& problems, std::string_view prefix,
                                      std::string_view suffix) {
    std::vector<std::string> texts;
    for (const auto& problem : problems.Listed()) {
        texts.push_back(std::string(prefix) + std::to_string(problem.line) + std::string(suffix) +
                        problem.message);
    }
    if (const auto more = problems.Count() - problems.Listed().size(); more > 0) {
        texts.push_back("and " + std::to_string(more) +
                        (more == 1 ? " more problem" : " more problems"));
    }
    return texts;
}

}  // namespace kov
