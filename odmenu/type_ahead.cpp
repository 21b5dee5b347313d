#include "odmenu/type_ahead.h"

#include "core/text.h"
#include "core/utf8.h"
#include "odmenu/access_keys.h"
#include "odmenu/draw_layout.h"

namespace kov {

namespace {

using Action = PopupKeyAnswer::Action;

bool StartsAWord(const std::string& folded, std::size_t at) {
    return at == 0 || std::string_view(" -_.(").find(folded[at - 1]) != std::string_view::npos;
}

bool HasWordStartingWith(const std::string& folded, const std::string& search) {
    for (auto at = folded.find(search); at != std::string::npos; at = folded.find(search, at + 1)) {
        if (StartsAWord(folded, at)) return true;
    }
    return false;
}

// The first selectable entry from start on, wrapping around, whose caption starts with the
// folded search text; failing that, the first with a word that does.
std::optional<std::size_t> FindEntry(const std::vector<PopupEntry>& entries,
                                     const std::string& search, std::size_t start) {
    std::vector<std::string> folded(entries.size());
    const auto scan = [&](bool words) -> std::optional<std::size_t> {
        for (std::size_t n = 0; n < entries.size(); ++n) {
            const std::size_t position = (start + n) % entries.size();
            if (!entries[position].selectable) continue;
            auto& caption = folded[position];
            if (!words) caption = FoldCaseFull(ShownCaption(entries[position].caption));
            if (words ? HasWordStartingWith(caption, search) : caption.starts_with(search)) {
                return position;
            }
        }
        return std::nullopt;
    };
    if (auto position = scan(false)) return position;
    return scan(true);
}

void RemoveLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
        text.pop_back();
    }
    if (!text.empty()) text.pop_back();
}

// The search text holds one character, typed once or more.
bool OneCharacterRepeated(const std::string& folded, std::size_t length) {
    for (std::size_t at = length; at < folded.size(); at += length) {
        if (folded.compare(at, length, folded, 0, length) != 0) return false;
    }
    return folded.size() % length == 0;
}

PopupKeyAnswer Selected(std::optional<std::size_t> position) {
    return position ? PopupKeyAnswer{Action::Select, *position} : PopupKeyAnswer{};
}

}  // namespace

std::string ShownCaption(const std::string& caption) {
    const auto shown = SplitDrawCaption(caption).caption;
    std::string text;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '&' && ++i == shown.size()) break;  // "&&" is a literal ampersand
        text += shown[i];
    }
    return text;
}

PopupKeyAnswer AnswerPopupKey(TypeAheadState& state, const std::vector<PopupEntry>& entries,
                              std::optional<std::size_t> selected, char32_t key,
                              std::uint64_t now) {
    const bool typing = state.lastKey && now - *state.lastKey <= kTypingPause;
    state.lastKey = now;
    if (!typing) state.search.clear();
    if (key == kBackspace) {
        if (state.search.empty()) return {};
        RemoveLastCharacter(state.search);
        const auto found =
            state.search.empty() ? std::nullopt : FindEntry(entries, FoldCaseFull(state.search), 0);
        return Selected(found ? found : selected);
    }
    const bool control = key < 0x20 || key == 0x7F;
    if (control || (key >= 0xD800 && key <= 0xDFFF) || key > 0x10FFFF || entries.empty()) return {};
    std::string typed;
    AppendUtf8(typed, key);
    if (state.search.empty()) {
        std::vector<std::string> captions;
        for (const auto& entry : entries) captions.push_back(entry.caption);
        if (const auto choice = ChooseByAccessKey(captions, key, selected)) {
            return {choice->execute ? Action::Execute : Action::Select, choice->position};
        }
    }
    const auto search = state.search + typed;
    const auto folded = FoldCaseFull(search);
    const auto foldedKey = FoldCaseFull(typed);
    // The same key again goes on to the next item it starts.
    const bool repeated = state.search.size() > 0 && OneCharacterRepeated(folded, foldedKey.size());
    const auto found = repeated ? FindEntry(entries, foldedKey, selected ? *selected + 1 : 0)
                                : FindEntry(entries, folded, 0);
    if (!found) return {};
    state.search = search;
    return {Action::Select, *found};
}

}  // namespace kov
