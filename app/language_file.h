// The language file: lines of an English text, "=" and its translation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ui_strings.h"

namespace kov {

// Translates the UI strings from the file's text and returns the lines the translation editor
// lists: every line with an "=" after its first character, blanks and tabs trimmed. A key names a
// string by its current value (letter case ignored); the first entry for a string wins.
std::vector<std::string> ApplyLanguageFile(std::string_view text, UIStrings& strings);

// The lines of a language file that the translation editor lists, without translating anything.
std::vector<std::string> ListedLines(std::string_view text);

// Part of a listed line after its first "=", or the whole line without one.
std::string TranslationOf(std::string_view entry);

}  // namespace kov
