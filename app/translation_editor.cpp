#include "app/translation_editor.h"

#include "app/language_file.h"

namespace kov {

void TranslationEditor::Commit(std::string_view textBoxText, bool markChange) {
    if (!current_ || *current_ >= entries_.size()) return;
    std::string& entry = entries_[*current_];
    const auto equals = entry.find('=');
    const std::string updated =
        (equals == std::string::npos ? entry : entry.substr(0, equals + 1)) +
        std::string(textBoxText);
    if (updated == entry) return;
    entry = updated;
    if (markChange) bLanguageChanged = true;
}

std::string TranslationEditor::Select(std::size_t index, std::string_view textBoxText) {
    if (index >= entries_.size()) return std::string(textBoxText);
    Commit(textBoxText, true);
    current_ = index;
    return TranslationOf(entries_[index]);
}

std::string TranslationEditor::ContentForSave(std::string_view textBoxText) {
    Commit(textBoxText, false);
    std::string content;
    for (const auto& entry : entries_) content += entry + "\r\n";
    return content;
}

std::string TranslationEditor::ListToolTip(long itemFromPoint) const {
    if (itemFromPoint < 0 || static_cast<unsigned long>(itemFromPoint) >= entries_.size()) {
        return {};
    }
    return TranslationOf(entries_[static_cast<std::size_t>(itemFromPoint)]);
}

std::string TranslationTemplate(const UIStrings& strings, std::string_view programFileName) {
    // Loading matches a key against the string's English default, so that is the key.
    const auto keys = DefaultUIStrings(programFileName);
    std::string text;
    for (const auto& entry : kUIStringTable) {
        text += keys.*entry.field + "=" + strings.*entry.field + "\r\n";
    }
    return text;
}

}  // namespace kov
