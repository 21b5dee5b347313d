#pragma once

#include "platform/menus.h"

namespace kov::win32 {

class Win32Menus : public platform::Menus {
  public:
    platform::MenuHandle CreatePopupMenu() override;
    bool AppendMenu(platform::MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                    std::string_view text) override;
    bool RemoveMenu(platform::MenuHandle menu, unsigned position, unsigned flags) override;
    bool DestroyMenu(platform::MenuHandle menu) override;
};

}  // namespace kov::win32
