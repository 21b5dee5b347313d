// What turning a menu item into an owner-drawn item changes: its type bits and the caption its
// record keeps for measuring and drawing.
#pragma once

#include <string>
#include <string_view>

namespace kov {

namespace menu_types {
inline constexpr unsigned kMenuBreak = 0x40;
inline constexpr unsigned kOwnerDraw = 0x100;
inline constexpr unsigned kSeparator = 0x800;
}  // namespace menu_types

struct ConvertedItem {
    unsigned type = 0;
    std::string caption;
};

// text is the item's whole text. A caption that begins with "|" once spaces are trimmed starts a
// new column and loses its first character.
ConvertedItem ConvertMenuItem(unsigned type, std::string_view text);

// A window whose class name holds "toolbar" (exactly so) after its first character hands its
// background to the hooked window.
bool IsToolbarClassName(std::string_view className);

}  // namespace kov
