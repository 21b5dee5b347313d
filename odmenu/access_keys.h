// Access keys of owner-drawn items. The system matches the "&" letters of menu texts, but an
// owner-drawn item carries no text for it to match, so the program answers WM_MENUCHAR itself.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kov {

// The character after the first single "&" ("&&" is a literal ampersand), if any, in any script.
std::optional<char32_t> AccessKeyOf(const std::string& caption);

struct AccessKeyChoice {
    std::size_t position;
    bool execute;  // the only item with that key: choose it; otherwise only select it
};

// The item a typed key goes to, with the captions of a popup's items in order: the only match
// is chosen; among several, the next one after the selected item is selected.
std::optional<AccessKeyChoice> ChooseByAccessKey(const std::vector<std::string>& captions,
                                                 char32_t typed,
                                                 std::optional<std::size_t> selected);

}  // namespace kov
