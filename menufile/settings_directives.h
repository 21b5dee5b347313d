// "@" lines of the menu file: a key, one separating character and a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/locale_number.h"
#include "menufile/menu_settings.h"
#include "menufile/text_expander.h"
#include "platform/files.h"
#include "platform/pictures.h"

namespace kov {

struct SettingsContext {
    const NumberFormat& numbers;
    TextExpander& expander;
    platform::Pictures& pictures;
    platform::Files& files;
    CustomIconTable& CustomIcons;
};

// The value of a line that begins with the key (letter case ignored): what follows the key and
// one separating character, untrimmed.
std::optional<std::string> SettingValue(std::string_view line, std::string_view key);

// Applies one trimmed line that begins with "@". Unknown keys and values that cannot be converted
// leave the record as it was; a malformed colour is black. Returns what is wrong with the line:
// an unknown key (with the nearest known one), a value that cannot be read, a file that is not
// there.
std::optional<std::string> ApplySettingsLine(std::string_view line, MenuSettings& settings,
                                             SettingsContext& context);

}  // namespace kov
