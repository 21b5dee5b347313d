// Popup menus as the logic sees them: opaque handles and the few calls the builder makes.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/command_ids.h"

namespace kov::platform {

using MenuHandle = std::uintptr_t;

using kov::CommandId;

namespace menu_flags {
inline constexpr unsigned kString = 0x0;
inline constexpr unsigned kGrayed = 0x1;
inline constexpr unsigned kPopup = 0x10;
inline constexpr unsigned kByPosition = 0x400;
inline constexpr unsigned kSeparator = 0x800;
inline constexpr unsigned kRemove = 0x1000;
}  // namespace menu_flags

// The value AppendMenu carries for an item: the identifier's 32 bits, as the menu stores them.
inline std::uintptr_t MenuItemValue(CommandId id) {
    return static_cast<std::uintptr_t>(static_cast<std::uint32_t>(id));
}

class Menus {
  public:
    virtual ~Menus() = default;
    virtual MenuHandle CreatePopupMenu() = 0;
    // With kPopup, idOrSubmenu is the submenu's handle; otherwise MenuItemValue(id).
    virtual bool AppendMenu(MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                            std::string_view text) = 0;
    virtual bool RemoveMenu(MenuHandle menu, unsigned position, unsigned flags) = 0;
    virtual bool DestroyMenu(MenuHandle menu) = 0;
};

}  // namespace kov::platform
