// Command identifiers: what the popup returns and the dispatcher acts on.
#pragma once

#include <cstdint>

namespace kov {

// Signed 32-bit command identifier returned by the popup; 0 means nothing was chosen.
using CommandId = std::int32_t;

inline constexpr CommandId CMD_NOTHING = 0;
inline constexpr CommandId CMD_ABOUT = -1;
inline constexpr CommandId CMD_EXIT = -2;
inline constexpr CommandId CMD_SETTINGS = -3;
inline constexpr CommandId CMD_EDIT = -4;
inline constexpr CommandId CMD_HELP = -5;
// The program submenu's list of what is wrong in the menu file.
inline constexpr CommandId CMD_PROBLEMS = -6;

// Identifiers 1 to this are menu-file line numbers; above it they are folder entries.
inline constexpr CommandId kLastLineItemId = 2000;
// Menu item identifiers are 16-bit values (the command message carries them in one word), so
// folder entries end here.
inline constexpr CommandId kLastFolderItemId = 0xFFFF;

// What the keys held at the moment of a choice ask for: Ctrl+Shift runs the item's programs and
// documents as administrator, Shift shows its target in its folder.
enum class ChoiceModifier { None, RunAsAdministrator, ShowInFolder };

inline ChoiceModifier ChoiceModifierOf(bool control, bool shift) {
    if (!shift) return ChoiceModifier::None;
    return control ? ChoiceModifier::RunAsAdministrator : ChoiceModifier::ShowInFolder;
}

}  // namespace kov
