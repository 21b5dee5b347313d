// Characters typed in an open popup. Typed within a second of each other they form a search
// text that selects the first item whose shown caption, or a word of it, starts with it; with
// no search text under way, an item's access key acts as it always has. One decision for every
// popup, whichever way the system hands the key over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kov {

struct PopupEntry {
    // As the item's record holds it: "&" and a TAB's right-hand text included.
    std::string caption;
    // Separators, grayed headings and column strokes are never selected by typing.
    bool selectable = true;
};

// What was typed in one popup so far; a new popup starts with an empty one.
struct TypeAheadState {
    std::string search;
    std::optional<std::uint64_t> lastKey;  // milliseconds, of any clock that only goes forward
};

inline constexpr char32_t kBackspace = 8;
// Keys further apart than this start a new search text.
inline constexpr std::uint64_t kTypingPause = 1000;

struct PopupKeyAnswer {
    enum class Action {
        Select,   // move the selection to position
        Execute,  // choose the item at position
        Refuse,   // nothing matches: the selection stays and the key is refused
    };
    Action action = Action::Refuse;
    std::size_t position = 0;
    bool operator==(const PopupKeyAnswer&) const = default;
};

// The caption as the item shows it: without its access-key "&" and its right-hand text.
std::string ShownCaption(const std::string& caption);

// now: the time of this key, on the clock of the earlier ones.
PopupKeyAnswer AnswerPopupKey(TypeAheadState& state, const std::vector<PopupEntry>& entries,
                              std::optional<std::size_t> selected, char32_t key, std::uint64_t now);

}  // namespace kov
