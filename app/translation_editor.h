// The translation editor's list rules: one entry per language-file line, a text box holding the
// current entry's translation, and the changed flag the exit question looks at.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui_strings.h"

namespace kov {

class TranslationEditor {
  public:
    void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
    const std::vector<std::string>& Entries() const { return entries_; }
    std::optional<std::size_t> Current() const { return current_; }

    // An entry was selected: the text box's text goes into the current entry (setting the
    // changed flag when that changes it), the selected entry becomes current, and its translation
    // is returned for the text box.
    std::string Select(std::size_t index, std::string_view textBoxText);

    // The window is closing: a text box that differs from the current entry is a change.
    void CommitOnClose(std::string_view textBoxText) { Commit(textBoxText, true); }

    // The whole list as a language file, after the text box's text went into the current entry
    // (without touching the changed flag).
    std::string ContentForSave(std::string_view textBoxText);

    // Tool tip of the list for the index LB_ITEMFROMPOINT answered, taken as a whole value.
    std::string ListToolTip(long itemFromPoint) const;

    bool bLanguageChanged = false;

  private:
    void Commit(std::string_view textBoxText, bool markChange);

    std::vector<std::string> entries_;
    std::optional<std::size_t> current_;
};

// The 32 lines of a new translation template: each string's key, "=" and its current value.
std::string TranslationTemplate(const UIStrings& strings, std::string_view programFileName);

}  // namespace kov
