#include "odmenu/access_keys.h"

#include "core/text.h"
#include "core/utf8.h"

namespace kov {

std::optional<char32_t> AccessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return DecodeUtf8At(caption, i + 1).value;
        ++i;  // a doubled ampersand stands for itself
    }
    return std::nullopt;
}

std::optional<AccessKeyChoice> ChooseByAccessKey(const std::vector<std::string>& captions,
                                                 char32_t typed,
                                                 std::optional<std::size_t> selected) {
    std::vector<std::size_t> matches;
    for (std::size_t position = 0; position < captions.size(); ++position) {
        const auto key = AccessKeyOf(captions[position]);
        if (key && FoldCase(*key) == FoldCase(typed)) matches.push_back(position);
    }
    if (matches.empty()) return std::nullopt;
    if (matches.size() == 1) return AccessKeyChoice{matches.front(), true};
    for (const auto position : matches) {
        if (!selected || position > *selected) return AccessKeyChoice{position, false};
    }
    return AccessKeyChoice{matches.front(), false};  // wrap around
}

}  // namespace kov
